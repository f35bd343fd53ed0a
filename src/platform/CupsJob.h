// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLibrary>
#include <QString>

struct cups_dest_s;

namespace tallyra {

// One job for the default CUPS destination, through libcups loaded only when a report is
// printed: linked in, it and the libraries it pulls in would load at every start. Unlike
// QPrinter, it knows whether CUPS took the job.
class CupsJob
{
public:
    // Loads libcups and looks up the default destination (lpoptions, PRINTER, LPDEST and
    // CUPS_SERVER all count, as for lp).
    CupsJob();
    ~CupsJob();
    CupsJob(const CupsJob &) = delete;
    CupsJob &operator=(const CupsJob &) = delete;

    // The destination as Qt names it ("queue" or "queue/instance"), empty when there is none.
    QString destination() const;
    // Why there is no destination.
    QString whyNot() const { return m_whyNot; }

    // Hands the PDF file to the destination: the job number, or 0 with the reason in whyNot.
    int submit(const QString &pdfPath, const QString &title, QString &whyNot);

private:
    QLibrary m_library;
    cups_dest_s *m_dest = nullptr;
    QString m_whyNot;
};

} // namespace tallyra
