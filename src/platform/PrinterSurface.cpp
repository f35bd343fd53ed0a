// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PrinterSurface.h"

#include "register/FileStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

#ifndef Q_OS_WIN
#include "platform/CupsJob.h"
#include "platform/ServerWait.h"
#endif

namespace tallyra {

namespace {

constexpr double TwipsPerInch = 1440;
constexpr double TwipsPerPoint = 20;
// Sharp enough for 10-point text and thin rules, at a fraction of the data of the printer's
// finest resolution.
constexpr int MediumQualityDpi = 300;

} // namespace

PrinterSurface::PrinterSurface(std::unique_ptr<QPrinter> printer)
    : m_ownPrinter(std::move(printer)), m_printer(m_ownPrinter.get()), m_device(m_printer),
      m_metrics(m_font, m_device)
{
}

PrinterSurface::PrinterSurface(QPrinter &printer)
    : m_printer(&printer), m_device(m_printer), m_metrics(m_font, m_device)
{
}

PrinterSurface::PrinterSurface(std::unique_ptr<QPdfWriter> pdf, QString fileName)
    : m_pdf(std::move(pdf)), m_pdfName(std::move(fileName)), m_device(m_pdf.get()),
      m_metrics(m_font, m_device)
{
}

PrinterSurface::~PrinterSurface() = default;

void PrinterSurface::setMediumQuality()
{
    // The resolution of a job cannot change once it has begun.
    if (m_painter.isActive())
        return;
    if (m_printer)
        m_printer->setResolution(MediumQualityDpi);
    else
        m_pdf->setResolution(MediumQualityDpi);
    fontChanged();
}

void PrinterSurface::fitPage(double width, double height)
{
    const QRectF area = printableArea();
    m_scale = std::min(
        {1.0, area.width() * TwipsPerPoint / width, area.height() * TwipsPerPoint / height});
}

void PrinterSurface::setFontSize(double points)
{
    m_font.setPointSizeF(points);
    fontChanged();
}

void PrinterSurface::setBold(bool bold)
{
    m_font.setBold(bold);
    fontChanged();
}

void PrinterSurface::fontChanged()
{
    m_metrics = QFontMetricsF(m_font, m_device);
    if (m_painter.isActive())
        m_painter.setFont(m_font);
}

void PrinterSurface::printAndStay(const QString &text)
{
    drawText(text);
    m_x += textWidth(text);
}

void PrinterSurface::printAndEndLine(const QString &text)
{
    drawText(text);
    m_x = 0;
    m_y += textHeight(text);
}

void PrinterSurface::drawText(const QString &text)
{
    if (text.isEmpty())
        return;
    if (QPainter *p = painter())
        p->drawText(QPointF(toDevice(m_x), toDevice(m_y) + m_metrics.ascent()), text);
}

double PrinterSurface::textWidth(const QString &text) const
{
    return toTwips(m_metrics.horizontalAdvance(text));
}

double PrinterSurface::textHeight(const QString &) const
{
    return toTwips(m_metrics.lineSpacing());
}

double PrinterSurface::pageWidth() const
{
    return printableArea().width() * TwipsPerPoint / m_scale;
}

double PrinterSurface::pageHeight() const
{
    return printableArea().height() * TwipsPerPoint / m_scale;
}

void PrinterSurface::drawLine(double x1, double y1, double x2, double y2)
{
    if (QPainter *p = painter())
        p->drawLine(QPointF(toDevice(x1), toDevice(y1)), QPointF(toDevice(x2), toDevice(y2)));
}

void PrinterSurface::newPage()
{
    if (painter() && !m_device->newPage())
        m_failure =
            QCoreApplication::translate("PrinterSurface", "%1 reported an error during the job.")
                .arg(destination());
    m_x = 0;
    m_y = 0;
}

std::optional<QString> PrinterSurface::endDocument()
{
    if (m_painter.isActive()) {
        // A job that went wrong on the way is dropped where the system allows it, rather
        // than printed in part.
        if (m_failure && m_printer)
            m_printer->abort();
        m_painter.end();
    }
    if (!m_printer)
        return m_failure;
    const QPrinter::PrinterState state = m_printer->printerState();
    if (!m_failure && (state == QPrinter::Error || state == QPrinter::Aborted))
        m_failure =
            QCoreApplication::translate("PrinterSurface", "%1 reported an error during the job.")
                .arg(destination());
    return m_failure;
}

// Begins the job on the first output; nothing is drawn once it has failed.
QPainter *PrinterSurface::painter()
{
    if (m_failure)
        return nullptr;
    if (m_painter.isActive())
        return &m_painter;
    if (!m_painter.begin(m_device)) {
        m_failure =
            QCoreApplication::translate("PrinterSurface", "%1 refused the job.").arg(destination());
        return nullptr;
    }
    m_painter.setFont(m_font);
    // Measurements stay those of the unscaled font, so the text shrinks with the positions.
    if (m_scale < 1)
        m_painter.scale(m_scale, m_scale);
    return &m_painter;
}

QString PrinterSurface::destination() const
{
    if (!m_printer)
        return QCoreApplication::translate("PrinterSurface", "the file \"%1\"").arg(m_pdfName);
    if (m_printer->outputFormat() == QPrinter::PdfFormat)
        return QCoreApplication::translate("PrinterSurface", "the file \"%1\"")
            .arg(m_printer->outputFileName());
    return QCoreApplication::translate("PrinterSurface", "the printer \"%1\"")
        .arg(m_printer->printerName());
}

QRectF PrinterSurface::printableArea() const
{
    return m_device->pageLayout().paintRect(QPageLayout::Point);
}

int PrinterSurface::resolution() const
{
    return m_printer ? m_printer->resolution() : m_pdf->resolution();
}

double PrinterSurface::toDevice(double twips) const
{
    return twips * resolution() / TwipsPerInch;
}

double PrinterSurface::toTwips(double pixels) const
{
    return pixels * TwipsPerInch / resolution();
}

namespace {

// The job's name in the printer's queue and the PDF's title.
QString reportTitle()
{
    return QCoreApplication::translate("PrinterSurface", "Tallyra report");
}

// Letter less a quarter inch all round: the report's columns need 8 inches across.
QPageLayout letterLayout()
{
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                       QMarginsF(18, 18, 18, 18), QPageLayout::Point);
}

ReportPaper paperOf(const QPageLayout &layout)
{
    return {layout.pageSize().size(QPageSize::Millimeter), layout.margins(QPageLayout::Millimeter)};
}

// What became of the pages once handed on: nothing when the printer took them, and then the
// printer's name for the job in sentAs.
using Sender = std::function<std::optional<QString>(const QString &pdfPath, QString &sentAs)>;

// The report's pages as a PDF file in a temporary folder of its own, then handed on. The file
// is kept until the job goes, so that the very pages sent can also be saved.
class PdfJob final : public ReportJob
{
public:
    PdfJob(const QPageLayout &layout, Sender send, bool canPreview = true)
        : m_path(m_folder.filePath(QStringLiteral("report.pdf"))), m_send(std::move(send)),
          m_paper(paperOf(layout)), m_canPreview(canPreview)
    {
        auto pdf = std::make_unique<QPdfWriter>(m_path);
        pdf->setPageLayout(layout);
        pdf->setTitle(reportTitle());
        pdf->setCreator(QStringLiteral("Tallyra"));
        m_surface = std::make_unique<PrinterSurface>(std::move(pdf), m_path);
    }

    ReportSurface &surface() override { return *m_surface; }
    ReportPaper paper() const override { return m_paper; }
    bool canPreview() const override { return m_canPreview; }

    std::optional<QString> submit() override
    {
        if (!canSaveAsPdf())
            return QCoreApplication::translate("PrinterSurface",
                                               "the report's pages could not be written to %1.")
                .arg(m_path);
        return m_send(m_path, m_sentAs);
    }

    QString sentAs() const override { return m_sentAs; }

    // Qt's PDF writer does not report a short write, so a whole file is one that ends.
    bool canSaveAsPdf() const override
    {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) && file.size() > 6 && file.seek(file.size() - 6) &&
               file.read(6).contains("%%EOF");
    }

    std::optional<QString> saveAsPdf(const QString &path) override
    {
        QFile pages(m_path);
        if (!pages.open(QIODevice::ReadOnly))
            return pages.errorString();
        const FileResult written = writeFileAtomically(path, pages.readAll());
        if (!written.ok)
            return written.error;
        return std::nullopt;
    }

private:
    QTemporaryDir m_folder;
    QString m_path;
    Sender m_send;
    ReportPaper m_paper;
    bool m_canPreview;
    QString m_sentAs;
    std::unique_ptr<PrinterSurface> m_surface;
};

#ifdef Q_OS_WIN
QString noDefaultPrinter()
{
    return QCoreApplication::translate("PrinterSurface",
                                       "there is no default printer.  Choose one in the system's "
                                       "printer settings, then print again.");
}

// The printer's own driver prints the pages as they are drawn.
class NativeJob final : public ReportJob
{
public:
    explicit NativeJob(const QPrinterInfo &info)
        : m_sentAs(
              QCoreApplication::translate("PrinterSurface", "Sent to %1").arg(info.printerName()))
    {
        auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        printer->setDocName(reportTitle());
        m_paper = paperOf(printer->pageLayout());
        m_surface = std::make_unique<PrinterSurface>(std::move(printer));
    }

    ReportSurface &surface() override { return *m_surface; }
    ReportPaper paper() const override { return m_paper; }
    bool canPreview() const override { return true; }
    // The job went to the printer as it ended, and ending reports a failure.
    std::optional<QString> submit() override { return std::nullopt; }
    // The driver does not give the job's number.
    QString sentAs() const override { return m_sentAs; }
    bool canSaveAsPdf() const override { return false; }
    std::optional<QString> saveAsPdf(const QString &) override { return std::nullopt; }

private:
    QString m_sentAs;
    ReportPaper m_paper;
    std::unique_ptr<PrinterSurface> m_surface;
};
#else
// The printer's own paper and printable area, so the pages fit as a direct print would.
QPageLayout layoutOf(const std::optional<CupsPaper> &paper)
{
    if (!paper || paper->width <= 0 || paper->length <= 0)
        return letterLayout();
    return pageLayoutOf({QSizeF(paper->width, paper->length),
                         QMarginsF(paper->left, paper->top, paper->right, paper->bottom)});
}

// Why a wait for the print server ended without its answer.
QString notAnswered(WaitEnd end, std::chrono::milliseconds limit)
{
    if (end == WaitEnd::Cancelled)
        return QCoreApplication::translate("PrinterSurface",
                                           "you stopped waiting for the printing system.");
    return QCoreApplication::translate("PrinterSurface",
                                       "the printing system did not answer within %1 seconds.")
        .arg(double(limit.count()) / 1000);
}

// The pages as the printer took them, or why not. The job and the answer belong to the call
// in progress, which may outlast a wait the user gave up on.
struct Sent
{
    int job = 0;
    QString whyNot;
};

std::optional<QString> send(const std::shared_ptr<CupsJob> &cups, const QString &pdfPath,
                            QString &sentAs, std::chrono::milliseconds limit)
{
    auto sent = std::make_shared<Sent>();
    const WaitEnd end = waitForServer(
        QCoreApplication::translate("PrinterSurface", "Sending the report to the printer..."),
        [cups, sent, pdfPath] { sent->job = cups->submit(pdfPath, reportTitle(), sent->whyNot); },
        [cups] { cups->cancel(); }, limit);
    if (end != WaitEnd::Answered)
        return notAnswered(end, limit);
    if (sent->job <= 0)
        return sent->whyNot;
    sentAs = QCoreApplication::translate("PrinterSurface", "Sent to %1 as job %2")
                 .arg(cups->destination())
                 .arg(sent->job);
    return std::nullopt;
}
#endif

} // namespace

QPageLayout pageLayoutOf(const ReportPaper &paper)
{
    return QPageLayout(QPageSize(paper.size, QPageSize::Millimeter), QPageLayout::Portrait,
                       paper.margins, QPageLayout::Millimeter);
}

DefaultPrinter::DefaultPrinter(std::chrono::milliseconds limit) : m_limit(limit) {}

std::unique_ptr<ReportJob> DefaultPrinter::startJob()
{
#ifdef Q_OS_WIN
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull())
        return std::make_unique<NativeJob>(info);
    return std::make_unique<PdfJob>(letterLayout(),
                                    [](const QString &, QString &) { return noDefaultPrinter(); });
#else
    auto cups = std::make_shared<CupsJob>(m_limit);
    const WaitEnd end = waitForServer(
        QCoreApplication::translate("PrinterSurface", "Looking for the default printer..."),
        [cups] { cups->lookUp(); }, [cups] { cups->cancel(); }, m_limit);
    if (end != WaitEnd::Answered) {
        const QString why = notAnswered(end, m_limit);
        return std::make_unique<PdfJob>(
            letterLayout(), [why](const QString &, QString &) { return why; }, false);
    }
    return std::make_unique<PdfJob>(
        layoutOf(cups->paper()), [cups, limit = m_limit](const QString &pdfPath, QString &sentAs) {
            return send(cups, pdfPath, sentAs, limit);
        });
#endif
}

} // namespace tallyra
