#include "FakePlatform.h"
#include "TestSupport.h"
#include "app/EntryChecks.h"
#include "app/PlaceEntry.h"
#include "app/RegisterList.h"
#include "app/RegisterStatus.h"
#include "app/frmMoney.h"
#include "register/DataFile.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using namespace tallyra;
using namespace tallyra::test;
using Buttons = QList<QMessageBox::StandardButton>;

Q_DECLARE_METATYPE(tallyra::EntryTexts)
Q_DECLARE_METATYPE(tallyra::EntryType)

namespace {

const EntryTexts Valid{"2001", "5", "12", "101", "RENT", "5", "5"};

// Entries dated "year-month-day", paid to E1, E2, ... in order; withdrawals of 100 cents.
Checkbook registerOf(const QStringList &dates)
{
    Checkbook book;
    for (const QString &date : dates) {
        const QStringList ymd = date.split(u'-');
        ++book.entryCount;
        book.slot[book.entryCount] = Entry{qint16(ymd[0].toInt()),
                                           qint16(ymd[1].toInt()),
                                           qint16(ymd[2].toInt()),
                                           QStringLiteral("ATM"),
                                           QStringLiteral("E%1").arg(book.entryCount),
                                           100,
                                           0};
    }
    return book;
}

QStringList januaryDays(int count)
{
    QStringList dates;
    for (int day = 1; day <= count; ++day)
        dates << QStringLiteral("2001-1-%1").arg(day);
    return dates;
}

} // namespace

class TestEntryRules : public QObject
{
    Q_OBJECT

private slots:
    void checks_data()
    {
        QTest::addColumn<EntryTexts>("texts");
        QTest::addColumn<QString>("title"); // empty when every check passes
        using F = QString EntryTexts::*;
        const auto row = [](const char *name, const char *title, F f, const char *text,
                            F g = nullptr, const char *other = nullptr) {
            EntryTexts texts = Valid;
            texts.*f = QString::fromUtf8(text);
            if (g)
                texts.*g = QString::fromUtf8(other);
            QTest::newRow(name) << texts << QString::fromLatin1(title);
        };
        const F year = &EntryTexts::year, month = &EntryTexts::month, day = &EntryTexts::day;
        const F check = &EntryTexts::checkNumber, payee = &EntryTexts::payee;
        const F dollars = &EntryTexts::dollars, cents = &EntryTexts::cents;
        row("year 1900", "", year, "1900");
        row("year 1899.5", "Need Year", year, "1899.5");
        row("year 9999", "", year, "9999");
        row("year 9999.5", "Need Year", year, "9999.5");
        row("month 12", "", month, "12");
        row("month 12.5", "Need Month", month, "12.5");
        row("month 1.5", "", month, "1.5");
        row("2-31", "", month, "2", day, "31");
        row("day 0", "Need Day", day, "0");
        row("first failure only", "Need Month", month, "13", payee, "");
        row("check empty", "Need Check Number", check, "");
        row("check blank", "", check, " ");
        row("check quote", "Invalid Character", check, "1\"2");
        row("payee empty", "Need Payee", payee, "");
        row("payee blank", "", payee, " ");
        row("payee in code page", "", payee, "café €");
        row("payee outside code page", "Invalid Character", payee, "Łódź");
        row("both empty", "Zero For Amount", dollars, "", cents, "");
        row("-1 and 100", "Zero For Amount", dollars, "-1", cents, "100");
        row("cents 100", "Invalid Amount", cents, "100");
        row("cents 99.9", "", cents, "99.9");
        row("-5 and 0", "Invalid Amount", dollars, "-5", cents, "0");
        row("largest amount", "", dollars, "21474836", cents, "47");
        row("one cent more", "Invalid Amount", dollars, "21474836", cents, "48");
        row("infinite", "Invalid Amount", dollars, "1E999");
    }
    void checks()
    {
        QFETCH(EntryTexts, texts);
        QFETCH(QString, title);
        static const QHash<QString, QString> boxTexts = {
            {"Need Year", MainYearMessage},
            {"Need Month", "Enter a valid month in the month field."},
            {"Need Day", "Enter a valid day in the day field."},
            {"Need Check Number", "Must enter something in the check number field."},
            {"Need Payee", "Must enter something in the payee field."},
            {"Zero For Amount",
             "You have entered 0 in the amount field.\r\nDo you wish to continue?"},
            {"Invalid Amount", "Invalid amount."}};
        const std::optional<FailedCheck> failed = firstFailedCheck(texts, MainYearMessage);
        QCOMPARE(failed ? failed->title : QString(), title);
        if (failed && boxTexts.contains(title))
            QCOMPARE(failed->text, boxTexts[title]);
        if (failed)
            QCOMPARE(failed->zeroAmountQuestion, title == QLatin1String("Zero For Amount"));
    }

    void summary_data()
    {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<EntryTexts>("texts");
        QTest::addColumn<QString>("expected");
        QTest::newRow("as typed")
            << AddingHeading << EntryTexts{"2001", "05", "12", "dep", "Corner Store", "5", "5"}
            << "Adding:\r\nDate: 5-12-2001\r\nCheck Number: dep\r\n"
               "Payee: Corner Store\r\nAmount: $5.05\r\nDo you wish to continue?";
        QTest::newRow("unrounded")
            << ChangingHeading << EntryTexts{" 2001", "5.5", "3.25", " ", "A", "1250", "99.9"}
            << "Changing to:\r\nDate: 5.5-3.25-2001\r\nCheck Number:  \r\n"
               "Payee: A\r\nAmount: $1,250.99\r\nDo you wish to continue?";
    }
    void summary()
    {
        QFETCH(QString, heading);
        QFETCH(EntryTexts, texts);
        QTEST(entrySummary(heading, texts), "expected");
    }

    void placement_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QStringList>("date");
        QTest::addColumn<EntryType>("type");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<QString>("stored");
        const QStringList sameDay = {"2001-5-12", "2001-5-12"}, spread = {"2001-5-3", "2001-5-4"};
        const auto W = EntryType::Withdrawal, D = EntryType::Deposit, N = EntryType::Neither;
        const auto row = [](const char *name, const QStringList &existing, const QStringList &date,
                            EntryType type, const QStringList &order, const char *stored) {
            QTest::newRow(name) << existing << date << type << order << QString(stored);
        };
        row("deposit first of its date", sameDay, {"2001", "5", "12"}, D, {"NEW", "E1", "E2"},
            "2001-5-12");
        row("withdrawal last of its date", sameDay, {"2001", "5", "12"}, W, {"E1", "E2", "NEW"},
            "2001-5-12");
        row("neither last of its date", sameDay, {"2001", "5", "12"}, N, {"E1", "E2", "NEW"},
            "2001-5-12");
        row("older than all", spread, {"2000", "12", "31"}, W, {"NEW", "E1", "E2"}, "2000-12-31");
        row("newer than all", spread, {"2002", "1", "1"}, D, {"E1", "E2", "NEW"}, "2002-1-1");
        row("first entry rounds down", {}, {"2001.5", "1.5", "3.5"}, W, {"NEW"}, "2001-1-3");
        row("later rounds half to even", spread, {"2001", "1.5", "2.5"}, W, {"NEW", "E1", "E2"},
            "2001-2-2");
        row("day 3.5 placed as 3, stored as 4", spread, {"2001", "5", "3.5"}, W,
            {"E1", "NEW", "E2"}, "2001-5-4");
    }
    void placement()
    {
        QFETCH(QStringList, existing);
        QFETCH(QStringList, date);
        QFETCH(EntryType, type);
        Checkbook book = registerOf(existing);
        const EntryTexts texts{date[0], date[1], date[2], "dep", "new", "12", "34"};
        const int slot = placeEntry(book, texts, type).value_or(0);
        QStringList order;
        for (int i = 1; i <= book.entryCount; ++i)
            order << book.slot[i].payee;
        QTEST(order, "order");
        const Entry &e = book.slot[slot];
        QTEST(QStringLiteral("%1-%2-%3").arg(e.year).arg(e.month).arg(e.day), "stored");
        QCOMPARE(e.checkNumber, QStringLiteral("DEP"));
        QCOMPARE(e.withdrawalCents, type == EntryType::Withdrawal ? 1234 : 0);
        QCOMPARE(e.depositCents, type == EntryType::Deposit ? 1234 : 0);
    }

    void placementRefusals()
    {
        Checkbook full = registerOf(QStringList(MaxEntries, QStringLiteral("2001-1-1")));
        Checkbook one = registerOf({"2001-1-1"});
        QCOMPARE(placeEntry(full, Valid, EntryType::Withdrawal), std::nullopt);
        QCOMPARE(placeEntry(one, Valid, EntryType::NoneSelected), std::nullopt);
        QCOMPARE(full.entryCount + one.entryCount, MaxEntries + 1);
    }

    void listPages_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("firstShown"); // lines past the last entry are empty
        QTest::newRow("0") << 0 << 1 << 1;
        QTest::newRow("3") << 3 << 1 << 1;
        QTest::newRow("10") << 10 << 1 << 1;
        QTest::newRow("25 at the end") << 25 << 16 << 16;
        QTest::newRow("25 at the start") << 25 << 1 << 1;
    }
    void listPages()
    {
        QFETCH(int, count);
        QFETCH(int, position);
        QFETCH(int, firstShown);
        Checkbook book = registerOf(januaryDays(count));
        computeBalances(book);
        const ListPage page = listPage(book, position);
        QCOMPARE(page.firstShown, firstShown);
        for (int n = 0; n < ListLines; ++n) {
            const int slot = firstShown + n;
            const ListLine &l = page.lines[n];
            QCOMPARE(l.date + l.check + l.payee + l.out + l.dep + l.total,
                     slot > count ? QString()
                                  : QStringLiteral("1/%1/2001ATME%1$1.00 -$%1.00 ").arg(slot));
        }
    }

    void listLineAmounts()
    {
        Checkbook book = registerOf(januaryDays(6));
        const qint32 most = std::numeric_limits<qint32>::max();
        book.slot[1].withdrawalCents = book.slot[3].withdrawalCents = 0;
        book.slot[1].depositCents = 1000;
        book.slot[2].withdrawalCents = 1500;
        book.slot[4] = book.slot[1];
        book.slot[5].withdrawalCents = book.slot[6].withdrawalCents = most;
        computeBalances(book);
        QStringList shown;
        for (const ListLine &l : listPage(book, 1).lines)
            shown << l.out + '|' + l.dep + '|' + l.total + (l.totalNegative ? "red" : "");
        QCOMPARE(shown.mid(0, 6),
                 (QStringList{"|$10.00 |$10.00 ", "$15.00 ||-$5.00 red", "||-$5.00 red",
                              "|$10.00 |$5.00 ", "$21,474,836.47 ||-$21,474,831.47 red",
                              "$21,474,836.47 ||-$42,949,667.94 red"}));
    }
};

class TestAdding : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        TempWorkingFolder folder;
        FakePlatform fakes;
        Checkbook book;
        FrmMoney window{book, fakes.platform};

        explicit Fixture(const QStringList &dates = {})
        {
            writeBytes(QLatin1String(DataFileName), formatDataFile(registerOf(dates)));
            window.Form_Load();
        }
        template <typename T = QComboBox> T *get(const QString &name)
        {
            return child<T>(&window, name);
        }
        QString label(const QString &name) { return get<QLabel>(name)->text(); }
        QByteArray file() { return fileBytes(QLatin1String(DataFileName)); }
        // The seven entry fields in tab order.
        const QStringList fields = {"txtMonth", "txtDay",    "txtYear", "cmbCheckNum",
                                    "cmbPayee", "txtDollar", "txtCent"};
        QStringList fieldTexts(const QStringList &newTexts = {})
        {
            QStringList texts;
            for (int i = 0; i < fields.size(); ++i) {
                if (i < newTexts.size())
                    get(fields[i])->setEditText(newTexts[i]);
                texts << get(fields[i])->currentText();
            }
            return texts;
        }
        void add(const Buttons &answers)
        {
            fakes.prompter.answers.assign(answers.begin(), answers.end());
            QTest::mouseClick(get<QPushButton>("cmdAdd"), Qt::LeftButton);
        }
    };

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void addThroughTheKeyboard()
    {
        Fixture f({"2001-5-3", "2001-5-4"});
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        const QStringList typed = {"5", "3", "2001", "dep", "Corner Store", "12", "34"};
        for (const QString &text : typed) {
            QWidget *field = QApplication::focusWidget();
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(field, text);
            QTest::keyClick(field, Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), f.get<QRadioButton>("optWithdrawl"));
        f.fakes.prompter.answers = {QMessageBox::Yes};
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

        QCOMPARE(f.fakes.prompter.titles(), QStringList{"Continue?"});
        QCOMPARE(f.fakes.prompter.shown[0].defaultButton, QMessageBox::Yes);
        QCOMPARE(f.file().split('\n').mid(0, 4),
                 (QList<QByteArray>{"3\r", "2001,5,3,\"ATM\",\"E1\",100,0\r",
                                    "2001,5,3,\"DEP\",\"CORNER STORE\",1234,0\r",
                                    "2001,5,4,\"ATM\",\"E2\",100,0\r"}));
        QCOMPARE(f.label("payee1") + f.label("out1") + f.label("total1"),
                 QStringLiteral("CORNER STORE$12.34 -$13.34 "));
        QCOMPARE(f.get<QLabel>("total2")->palette().color(QPalette::WindowText), QColor(Qt::red));
        QVERIFY(f.get("cmbPayee")->findText(QStringLiteral("CORNER STORE")) >= 0);

        // Ready for the next entry: the date kept, the rest back to the defaults.
        QCOMPARE(f.fieldTexts(), (QStringList{"5", "3", "2001", "ATM", "", "0", "00"}));
        QVERIFY(f.get<QRadioButton>("optWithdrawl")->isChecked());
        QCOMPARE(QApplication::focusWidget(), f.get("txtMonth"));
    }

    void enterInEveryEntryControlPressesAdd()
    {
        Fixture f;
        const QStringList names =
            f.fields + QStringList{"optWithdrawl", "optDeposit", "optNeither"};
        for (const QString &name : names) {
            f.fakes.prompter.answers = {QMessageBox::Ok};
            QTest::keyClick(f.get<QWidget>(name), Qt::Key_Enter);
        }
        QCOMPARE(f.fakes.prompter.titles(),
                 QStringList(names.size(), QStringLiteral("Need Payee")));
    }

    void refusedEntries_data()
    {
        QTest::addColumn<QStringList>("texts"); // month, day, year, check number, payee, dollars
        QTest::addColumn<Buttons>("answers");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("focus");
        const auto Ok = QMessageBox::Ok, Yes = QMessageBox::Yes, No = QMessageBox::No;
        QTest::newRow("month") << QStringList{"0", "1", "2001", "1", "A", "1"} << Buttons{Ok}
                               << QStringList{"Need Month"} << "txtMonth";
        QTest::newRow("quote") << QStringList{"5", "1", "2001", "1", "A \"B\"", "1"} << Buttons{Ok}
                               << QStringList{"Invalid Character"} << "cmbPayee";
        QTest::newRow("too large") << QStringList{"5", "1", "2001", "1", "A", "21474837"}
                                   << Buttons{Ok} << QStringList{"Invalid Amount"} << "txtDollar";
        QTest::newRow("zero, No") << QStringList{"5", "1", "2001", "1", "A", "0"} << Buttons{No}
                                  << QStringList{"Zero For Amount"} << "txtDollar";
        QTest::newRow("zero, Yes, summary No")
            << QStringList{"5", "1", "2001", "1", "A", "0"} << Buttons{Yes, No}
            << QStringList{"Zero For Amount", "Continue?"} << "cmdAdd";
    }
    void refusedEntries()
    {
        QFETCH(QStringList, texts);
        QFETCH(Buttons, answers);
        Fixture f({"2001-5-12"});
        const QByteArray before = f.file();
        texts = f.fieldTexts(texts);
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.get<QPushButton>("cmdAdd")->setFocus();
        f.add(answers);

        QTEST(f.fakes.prompter.titles(), "titles");
        QCOMPARE(f.fakes.prompter.shown[0].icon,
                 answers[0] == QMessageBox::Ok ? QMessageBox::Warning : QMessageBox::Question);
        QTEST(QApplication::focusWidget()->objectName(), "focus");
        // The quote is selected, so the next key typed replaces it.
        QCOMPARE(f.get("cmbPayee")->lineEdit()->selectedText(),
                 QTest::currentDataTag() == QLatin1String("quote") ? "\"" : "");
        QCOMPARE(f.fieldTexts(), texts);
        QCOMPARE(f.file(), before);
    }

    void lastFreeSlotThenFull()
    {
        Fixture f(QStringList(MaxEntries - 1, QStringLiteral("2001-1-1")));
        f.fieldTexts({"1", "2", "2001", "1", "A", "1"});
        f.add({QMessageBox::Yes});
        QCOMPARE(f.label("lblRecNum"), QStringLiteral("1000 / 1000"));
        const QByteArray full = f.file();
        QVERIFY(full.startsWith("1000\r\n"));

        f.fieldTexts({"", "", "", "", ""});
        f.add({QMessageBox::Ok});
        const FakePrompter::Shown &box = f.fakes.prompter.shown.back();
        QCOMPARE(f.fakes.prompter.titles(), (QStringList{"Continue?", "Register Full"}));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.text, QStringLiteral("You Have reached the maximum allowed records.\r\n"
                                          "You must backup then make a new record."));
        QCOMPARE(f.file(), full);
    }

    void failedSaveKeepsTheEntryToTryAgain()
    {
        Fixture f({"2001-5-12", "2001-5-13"});
        const QByteArray before = f.file();
        f.fieldTexts({"5", "12", "2001", "1", "RENT", "5"});
        // Files this process writes may not grow past 4 KiB, so the save fails; reading works.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit lowered{4096, limit.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
        f.add({QMessageBox::Yes, QMessageBox::Ok});
        setrlimit(RLIMIT_FSIZE, &limit);

        QCOMPARE(f.fakes.prompter.titles(), (QStringList{"Continue?", "SAVE FAILED"}));
        QCOMPARE(f.file(), before);
        QCOMPARE(f.label("lblTotal") + f.label("total1") + f.label("payee2"),
                 QStringLiteral("-$2.00-$2.00 "));
        QCOMPARE(f.get("cmbPayee")->currentText(), QStringLiteral("RENT"));
    }

    void listFollowsTheScrollBar()
    {
        Fixture f(januaryDays(25));
        auto *scroll = f.get<QScrollBar>("vsbList");
        // The lines follow the thumb while it is dragged, before the position changes.
        scroll->setSliderDown(true);
        scroll->setSliderPosition(1);
        QCOMPARE(f.label("date9"), QStringLiteral("1/10/2001"));
        scroll->setSliderDown(false);
        scroll->setValue(5);
        QCOMPARE(f.label("payee0"), QStringLiteral("E5"));
        // Neighbouring lines must look different, whatever the style's palette.
        const auto background = [&](const char *name) {
            QLabel *cell = f.get<QLabel>(QLatin1String(name));
            return cell->palette().color(cell->backgroundRole());
        };
        QVERIFY(background("date0") != background("date1"));
        QCOMPARE(background("total2"), background("date0"));
    }

    void lineButtons()
    {
        for (const auto &[count, button, editIndex] :
             {std::tuple{0, 1, 0}, {3, 4, 0}, {25, 3, 18}}) {
            Fixture f(januaryDays(count));
            f.fakes.prompter.answers = {QMessageBox::Ok};
            QString dayShown;
            NextModal<QDialog> editor([&](QDialog *window) {
                dayShown = child<QComboBox>(window, QStringLiteral("txtEditDay"))->currentText();
                QTest::mouseClick(child<QPushButton>(window, QStringLiteral("cmdCancel")),
                                  Qt::LeftButton);
            });
            QTest::mouseClick(f.get<QPushButton>(QStringLiteral("cmd%1").arg(button)),
                              Qt::LeftButton);
            if (editIndex) {
                QCOMPARE(f.book.editIndex, editIndex);
                QCOMPARE(dayShown, QString::number(editIndex));
                QVERIFY(f.fakes.prompter.shown.empty());
                continue;
            }
            const FakePrompter::Shown &box = f.fakes.prompter.shown.at(0);
            QCOMPARE(box.title + '|' + box.text, "Nothing To Do|There is nothing to edit.");
            QCOMPARE(box.icon, QMessageBox::Information);
        }
    }
};

int runEntryTests(int argc, char *argv[])
{
    TestEntryRules rules;
    TestAdding adding;
    const int status = QTest::qExec(&rules, argc, argv);
    return status | QTest::qExec(&adding, argc, argv);
}

#include "tst_entry.moc"
