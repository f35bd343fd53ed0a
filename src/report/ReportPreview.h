// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ReportSurface.h"
#include "register/Checkbook.h"
#include "report/DateRange.h"

#include <QDialog>

#include <memory>

class QPrinter;

class QPrintPreviewWidget;
class QPushButton;

namespace tallyra {

// The report's pages as they will print: laid out on the printer's paper and in its printable
// area by the same steps as the printed job. Print accepts the window, Close rejects it; the
// caller prints.
class ReportPreview : public QDialog
{
    Q_OBJECT

public:
    ReportPreview(const Checkbook &book, const ReportRange &range, const ReportPaper &paper,
                  QWidget *parent = nullptr);
    ~ReportPreview() override;

    int pageCount() const;

private:
    void paintPages(QPrinter *printer);

    const Checkbook &m_book;
    const ReportRange m_range;
    std::unique_ptr<QPrinter> m_printer;
    QPrintPreviewWidget *m_pages = nullptr;
    QPushButton *cmdPrint = nullptr;
    QPushButton *cmdClose = nullptr;
};

} // namespace tallyra
