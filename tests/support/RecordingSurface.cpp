#include "RecordingSurface.h"

#include <QSaveFile>
#include <QStringList>

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

std::optional<QString> RecordingJob::saveAsPdf(const QString &path)
{
    QStringList lines;
    for (const Recording::Text &text : m_out.texts)
        lines << text.text;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(lines.join(u'\n').toUtf8()) < 0 ||
        !file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace tallyra::test
