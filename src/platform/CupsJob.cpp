// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CupsJob.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibrary>

#include <cerrno>
#include <cups/cups.h>
#include <sys/socket.h>
#include <vector>

namespace tallyra {

// The functions used, each resolved by its own name and checked against the header.
struct Cups
{
    bool loaded = false;
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsCopyDestInfo) copyDestInfo = nullptr;
    decltype(&cupsFreeDestInfo) freeDestInfo = nullptr;
    decltype(&cupsGetDestMediaDefault) getDestMediaDefault = nullptr;
    decltype(&cupsGetDestMediaByName) getDestMediaByName = nullptr;
    decltype(&cupsFindDestDefault) findDestDefault = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&ippGetString) getString = nullptr;
    decltype(&cupsCreateDestJob) createDestJob = nullptr;
    decltype(&cupsStartDestDocument) startDestDocument = nullptr;
    decltype(&cupsWriteRequestData) writeRequestData = nullptr;
    decltype(&cupsFinishDestDocument) finishDestDocument = nullptr;
    decltype(&cupsCancelDestJob) cancelDestJob = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;
    decltype(&cupsServer) server = nullptr;
    decltype(&ippPort) port = nullptr;
    decltype(&cupsEncryption) encryption = nullptr;
    decltype(&httpConnect2) connect = nullptr;
    decltype(&httpSetTimeout) setTimeout = nullptr;
    decltype(&httpGetFd) getFd = nullptr;
    decltype(&httpClose) close = nullptr;

    explicit Cups(QLibrary &library) : loaded(library.load())
    {
        resolve(library, getNamedDest, "cupsGetNamedDest");
        resolve(library, freeDests, "cupsFreeDests");
        resolve(library, copyDestInfo, "cupsCopyDestInfo");
        resolve(library, freeDestInfo, "cupsFreeDestInfo");
        resolve(library, getDestMediaDefault, "cupsGetDestMediaDefault");
        resolve(library, getDestMediaByName, "cupsGetDestMediaByName");
        resolve(library, findDestDefault, "cupsFindDestDefault");
        resolve(library, getOption, "cupsGetOption");
        resolve(library, getString, "ippGetString");
        resolve(library, createDestJob, "cupsCreateDestJob");
        resolve(library, startDestDocument, "cupsStartDestDocument");
        resolve(library, writeRequestData, "cupsWriteRequestData");
        resolve(library, finishDestDocument, "cupsFinishDestDocument");
        resolve(library, cancelDestJob, "cupsCancelDestJob");
        resolve(library, lastErrorString, "cupsLastErrorString");
        resolve(library, server, "cupsServer");
        resolve(library, port, "ippPort");
        resolve(library, encryption, "cupsEncryption");
        resolve(library, connect, "httpConnect2");
        resolve(library, setTimeout, "httpSetTimeout");
        resolve(library, getFd, "httpGetFd");
        resolve(library, close, "httpClose");
    }

    bool complete() const
    {
        return getNamedDest && freeDests && copyDestInfo && freeDestInfo && getDestMediaDefault &&
               getDestMediaByName && findDestDefault && getOption && getString && createDestJob &&
               startDestDocument && writeRequestData && finishDestDocument && cancelDestJob &&
               lastErrorString && server && port && encryption && connect && setTimeout && getFd &&
               close;
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

namespace {

// Loaded once, and never unloaded: a call given up on may still be running in it.
const Cups &cupsLibrary()
{
    static QLibrary library(QStringLiteral("cups"), 2);
    static const Cups cups(library);
    return cups;
}

// Each of these ends on a failure; a whole job is far larger.
constexpr qint64 WritePiece = 64 * 1024;

} // namespace

CupsJob::CupsJob(std::chrono::milliseconds limit) : m_cups(&cupsLibrary()), m_limit(limit) {}

CupsJob::~CupsJob()
{
    if (m_info)
        m_cups->freeDestInfo(m_info);
    if (m_dest)
        m_cups->freeDests(1, m_dest);
    if (m_http)
        m_cups->close(m_http);
}

// Asked by libcups each time the server has been silent for the whole limit: 0 gives up.
int CupsJob::keepWaiting(_http_s *, void *job)
{
    auto *self = static_cast<CupsJob *>(job);
    const std::lock_guard lock(self->m_mutex);
    self->m_waitedTooLong = true;
    return 0;
}

bool CupsJob::connect()
{
    http_t *http = m_cups->connect(m_cups->server(), m_cups->port(), nullptr, AF_UNSPEC,
                                   m_cups->encryption(), 1, int(m_limit.count()), &m_cancelled);
    const int error = errno;
    if (http) {
        const std::lock_guard lock(m_mutex);
        if (!m_cancelled) {
            m_http = http;
            m_cups->setTimeout(http, double(m_limit.count()) / 1000, &CupsJob::keepWaiting, this);
            return true;
        }
        m_cups->close(http);
    }
    m_whyNot = failure(QStringLiteral("%1 (%2)").arg(qt_error_string(error),
                                                     QString::fromLocal8Bit(m_cups->server())));
    return false;
}

void CupsJob::lookUp()
{
    if (!m_cups->loaded) {
        m_whyNot =
            QCoreApplication::translate("CupsJob", "the printing system (CUPS) is not installed.");
        return;
    }
    if (!m_cups->complete()) {
        m_whyNot = QCoreApplication::translate(
            "CupsJob", "the printing system's library (libcups) is not usable.");
        return;
    }
    if (!connect())
        return;
    m_dest = m_cups->getNamedDest(m_http, nullptr, nullptr);
    if (!m_dest) {
        m_whyNot = stopped() ? failure(QString())
                             : QCoreApplication::translate(
                                   "CupsJob", "there is no default printer: %1.  Choose one in "
                                              "the system's printer settings, then print again.")
                                   .arg(m_cups->lastReason());
        return;
    }
    m_info = m_cups->copyDestInfo(m_http, m_dest);
    if (!m_info) {
        m_whyNot = failure(m_cups->lastReason());
        return;
    }
    findPaper();
}

// The paper the destination prints on when a job names none: the destination's own media
// option (an instance's, the user's lpoptions), else the printer's default. libcups's own
// default ignores the printer's, and says Letter for an A4 printer, whose filters then scale
// the Letter pages up to fill the A4 sheet and cut both sides off.
void CupsJob::findPaper()
{
    const char *media = m_cups->getOption("media", m_dest->num_options, m_dest->options);
    if (!media) {
        if (ipp_attribute_t *byPrinter = m_cups->findDestDefault(m_http, m_dest, m_info, "media"))
            media = m_cups->getString(byPrinter, 0, nullptr);
    }
    cups_size_t size{};
    const bool named = media && m_cups->getDestMediaByName(m_http, m_dest, m_info, media, 0, &size);
    if (!named && !m_cups->getDestMediaDefault(m_http, m_dest, m_info, 0, &size))
        return;
    // Sizes and margins come in hundredths of a millimetre.
    m_paper = CupsPaper{size.width / 100.0, size.length / 100.0, size.left / 100.0,
                        size.top / 100.0,   size.right / 100.0,  size.bottom / 100.0};
    m_media = named ? QByteArray(media) : QByteArray(size.media);
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
    if (!m_info) {
        whyNot = m_whyNot;
        return 0;
    }
    QFile pages(pdfPath);
    if (!pages.open(QIODevice::ReadOnly)) {
        whyNot = QCoreApplication::translate("CupsJob", "the report's pages could not be read: %1.")
                     .arg(pages.errorString());
        return 0;
    }
    int job = 0;
    const auto refused = [&] {
        const bool stoppedOnTheWay = stopped();
        whyNot = stoppedOnTheWay ? failure(QString())
                                 : QCoreApplication::translate(
                                       "CupsJob", "the printer \"%1\" did not take the job: %2.")
                                       .arg(destination(), m_cups->lastReason());
        // A job that was begun is not left waiting for pages that will never come.
        if (job && !stoppedOnTheWay)
            m_cups->cancelDestJob(m_http, m_dest, job);
        return 0;
    };
    const QByteArray name = title.toUtf8();
    // The destination's own options (an instance's, the user's lpoptions) go with the job, as
    // lp sends them, and the paper the pages were laid out on, so that no filter fits them to
    // another.
    std::vector<cups_option_t> options;
    for (int i = 0; i < m_dest->num_options; ++i)
        if (qstrcmp(m_dest->options[i].name, "media") != 0)
            options.push_back(m_dest->options[i]);
    QByteArray mediaName("media");
    if (!m_media.isEmpty())
        options.push_back({mediaName.data(), m_media.data()});
    if (m_cups->createDestJob(m_http, m_dest, m_info, &job, name.constData(), int(options.size()),
                              options.data()) > IPP_STATUS_OK_IGNORED_OR_SUBSTITUTED)
        return refused();
    if (m_cups->startDestDocument(m_http, m_dest, m_info, job, name.constData(), CUPS_FORMAT_PDF, 0,
                                  nullptr, 1) != HTTP_STATUS_CONTINUE)
        return refused();
    for (QByteArray piece = pages.read(WritePiece); !piece.isEmpty();
         piece = pages.read(WritePiece)) {
        if (m_cups->writeRequestData(m_http, piece.constData(), size_t(piece.size())) !=
            HTTP_STATUS_CONTINUE)
            return refused();
    }
    if (m_cups->finishDestDocument(m_http, m_dest, m_info) > IPP_STATUS_OK_IGNORED_OR_SUBSTITUTED)
        return refused();
    return job;
}

void CupsJob::cancel()
{
    const std::lock_guard lock(m_mutex);
    m_cancelled = 1;
    // Ends a wait in progress at once: the socket reads as closed.
    if (m_http)
        ::shutdown(m_cups->getFd(m_http), SHUT_RDWR);
}

bool CupsJob::stopped() const
{
    const std::lock_guard lock(m_mutex);
    return m_cancelled || m_waitedTooLong;
}

// Why the print server could not be asked: the user stopped waiting, it was silent for the
// whole limit, or the system's reason.
QString CupsJob::failure(const QString &reason) const
{
    const std::lock_guard lock(m_mutex);
    if (m_cancelled)
        return QCoreApplication::translate("CupsJob",
                                           "you stopped waiting for the printing system.");
    if (m_waitedTooLong)
        return QCoreApplication::translate(
                   "CupsJob", "the printing system (%1) did not answer within %2 seconds.")
            .arg(QString::fromLocal8Bit(m_cups->server()))
            .arg(m_limit.count() / 1000.0);
    return QCoreApplication::translate("CupsJob", "the printing system did not answer: %1.")
        .arg(reason);
}

} // namespace tallyra
