// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/PayeeField.h"

#include <QAbstractItemView>
#include <QScrollBar>

namespace tallyra {

PayeeField::PayeeField(QWidget *parent) : QComboBox(parent)
{
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(12);
    // The payees carry no icons, so no room is kept for one.
    setIconSize(QSize(0, 0));
}

void PayeeField::showPopup()
{
    QAbstractItemView *list = view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                          list->verticalScrollBar()->sizeHint().width());
    QComboBox::showPopup();
}

} // namespace tallyra
