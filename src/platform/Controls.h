// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ThemeColours.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

#include <algorithm>
#include <limits>

namespace tallyra {

// Small builders shared by the windows: every control carries its documented name, so that
// tests and screen readers find it.

template <typename T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// An entry field: an editable combo box that never rewrites what the user typed. Qt's inline
// completion would turn a typed "D" into "DEP" and a year "20" into "2000" from the pick list,
// so there is none: the list stays in the drop-down. Enter must not add the typed text to the
// list either. Nor does the field cut a long paste at a length of its own without a word:
// the checks refuse a text longer than an entry takes, and show the part too many.
template <typename Combo = QComboBox> Combo *entryCombo(const char *name)
{
    auto *combo = named(new Combo, name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    return combo;
}

inline QLabel *caption(const char *name, const QString &text, QWidget *buddy = nullptr)
{
    auto *label = named(new QLabel(text), name);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

// Enter on a focused button presses it, as in a dialog, in a main window too.
inline QPushButton *button(const char *name, const QString &text, const QString &tip)
{
    auto *made = named(new QPushButton(text), name);
    made->setToolTip(tip);
    made->setAutoDefault(true);
    return made;
}

inline QFrame *ruling(const char *name, QFrame::Shape shape)
{
    auto *line = named(new QFrame, name);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// Tab moves through the controls in the order given.
inline void setTabChain(const QList<QWidget *> &order)
{
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

// Tab stops at the chosen option of a group, from either side, as on other desktops; the
// arrows move the choice within the group. Without this Tab lands on the group's first or
// last option, where Space would change the choice unasked. With none chosen, every option
// is a stop.
inline void tabToChosenOption(const QList<QRadioButton *> &options)
{
    const auto follow = [options] {
        const bool anyChosen = std::any_of(options.begin(), options.end(),
                                           [](const QRadioButton *o) { return o->isChecked(); });
        for (QRadioButton *option : options)
            option->setFocusPolicy(option->isChecked() || !anyChosen ? Qt::StrongFocus
                                                                     : Qt::ClickFocus);
    };
    follow();
    for (QRadioButton *option : options)
        QObject::connect(option, &QAbstractButton::toggled, option, follow);
}

// Dollars and cents, with only the point between them.
inline QHBoxLayout *amountRow(QComboBox *dollars, QComboBox *cents)
{
    auto *row = new QHBoxLayout;
    row->addWidget(dollars, 2);
    row->addWidget(new QLabel(QStringLiteral(".")));
    row->addWidget(cents, 1);
    return row;
}

// A label that acts on a click does so as a button does: on a left-button release over it.
inline bool isClickOn(const QWidget *widget, const QEvent *event)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto *mouse = static_cast<const QMouseEvent *>(event);
    return mouse->button() == Qt::LeftButton &&
           widget->rect().contains(mouse->position().toPoint());
}

// A field keeps Ctrl+Z for its own typing; with nothing typed to undo (or redo) there, the
// keys undo (or redo) something bigger instead (the
// last change of the register, in the main window).
inline bool fieldLeavesHistoryKey(QObject *watched, QEvent *event)
{
    const auto *combo = qobject_cast<QComboBox *>(watched);
    const QLineEdit *field = combo ? combo->lineEdit() : nullptr;
    if (!field || event->type() != QEvent::ShortcutOverride)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const QKeySequence pressed(key->keyCombination());
    if (key->matches(QKeySequence::Undo))
        return !field->isUndoAvailable();
    const bool redo = key->matches(QKeySequence::Redo) ||
                      pressed == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) ||
                      pressed == QKeySequence(Qt::CTRL | Qt::Key_Y);
    return redo && !field->isRedoAvailable();
}

// Shows a window that stays open beside the main one, or brings it to the front again.
inline void bringToFront(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace tallyra
