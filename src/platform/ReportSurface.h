// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMarginsF>
#include <QSizeF>
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
    // Scales every page as a whole, and no more than needed, so that a layout of this width
    // and height fits the printable area. Positions and sizes, the page's own included, then
    // count in the layout's twips. Called before anything is printed.
    virtual void fitPage(double width, double height) = 0;
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
    // Finishes the pages. Gives the reason when they could not be made, in which case there
    // is nothing to print.
    virtual std::optional<QString> endDocument() = 0;
};

// The sheet a report is laid out on, and the margins the printer cannot print in, in
// millimetres.
struct ReportPaper
{
    QSizeF size;
    QMarginsF margins;
};

// The pages of one report on their way to the default printer. When the printer cannot take
// them they can still be kept as a PDF file.
class ReportJob
{
public:
    virtual ~ReportJob() = default;

    // Where the report is laid out; its end document finishes the pages.
    virtual ReportSurface &surface() = 0;
    // The paper of the surface's pages, which the printer is told to print them on.
    virtual ReportPaper paper() const = 0;
    // Whether the pages can be previewed: not when the printing system does not answer, as a
    // preview asks it about the printer again.
    virtual bool canPreview() const = 0;
    // Hands the finished pages to the default printer. Gives the reason when it did not take
    // them; nothing else counts as printed.
    virtual std::optional<QString> submit() = 0;
    // The printer and the job that took the pages, for the user ("Sent to PDF as job 12");
    // empty until submit has succeeded.
    virtual QString sentAs() const = 0;
    // Whether the finished pages can be written to a file.
    virtual bool canSaveAsPdf() const = 0;
    // Writes the finished pages as a PDF file, whole or not at all. Gives the reason when the
    // file could not be written.
    virtual std::optional<QString> saveAsPdf(const QString &path) = 0;
};

// The system's default printer, opened for one job at a time.
class ReportPrinter
{
public:
    virtual ~ReportPrinter() = default;

    // A job for one report, even without a printer: the failure then comes from submit.
    virtual std::unique_ptr<ReportJob> startJob() = 0;
};

} // namespace tallyra
