// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QProcess>
#include <QRectF>
#include <QString>
#include <QXmlStreamReader>

namespace tallyra::test {

// A word of a PDF file as pdftotext reads it back: its page (from 1), that page's size and
// the word's box, in points from the page's top-left corner.
struct Word
{
    int page;
    QSizeF pageSize;
    QString text;
    QRectF box;
};

inline QList<Word> pdfWords(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-bbox", path, "-"});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        qFatal("pdftotext failed on %s", qPrintable(path));
    QList<Word> words;
    int page = 0;
    QSizeF pageSize;
    QXmlStreamReader xml(pdftotext.readAllStandardOutput());
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        const auto at = [&](const char *name) { return a.value(QLatin1String(name)).toDouble(); };
        if (xml.name() == QLatin1String("page")) {
            ++page;
            pageSize = QSizeF(at("width"), at("height"));
        }
        if (xml.name() != QLatin1String("word"))
            continue;
        const QRectF box(QPointF(at("xMin"), at("yMin")), QPointF(at("xMax"), at("yMax")));
        words.push_back({page, pageSize, xml.readElementText(), box});
    }
    return words;
}

} // namespace tallyra::test
