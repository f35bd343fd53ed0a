// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Controls.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QSizePolicy>
#include <QString>

#include <initializer_list>

namespace tallyra {

// The month, day and year fields of a date range, as every window that takes one shows them.

struct DateFieldControls
{
    Q_DECLARE_TR_FUNCTIONS(DateFieldControls)
};

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
        //: A date field's name: %1 is its row ("Start Date"), %2 the field ("Month").
        field->setAccessibleName(DateFieldControls::tr("%1: %2").arg(row, field->toolTip()));
}

// The two rows of a date range, each field and caption named as the windows know them.
inline void buildDateRange(QComboBox *&txtStartMonth, QComboBox *&txtStartDay,
                           QComboBox *&txtStartYear, QComboBox *&txtEndMonth, QComboBox *&txtEndDay,
                           QComboBox *&txtEndYear, QLabel *&Label1, QLabel *&Label2)
{
    const QString month = DateFieldControls::tr("Month");
    const QString day = DateFieldControls::tr("Day");
    const QString year = DateFieldControls::tr("Year");
    txtStartMonth = dateField("txtStartMonth", month, 2);
    txtStartDay = dateField("txtStartDay", day, 2);
    txtStartYear = dateField("txtStartYear", year, 4);
    txtEndMonth = dateField("txtEndMonth", month, 2);
    txtEndDay = dateField("txtEndDay", day, 2);
    txtEndYear = dateField("txtEndYear", year, 4);
    Label1 = rowCaption("Label1", DateFieldControls::tr("Start Date:"), txtStartMonth);
    Label2 = rowCaption("Label2", DateFieldControls::tr("End Date:"), txtEndMonth);
    nameDateFields(DateFieldControls::tr("Start Date"), {txtStartMonth, txtStartDay, txtStartYear});
    nameDateFields(DateFieldControls::tr("End Date"), {txtEndMonth, txtEndDay, txtEndYear});
}

} // namespace tallyra
