#pragma once

#include <QString>

#include <memory>
#include <optional>

namespace tallyra {

// A printer as the report uses it. Positions and sizes are in twips (1/1440 inch) from the
// top-left corner of the printable area, x to the right and y downwards; y is the top of a
// text line.
class ReportSurface
{
public:
    virtual ~ReportSurface() = default;

    virtual void setMediumQuality() = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setBold(bool bold) = 0;

    virtual double currentX() const = 0;
    virtual double currentY() const = 0;
    virtual void setCurrentX(double x) = 0;
    virtual void setCurrentY(double y) = 0;

    // Prints at the current position and leaves it just after the text.
    virtual void printAndStay(const QString &text) = 0;
    // Prints at the current position and moves to the start of the next line.
    virtual void printAndEndLine(const QString &text) = 0;

    virtual double textWidth(const QString &text) const = 0;
    virtual double textHeight(const QString &text) const = 0;
    virtual double pageWidth() const = 0;
    virtual double pageHeight() const = 0;

    virtual void drawLine(double x1, double y1, double x2, double y2) = 0;
    // Finishes the page; the position goes to the top-left corner of the next one.
    virtual void newPage() = 0;
    // Finishes the job and hands it to the printing system. Gives the reason when the job
    // was refused or failed, in which case nothing was printed.
    virtual std::optional<QString> endDocument() = 0;
};

// The system's default printer, opened for one job at a time.
class ReportPrinter
{
public:
    virtual ~ReportPrinter() = default;

    // A surface for one job, or nothing when the printer cannot be used, with the reason in
    // whyNot.
    virtual std::unique_ptr<ReportSurface> openDefaultPrinter(QString &whyNot) = 0;
};

} // namespace tallyra
