// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpWidgets.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tallyra {

namespace {

// Room between a label's text and the start of its line.
constexpr qreal LineGap = 3;

} // namespace

QLabel *helpText(const char *name, const QString &text, int width)
{
    auto *label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFixedWidth(width);
    return label;
}

QLabel *helpPicture(const char *name, const QString &resource)
{
    auto *picture = new QLabel;
    picture->setObjectName(QLatin1String(name));
    const QPixmap pixmap(resource);
    if (pixmap.isNull())
        qWarning("help picture %s cannot be read", qPrintable(resource));
    picture->setPixmap(pixmap);
    picture->setFixedSize(pixmap.size());
    return picture;
}

QPushButton *closeButton(const char *name)
{
    auto *button = new QPushButton(QCoreApplication::translate("HelpWidgets", "&Close"));
    button->setObjectName(QLatin1String(name));
    button->setDefault(true);
    return button;
}

CalloutLines::CalloutLines(QLabel *picture, const QString &mapResource, QWidget *window)
    : QWidget(window), m_picture(picture)
{
    setObjectName(QStringLiteral("callouts"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QFile map(mapResource);
    if (!map.open(QIODevice::ReadOnly))
        qWarning("help picture map %s cannot be read", qPrintable(mapResource));
    m_controls = parsePictureMap(map.readAll());
    window->installEventFilter(this);
}

void CalloutLines::addLine(QLabel *label, const QString &control)
{
    const auto found = m_controls.constFind(control);
    if (found == m_controls.cend()) {
        qWarning("help picture has no control %s", qPrintable(control));
        return;
    }
    m_callouts.append({label, found->center()});
}

QList<QLineF> CalloutLines::lines() const
{
    QList<QLineF> result;
    const QPoint pictureAt = m_picture->mapTo(parentWidget(), m_picture->contentsRect().topLeft());
    for (const Callout &callout : m_callouts)
        result.append(QLineF(startBeside(callout.label), QPointF(pictureAt + callout.target)));
    return result;
}

QVBoxLayout *CalloutLines::levelColumn(std::initializer_list<QLabel *> labels) const
{
    constexpr int MinimumGap = 8;
    auto *column = new QVBoxLayout;
    column->setSpacing(0);
    int bottom = -MinimumGap;
    for (QLabel *label : labels) {
        const int height = label->heightForWidth(label->maximumWidth());
        // A label with several lines sits above their ends, so that the lines fan out
        // instead of lying on one another.
        const int raise = targetCount(label) > 1 ? height : height / 2;
        const int wanted = level(label) < 0 ? 0 : level(label) - raise;
        const int top = std::max(wanted, bottom + MinimumGap);
        column->addSpacing(top - std::max(bottom, 0));
        column->addWidget(label);
        bottom = top + height;
    }
    column->addStretch(1);
    return column;
}

int CalloutLines::level(const QLabel *label) const
{
    int sum = 0;
    for (const Callout &callout : m_callouts) {
        if (callout.label == label)
            sum += callout.target.y();
    }
    const int count = targetCount(label);
    return count == 0 ? -1 : sum / count;
}

int CalloutLines::targetCount(const QLabel *label) const
{
    return int(std::count_if(m_callouts.cbegin(), m_callouts.cend(),
                             [label](const Callout &callout) { return callout.label == label; }));
}

// A line leaves its label from the middle of the side that faces the picture. A label below
// or above a corner of the picture faces it with its top or bottom, so that the line rises
// or falls into the picture instead of running sideways across the text beside it.
QPointF CalloutLines::startBeside(const QLabel *label) const
{
    const QRectF text(label->mapTo(parentWidget(), QPoint()), label->size());
    const QRectF picture(m_picture->mapTo(parentWidget(), QPoint()), m_picture->size());
    if (text.top() >= picture.bottom())
        return {text.center().x(), text.top() - LineGap};
    if (text.bottom() <= picture.top())
        return {text.center().x(), text.bottom() + LineGap};
    if (text.right() <= picture.left())
        return {text.right() + LineGap, text.center().y()};
    return {text.left() - LineGap, text.center().y()};
}

bool CalloutLines::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        raise();
    }
    return QWidget::eventFilter(watched, event);
}

void CalloutLines::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText);
    painter.setPen(QPen(ink, 1));
    const QList<QLineF> drawn = lines();
    painter.drawLines(drawn);
    // A dot where each line ends marks the control it points at.
    painter.setBrush(ink);
    for (const QLineF &line : drawn)
        painter.drawEllipse(line.p2(), 1.5, 1.5);
}

EtchedLine::EtchedLine(const char *name)
{
    setObjectName(QLatin1String(name));
    setFixedHeight(3);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void EtchedLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The shadow and the highlight of the colour scheme's bevels, as a sunken rule has them.
    painter.fillRect(0, 0, width(), 1, palette().color(QPalette::Dark));
    painter.fillRect(0, 1, width(), 2, palette().color(QPalette::Light));
}

} // namespace tallyra
