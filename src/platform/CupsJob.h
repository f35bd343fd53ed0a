// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>
#include <mutex>
#include <optional>

struct _http_s;
struct cups_dest_s;
struct _cups_dinfo_s;

namespace tallyra {

struct Cups;

// The default printer's paper: its size, and the margins it cannot print in, in millimetres.
struct CupsPaper
{
    double width = 0;
    double length = 0;
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// One job for the default CUPS destination, through libcups loaded only when a report is
// printed: linked in, it and the libraries it pulls in would load at every start. Unlike
// QPrinter, it knows whether CUPS took the job.
//
// Every call goes over a connection of the job's own, on which no wait for the print server
// lasts longer than the limit, and which cancel() ends at once from another thread: libcups
// and Qt would otherwise wait minutes for a server that accepts and never answers. The calls
// block, so they run off the window's thread.
class CupsJob
{
public:
    explicit CupsJob(std::chrono::milliseconds limit);
    ~CupsJob();
    CupsJob(const CupsJob &) = delete;
    CupsJob &operator=(const CupsJob &) = delete;

    // Finds the default destination (lpoptions, PRINTER, LPDEST and CUPS_SERVER all count, as
    // for lp) and its paper. Afterwards destination() says which, or whyNot() why none.
    void lookUp();

    // The destination as Qt names it ("queue" or "queue/instance"), empty when there is none.
    QString destination() const;
    // The paper the destination prints on by default, when it says. Jobs name it, so that the
    // pages print on the paper they were laid out for.
    std::optional<CupsPaper> paper() const { return m_paper; }
    // Why there is no destination.
    QString whyNot() const { return m_whyNot; }

    // Hands the PDF file to the destination: the job number, or 0 with the reason in whyNot.
    int submit(const QString &pdfPath, const QString &title, QString &whyNot);

    // Ends the call in progress on another thread, which then fails; later calls fail at once.
    void cancel();

private:
    static int keepWaiting(_http_s *http, void *job);
    bool connect();
    void findPaper();
    bool stopped() const;
    QString failure(const QString &reason) const;

    const Cups *m_cups = nullptr;
    const std::chrono::milliseconds m_limit;
    _http_s *m_http = nullptr;
    cups_dest_s *m_dest = nullptr;
    _cups_dinfo_s *m_info = nullptr;
    std::optional<CupsPaper> m_paper;
    QByteArray m_media;
    QString m_whyNot;
    // Guards m_http and the two flags against cancel() from another thread.
    mutable std::mutex m_mutex;
    int m_cancelled = 0; // libcups looks at it while it connects
    bool m_waitedTooLong = false;
};

} // namespace tallyra
