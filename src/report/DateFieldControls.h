// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Controls.h"

#include <QComboBox>
#include <QLabel>
#include <QSizePolicy>
#include <QString>

#include <initializer_list>

namespace tallyra {

// The month, day and year fields of a date range, as every window that takes one shows them.

// A date field: typed into only, so its list stays empty and nothing it holds is rewritten.
inline QComboBox *dateField(const char *name, const QString &tip, int characters)
{
    auto *field = entryCombo(name);
    field->setToolTip(tip);
    field->setMinimumContentsLength(characters);
    field->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    field->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return field;
}

inline QLabel *rowCaption(const char *name, const QString &text, QWidget *buddy)
{
    auto *label = caption(name, text, buddy);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// The three fields of a row share its one caption; only their tooltips tell them apart.
inline void nameDateFields(const QString &row, std::initializer_list<QComboBox *> fields)
{
    for (QComboBox *field : fields)
        field->setAccessibleName(row + QStringLiteral(": ") + field->toolTip());
}

// The two rows of a date range, each field and caption named as the windows know them.
inline void buildDateRange(QComboBox *&txtStartMonth, QComboBox *&txtStartDay,
                           QComboBox *&txtStartYear, QComboBox *&txtEndMonth, QComboBox *&txtEndDay,
                           QComboBox *&txtEndYear, QLabel *&Label1, QLabel *&Label2)
{
    const QString month = QStringLiteral("Month");
    const QString day = QStringLiteral("Day");
    const QString year = QStringLiteral("Year");
    txtStartMonth = dateField("txtStartMonth", month, 2);
    txtStartDay = dateField("txtStartDay", day, 2);
    txtStartYear = dateField("txtStartYear", year, 4);
    txtEndMonth = dateField("txtEndMonth", month, 2);
    txtEndDay = dateField("txtEndDay", day, 2);
    txtEndYear = dateField("txtEndYear", year, 4);
    Label1 = rowCaption("Label1", QStringLiteral("Start Date:"), txtStartMonth);
    Label2 = rowCaption("Label2", QStringLiteral("End Date:"), txtEndMonth);
    nameDateFields(QStringLiteral("Start Date"), {txtStartMonth, txtStartDay, txtStartYear});
    nameDateFields(QStringLiteral("End Date"), {txtEndMonth, txtEndDay, txtEndYear});
}

} // namespace tallyra
