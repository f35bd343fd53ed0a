// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ReportSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>

#include <chrono>
#include <memory>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

namespace tallyra {

// The report surface over a printer's pages or a PDF file's. Twips become device pixels at
// the device's resolution, and positions count from the printable area's top-left corner. The
// job starts with the first output, so the quality can still change the resolution before it.
class PrinterSurface final : public ReportSurface
{
public:
    // The printer is set up for one job on a printer of the system.
    explicit PrinterSurface(std::unique_ptr<QPrinter> printer);
    // The pages go to a printer owned elsewhere, such as a preview's.
    explicit PrinterSurface(QPrinter &printer);
    // The pages go to a PDF file. Unlike a QPrinter, the writer asks no printing system
    // anything, so it never waits for one.
    PrinterSurface(std::unique_ptr<QPdfWriter> pdf, QString fileName);
    ~PrinterSurface() override;
    PrinterSurface(const PrinterSurface &) = delete;
    PrinterSurface &operator=(const PrinterSurface &) = delete;

    void setMediumQuality() override;
    void fitPage(double width, double height) override;
    void setFontSize(double points) override;
    void setBold(bool bold) override;

    double currentX() const override { return m_x; }
    double currentY() const override { return m_y; }
    void setCurrentX(double x) override { m_x = x; }
    void setCurrentY(double y) override { m_y = y; }

    void printAndStay(const QString &text) override;
    void printAndEndLine(const QString &text) override;

    double textWidth(const QString &text) const override;
    double textHeight(const QString &text) const override;
    double pageWidth() const override;
    double pageHeight() const override;

    void drawLine(double x1, double y1, double x2, double y2) override;
    void newPage() override;
    std::optional<QString> endDocument() override;

private:
    QPainter *painter();
    void fontChanged();
    void drawText(const QString &text);
    QString destination() const;
    QRectF printableArea() const;
    int resolution() const;
    double toDevice(double twips) const;
    double toTwips(double pixels) const;

    // A printer or a PDF writer, and the device it paints on.
    std::unique_ptr<QPrinter> m_ownPrinter;
    QPrinter *m_printer = nullptr;
    std::unique_ptr<QPdfWriter> m_pdf;
    QString m_pdfName;
    QPagedPaintDevice *m_device;
    QPainter m_painter;
    QFont m_font;
    QFontMetricsF m_metrics;
    double m_x = 0;
    double m_y = 0;
    // Printed size over layout size; below 1 on paper too small for the layout.
    double m_scale = 1;
    std::optional<QString> m_failure;
};

// The paper as Qt lays pages out on it.
QPageLayout pageLayoutOf(const ReportPaper &paper);

// The system's default printer. On Linux the report is laid out as a PDF file on the
// printer's paper and handed to CUPS, which says whether it took the job; QPrinter's own CUPS
// path would not, and would wait minutes for a print server that never answers. Every call to
// the server runs off the window's thread and ends within the limit, or sooner when the user
// cancels the wait. Without a printer the report is laid out on Letter paper, so that the same
// pages can still be kept as a file. Windows prints through QPrinter.
class DefaultPrinter final : public ReportPrinter
{
public:
    explicit DefaultPrinter(std::chrono::milliseconds limit = std::chrono::seconds(5));

    std::unique_ptr<ReportJob> startJob() override;

private:
    std::chrono::milliseconds m_limit;
};

} // namespace tallyra
