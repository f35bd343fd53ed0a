// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "recurring/frmRecurring.h"
#include "register/Companion.h"

#include <QDateEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

using namespace tallyra;
using namespace tallyra::test;

namespace {

// Each row of the list, its cells joined by "|".
QStringList rows(const QWidget *window)
{
    const auto *list = child<QTableWidget>(window, QStringLiteral("lstSchedules"));
    QStringList shown;
    for (int row = 0; row < list->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < list->columnCount(); ++column)
            cells << list->item(row, column)->text();
        shown << cells.join(u'|');
    }
    return shown;
}

} // namespace

class TestRecurringWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    // A schedule made in its window is listed in words and kept in the companion file, one
    // step that undo takes back, and the list follows the undo; Remove asks first, No first.
    void addUndoAndRemove()
    {
        DocumentOf f(registerOf("1/5W"));
        FakePlatform fakes;
        FrmRecurring window(f.document, fakes.platform);
        NextModal<FrmSchedule> add([](FrmSchedule *schedule) {
            typeInto(schedule, "cmbPayee=rent txtDollar=1200 txtCent=5 optDeposit");
            child<QComboBox>(schedule, "cmbHowOften")->setCurrentIndex(3);
            child<QSpinBox>(schedule, "spnDay")->setValue(31);
            child<QDateEdit>(schedule, "dtpNext")->setDate(QDate(2027, 1, 31));
            child<QRadioButton>(schedule, "optEndTimes")->setChecked(true);
            child<QSpinBox>(schedule, "spnTimes")->setValue(3);
            QTest::keyClick(child<QComboBox>(schedule, "cmbPayee"), Qt::Key_Return);
        });
        QTest::mouseClick(child<QPushButton>(&window, "cmdAdd"), Qt::LeftButton);
        QVERIFY(add.handled());
        QCOMPARE(rows(&window), QStringList{"ATM|RENT|$1,200.05|Deposit|Every month on the "
                                            "31st|1/31/2027|3 more times|Ask first"});
        const RecurringEntry &made = f.document.companion().schedules.at(0);
        QCOMPARE(made.rule, (DateRule{Frequency::MonthlyOnDay, 31}));
        QCOMPARE(made.cents, 120005);
        QCOMPARE(fileBytes(companionPath(f.document.path())),
                 formatCompanion(f.document.book(), f.document.companion()));
        QCOMPARE(f.document.history().undoText(), QStringLiteral("add recurring RENT"));

        QVERIFY(f.document.undo().saved());
        QCOMPARE(rows(&window), QStringList());
        QVERIFY(!child<QPushButton>(&window, "cmdRemove")->isEnabled());
        QVERIFY(f.document.redo().saved());

        fakes.prompter.answers = {QMessageBox::No, QMessageBox::Yes};
        auto *remove = child<QPushButton>(&window, "cmdRemove");
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(rows(&window).size(), 1);
        QCOMPARE(fakes.prompter.shown.back().offered, QStringLiteral("Yes|No, default No"));
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(rows(&window), QStringList());
        QCOMPARE(f.document.history().undoText(), QStringLiteral("remove recurring RENT"));
        QCOMPARE(f.document.history().count(), 2);
    }

    // What the schedule window refuses, with the message, and the field the focus goes back to:
    // its own checks, and one of the entry fields' checks it shares (tested with those).
    void refusedInput_data()
    {
        for (auto column : {"typed", "title", "focus"})
            QTest::addColumn<QString>(column);
        const auto row = [](const char *typed, const char *title, const char *focus) {
            QTest::newRow(title) << QString(typed) << QString(title) << QString(focus);
        };
        row("txtDollar=0 txtCent=00", "Need Amount", "txtDollar");
        row("cmbPayee=", "Need Payee", "cmbPayee");
        row("twice", "Need Second Day", "spnSecondDay");
        row("next", "Need Next Date", "dtpNext");
    }
    void refusedInput()
    {
        QFETCH(QString, typed);
        QFETCH(QString, focus);
        FakePlatform fakes;
        fakes.prompter.answers = {QMessageBox::Ok};
        RecurringEntry shown{
            "ATM", "RENT", 500, false, {Frequency::MonthlyOnDay, 15}, QDate(2027, 1, 15), {}};
        FrmSchedule window(QStringLiteral("Add Recurring Entry"), shown, fakes.platform);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        if (typed == QLatin1String("twice")) {
            child<QComboBox>(&window, "cmbHowOften")->setCurrentIndex(2);
            child<QSpinBox>(&window, "spnSecondDay")->setValue(15);
        } else if (typed == QLatin1String("next")) {
            child<QDateEdit>(&window, "dtpNext")->setDate(QDate(2027, 1, 16));
        } else {
            typeInto(&window, typed);
        }
        child<QPushButton>(&window, "cmdOK")->click();
        QVERIFY(window.isVisible());
        QTEST(fakes.prompter.titles().join(' '), "title");
        QCOMPARE(window.focusWidget()->objectName(), focus);
        window.close();
    }

    // Repeat This Entry, from a line's menu by the keyboard: the schedule window is filled
    // from the entry, every month on its day from a month later, and makes a new schedule; an
    // entry without an amount says why it cannot.
    void repeatThisEntry_data()
    {
        QTest::addColumn<int>("cents");
        QTest::addColumn<QString>("titles");
        QTest::newRow("a withdrawal") << 4250 << "";
        QTest::newRow("neither") << 0 << "Nothing to Repeat";
    }
    void repeatThisEntry()
    {
        QFETCH(int, cents);
        MainWindow f;
        Checkbook stored = registerOf("1/2W 1/31W");
        stored.slot[2].withdrawalCents = cents;
        stored.slot[2].checkNumber = QStringLiteral("101");
        f.load(stored);
        f.show();
        if (cents == 0)
            f.fakes.prompter.answers = {QMessageBox::Ok};
        QStringList filled;
        NextModal<FrmSchedule> repeat([&filled](FrmSchedule *schedule) {
            for (const char *field : {"cmbCheckNum", "cmbPayee", "txtDollar", "txtCent"})
                filled << child<QComboBox>(schedule, field)->currentText();
            filled << child<QComboBox>(schedule, "cmbHowOften")->currentText()
                   << QString::number(child<QSpinBox>(schedule, "spnDay")->value())
                   << child<QDateEdit>(schedule, "dtpNext")->text();
            child<QPushButton>(schedule, "cmdOK")->click();
        });
        QTimer::singleShot(50, [] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            menu->setActiveAction(child<QAction>(menu, "mnuRepeatEntry"));
            QTest::keyClick(menu, Qt::Key_Return);
        });
        // The offscreen platform's word on every pop-up menu.
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support raise()");
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support grabbing the keyboard");
        auto *line = f.get<QPushButton>("cmd2");
        line->setFocus();
        QTest::keyClick(line, Qt::Key_F10, Qt::ShiftModifier);

        QTEST(f.fakes.prompter.titles().join(' '), "titles");
        const QList<RecurringEntry> &made = f.document.companion().schedules;
        if (cents == 0) {
            QVERIFY(!repeat.handled());
            QVERIFY(made.isEmpty());
            return;
        }
        QCOMPARE(filled, (QStringList{"101", "E2", "42", "50", "Every month", "31", "2/28/2001"}));
        QCOMPARE(made.size(), 1);
        QCOMPARE(made[0].next, QDate(2001, 2, 28));
        QCOMPARE(f.document.history().undoText(), QStringLiteral("add recurring E2"));
    }
};

QTEST_MAIN(TestRecurringWindow)

#include "tst_recurringwindow.moc"
