// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordingSurface.h"

#include "register/FileStore.h"

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
    const FileResult written = writeFileAtomically(path, lines.join(u'\n').toUtf8());
    if (!written.ok)
        return written.error;
    return std::nullopt;
}

} // namespace tallyra::test
