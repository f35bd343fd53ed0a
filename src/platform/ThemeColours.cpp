// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ThemeColours.h"

#include "platform/Contrast.h"

#include <QEvent>
#include <QLabel>

namespace tallyra {

namespace {

constexpr char RedProperty[] = "tallyraRedText";

void applyTextColour(QLabel *label)
{
    // Nothing of its own but the red: the rest comes from the window and follows it.
    QPalette own;
    if (label->property(RedProperty).toBool()) {
        for (const QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            own.setColor(group, label->foregroundRole(), readableRed(colourBehind(label, group)));
    }
    label->setPalette(own);
}

// Sets the red again once the colours behind it may have changed. Setting the same palette
// again sends no further change, so this settles at once.
class TextColourFollower : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::PaletteChange:
        case QEvent::ApplicationPaletteChange:
        case QEvent::ParentChange:
            applyTextColour(static_cast<QLabel *>(watched));
            break;
        default:
            break;
        }
        return false;
    }
};

} // namespace

QColor colourBehind(const QWidget *widget, QPalette::ColorGroup group)
{
    const QWidget *at = widget;
    while (!at->autoFillBackground() && !at->isWindow() && at->parentWidget())
        at = at->parentWidget();
    return at->palette().color(group, at->backgroundRole());
}

void setTextColour(QLabel *label, bool red)
{
    // Followed from the first choice on.
    if (!label->property(RedProperty).isValid())
        label->installEventFilter(new TextColourFollower(label));
    label->setProperty(RedProperty, red);
    applyTextColour(label);
}

} // namespace tallyra
