// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "reconcile/frmReconcile.h"
#include "register/Companion.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>

using namespace tallyra;
using namespace tallyra::test;

namespace {

// Reconciled to $1.00 on 31 January 2001 with the deposit of 1/5; the check of 1/25 is still
// out, February's statement shows 2/10 and a $3.00 deposit on 2/20, and 3/5 comes later.
Checkbook february()
{
    Checkbook book = registerOf(QStringLiteral("1/5D 1/25W 2/10W 2/20D 3/5W"));
    book.slot[1].clearing = Clearing::Reconciled;
    book.slot[1].reconciledOn = 20010131;
    book.slot[4].depositCents = 300;
    return book;
}

const Companion January{{{20010131, 100}}, std::nullopt, {}};

// Each row of a list as "date payee" with "x" before it when ticked.
QStringList rows(const QWidget *window, const char *name)
{
    const auto *list = child<QTableWidget>(window, QLatin1String(name));
    QStringList shown;
    for (int row = 0; row < list->rowCount(); ++row)
        shown << QStringLiteral("%1%2 %3").arg(
            list->item(row, 0)->checkState() == Qt::Checked ? "x" : "", list->item(row, 1)->text(),
            list->item(row, 3)->text());
    return shown;
}

// Ticks or unticks a row with Space, as the keyboard does.
void press(QWidget *window, const char *name, int row)
{
    auto *list = child<QTableWidget>(window, QLatin1String(name));
    list->setFocus();
    list->setCurrentCell(row, 0);
    QTest::keyClick(list, Qt::Key_Space);
}

struct Reconciling
{
    TempWorkingFolder folder;
    FakePlatform fakes;
    RegisterDocument document{QLatin1String(DataFileName)};

    explicit Reconciling(const Checkbook &stored = february(), const Companion &kept = January)
    {
        writeBytes(QLatin1String(DataFileName), formatDataFile(stored));
        writeBytes(companionPath(QLatin1String(DataFileName)), formatCompanion(stored, kept));
        document.load();
    }
};

} // namespace

class TestReconcileWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    // The window opens a month after the last statement with every entry still open up to
    // then, the old check too; Space ticks, the figures follow, and Finish only at $.00 marks
    // the ticked entries reconciled as one step that undo takes back whole.
    void balanceAndFinish()
    {
        Reconciling f;
        FrmReconcile window(f.document, f.fakes.platform);
        auto *finish = child<QPushButton>(&window, "cmdFinish");
        QCOMPARE(child<QDateEdit>(&window, "dtpEndDate")->date(), QDate(2001, 2, 28));
        QCOMPARE(child<QLabel>(&window, "lblStartingBalance")->text(), QStringLiteral("$1.00"));
        QCOMPARE(rows(&window, "lstDeposits"), QStringList{"2/20/2001 E4"});
        QCOMPARE(rows(&window, "lstWithdrawals"), (QStringList{"1/25/2001 E2", "2/10/2001 E3"}));
        QCOMPARE(child<QLabel>(&window, "lblDifference")->text(),
                 QStringLiteral("Type the statement's ending balance."));
        QVERIFY(!finish->isEnabled());

        child<QLineEdit>(&window, "txtEndingBalance")->setText(QStringLiteral("$3.00"));
        QCOMPARE(child<QLabel>(&window, "lblDifference")->text(), QStringLiteral("$2.00"));
        press(&window, "lstWithdrawals", 1);
        press(&window, "lstDeposits", 0);
        QCOMPARE(rows(&window, "lstWithdrawals"), (QStringList{"1/25/2001 E2", "x2/10/2001 E3"}));
        QCOMPARE(child<QLabel>(&window, "lblClearedBalance")->text(), QStringLiteral("$3.00"));
        QCOMPARE(child<QLabel>(&window, "lblDifference")->text(), QStringLiteral("$.00"));
        QVERIFY(finish->isEnabled());

        QTest::mouseClick(finish, Qt::LeftButton);
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(marksOf(f.document.book()), QStringLiteral("rnrrn"));
        QCOMPARE(f.document.book().slot[3].reconciledOn, 20010228);
        QCOMPARE(f.document.companion().reconciled.back(), (StatementBalance{20010228, 300}));
        QCOMPARE(f.document.history().count(), 1);

        // The files' bytes through a reconciliation and its undo: tst_companion.
        QVERIFY(f.document.undo().saved());
        QCOMPARE(marksOf(f.document.book()), QStringLiteral("rnnnn"));

        // The next window starts a month on, from the February balance.
        QVERIFY(f.document.redo().saved());
        FrmReconcile march(f.document, f.fakes.platform);
        QCOMPARE(child<QDateEdit>(&march, "dtpEndDate")->date(), QDate(2001, 3, 28));
        QCOMPARE(child<QLabel>(&march, "lblStartingBalance")->text(), QStringLiteral("$3.00"));
        QCOMPARE(rows(&march, "lstWithdrawals"), (QStringList{"1/25/2001 E2", "3/5/2001 E5"}));
    }

    // Later keeps the ticks as cleared and the figures for the next window; a balance that is
    // no amount allows neither.
    void laterKeepsTicksAndFigures()
    {
        Reconciling f;
        {
            FrmReconcile window(f.document, f.fakes.platform);
            auto *balance = child<QLineEdit>(&window, "txtEndingBalance");
            balance->setText(QStringLiteral("2.5x"));
            QCOMPARE(child<QLabel>(&window, "lblDifference")->text(),
                     QStringLiteral("The ending balance is no amount."));
            QVERIFY(!child<QPushButton>(&window, "cmdLater")->isEnabled());
            balance->setText(QStringLiteral("2.50"));
            child<QDateEdit>(&window, "dtpEndDate")->setDate(QDate(2001, 3, 31));
            press(&window, "lstWithdrawals", 2);
            QTest::mouseClick(child<QPushButton>(&window, "cmdLater"), Qt::LeftButton);
        }
        QCOMPARE(marksOf(f.document.book()), QStringLiteral("rnnnc"));
        QCOMPARE(f.document.companion().later, (StatementBalance{20010331, 250}));

        FrmReconcile again(f.document, f.fakes.platform);
        QCOMPARE(child<QDateEdit>(&again, "dtpEndDate")->date(), QDate(2001, 3, 31));
        QCOMPARE(child<QLineEdit>(&again, "txtEndingBalance")->text(), QStringLiteral("2.50"));
        QCOMPARE(rows(&again, "lstWithdrawals").last(), QStringLiteral("x3/5/2001 E5"));
        QCOMPARE(child<QLabel>(&again, "lblClearedBalance")->text(), QStringLiteral("$.00"));
    }

    // From the main window the status bar tells of a Later that kept new figures, and of
    // nothing when the next Later had nothing new to keep.
    void laterToldOnlyWhenItChanges()
    {
        MainWindow f;
        f.load(february());
        for (const char *told : {"Done: reconcile later", ""}) {
            f.window.statusBar()->clearMessage();
            NextModal<FrmReconcile> later([](FrmReconcile *window) {
                child<QLineEdit>(window, "txtEndingBalance")->setText("2.50");
                child<QPushButton>(window, "cmdLater")->click();
            });
            f.window.findChild<QAction *>(QStringLiteral("mnuReconcile"))->trigger();
            QVERIFY(later.handled());
            QCOMPARE(f.window.statusBar()->currentMessage(), QString::fromLatin1(told));
        }
    }

    // A fee the register lacks goes in through the usual checks, cleared and ticked, saved at
    // once; a full register takes none.
    void addEntryFromTheWindow_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("titles");
        QTest::newRow("fee added") << 5 << "Continue?";
        QTest::newRow("register full") << MaxEntries << "Register Full";
    }
    void addEntryFromTheWindow()
    {
        QFETCH(int, entries);
        Checkbook stored = february();
        for (int slot = 6; slot <= entries; ++slot)
            stored.slot[++stored.entryCount] = stored.slot[5];
        Reconciling f(stored);
        f.fakes.prompter.answers = {entries == 5 ? QMessageBox::Yes : QMessageBox::Ok};
        FrmReconcile window(f.document, f.fakes.platform);
        NextModal<FrmReconcileEntry> entry([](FrmReconcileEntry *add) {
            typeInto(add, "txtMonth=2 txtDay=28 txtYear=2001 cmbCheckNum=SVC cmbPayee=fee "
                          "txtDollar=1 txtCent=50");
            QTest::mouseClick(child<QPushButton>(add, "cmdAdd"), Qt::LeftButton);
        });
        QTest::mouseClick(child<QPushButton>(&window, "cmdAddEntry"), Qt::LeftButton);

        QTEST(f.fakes.prompter.titles().join(' '), "titles");
        QCOMPARE(f.document.book().entryCount, entries == 5 ? 6 : MaxEntries);
        QCOMPARE(formatDataFile(f.document.book()), fileBytes(QLatin1String(DataFileName)));
        if (entries != 5) {
            QVERIFY(!entry.handled());
            return;
        }
        QCOMPARE(f.document.book().slot[5].payee, QStringLiteral("FEE"));
        QCOMPARE(f.document.book().slot[5].clearing, Clearing::Cleared);
        QCOMPARE(rows(&window, "lstWithdrawals"),
                 (QStringList{"1/25/2001 E2", "2/10/2001 E3", "x2/28/2001 FEE"}));
        QCOMPARE(child<QLabel>(&window, "lblClearedBalance")->text(), QStringLiteral("-$.50"));
    }
};

QTEST_MAIN(TestReconcileWindow)

#include "tst_reconcilewindow.moc"
