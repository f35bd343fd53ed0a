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

Q_DECLARE_METATYPE(tallyra::EntryTexts)
Q_DECLARE_METATYPE(tallyra::EntryType)

namespace {

const EntryTexts Valid{"2001", "5", "12", "101", "RENT", "5", "5"};
const QString InvalidAmount = QStringLiteral("Invalid Amount");

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

QStringList payeeOrder(const Checkbook &book)
{
    QStringList order;
    for (int i = 1; i <= book.entryCount; ++i)
        order << book.slot[i].payee;
    return order;
}

// Lowers the largest file this process may write, so that saving the register fails while
// reading it still works.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        const rlimit lowered{bytes, m_old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old{};
};

} // namespace

class TestEntryRules : public QObject
{
    Q_OBJECT

private slots:
    void checks_data()
    {
        QTest::addColumn<EntryTexts>("texts");
        QTest::addColumn<QString>("title"); // empty when every check passes
        QTest::addColumn<int>("field");
        const auto row = [](const char *name, auto change, const char *title, EntryField field) {
            EntryTexts texts = Valid;
            change(texts);
            QTest::newRow(name) << texts << QString::fromUtf8(title) << int(field);
        };
        const auto pass = EntryField::Year;
        row(
            "valid", [](EntryTexts &) {}, "", pass);
        row(
            "year 1900", [](EntryTexts &t) { t.year = "1900"; }, "", pass);
        row(
            "year 1899.5", [](EntryTexts &t) { t.year = "1899.5"; }, "Need Year", EntryField::Year);
        row(
            "year 9999", [](EntryTexts &t) { t.year = "9999"; }, "", pass);
        row(
            "year 9999.5", [](EntryTexts &t) { t.year = "9999.5"; }, "Need Year", EntryField::Year);
        row(
            "year abc", [](EntryTexts &t) { t.year = "abc"; }, "Need Year", EntryField::Year);
        row(
            "month 12", [](EntryTexts &t) { t.month = "12"; }, "", pass);
        row(
            "month 12.5", [](EntryTexts &t) { t.month = "12.5"; }, "Need Month", EntryField::Month);
        row(
            "month 1.5", [](EntryTexts &t) { t.month = "1.5"; }, "", pass);
        row(
            "2-31",
            [](EntryTexts &t) {
                t.month = "2";
                t.day = "31";
            },
            "", pass);
        row(
            "day 0", [](EntryTexts &t) { t.day = "0"; }, "Need Day", EntryField::Day);
        row(
            "first failure only",
            [](EntryTexts &t) {
                t.month = "13";
                t.payee = "";
            },
            "Need Month", EntryField::Month);
        row(
            "check empty", [](EntryTexts &t) { t.checkNumber = ""; }, "Need Check Number",
            EntryField::CheckNumber);
        row(
            "check blank", [](EntryTexts &t) { t.checkNumber = " "; }, "", pass);
        row(
            "check quote", [](EntryTexts &t) { t.checkNumber = "1\"2"; }, "Invalid Character",
            EntryField::CheckNumber);
        row(
            "payee empty", [](EntryTexts &t) { t.payee = ""; }, "Need Payee", EntryField::Payee);
        row(
            "payee blank", [](EntryTexts &t) { t.payee = " "; }, "", pass);
        row(
            "payee café €", [](EntryTexts &t) { t.payee = "café €"; }, "", pass);
        row(
            "payee outside code page", [](EntryTexts &t) { t.payee = "Łódź"; }, "Invalid Character",
            EntryField::Payee);
        row(
            "both empty", [](EntryTexts &t) { t.dollars = t.cents = ""; }, "Zero For Amount",
            EntryField::Dollars);
        row(
            "-1 and 100",
            [](EntryTexts &t) {
                t.dollars = "-1";
                t.cents = "100";
            },
            "Zero For Amount", EntryField::Dollars);
        row(
            "cents 100", [](EntryTexts &t) { t.cents = "100"; }, "Invalid Amount",
            EntryField::Dollars);
        row(
            "cents 99.9", [](EntryTexts &t) { t.cents = "99.9"; }, "", pass);
        row(
            "-5 and 0",
            [](EntryTexts &t) {
                t.dollars = "-5";
                t.cents = "0";
            },
            "Invalid Amount", EntryField::Dollars);
        row(
            "largest amount",
            [](EntryTexts &t) {
                t.dollars = "21474836";
                t.cents = "47";
            },
            "", pass);
        row(
            "one cent more",
            [](EntryTexts &t) {
                t.dollars = "21474836";
                t.cents = "48";
            },
            "Invalid Amount", EntryField::Dollars);
        row(
            "infinite", [](EntryTexts &t) { t.dollars = "1E999"; }, "Invalid Amount",
            EntryField::Dollars);
    }
    void checks()
    {
        QFETCH(EntryTexts, texts);
        QFETCH(QString, title);
        const std::optional<FailedCheck> failed = firstFailedCheck(texts, MainYearMessage);
        QCOMPARE(failed ? failed->title : QString(), title);
        if (failed) {
            QTEST(int(failed->field), "field");
            QCOMPARE(failed->zeroAmountQuestion, title == QLatin1String("Zero For Amount"));
        }
    }

    void messageTexts()
    {
        const auto text = [](auto change) {
            EntryTexts texts = Valid;
            change(texts);
            return firstFailedCheck(texts, MainYearMessage)->text;
        };
        QCOMPARE(text([](EntryTexts &t) { t.month = ""; }),
                 QStringLiteral("Enter a valid month in the month field."));
        QCOMPARE(text([](EntryTexts &t) { t.day = ""; }),
                 QStringLiteral("Enter a valid day in the day field."));
        QCOMPARE(text([](EntryTexts &t) { t.checkNumber = ""; }),
                 QStringLiteral("Must enter something in the check number field."));
        QCOMPARE(text([](EntryTexts &t) { t.payee = ""; }),
                 QStringLiteral("Must enter something in the payee field."));
        QCOMPARE(text([](EntryTexts &t) { t.payee = "A\"B"; }),
                 QStringLiteral("The payee field cannot hold a double quote."));
        const FailedCheck emoji = *firstFailedCheck(
            EntryTexts{"2001", "5", "12", "AB\U0001F600", "X", "1", "0"}, MainYearMessage);
        QCOMPARE(
            emoji.text,
            QStringLiteral("The check number field cannot hold the character \"\U0001F600\"."));
        QCOMPARE(emoji.badCharAt, 2);
        QCOMPARE(emoji.badCharLength, 2);
        QCOMPARE(text([](EntryTexts &t) {
                     t.dollars = "";
                     t.cents = "0";
                 }),
                 QStringLiteral("You have entered 0 in the amount field.\r\n"
                                "Do you wish to continue?"));
    }

    void summary_data()
    {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<EntryTexts>("texts");
        QTest::addColumn<QString>("expected");
        QTest::newRow("typed as is")
            << AddingHeading << EntryTexts{"2001", "05", "12", "dep", "Corner Store", "5", "5"}
            << "Adding:\r\nDate: 5-12-2001\r\nCheck Number: dep\r\n"
               "Payee: Corner Store\r\nAmount: $5.05\r\n"
               "Do you wish to continue?";
        QTest::newRow("unrounded, zero")
            << ChangingHeading << EntryTexts{" 2001", "5.5", "3.25", " ", "A", "", ""}
            << "Changing to:\r\nDate: 5.5-3.25-2001\r\n"
               "Check Number:  \r\nPayee: A\r\nAmount: $.00\r\n"
               "Do you wish to continue?";
        QTest::newRow("thousands, fractional cents")
            << AddingHeading << EntryTexts{"2001", "1", "1", "1", "A", "1250", "99.9"}
            << "Adding:\r\nDate: 1-1-2001\r\nCheck Number: 1\r\nPayee: A\r\n"
               "Amount: $1,250.99\r\nDo you wish to continue?";
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
        QTest::addColumn<EntryTexts>("texts");
        QTest::addColumn<EntryType>("type");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<QString>("storedDate");
        const QStringList twoOnOneDay = {"2001-5-12", "2001-5-12"};
        const QStringList spread = {"2001-5-3", "2001-5-4"};
        const auto texts = [](const char *y, const char *m, const char *d) {
            return EntryTexts{y, m, d, "101", "new", "1", "0"};
        };
        const auto row = [](const char *name, const QStringList &existing, const EntryTexts &t,
                            EntryType type, const QStringList &order, const char *stored) {
            QTest::newRow(name) << existing << t << type << order << QString::fromLatin1(stored);
        };
        row("deposit before its date", twoOnOneDay, texts("2001", "5", "12"), EntryType::Deposit,
            {"NEW", "E1", "E2"}, "2001-5-12");
        row("withdrawal after its date", twoOnOneDay, texts("2001", "5", "12"),
            EntryType::Withdrawal, {"E1", "E2", "NEW"}, "2001-5-12");
        row("neither after its date", twoOnOneDay, texts("2001", "5", "12"), EntryType::Neither,
            {"E1", "E2", "NEW"}, "2001-5-12");
        row("older than all", spread, texts("2000", "12", "31"), EntryType::Withdrawal,
            {"NEW", "E1", "E2"}, "2000-12-31");
        row("newer than all", spread, texts("2002", "1", "1"), EntryType::Deposit,
            {"E1", "E2", "NEW"}, "2002-1-1");
        row("first entry rounds down", {}, texts("2001.5", "1.5", "3.5"), EntryType::Withdrawal,
            {"NEW"}, "2001-1-3");
        row("later entry rounds to even", spread, texts("2001", "1.5", "2.5"),
            EntryType::Withdrawal, {"NEW", "E1", "E2"}, "2001-2-2");
        row("day 3.5 placed as 3, stored as 4", spread, texts("2001", "5", "3.5"),
            EntryType::Withdrawal, {"E1", "NEW", "E2"}, "2001-5-4");
    }
    void placement()
    {
        QFETCH(QStringList, existing);
        QFETCH(EntryTexts, texts);
        QFETCH(EntryType, type);
        QFETCH(QStringList, order);
        Checkbook book = registerOf(existing);
        const std::optional<int> slot = placeEntry(book, texts, type);
        QVERIFY(slot);
        QCOMPARE(payeeOrder(book), order);
        const Entry &placed = book.slot[*slot];
        QTEST(QStringLiteral("%1-%2-%3").arg(placed.year).arg(placed.month).arg(placed.day),
              "storedDate");
    }

    void storedTextsAndAmounts_data()
    {
        QTest::addColumn<EntryType>("type");
        QTest::addColumn<qint32>("out");
        QTest::addColumn<qint32>("in");
        QTest::newRow("withdrawal") << EntryType::Withdrawal << 1234 << 0;
        QTest::newRow("deposit") << EntryType::Deposit << 0 << 1234;
        QTest::newRow("neither stores zeros") << EntryType::Neither << 0 << 0;
    }
    void storedTextsAndAmounts()
    {
        QFETCH(EntryType, type);
        Checkbook book;
        const EntryTexts texts{"2001", "5", "12", "dep", "Corner Store ÿ µ", "12", "34"};
        QCOMPARE(placeEntry(book, texts, type), 1);
        const Entry &entry = book.slot[1];
        QCOMPARE(entry.checkNumber, QStringLiteral("DEP"));
        // Ÿ is in the code page; the capital of µ is not, so µ stays.
        QCOMPARE(entry.payee, QStringLiteral("CORNER STORE Ÿ µ"));
        QTEST(entry.withdrawalCents, "out");
        QTEST(entry.depositCents, "in");
    }

    void placementRefusals()
    {
        Checkbook full = registerOf(QStringList(MaxEntries, QStringLiteral("2001-1-1")));
        QCOMPARE(placeEntry(full, Valid, EntryType::Withdrawal), std::nullopt);
        QCOMPARE(full.entryCount, qint16(MaxEntries));
        Checkbook book = registerOf({"2001-1-1"});
        const Checkbook before = book;
        QCOMPARE(placeEntry(book, Valid, EntryType::NoneSelected), std::nullopt);
        EntryTexts huge = Valid;
        huge.dollars = QStringLiteral("1E10");
        QCOMPARE(placeEntry(book, huge, EntryType::Withdrawal), std::nullopt);
        QVERIFY(book.slot == before.slot && book.entryCount == 1);
    }

    void listPages_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("firstShown"); // slot on line 1; lines past the last are empty
        QTest::newRow("0") << 0 << 1 << 1;
        QTest::newRow("3") << 3 << 1 << 1;
        QTest::newRow("10") << 10 << 1 << 1;
        QTest::newRow("25 at the end") << 25 << 16 << 16;
        QTest::newRow("25 at the start") << 25 << 1 << 1;
        QTest::newRow("25 beyond the end") << 25 << 40 << 16;
    }
    void listPages()
    {
        QFETCH(int, count);
        QFETCH(int, position);
        QFETCH(int, firstShown);
        QStringList dates;
        for (int i = 1; i <= count; ++i)
            dates << QStringLiteral("2001-1-%1").arg(i);
        Checkbook book = registerOf(dates);
        computeBalances(book);
        const ListPage page = listPage(book, position);
        QCOMPARE(page.firstShown, firstShown);
        for (int n = 0; n < ListLines; ++n) {
            const int slot = firstShown + n;
            const ListLine &line = page.lines[n];
            QCOMPARE(line.payee, slot <= count ? QStringLiteral("E%1").arg(slot) : QString());
            QCOMPARE(line.date, slot <= count ? QStringLiteral("1/%1/2001").arg(slot) : QString());
            QCOMPARE(line.total.isEmpty() && line.out.isEmpty(), slot > count);
        }
    }

    void listLineAmounts()
    {
        Checkbook book = registerOf({"2001-1-1", "2001-1-2", "2001-1-3", "2001-1-4", "2001-1-5"});
        book.slot[1].withdrawalCents = 0;
        book.slot[1].depositCents = 1000;
        book.slot[2].withdrawalCents = 1500;
        book.slot[3].withdrawalCents = 0;
        book.slot[4] = book.slot[1];
        book.slot[5].withdrawalCents = std::numeric_limits<qint32>::max();
        computeBalances(book);
        const ListPage page = listPage(book, 1);
        const auto line = [&](int n) {
            const ListLine &l = page.lines[n - 1];
            return QStringList{l.check, l.out, l.dep, l.total} << (l.totalNegative ? "red" : "");
        };
        QCOMPARE(line(1), (QStringList{"ATM", "", "$10.00 ", "$10.00 ", ""}));
        QCOMPARE(line(2), (QStringList{"ATM", "$15.00 ", "", "-$5.00 ", "red"}));
        QCOMPARE(line(3), (QStringList{"ATM", "", "", "-$5.00 ", "red"}));
        QCOMPARE(line(4), (QStringList{"ATM", "", "$10.00 ", "$5.00 ", ""}));
        QCOMPARE(line(5), (QStringList{"ATM", "$21,474,836.47 ", "", "-$21,474,831.47 ", "red"}));
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
        void fill(const EntryTexts &t)
        {
            const QString names[] = {"txtYear",  "txtMonth",  "txtDay", "cmbCheckNum",
                                     "cmbPayee", "txtDollar", "txtCent"};
            const QString texts[] = {t.year,  t.month,   t.day,  t.checkNumber,
                                     t.payee, t.dollars, t.cents};
            for (int i = 0; i < 7; ++i)
                get(names[i])->setEditText(texts[i]);
        }
        void add() { QTest::mouseClick(get<QPushButton>("cmdAdd"), Qt::LeftButton); }
    };

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void addThroughTheKeyboard()
    {
        Fixture f({"2001-5-3", "2001-5-4"});
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QCOMPARE(QApplication::focusWidget(), f.get("txtMonth"));
        for (const char *typed : {"5", "3", "2001", "dep", "Corner Store", "12", "34"}) {
            QWidget *field = QApplication::focusWidget();
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(field, QString::fromLatin1(typed));
            QTest::keyClick(field, Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), f.get<QRadioButton>("optWithdrawl"));
        f.fakes.prompter.answers = {QMessageBox::Yes};
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

        QCOMPARE(f.fakes.prompter.titles(), QStringList{"Continue?"});
        const FakePrompter::Shown &box = f.fakes.prompter.shown[0];
        QCOMPARE(box.text, entrySummary(AddingHeading,
                                        {"2001", "5", "3", "dep", "Corner Store", "12", "34"}));
        QCOMPARE(box.defaultButton, QMessageBox::Yes);
        const QList<QByteArray> lines = fileBytes(QLatin1String(DataFileName)).split('\n');
        QCOMPARE(lines.mid(0, 4), (QList<QByteArray>{"3\r", "2001,5,3,\"ATM\",\"E1\",100,0\r",
                                                     "2001,5,3,\"DEP\",\"CORNER STORE\",1234,0\r",
                                                     "2001,5,4,\"ATM\",\"E2\",100,0\r"}));
        QCOMPARE(f.label("payee1"), QStringLiteral("CORNER STORE"));
        QCOMPARE(f.label("out1"), QStringLiteral("$12.34 "));
        QCOMPARE(f.label("total1"), QStringLiteral("-$13.34 "));
        QCOMPARE(f.get<QLabel>("total2")->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(f.label("lblRecNum"), QStringLiteral("3 / 1000"));
        QVERIFY(f.get("cmbPayee")->findText(QStringLiteral("CORNER STORE")) >= 0);

        const QStringList after = {"5", "3", "2001", "ATM", "", "0", "00"};
        const char *names[] = {"txtMonth", "txtDay",    "txtYear", "cmbCheckNum",
                               "cmbPayee", "txtDollar", "txtCent"};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(f.get(names[i])->currentText(), after[i]);
        QVERIFY(f.get<QRadioButton>("optWithdrawl")->isChecked());
        QCOMPARE(QApplication::focusWidget(), f.get("txtMonth"));
    }

    void enterInEveryEntryControlPressesAdd_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name :
             {"txtMonth", "txtDay", "txtYear", "cmbCheckNum", "cmbPayee", "txtDollar", "txtCent",
              "optWithdrawl", "optDeposit", "optNeither"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void enterInEveryEntryControlPressesAdd()
    {
        QFETCH(QString, name);
        Fixture f;
        f.fakes.prompter.answers = {QMessageBox::Ok};
        QTest::keyClick(f.get<QWidget>(name), Qt::Key_Enter);
        QCOMPARE(f.fakes.prompter.titles(), QStringList{"Need Payee"});
    }

    void refusedEntries_data()
    {
        QTest::addColumn<EntryTexts>("texts");
        QTest::addColumn<QList<QMessageBox::StandardButton>>("answers");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("selected");
        const auto Ok = QMessageBox::Ok, Yes = QMessageBox::Yes, No = QMessageBox::No;
        const auto texts = [](const char *payee, const char *dollars, const char *cents) {
            return EntryTexts{"2001", "5", "13", "101", payee, dollars, cents};
        };
        QTest::newRow("payee") << texts("", "1", "0") << QList{Ok} << QStringList{"Need Payee"}
                               << "cmbPayee"
                               << "";
        QTest::newRow("quote") << texts("A \"B\"", "1", "0") << QList{Ok}
                               << QStringList{"Invalid Character"} << "cmbPayee"
                               << "\"";
        QTest::newRow("too large") << texts("A", "21474837", "0") << QList{Ok}
                                   << QStringList{"Invalid Amount"} << "txtDollar"
                                   << "";
        QTest::newRow("zero, No") << texts("A", "0", "00") << QList{No}
                                  << QStringList{"Zero For Amount"} << "txtDollar"
                                  << "";
        QTest::newRow("summary No") << texts("A", "-1", "100") << QList{Yes, No}
                                    << QStringList{"Zero For Amount", "Continue?"} << ""
                                    << "";
    }
    void refusedEntries()
    {
        QFETCH(EntryTexts, texts);
        QFETCH(QString, focus);
        Fixture f({"2001-5-12"});
        const QByteArray before = fileBytes(QLatin1String(DataFileName));
        f.fill(texts);
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QFETCH(QList<QMessageBox::StandardButton>, answers);
        f.fakes.prompter.answers.assign(answers.begin(), answers.end());
        f.add();

        QTEST(f.fakes.prompter.titles(), "titles");
        const FakePrompter::Shown &first = f.fakes.prompter.shown[0];
        QCOMPARE(first.icon,
                 answers[0] == QMessageBox::Ok ? QMessageBox::Warning : QMessageBox::Question);
        if (!focus.isEmpty())
            QCOMPARE(QApplication::focusWidget(), f.get(focus));
        QTEST(f.get("cmbPayee")->lineEdit()->selectedText(), "selected");
        QCOMPARE(f.get("cmbPayee")->currentText(), texts.payee);
        QCOMPARE(fileBytes(QLatin1String(DataFileName)), before);
        QCOMPARE(f.book.entryCount, qint16(1));
    }

    void zeroAmountYesSkipsTheAmountCheck()
    {
        Fixture f;
        f.fill({"2001", "5", "13", "101", "VOID", "-1", "100"});
        f.fakes.prompter.answers = {QMessageBox::Yes, QMessageBox::Yes};
        f.add();
        QCOMPARE(f.fakes.prompter.titles(), (QStringList{"Zero For Amount", "Continue?"}));
        QCOMPARE(f.fakes.prompter.shown[0].defaultButton, QMessageBox::Yes);
        QVERIFY(f.fakes.prompter.shown[1].text.contains(QLatin1String("\r\nAmount: $.00\r\n")));
        QCOMPARE(f.book.slot[1], (Entry{2001, 5, 13, "101", "VOID", 0, 0}));
    }

    void lastFreeSlotThenFull()
    {
        Fixture f(QStringList(MaxEntries - 1, QStringLiteral("2001-1-1")));
        f.fill(Valid);
        f.fakes.prompter.answers = {QMessageBox::Yes};
        f.add();
        QCOMPARE(f.label("lblRecNum"), QStringLiteral("1000 / 1000"));
        const QByteArray full = fileBytes(QLatin1String(DataFileName));
        QVERIFY(full.startsWith("1000\r\n"));

        f.fill({"", "", "", "", "", "", ""});
        f.fakes.prompter.answers = {QMessageBox::Ok};
        f.add();
        QCOMPARE(f.fakes.prompter.titles(), (QStringList{"Continue?", "Register Full"}));
        const FakePrompter::Shown &box = f.fakes.prompter.shown[1];
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.text, QStringLiteral("You Have reached the maximum allowed records.\r\n"
                                          "You must backup then make a new record."));
        QCOMPARE(fileBytes(QLatin1String(DataFileName)), full);
    }

    void failedSaveKeepsTheEntryToTryAgain()
    {
        Fixture f({"2001-5-12", "2001-5-13"});
        const QByteArray before = fileBytes(QLatin1String(DataFileName));
        f.fill(Valid);
        f.fakes.prompter.answers = {QMessageBox::Yes, QMessageBox::Ok};
        {
            const FileSizeLimit tooSmall(4096);
            f.add();
        }
        QCOMPARE(f.fakes.prompter.titles(), (QStringList{"Continue?", "SAVE FAILED"}));
        QCOMPARE(fileBytes(QLatin1String(DataFileName)), before);
        QCOMPARE(f.label("lblRecNum"), QStringLiteral("2 / 1000"));
        QCOMPARE(f.label("lblTotal"), QStringLiteral("-$2.00"));
        QCOMPARE(f.label("total1"), QStringLiteral("-$2.00 "));
        QCOMPARE(f.label("payee2"), QString());
        QCOMPARE(f.get("cmbPayee")->currentText(), Valid.payee);
    }

    void listFollowsTheScrollBar()
    {
        QStringList dates;
        for (int day = 1; day <= 25; ++day)
            dates << QStringLiteral("2001-1-%1").arg(day);
        Fixture f(dates);
        auto *scroll = f.get<QScrollBar>("vsbList");
        QCOMPARE(scroll->maximum(), 16);
        QCOMPARE(f.label("date0"), QStringLiteral("1/16/2001"));
        QCOMPARE(f.label("date9"), QStringLiteral("1/25/2001"));
        QCOMPARE(f.label("total9"), QStringLiteral("-$25.00 "));

        // The lines follow the thumb while it is dragged, before the position changes.
        scroll->setSliderDown(true);
        scroll->setSliderPosition(1);
        QCOMPARE(f.label("date9"), QStringLiteral("1/10/2001"));
        scroll->setSliderDown(false);
        QCOMPARE(scroll->value(), 1);
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

    void lineButtons_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("editIndex"); // 0: the line is empty
        QTest::newRow("empty register") << 0 << 1 << 0;
        QTest::newRow("below the last") << 3 << 4 << 0;
        QTest::newRow("3, line 2") << 3 << 2 << 2;
        QTest::newRow("10, line 10") << 10 << 10 << 10;
        QTest::newRow("25, line 3") << 25 << 3 << 18;
    }
    void lineButtons()
    {
        QFETCH(int, count);
        QFETCH(int, button);
        QFETCH(int, editIndex);
        Fixture f(QStringList(count, QStringLiteral("2001-1-1")));
        if (editIndex == 0)
            f.fakes.prompter.answers = {QMessageBox::Ok};
        QTest::mouseClick(f.get<QPushButton>(QStringLiteral("cmd%1").arg(button)), Qt::LeftButton);
        if (editIndex != 0) {
            QCOMPARE(f.book.editIndex, editIndex);
            QVERIFY(f.fakes.prompter.shown.empty());
            return;
        }
        QCOMPARE(f.fakes.prompter.shown.size(), size_t(1));
        const FakePrompter::Shown &box = f.fakes.prompter.shown[0];
        QCOMPARE(box.title, QStringLiteral("Nothing To Do"));
        QCOMPARE(box.text, QStringLiteral("There is nothing to edit."));
        QCOMPARE(box.icon, QMessageBox::Information);
    }
};

int runEntryTests(int argc, char *argv[])
{
    int status = 0;
    {
        TestEntryRules rules;
        status |= QTest::qExec(&rules, argc, argv);
    }
    {
        TestAdding adding;
        status |= QTest::qExec(&adding, argc, argv);
    }
    return status;
}

#include "tst_entry.moc"
