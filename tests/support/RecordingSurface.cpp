#include "RecordingSurface.h"

namespace tallyra::test {

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

void RecordingSurface::newPage()
{
    ++m_out.pages;
    m_x = 0;
    m_y = 0;
}

std::unique_ptr<ReportSurface> FakeReportPrinter::openDefaultPrinter(QString &whyNot)
{
    if (missing) {
        whyNot = *missing;
        return nullptr;
    }
    return std::make_unique<RecordingSurface>(recording);
}

} // namespace tallyra::test
