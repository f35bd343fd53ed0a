#include "platform/PrinterSurface.h"

#include <QPrinter>
#include <QPrinterInfo>

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
    return m_printer->pageRect(QPrinter::Point).width() * TwipsPerPoint;
}

double PrinterSurface::pageHeight() const
{
    return m_printer->pageRect(QPrinter::Point).height() * TwipsPerPoint;
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

std::unique_ptr<ReportSurface> DefaultPrinter::openDefaultPrinter(QString &whyNot)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        whyNot = QStringLiteral("there is no default printer.  Choose one in the system's "
                                "printer settings, then print again.");
        return nullptr;
    }
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid()) {
        whyNot =
            QStringLiteral("the default printer \"%1\" cannot be used.").arg(info.printerName());
        return nullptr;
    }
    printer->setDocName(QStringLiteral("Tallyra report"));
    return std::make_unique<PrinterSurface>(std::move(printer));
}

} // namespace tallyra
