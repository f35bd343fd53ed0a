// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportPreview.h"

#include "platform/Controls.h"
#include "platform/PrinterSurface.h"
#include "platform/WindowSize.h"
#include "report/ReportLayout.h"

#include <QHBoxLayout>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyra {

ReportPreview::ReportPreview(const Checkbook &book, const ReportRange &range,
                             const ReportPaper &paper, QWidget *parent)
    : QDialog(parent), m_book(book), m_range(range),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(tr("Report Preview"));
    // Drawn as a PDF would be, so that the preview never waits for a print server.
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setPageLayout(pageLayoutOf(paper));

    m_pages = named(new QPrintPreviewWidget(m_printer.get()), "pages");
    m_pages->setViewMode(QPrintPreviewWidget::SinglePageView);
    m_pages->fitInView();
    connect(m_pages, &QPrintPreviewWidget::paintRequested, this, &ReportPreview::paintPages);
    cmdPrint = named(new QPushButton(tr("&Print")), "cmdPrint");
    cmdPrint->setDefault(true);
    cmdClose = named(new QPushButton(tr("&Close")), "cmdClose");
    connect(cmdPrint, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdClose);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);
    sizeToScreen(this, {640, 820});
    // The pages are laid out now, so that they can be counted before the window shows.
    m_pages->updatePreview();
    cmdPrint->setFocus();
}

ReportPreview::~ReportPreview() = default;

int ReportPreview::pageCount() const
{
    return m_pages->pageCount();
}

void ReportPreview::paintPages(QPrinter *printer)
{
    PrinterSurface surface(*printer);
    printReport(m_book, m_range, surface);
}

} // namespace tallyra
