#include "RecordingSurface.h"

namespace tallyra::test {

std::vector<QString> Recording::textsOnPage(int page) const
{
    std::vector<QString> found;
    for (const Text &text : texts) {
        if (text.page == page)
            found.push_back(text.text);
    }
    return found;
}

void RecordingSurface::setMediumQuality()
{
    ++m_out.mediumQualityCalls;
    m_out.outputBeforeQuality = m_out.texts.size() + m_out.lines.size();
}

void RecordingSurface::printAndStay(const QString &text)
{
    record(text);
    m_x += textWidth(text);
}

void RecordingSurface::printAndEndLine(const QString &text)
{
    record(text);
    m_x = 0;
    m_y += LineHeight;
}

void RecordingSurface::record(const QString &text)
{
    m_out.texts.push_back({m_out.pages, m_x, m_y, text, m_bold});
}

double RecordingSurface::textWidth(const QString &text) const
{
    return text.size() * (m_bold ? BoldCharWidth : CharWidth);
}

void RecordingSurface::drawLine(double x1, double y1, double x2, double y2)
{
    m_out.lines.push_back({m_out.pages, QLineF(x1, y1, x2, y2)});
}

void RecordingSurface::newPage()
{
    ++m_out.pages;
    m_x = 0;
    m_y = 0;
}

std::optional<QString> RecordingSurface::endDocument()
{
    ++m_out.ends;
    return m_out.refusal;
}

std::unique_ptr<ReportSurface> FakeReportPrinter::openDefaultPrinter(QString &whyNot)
{
    ++opened;
    if (missing) {
        whyNot = *missing;
        return nullptr;
    }
    return std::make_unique<RecordingSurface>(recording);
}

} // namespace tallyra::test
