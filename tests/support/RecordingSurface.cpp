#include "RecordingSurface.h"

namespace tallyra::test {

void RecordingSurface::setMediumQuality()
{
    ++m_out.mediumQualityCalls;
    m_out.outputBeforeQuality = m_out.texts.size() + m_out.lines.size();
}

void RecordingSurface::printAndStay(const QString &text)
{
    m_out.texts.push_back({m_out.pages, m_x, m_y, text, m_bold});
    m_x += textWidth(text);
}

void RecordingSurface::printAndEndLine(const QString &text)
{
    m_out.texts.push_back({m_out.pages, m_x, m_y, text, m_bold});
    m_x = 0;
    m_y += 240;
}

double RecordingSurface::textWidth(const QString &text) const
{
    return text.size() * (m_bold ? 100 : 90);
}

void RecordingSurface::drawLine(double x1, double y1, double x2, double y2)
{
    m_out.lines.emplace_back(x1, y1, x2, y2);
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
