// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/PictureMap.h"

#include <QList>

namespace tallyra {

QByteArray formatPictureMap(const PictureMap &map)
{
    QByteArray text;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const QRect &r = it.value();
        text += it.key().toUtf8() + ' ' + QByteArray::number(r.x()) + ' ' +
                QByteArray::number(r.y()) + ' ' + QByteArray::number(r.width()) + ' ' +
                QByteArray::number(r.height()) + '\n';
    }
    return text;
}

PictureMap parsePictureMap(const QByteArray &text)
{
    PictureMap map;
    for (const QByteArray &line : text.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() != 5)
            continue;
        int numbers[4];
        bool allRead = true;
        for (int i = 0; i < 4 && allRead; ++i)
            numbers[i] = fields[i + 1].toInt(&allRead);
        if (allRead)
            map.insert(QString::fromUtf8(fields[0]),
                       QRect(numbers[0], numbers[1], numbers[2], numbers[3]));
    }
    return map;
}

} // namespace tallyra
