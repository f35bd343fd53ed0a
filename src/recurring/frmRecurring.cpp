// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurring/frmRecurring.h"

#include "entry/ChangeBoxes.h"
#include "entry/MoneyFormat.h"
#include "platform/Platform.h"
#include "platform/TableControls.h"
#include "platform/WindowSize.h"
#include "recurring/ScheduleText.h"
#include "register/DateText.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tallyra {

namespace {

enum Column { CheckNumber, Payee, Amount, Type, HowOften, Next, Ends, Entered };

// The choices of the how-often list, in its order.
enum HowOftenChoice { Weekly, EveryTwoWeeks, TwiceAMonth, Monthly, EveryFewMonths, Yearly };

HowOftenChoice choiceOf(const DateRule &rule)
{
    switch (rule.frequency) {
    case Frequency::Weekly:
        return Weekly;
    case Frequency::EveryTwoWeeks:
        return EveryTwoWeeks;
    case Frequency::TwiceAMonth:
        return TwiceAMonth;
    case Frequency::MonthlyOnDay:
    case Frequency::MonthlyLastDay:
        return rule.months > 1 ? EveryFewMonths : Monthly;
    case Frequency::Yearly:
        break;
    }
    return Yearly;
}

QSpinBox *spinBox(const char *name, int low, int high)
{
    auto *spin = named(new QSpinBox, name);
    spin->setRange(low, high);
    return spin;
}

QDateEdit *dateField(const char *name)
{
    auto *date = named(new QDateEdit, name);
    date->setDisplayFormat(QStringLiteral("M/d/yyyy"));
    date->setCalendarPopup(true);
    // The years an entry takes.
    date->setDateRange(QDate(1900, 1, 1), QDate(9999, 12, 31));
    return date;
}

QString typeText(const RecurringEntry &schedule)
{
    return schedule.deposit ? FrmRecurring::tr("Deposit") : FrmRecurring::tr("Withdrawal");
}

} // namespace

FrmRecurring::FrmRecurring(RegisterDocument &document, Platform &platform, QWidget *parent)
    : QDialog(parent), m_document(document), m_platform(platform)
{
    setObjectName(QStringLiteral("frmRecurring"));
    setWindowTitle(tr("Recurring Entries"));

    lstSchedules = table("lstSchedules",
                         {tr("Check Number"), tr("Payee"), tr("Amount"), tr("Type"),
                          tr("How Often"), tr("Next Date"), tr("Ends"), tr("Entered")},
                         tr("Recurring entries"));
    lstSchedules->setSelectionMode(QAbstractItemView::SingleSelection);
    lstSchedules->setWordWrap(false);
    lstSchedules->horizontalHeader()->setStretchLastSection(false);
    lstSchedules->horizontalHeader()->setSectionResizeMode(Payee, QHeaderView::Stretch);

    cmdAdd = button("cmdAdd", tr("&Add..."), tr("Make a new recurring entry"));
    cmdChange = button("cmdChange", tr("&Change..."), tr("Change the chosen recurring entry"));
    cmdRemove = button("cmdRemove", tr("&Remove"), tr("Remove the chosen recurring entry"));
    cmdClose = button("cmdClose", tr("Cl&ose"), tr("Close this window"));
    auto *buttons = new QHBoxLayout;
    for (QPushButton *each : {cmdAdd, cmdChange, cmdRemove})
        buttons->addWidget(each);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);

    auto *whole = new QVBoxLayout(this);
    whole->addWidget(caption("lblSchedules", tr("&Schedules:"), lstSchedules));
    whole->addWidget(lstSchedules, 1);
    whole->addLayout(buttons);

    connect(cmdAdd, &QPushButton::clicked, this, &FrmRecurring::cmdAdd_Click);
    connect(cmdChange, &QPushButton::clicked, this, &FrmRecurring::cmdChange_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &FrmRecurring::cmdRemove_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
    connect(lstSchedules, &QTableWidget::cellDoubleClicked, this, &FrmRecurring::cmdChange_Click);
    connect(lstSchedules, &QTableWidget::currentCellChanged, this, &FrmRecurring::showButtons);
    // Whatever changed the register, a change here, an undo or another program's version.
    connect(&m_document, &RegisterDocument::registerChanged, this, &FrmRecurring::showSchedules);

    showSchedules();
    sizeToScreen(this, {980, 380});
    lstSchedules->setFocus();
}

void FrmRecurring::showSchedules()
{
    const QList<RecurringEntry> &schedules = m_document.companion().schedules;
    const int current = lstSchedules->currentRow();
    lstSchedules->setRowCount(0);
    for (const RecurringEntry &schedule : schedules) {
        const int row = lstSchedules->rowCount();
        lstSchedules->insertRow(row);
        lstSchedules->setItem(row, CheckNumber, cell(schedule.checkNumber));
        lstSchedules->setItem(row, Payee, cell(schedule.payee));
        lstSchedules->setItem(row, Amount, cell(formatMoney(schedule.cents), Qt::AlignRight));
        lstSchedules->setItem(row, Type, cell(typeText(schedule)));
        lstSchedules->setItem(row, HowOften, cell(howOftenText(schedule.rule)));
        lstSchedules->setItem(
            row, Next,
            cell(scheduleFinished(schedule) ? tr("None left") : slashDate(schedule.next)));
        lstSchedules->setItem(row, Ends, cell(endText(schedule)));
        lstSchedules->setItem(row, Entered,
                              cell(schedule.askFirst ? tr("Ask first") : tr("By itself")));
    }
    for (int column : {CheckNumber, Amount, Type, HowOften, Next, Ends, Entered})
        lstSchedules->resizeColumnToContents(column);
    if (!schedules.isEmpty())
        lstSchedules->setCurrentCell(std::clamp(current, 0, int(schedules.size()) - 1), 0);
    showButtons();
}

void FrmRecurring::showButtons()
{
    const bool writable = !m_document.readOnly();
    const bool chosen = chosenRow().has_value();
    cmdAdd->setEnabled(writable);
    cmdChange->setEnabled(writable && chosen);
    cmdRemove->setEnabled(writable && chosen);
    // Enter changes the chosen schedule, or adds one when there is none.
    (cmdChange->isEnabled() ? cmdChange : cmdAdd)->setDefault(true);
}

std::optional<int> FrmRecurring::chosenRow() const
{
    const int row = lstSchedules->currentRow();
    if (row < 0 || row >= m_document.companion().schedules.size())
        return std::nullopt;
    return row;
}

void FrmRecurring::cmdAdd_Click()
{
    if (m_document.readOnly())
        return;
    RecurringEntry fresh;
    fresh.checkNumber = QStringLiteral("ATM");
    fresh.next = m_platform.clock.today();
    fresh.rule.day = fresh.next.day();
    FrmSchedule window(tr("Add Recurring Entry"), fresh, m_platform, this);
    if (window.exec() != QDialog::Accepted)
        return;
    QList<RecurringEntry> schedules = m_document.companion().schedules;
    schedules.append(window.schedule());
    const QString payee = window.schedule().payee;
    //: The name of a change, shown after "Undo" and "Redo": short, in lower case. %1 is the
    //: payee.
    if (save(schedules, tr("add recurring %1").arg(payee), tr("Added recurring %1").arg(payee)))
        lstSchedules->setCurrentCell(int(schedules.size()) - 1, 0);
}

void FrmRecurring::cmdChange_Click()
{
    const std::optional<int> row = chosenRow();
    if (!row || m_document.readOnly())
        return;
    const RecurringEntry before = m_document.companion().schedules[*row];
    FrmSchedule window(tr("Change Recurring Entry"), before, m_platform, this);
    if (window.exec() != QDialog::Accepted || window.schedule() == before)
        return;
    QList<RecurringEntry> schedules = m_document.companion().schedules;
    // The window is modal, yet another program's version may have been taken meanwhile.
    if (*row >= schedules.size() || schedules[*row] != before) {
        m_platform.prompter.message(this, QMessageBox::Warning, tr("Recurring Entry Changed"),
                                    tr("The recurring entry changed while its window was open; "
                                       "nothing was saved."));
        return;
    }
    schedules[*row] = window.schedule();
    const QString payee = window.schedule().payee;
    //: The name of a change, shown after "Undo" and "Redo": short, in lower case. %1 is the
    //: payee.
    save(schedules, tr("change recurring %1").arg(payee), tr("Changed recurring %1").arg(payee));
}

void FrmRecurring::cmdRemove_Click()
{
    const std::optional<int> row = chosenRow();
    if (!row || m_document.readOnly())
        return;
    QList<RecurringEntry> schedules = m_document.companion().schedules;
    const RecurringEntry &removed = schedules[*row];
    const QString payee = removed.payee;
    const auto answer = m_platform.prompter.message(
        this, QMessageBox::Question, tr("Remove Recurring Entry"),
        //: %1 is the payee, %2 the amount, %3 how often it comes back, in lower case ("every
        //: month on the 1st").
        tr("Remove the recurring entry for %1, %2 %3?")
            .arg(payee, formatMoney(removed.cents), howOftenText(removed.rule).toLower()),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    schedules.removeAt(*row);
    //: The name of a change, shown after "Undo" and "Redo": short, in lower case. %1 is the
    //: payee.
    save(schedules, tr("remove recurring %1").arg(payee), tr("Removed recurring %1").arg(payee));
}

bool FrmRecurring::save(const QList<RecurringEntry> &schedules, const QString &what,
                        const QString &done)
{
    const Companion &now = m_document.companion();
    const Companion after{now.reconciled, now.later, schedules};
    const Committed committed =
        commitChange(m_document, m_platform.prompter, this, m_document.book(), after, what, done);
    for (const QString &word : committed.told)
        emit told(word);
    return committed.saved;
}

FrmSchedule::FrmSchedule(const QString &title, const RecurringEntry &shown, Platform &platform,
                         QWidget *parent)
    : QDialog(parent), m_platform(platform), m_schedule(shown)
{
    setObjectName(QStringLiteral("frmSchedule"));
    setWindowTitle(title);
    buildControls();
    showInput(inputOf(shown));
    cmbPayee->setFocus();
}

void FrmSchedule::buildControls()
{
    cmbCheckNum = entryCombo("cmbCheckNum");
    cmbCheckNum->addItems({QStringLiteral("ATM"), QStringLiteral("DEP"), QStringLiteral("TMP"),
                           QStringLiteral("TXFR")});
    cmbPayee = entryCombo("cmbPayee");
    txtDollar = entryCombo("txtDollar");
    txtCent = entryCombo("txtCent");
    txtCent->setAccessibleName(tr("Cents"));
    auto *fields = new QFormLayout;
    fields->addRow(caption("lblCheckNum", tr("Check num&ber:"), cmbCheckNum), cmbCheckNum);
    fields->addRow(caption("lblPayee", tr("&Payee:"), cmbPayee), cmbPayee);
    fields->addRow(caption("lblAmount", tr("A&mount:"), txtDollar), amountRow(txtDollar, txtCent));

    auto *type = named(new QGroupBox(tr("Type")), "frmType");
    optWithdrawl = named(new QRadioButton(tr("&Withdrawal")), "optWithdrawl");
    optDeposit = named(new QRadioButton(tr("&Deposit")), "optDeposit");
    auto *types = new QHBoxLayout(type);
    types->addWidget(optWithdrawl);
    types->addWidget(optDeposit);
    types->addStretch(1);
    tabToChosenOption({optWithdrawl, optDeposit});

    auto *when = named(new QGroupBox(tr("When")), "frmWhen");
    cmbHowOften = named(new QComboBox, "cmbHowOften");
    cmbHowOften->addItems({tr("Every week"), tr("Every 2 weeks"), tr("Twice a month"),
                           tr("Every month"), tr("Every few months"), tr("Every year")});
    spnMonths = spinBox("spnMonths", 2, 120);
    optOnDay = named(new QRadioButton(tr("On da&y")), "optOnDay");
    spnDay = spinBox("spnDay", 1, 31);
    spnSecondDay = spinBox("spnSecondDay", 1, 31);
    optLastDay = named(new QRadioButton(tr("On the &last day")), "optLastDay");
    tabToChosenOption({optOnDay, optLastDay});
    dtpNext = dateField("dtpNext");
    cmbWeekend = named(new QComboBox, "cmbWeekend");
    cmbWeekend->addItems(
        {tr("Keep the date"), tr("Enter it the Friday before"), tr("Enter it the Monday after")});
    auto *days = new QHBoxLayout;
    days->addWidget(optOnDay);
    days->addWidget(spnDay);
    days->addWidget(caption("lblAnd", tr("a&nd"), spnSecondDay));
    days->addWidget(spnSecondDay);
    days->addSpacing(fontMetrics().horizontalAdvance(QLatin1Char('M')));
    days->addWidget(optLastDay);
    days->addStretch(1);
    auto *whenRows = new QFormLayout(when);
    whenRows->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    whenRows->addRow(caption("lblHowOften", tr("&How often:"), cmbHowOften), cmbHowOften);
    whenRows->addRow(caption("lblMonths", tr("Months &apart:"), spnMonths), spnMonths);
    whenRows->addRow(caption("lblDay", tr("Day of the month:")), days);
    whenRows->addRow(caption("lblNext", tr("Ne&xt date:"), dtpNext), dtpNext);
    whenRows->addRow(caption("lblWeekend", tr("On a wee&kend:"), cmbWeekend), cmbWeekend);

    auto *ends = named(new QGroupBox(tr("Ends")), "frmEnds");
    optNoEnd = named(new QRadioButton(tr("No &end")), "optNoEnd");
    optEndDate = named(new QRadioButton(tr("&Until")), "optEndDate");
    dtpEnd = dateField("dtpEnd");
    optEndTimes = named(new QRadioButton(tr("After a number of &times:")), "optEndTimes");
    spnTimes = spinBox("spnTimes", 0, 1000000);
    // Both stand after their option with no caption of their own.
    dtpEnd->setAccessibleName(tr("End date"));
    spnTimes->setAccessibleName(tr("Number of times"));
    tabToChosenOption({optNoEnd, optEndDate, optEndTimes});
    auto *endRows = new QGridLayout(ends);
    endRows->addWidget(optNoEnd, 0, 0);
    endRows->addWidget(optEndDate, 1, 0);
    endRows->addWidget(dtpEnd, 1, 1);
    endRows->addWidget(optEndTimes, 2, 0);
    endRows->addWidget(spnTimes, 2, 1);
    endRows->setColumnStretch(2, 1);

    auto *entering = named(new QGroupBox(tr("Entering")), "frmEntering");
    optAsk = named(new QRadioButton(tr("Ask be&fore entering")), "optAsk");
    optAuto = named(new QRadioButton(tr("Enter by &itself")), "optAuto");
    tabToChosenOption({optAsk, optAuto});
    auto *enterings = new QHBoxLayout(entering);
    enterings->addWidget(optAsk);
    enterings->addWidget(optAuto);
    enterings->addStretch(1);

    auto *buttonBox = new QDialogButtonBox;
    cmdOK = buttonBox->addButton(QDialogButtonBox::Ok);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = buttonBox->addButton(QDialogButtonBox::Cancel);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdOK->setDefault(true);
    // The standard captions take no access key on every desktop.
    cmdOK->setText(tr("&OK"));
    cmdCancel->setText(tr("&Cancel"));

    auto *whole = new QVBoxLayout(this);
    // The two small choices side by side, so that the window fits a small screen at 200%.
    auto *choices = new QHBoxLayout;
    choices->addWidget(type);
    choices->addWidget(entering);
    whole->addLayout(fields);
    whole->addLayout(choices);
    whole->addWidget(when);
    whole->addWidget(ends);
    whole->addWidget(buttonBox);
    whole->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmbHowOften, &QComboBox::currentIndexChanged, this, &FrmSchedule::cmbHowOften_Changed);
    for (QRadioButton *option : {optOnDay, optLastDay, optNoEnd, optEndDate, optEndTimes})
        connect(option, &QRadioButton::toggled, this, &FrmSchedule::cmbHowOften_Changed);
    connect(cmdOK, &QPushButton::clicked, this, &FrmSchedule::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    setTabChain({cmbCheckNum,  cmbPayee,    txtDollar,   txtCent,    optWithdrawl, optDeposit,
                 optAsk,       optAuto,     cmbHowOften, spnMonths,  optOnDay,     spnDay,
                 spnSecondDay, optLastDay,  dtpNext,     cmbWeekend, optNoEnd,     optEndDate,
                 dtpEnd,       optEndTimes, spnTimes,    cmdOK,      cmdCancel});
}

void FrmSchedule::showInput(const ScheduleInput &input)
{
    cmbCheckNum->setEditText(input.checkNumber);
    cmbPayee->setEditText(input.payee);
    txtDollar->setEditText(input.dollars);
    txtCent->setEditText(input.cents);
    (input.deposit ? optDeposit : optWithdrawl)->setChecked(true);
    const DateRule &rule = input.rule;
    cmbHowOften->setCurrentIndex(choiceOf(rule));
    spnMonths->setValue(rule.months);
    spnDay->setValue(rule.day);
    spnSecondDay->setValue(rule.secondDay);
    (rule.frequency == Frequency::MonthlyLastDay ? optLastDay : optOnDay)->setChecked(true);
    const QDate today = m_platform.clock.today();
    dtpNext->setDate(input.next.isValid() ? input.next : today);
    cmbWeekend->setCurrentIndex(int(rule.weekend));
    const std::array<QRadioButton *, 3> endOptions{optNoEnd, optEndDate, optEndTimes};
    endOptions[size_t(input.ends)]->setChecked(true);
    dtpEnd->setDate(input.end.isValid() ? input.end : dtpNext->date().addYears(1));
    spnTimes->setValue(input.times >= 0 ? input.times : 12);
    (input.askFirst ? optAsk : optAuto)->setChecked(true);
    cmbHowOften_Changed();
}

ScheduleInput FrmSchedule::input() const
{
    ScheduleInput input;
    input.checkNumber = cmbCheckNum->currentText();
    input.payee = cmbPayee->currentText();
    input.dollars = txtDollar->currentText();
    input.cents = txtCent->currentText();
    input.deposit = optDeposit->isChecked();
    DateRule &rule = input.rule;
    const int choice = cmbHowOften->currentIndex();
    const bool monthly = choice == Monthly || choice == EveryFewMonths;
    rule.frequency = choice == Weekly          ? Frequency::Weekly
                     : choice == EveryTwoWeeks ? Frequency::EveryTwoWeeks
                     : choice == TwiceAMonth   ? Frequency::TwiceAMonth
                     : !monthly                ? Frequency::Yearly
                     : optLastDay->isChecked() ? Frequency::MonthlyLastDay
                                               : Frequency::MonthlyOnDay;
    rule.day = spnDay->value();
    rule.secondDay = spnSecondDay->value();
    rule.months = choice == EveryFewMonths ? spnMonths->value() : 1;
    rule.weekend = WeekendRule(cmbWeekend->currentIndex());
    input.next = dtpNext->date();
    input.ends = optEndDate->isChecked()    ? ScheduleEnd::OnDate
                 : optEndTimes->isChecked() ? ScheduleEnd::AfterTimes
                                            : ScheduleEnd::Never;
    input.end = dtpEnd->date();
    input.times = spnTimes->value();
    input.askFirst = optAsk->isChecked();
    return input;
}

// Only what the chosen rule reads can be changed.
void FrmSchedule::cmbHowOften_Changed()
{
    const int choice = cmbHowOften->currentIndex();
    const bool twice = choice == TwiceAMonth;
    const bool monthly = choice == Monthly || choice == EveryFewMonths;
    if (twice && optLastDay->isChecked())
        optOnDay->setChecked(true);
    spnMonths->setEnabled(choice == EveryFewMonths);
    optOnDay->setEnabled(twice || monthly);
    optLastDay->setEnabled(monthly);
    spnDay->setEnabled((twice || monthly) && optOnDay->isChecked());
    spnSecondDay->setEnabled(twice);
    dtpEnd->setEnabled(optEndDate->isChecked());
    spnTimes->setEnabled(optEndTimes->isChecked());
}

void FrmSchedule::cmdOK_Click()
{
    const ScheduleInput typed = input();
    const std::optional<ScheduleProblem> problem = firstScheduleProblem(typed);
    if (!problem) {
        m_schedule = scheduleOf(typed);
        accept();
        return;
    }
    m_platform.prompter.message(this, QMessageBox::Warning, problem->title, problem->text);
    const std::array<QWidget *, 5> fields{cmbCheckNum, cmbPayee, txtDollar, spnSecondDay, dtpNext};
    fields[size_t(problem->field)]->setFocus();
    // Show the user the part the entry cannot hold.
    if (auto *combo = qobject_cast<QComboBox *>(fields[size_t(problem->field)]);
        combo && problem->badCharAt >= 0)
        combo->lineEdit()->setSelection(int(problem->badCharAt), int(problem->badCharLength));
}

} // namespace tallyra
