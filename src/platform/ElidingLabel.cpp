// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ElidingLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace tallyra {

QSize ElidingLabel::sizeHint() const
{
    return minimumSizeHint();
}

QSize ElidingLabel::minimumSizeHint() const
{
    const QMargins margins = contentsMargins();
    return {fontMetrics().horizontalAdvance(QStringLiteral("…")) + margins.left() + margins.right(),
            QLabel::minimumSizeHint().height()};
}

bool ElidingLabel::isElided() const
{
    return fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

bool ElidingLabel::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip || !isElided())
        return QLabel::event(event);
    QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text(), this);
    return true;
}

void ElidingLabel::paintEvent(QPaintEvent *event)
{
    if (!isElided()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect room = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
    // Centred text would lose its start, where a payee says most.
    const Qt::Alignment fromStart = Qt::AlignLeft | (alignment() & Qt::AlignVertical_Mask);
    style()->drawItemText(&painter, room, int(fromStart), palette(), isEnabled(), shown,
                          foregroundRole());
}

} // namespace tallyra
