// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CupsJob.h"

#include <QFile>

#include <cerrno>
#include <cups/cups.h>
#include <optional>

namespace tallyra {

namespace {

constexpr int ServerWaitMs = 5000;

// The functions used, each resolved by its own name and checked against the header.
struct Cups
{
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsPrintFile) printFile = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;
    decltype(&cupsServer) server = nullptr;
    decltype(&ippPort) port = nullptr;
    decltype(&cupsEncryption) encryption = nullptr;
    decltype(&httpConnect2) connect = nullptr;
    decltype(&httpClose) close = nullptr;

    explicit Cups(QLibrary &library)
    {
        resolve(library, getNamedDest, "cupsGetNamedDest");
        resolve(library, freeDests, "cupsFreeDests");
        resolve(library, printFile, "cupsPrintFile");
        resolve(library, lastErrorString, "cupsLastErrorString");
        resolve(library, server, "cupsServer");
        resolve(library, port, "ippPort");
        resolve(library, encryption, "cupsEncryption");
        resolve(library, connect, "httpConnect2");
        resolve(library, close, "httpClose");
    }
    bool complete() const
    {
        return getNamedDest && freeDests && printFile && lastErrorString && server && port &&
               encryption && connect && close;
    }
    // Why the print server cannot be reached, or nothing when it answers.
    std::optional<QString> unreachable() const
    {
        http_t *http =
            connect(server(), port(), nullptr, AF_UNSPEC, encryption(), 1, ServerWaitMs, nullptr);
        if (!http)
            return QStringLiteral("%1 (%2)").arg(qt_error_string(errno),
                                                 QString::fromLocal8Bit(server()));
        close(http);
        return std::nullopt;
    }
    // Without its closing full stop, as it goes inside a sentence of ours.
    QString lastReason() const
    {
        QString reason = QString::fromLocal8Bit(lastErrorString());
        if (reason.endsWith(u'.'))
            reason.chop(1);
        return reason;
    }

private:
    template <typename F> static void resolve(QLibrary &library, F &function, const char *name)
    {
        function = reinterpret_cast<F>(library.resolve(name));
    }
};

} // namespace

CupsJob::CupsJob() : m_library(QStringLiteral("cups"), 2)
{
    if (!m_library.load()) {
        m_whyNot = QStringLiteral("the printing system (CUPS) is not installed.");
        return;
    }
    const Cups cups(m_library);
    if (!cups.complete()) {
        m_whyNot = QStringLiteral("the printing system's library (libcups) is not usable.");
        return;
    }
    m_dest = cups.getNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (m_dest)
        return;
    const QString reason = cups.lastReason();
    // CUPS reports a server it cannot reach as no default at all.
    if (const std::optional<QString> why = cups.unreachable())
        m_whyNot = QStringLiteral("the printing system did not answer: %1.").arg(*why);
    else
        m_whyNot = QStringLiteral("there is no default printer: %1.  Choose one in the system's "
                                  "printer settings, then print again.")
                       .arg(reason);
}

CupsJob::~CupsJob()
{
    if (m_dest)
        Cups(m_library).freeDests(1, m_dest);
}

QString CupsJob::destination() const
{
    if (!m_dest)
        return QString();
    const QString name = QString::fromLocal8Bit(m_dest->name);
    if (!m_dest->instance)
        return name;
    return name + u'/' + QString::fromLocal8Bit(m_dest->instance);
}

int CupsJob::submit(const QString &pdfPath, const QString &title, QString &whyNot)
{
    if (!m_dest) {
        whyNot = m_whyNot;
        return 0;
    }
    const Cups cups(m_library);
    // The destination's own options (an instance's, the user's lpoptions) go with the job, as
    // lp sends them.
    const int job =
        cups.printFile(m_dest->name, QFile::encodeName(pdfPath).constData(),
                       title.toUtf8().constData(), m_dest->num_options, m_dest->options);
    if (job == 0)
        whyNot = QStringLiteral("the printer \"%1\" did not take the job: %2.")
                     .arg(destination(), cups.lastReason());
    return job;
}

} // namespace tallyra
