// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "recurring/DueCommand.h"
#include "recurring/DueEntering.h"
#include "recurring/frmDue.h"
#include "register/Companion.h"

#include <QTableWidget>

using namespace tallyra;
using namespace tallyra::test;

namespace {

const QDate Today{2001, 6, 7};

RecurringEntry schedule(const char *payee, Frequency frequency, QDate next, bool deposit)
{
    RecurringEntry entry;
    entry.checkNumber = deposit ? QStringLiteral("DEP") : QStringLiteral("ATM");
    entry.payee = QLatin1String(payee);
    entry.cents = deposit ? 250000 : 120000;
    entry.deposit = deposit;
    entry.rule = {frequency, next.day(), 15, 1, WeekendRule::Keep};
    entry.next = next;
    return entry;
}

// Rent on the 5th from 5/5, pay every two weeks from 5/25: by 6/7, rent twice and pay once.
const Companion RentAndPay{{},
                           std::nullopt,
                           {schedule("RENT", Frequency::MonthlyOnDay, {2001, 5, 5}, false),
                            schedule("PAY", Frequency::EveryTwoWeeks, {2001, 5, 25}, true)}};

// Each entry of a register as "month/day payee".
QStringList entriesOf(const Checkbook &book)
{
    QStringList shown;
    for (int i = 1; i <= book.entryCount; ++i)
        shown << QStringLiteral("%1/%2 %3")
                     .arg(book.slot[i].month)
                     .arg(book.slot[i].day)
                     .arg(book.slot[i].payee);
    return shown;
}

struct Folder
{
    TempWorkingFolder folder;
    const QString data = QLatin1String(DataFileName);
    const QString state = companionPath(data);

    explicit Folder(const Checkbook &book = registerOf(QStringLiteral("5/1D 6/5D")))
    {
        writeBytes(data, formatDataFile(book));
        writeBytes(state, formatCompanion(book, RentAndPay));
    }
    QMap<QString, QByteArray> files() const { return filesIn(QStringLiteral(".")); }
};

} // namespace

class TestDue : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    // Two free slots for three ticked entries: the answer says how many fit, and none goes in.
    void tooManyForTheRegisterEntersNone()
    {
        const Checkbook book = januaryDays(MaxEntries - 2);
        const DueEntering taken = takeDueEntries(
            book, RentAndPay, dueEntries(RentAndPay.schedules, Today), {true, true, true});
        QCOMPARE(taken.result, DueEntering::Result::TooMany);
        QCOMPARE(taken.fit, 2);
        QVERIFY(!taken.book);
    }

    // The companion file is written before the data file. Cut short between the two, the next
    // start finds the register and the schedules together: every due date either in the
    // register or due again, never both, never neither. A data file another program changed
    // after the last save is neither version the journal names: the schedules stay as last
    // written, and that is no cut-short change to tell of.
    void cutShortSaveKeepsRegisterAndSchedulesTogether_data()
    {
        QTest::addColumn<int>("companionStage");
        QTest::addColumn<int>("dataStage");
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("due");
        QTest::addColumn<bool>("notice");
        // Stage 0 before entering, 1 after entering, 2 after its undo, 3 changed elsewhere.
        QTest::newRow("entering: killed before the register") << 1 << 0 << 2 << 3 << true;
        QTest::newRow("entering: both written") << 1 << 1 << 5 << 0 << false;
        QTest::newRow("undo: killed before the register") << 2 << 1 << 5 << 0 << true;
        QTest::newRow("undo: both written") << 2 << 2 << 2 << 3 << false;
        QTest::newRow("entering, then changed elsewhere") << 1 << 3 << 1 << 0 << false;
    }
    void cutShortSaveKeepsRegisterAndSchedulesTogether()
    {
        QFETCH(int, companionStage);
        QFETCH(int, dataStage);
        QFETCH(int, entries);
        QFETCH(int, due);
        QFETCH(bool, notice);
        Folder f;
        QList<QMap<QString, QByteArray>> stages{f.files()};
        {
            RegisterDocument document;
            QCOMPARE(document.load(), RegisterDocument::LoadResult::Loaded);
            QCOMPARE(runDue(true, Today, document).status, DueDone);
            stages << f.files();
            QVERIFY(document.undo().saved());
            stages << f.files();
        }
        stages.append({{f.data, formatDataFile(registerOf(QStringLiteral("5/1D")))}});
        writeBytes(f.state, stages[companionStage][f.state]);
        writeBytes(f.data, stages[dataStage][f.data]);

        RegisterDocument restarted;
        QCOMPARE(restarted.load(), RegisterDocument::LoadResult::Loaded);
        QCOMPARE(restarted.book().entryCount, entries);
        QCOMPARE(dueEntries(restarted.companion().schedules, Today).size(), due);
        QCOMPARE(!restarted.companionNotice().isEmpty(), notice);
    }

    // A second copy: the one holding the register refuses --due --enter; listing alone reads
    // it. Neither writes a byte, and a restart enters nothing twice.
    void readOnlyCopiesEnterNothing()
    {
        Folder f;
        const QMap<QString, QByteArray> before = f.files();
        RegisterDocument holder;
        QVERIFY(!holder.lock());
        {
            RegisterDocument second;
            const DueOutcome refused = runDue(true, Today, second);
            QCOMPARE(refused.status, DueRegisterHeld);
            QVERIFY(refused.error.contains(QStringLiteral("nothing was entered")));
        }
        {
            RegisterDocument lister;
            const DueOutcome listed = runDue(false, Today, lister);
            QCOMPARE(listed.status, DueDone);
            QCOMPARE(listed.output.count(u'\n'), 4);
            QVERIFY(listed.output.startsWith(QStringLiteral("due       2001-05-05 ATM")));
        }
        QCOMPARE(f.files(), before);
        holder.releaseLock();

        {
            RegisterDocument first;
            QCOMPARE(runDue(true, Today, first).status, DueDone);
            QCOMPARE(first.book().entryCount, 5);
        }
        RegisterDocument again;
        const DueOutcome second = runDue(true, Today, again);
        QCOMPARE(again.book().entryCount, 5);
        QVERIFY(second.output.startsWith(QStringLiteral("Nothing is due")));
    }

    // The window lists the due entries oldest first, ticked; Space unticks one and Enter puts
    // the others in at their places in date order (rent after the deposit of its day) as one
    // change, every schedule moved on past both, which one undo takes back whole.
    void windowEntersAsOneChange()
    {
        Folder f;
        FakePlatform fakes;
        RegisterDocument document;
        document.load();
        const QList<DueEntry> due = dueEntries(document.companion().schedules, Today);
        FrmDue window(document, fakes.platform, due);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(child<QLabel>(&window, "lblDue")->text(),
                 QStringLiteral("3 recurring entries are due"));
        auto *list = child<QTableWidget>(&window, "lstDue");
        QCOMPARE(list->item(1, 3)->text(), QStringLiteral("PAY"));
        list->setCurrentCell(1, 0);
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(window.ticked(), (QList<bool>{true, false, true}));
        QTest::keyClick(&window, Qt::Key_Return);
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(document.history().count(), 1);
        QCOMPARE(document.history().undoText(), QStringLiteral("enter 2, skip 1 recurring"));
        QCOMPARE(entriesOf(document.book()),
                 (QStringList{"5/1 E1", "5/5 RENT", "6/5 E2", "6/5 RENT"}));
        QCOMPARE(document.book().totalCents, 200 - 240000);
        QCOMPARE(document.companion().schedules[0].next, QDate(2001, 7, 5));
        QCOMPARE(document.companion().schedules[1].next, QDate(2001, 6, 8));
        QVERIFY(dueEntries(document.companion().schedules, Today).isEmpty());
        QVERIFY(QFileInfo::exists(f.data + QStringLiteral(".before-recurring")));

        QVERIFY(document.undo().saved());
        QCOMPARE(document.book().entryCount, 2);
        QCOMPARE(document.companion().schedules, RentAndPay.schedules);
    }
};

QTEST_MAIN(TestDue)
#include "tst_due.moc"
