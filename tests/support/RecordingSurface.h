// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ReportSurface.h"
#include "register/FileStore.h"

#include <QLineF>
#include <QSizeF>
#include <QStringList>

#include <optional>
#include <vector>

namespace tallyra::test {

// What a recording surface printed, and how it answers. It outlives the surfaces that write
// to it, so a test can read what the program printed and dropped.
struct Recording
{
    struct Text
    {
        double x, y;
        QString text;
        bool bold;
    };

    // A Letter sheet less a quarter inch all round; 11520 twips wide.
    double pageHeight = 15120;
    std::optional<QString> unmade;  // what endDocument answers
    std::optional<QString> refusal; // what the job's submit answers

    QSizeF fitted; // the layout size the pages were asked to fit
    std::vector<Text> texts;
    std::vector<QLineF> lines;
    int pages = 1;
};

// Fixed metrics: a character is 90 twips wide (100 in bold), a line 240 twips high.
class RecordingSurface : public ReportSurface
{
public:
    explicit RecordingSurface(Recording &recording) : m_out(recording) {}

    void setMediumQuality() override {}
    void fitPage(double width, double height) override { m_out.fitted = {width, height}; }
    void setFontSize(double) override {}
    void setBold(bool bold) override { m_bold = bold; }
    double currentX() const override { return m_x; }
    double currentY() const override { return m_y; }
    void setCurrentX(double x) override { m_x = x; }
    void setCurrentY(double y) override { m_y = y; }
    void printAndStay(const QString &text) override
    {
        m_out.texts.push_back({m_x, m_y, text, m_bold});
        m_x += textWidth(text);
    }
    void printAndEndLine(const QString &text) override
    {
        printAndStay(text);
        m_x = 0;
        m_y += 240;
    }
    double textWidth(const QString &t) const override { return t.size() * (m_bold ? 100 : 90); }
    double textHeight(const QString &) const override { return 240; }
    double pageWidth() const override { return 11520; }
    double pageHeight() const override { return m_out.pageHeight; }
    void drawLine(double x1, double y1, double x2, double y2) override
    {
        m_out.lines.emplace_back(x1, y1, x2, y2);
    }
    void newPage() override
    {
        ++m_out.pages;
        m_x = m_y = 0;
    }
    std::optional<QString> endDocument() override { return m_out.unmade; }

protected:
    Recording &m_out;
    bool m_bold = false;
    double m_x = 0, m_y = 0;
};

// A job that is its own recording surface. Its submit answers the recording's refusal; saved as
// a file, it writes the printed texts, one a line, through the real atomic file writer.
class RecordingJob final : public ReportJob, public RecordingSurface
{
public:
    using RecordingSurface::RecordingSurface;

    ReportSurface &surface() override { return *this; }
    // Letter less a quarter inch all round.
    ReportPaper paper() const override { return {{215.9, 279.4}, {6.35, 6.35, 6.35, 6.35}}; }
    bool canPreview() const override { return true; }
    std::optional<QString> submit() override
    {
        m_sent = !m_out.refusal;
        return m_out.refusal;
    }
    QString sentAs() const override
    {
        return m_sent ? QStringLiteral("Sent to Fake as job 1") : "";
    }
    bool canSaveAsPdf() const override { return true; }
    std::optional<QString> saveAsPdf(const QString &path) override
    {
        QStringList lines;
        for (const Recording::Text &text : m_out.texts)
            lines << text.text;
        const FileResult written = writeFileAtomically(path, lines.join(u'\n').toUtf8());
        return written.ok ? std::nullopt : std::optional<QString>(written.error);
    }

private:
    bool m_sent = false;
};

// The default printer of the tests: recording jobs.
class FakeReportPrinter final : public ReportPrinter
{
public:
    Recording recording;

    std::unique_ptr<ReportJob> startJob() override
    {
        return std::make_unique<RecordingJob>(recording);
    }
};

} // namespace tallyra::test
