// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PrinterSurface.h"

#include "register/FileStore.h"

#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

#ifndef Q_OS_WIN
#include "platform/CupsJob.h"
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
    : m_printer(std::move(printer)), m_metrics(m_font, m_printer.get())
{
}

PrinterSurface::~PrinterSurface() = default;

void PrinterSurface::setMediumQuality()
{
    // The resolution of a job cannot change once it has begun.
    if (m_painter.isActive())
        return;
    m_printer->setResolution(MediumQualityDpi);
    fontChanged();
}

void PrinterSurface::fitPage(double width, double height)
{
    const QRectF area = m_printer->pageRect(QPrinter::Point);
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
    m_metrics = QFontMetricsF(m_font, m_printer.get());
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
    return m_printer->pageRect(QPrinter::Point).width() * TwipsPerPoint / m_scale;
}

double PrinterSurface::pageHeight() const
{
    return m_printer->pageRect(QPrinter::Point).height() * TwipsPerPoint / m_scale;
}

void PrinterSurface::drawLine(double x1, double y1, double x2, double y2)
{
    if (QPainter *p = painter())
        p->drawLine(QPointF(toDevice(x1), toDevice(y1)), QPointF(toDevice(x2), toDevice(y2)));
}

void PrinterSurface::newPage()
{
    if (painter() && !m_printer->newPage())
        m_failure = destination() + QStringLiteral(" reported an error during the job.");
    m_x = 0;
    m_y = 0;
}

std::optional<QString> PrinterSurface::endDocument()
{
    if (m_painter.isActive()) {
        // A job that went wrong on the way is dropped where the system allows it, rather
        // than printed in part.
        if (m_failure)
            m_printer->abort();
        m_painter.end();
    }
    const QPrinter::PrinterState state = m_printer->printerState();
    if (!m_failure && (state == QPrinter::Error || state == QPrinter::Aborted))
        m_failure = destination() + QStringLiteral(" reported an error during the job.");
    return m_failure;
}

// Begins the job on the first output; nothing is drawn once it has failed.
QPainter *PrinterSurface::painter()
{
    if (m_failure)
        return nullptr;
    if (m_painter.isActive())
        return &m_painter;
    if (!m_painter.begin(m_printer.get())) {
        m_failure = destination() + QStringLiteral(" refused the job.");
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
    if (m_printer->outputFormat() == QPrinter::PdfFormat)
        return QStringLiteral("the file \"%1\"").arg(m_printer->outputFileName());
    return QStringLiteral("the printer \"%1\"").arg(m_printer->printerName());
}

double PrinterSurface::toDevice(double twips) const
{
    return twips * m_printer->resolution() / TwipsPerInch;
}

double PrinterSurface::toTwips(double pixels) const
{
    return pixels * TwipsPerInch / m_printer->resolution();
}

namespace {

// Letter less a quarter inch all round: the report's columns need 8 inches across.
QPageLayout letterLayout()
{
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                       QMarginsF(18, 18, 18, 18), QPageLayout::Point);
}

// What became of the pages once handed on: nothing when the printer took them, and then the
// printer's name for the job in sentAs.
using Sender = std::function<std::optional<QString>(const QString &pdfPath, QString &sentAs)>;

// The report's pages as a PDF file in a temporary folder of its own, then handed on. The file
// is kept until the job goes, so that the very pages sent can also be saved.
class PdfJob final : public ReportJob
{
public:
    PdfJob(const QPageLayout &layout, Sender send)
        : m_path(m_folder.filePath(QStringLiteral("report.pdf"))), m_send(std::move(send))
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(m_path);
        printer->setPageLayout(layout);
        printer->setDocName(QStringLiteral("Tallyra report"));
        m_surface = std::make_unique<PrinterSurface>(std::move(printer));
    }

    ReportSurface &surface() override { return *m_surface; }

    std::optional<QString> submit() override
    {
        if (!canSaveAsPdf())
            return QStringLiteral("the report's pages could not be written to %1.").arg(m_path);
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
    QString m_sentAs;
    std::unique_ptr<PrinterSurface> m_surface;
};

#ifdef Q_OS_WIN
const QString NoDefaultPrinter =
    QStringLiteral("there is no default printer.  Choose one in the system's printer settings, "
                   "then print again.");

// The printer's own driver prints the pages as they are drawn.
class NativeJob final : public ReportJob
{
public:
    explicit NativeJob(const QPrinterInfo &info)
        : m_sentAs(QStringLiteral("Sent to %1").arg(info.printerName()))
    {
        auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        printer->setDocName(QStringLiteral("Tallyra report"));
        m_surface = std::make_unique<PrinterSurface>(std::move(printer));
    }

    ReportSurface &surface() override { return *m_surface; }
    // The job went to the printer as it ended, and ending reports a failure.
    std::optional<QString> submit() override { return std::nullopt; }
    // The driver does not give the job's number.
    QString sentAs() const override { return m_sentAs; }
    bool canSaveAsPdf() const override { return false; }
    std::optional<QString> saveAsPdf(const QString &) override { return std::nullopt; }

private:
    QString m_sentAs;
    std::unique_ptr<PrinterSurface> m_surface;
};
#else
// The printer's own page size and printable area, so the pages fit as a direct print would.
QPageLayout layoutOf(const QString &destination)
{
    if (destination.isEmpty())
        return letterLayout();
    const QPrinterInfo info = QPrinterInfo::printerInfo(destination);
    if (info.isNull())
        return letterLayout();
    return QPrinter(info, QPrinter::HighResolution).pageLayout();
}
#endif

} // namespace

std::unique_ptr<ReportJob> DefaultPrinter::startJob()
{
#ifdef Q_OS_WIN
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull())
        return std::make_unique<NativeJob>(info);
    return std::make_unique<PdfJob>(letterLayout(),
                                    [](const QString &, QString &) { return NoDefaultPrinter; });
#else
    auto cups = std::make_shared<CupsJob>();
    return std::make_unique<PdfJob>(
        layoutOf(cups->destination()),
        [cups](const QString &pdfPath, QString &sentAs) -> std::optional<QString> {
            QString whyNot;
            const int job = cups->submit(pdfPath, QStringLiteral("Tallyra report"), whyNot);
            if (job <= 0)
                return whyNot;
            sentAs = QStringLiteral("Sent to %1 as job %2").arg(cups->destination()).arg(job);
            return std::nullopt;
        });
#endif
}

} // namespace tallyra
