#include "FakePlatform.h"
#include "TestSupport.h"
#include "app/EntryChecks.h"
#include "app/FieldValue.h"
#include "app/MoneyFormat.h"
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

QColor textColour(QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

// Files this process writes may not grow past 4 KiB while `act` runs, so saving fails.
template <typename Act> void withSmallFileLimit(Act act)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit lowered{4096, limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &lowered);
    act();
    setrlimit(RLIMIT_FSIZE, &limit);
}

} // namespace

class TestRules : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("digits then letters") << "12abc" << 12.0;
        QTest::newRow("blanks inside") << "\t1 2" << 12.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("second point ends it") << "1.2.3" << 1.2;
        QTest::newRow("hex") << "&h1fz" << 31.0;
        QTest::newRow("octal stops at 8") << "&O178" << 15.0;
        QTest::newRow("exponent D") << "1D3" << 1000.0;
        QTest::newRow("negative exponent") << "25e-1" << 2.5;
        QTest::newRow("comma is no point") << "1,5" << 1.0;
        QTest::newRow("huge") << "1E999" << HUGE_VAL;
        QTest::newRow("tiny") << "1E-999" << 0.0;
        QTest::newRow("negative huge") << "-1E999" << -HUGE_VAL;
        QTest::newRow("tiny without exponent") << "0." + QString(330, u'0') + "1" << 0.0;
        QTest::newRow("huge despite a negative exponent")
            << "1" + QString(320, u'0') + "e-5" << HUGE_VAL;
        QTest::newRow("tiny despite a positive exponent")
            << ".000" + QString(340, u'0') + "1e+9" << 0.0;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QTEST(fieldValue(text), "value");
    }

    void amountInCents_data()
    {
        QTest::addColumn<QString>("dollars");
        QTest::addColumn<QString>("cents");
        QTest::addColumn<double>("amount");
        QTest::newRow("cents field counts cents") << "1"
                                                  << "5" << 105.0;
        QTest::newRow("toward minus infinity") << "-0.001"
                                               << "0" << -1.0;
        QTest::newRow("infinite both ways, dollars decide") << "1E999"
                                                            << "-1E999" << HUGE_VAL;
        QTest::newRow("infinite both ways, negative dollars") << "-1E999"
                                                              << "1E999" << -HUGE_VAL;
    }
    void amountInCents()
    {
        QFETCH(QString, dollars);
        QFETCH(QString, cents);
        QTEST(amountCents(dollars, cents), "amount");
    }

    void format_data()
    {
        QTest::addColumn<qint64>("cents");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << "$.00";
        QTest::newRow("five cents") << qint64(5) << "$.05";
        QTest::newRow("one thousand") << qint64(100000) << "$1,000.00";
        QTest::newRow("minus one cent") << qint64(-1) << "-$.01";
        QTest::newRow("beyond 32 bits") << qint64(4294967296) << "$42,949,672.96";
        QTest::newRow("most negative")
            << std::numeric_limits<qint64>::min() << "-$92,233,720,368,547,758.08";
    }
    void format()
    {
        QFETCH(qint64, cents);
        QFETCH(QString, text);
        QCOMPARE(formatMoney(cents), text);
        QCOMPARE(formatListMoney(cents), text + QLatin1Char(' '));
    }

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
        row("year 1899.5", "Need Year", year, "1899.5");
        row("year 9999.5", "Need Year", year, "9999.5");
        row("month 12.5", "Need Month", month, "12.5");
        row("2-31", "", month, "2", day, "31");
        row("day 0", "Need Day", day, "0");
        row("first failure only", "Need Month", month, "13", payee, "");
        row("check quote", "Invalid Character", check, "1\"2");
        row("payee empty", "Need Payee", payee, "");
        row("payee in code page", "", payee, "café €");
        row("payee outside code page", "Invalid Character", payee, "Łódź");
        row("-1 and 100", "Zero For Amount", dollars, "-1", cents, "100");
        row("cents 100", "Invalid Amount", cents, "100");
        row("largest amount", "", dollars, "21474836", cents, "47");
        row("one cent more", "Invalid Amount", dollars, "21474836", cents, "48");
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
        row("neither last of its date", sameDay, {"2001", "5", "12"}, N, {"E1", "E2", "NEW"},
            "2001-5-12");
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
        Checkbook nearlyFull = registerOf(QStringList(MaxEntries - 1, QStringLiteral("2001-1-1")));
        QCOMPARE(placeEntry(nearlyFull, Valid, EntryType::NoneSelected), std::nullopt);
        QCOMPARE(placeEntry(nearlyFull, Valid, EntryType::Withdrawal),
                 std::optional<int>(MaxEntries));
        QCOMPARE(placeEntry(nearlyFull, Valid, EntryType::Withdrawal), std::nullopt);
        QCOMPARE(int(nearlyFull.entryCount), int(MaxEntries));
    }

    void listPages_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("firstShown"); // lines past the last entry are empty
        QTest::newRow("0") << 0 << 1 << 1;
        QTest::newRow("3") << 3 << 1 << 1;
        QTest::newRow("25 at the end") << 25 << 16 << 16;
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
};

class TestFrmMoney : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        TempWorkingFolder folder;
        FakePlatform fakes;
        Checkbook book;
        FrmMoney window{book, fakes.platform};

        template <typename T = QComboBox> T *get(const QString &name)
        {
            return child<T>(&window, name);
        }
        QString label(const QString &name) { return get<QLabel>(name)->text(); }
        QByteArray file() { return fileBytes(QLatin1String(DataFileName)); }
        void load(const Checkbook &stored)
        {
            writeBytes(QLatin1String(DataFileName), formatDataFile(stored));
            window.Form_Load();
        }
        void show()
        {
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
        }
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
        QStringList payees()
        {
            QStringList items;
            for (int i = 0; i < get("cmbPayee")->count(); ++i)
                items << get("cmbPayee")->itemText(i);
            return items;
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

    void missingOrUnreadableFile_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file at all
        const QByteArray record = "2001,1,1,\"ATM\",\"RENT\",100,0\r\n";
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("count 1001") << QByteArray("1001\r\n") + emptyDataFile().mid(3);
        QTest::newRow("short file") << QByteArray("3\r\n") + record + record;
        QTest::newRow("bad number") << QByteArray("1\r\n2001,1,x,\"ATM\",\"RENT\",100,0\r\n");
        QTest::newRow("empty file") << QByteArray("");
    }
    void missingOrUnreadableFile()
    {
        QFETCH(QByteArray, bytes);
        const QStringList folderAfterNo =
            bytes.isNull() ? QStringList() : QStringList{QLatin1String(DataFileName)};
        {
            // No: nothing on disk changes and the program ends.
            Fixture f;
            if (!bytes.isNull())
                writeBytes(QLatin1String(DataFileName), bytes);
            f.fakes.prompter.answers = {QMessageBox::No};
            f.window.Form_Load();
            const auto &box = f.fakes.prompter.shown.at(0);
            QCOMPARE(f.fakes.prompter.titles(), QStringList{"Missing File"});
            QCOMPARE(box.text, "The default data file is missing.  Do you wish to make one?");
            QCOMPARE(box.icon, QMessageBox::Question);
            QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(f.fakes.programEnd.calls, 1);
            QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files), folderAfterNo);
            if (!bytes.isNull())
                QCOMPARE(f.file(), bytes);
        }
        // Yes: an unreadable file is kept, under a name that spares an earlier kept copy.
        Fixture f;
        writeBytes(QStringLiteral("default.dat.unreadable"), "earlier");
        if (!bytes.isNull())
            writeBytes(QLatin1String(DataFileName), bytes);
        f.fakes.prompter.answers = {QMessageBox::Yes, QMessageBox::Ok};
        f.window.Form_Load();
        QCOMPARE(f.fakes.prompter.shown.size(), size_t(bytes.isNull() ? 1 : 2));
        if (!bytes.isNull()) {
            QVERIFY(f.fakes.prompter.shown[1].text.contains("default.dat.unreadable.1"));
            QCOMPARE(fileBytes(QStringLiteral("default.dat.unreadable.1")), bytes);
        }
        QCOMPARE(fileBytes(QStringLiteral("default.dat.unreadable")), QByteArray("earlier"));
        QCOMPARE(f.file(), emptyDataFile());
        QCOMPARE(f.fakes.programEnd.calls, 0);
        QCOMPARE(f.window.windowTitle() + f.label("lblRecNum"), "Tallyra v1.30 / 1000");
        QCOMPARE(f.fieldTexts(), (QStringList{"6", "7", "2001", "ATM", "", "0", "00"}));
    }

    void payeesMergeExactlyAndStay()
    {
        Fixture f;
        Checkbook stored = registerOf(januaryDays(3));
        stored.slot[1].payee = stored.slot[3].payee = "RENT";
        stored.slot[2].payee = "GAS";
        f.load(stored);
        f.window.loadRegister();
        QCOMPARE(f.payees(), (QStringList{"GAS", "RENT"}));
        stored.slot[1].payee = "Rent";
        writeBytes(QLatin1String(DataFileName), formatDataFile(stored));
        f.window.loadRegister();
        QCOMPARE(f.payees(), (QStringList{"GAS", "RENT", "Rent"}));
    }

    void statusAndScrollPosition_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<qint32>("withdrawal");
        QTest::addColumn<QString>("total");
        QTest::addColumn<bool>("totalRed");
        QTest::addColumn<bool>("nearLimit");
        QTest::addColumn<int>("position");
        QTest::newRow("empty") << 0 << 0 << "$.00" << false << false << 1;
        QTest::newRow("one cent below zero") << 1 << 1 << "-$.01" << true << false << 1;
        QTest::newRow("no overflow")
            << 2 << std::numeric_limits<qint32>::max() << "-$42,949,672.94" << true << false << 1;
        QTest::newRow("10") << 10 << 0 << "$.00" << false << false << 1;
        QTest::newRow("11") << 11 << 0 << "$.00" << false << false << 2;
        QTest::newRow("970") << 970 << 0 << "$.00" << false << false << 961;
        QTest::newRow("971") << 971 << 0 << "$.00" << false << true << 962;
    }
    void statusAndScrollPosition()
    {
        QFETCH(int, count);
        QFETCH(qint32, withdrawal);
        QFETCH(bool, nearLimit);
        Fixture f;
        Checkbook stored = registerOf(januaryDays(count));
        for (int i = 1; i <= count; ++i)
            stored.slot[i].withdrawalCents = withdrawal;
        f.load(stored);
        QTEST(f.label("lblTotal"), "total");
        QTEST(textColour(f.get<QLabel>("lblTotal")) == QColor(Qt::red), "totalRed");
        QCOMPARE(f.label("lblRecNum"), QStringLiteral("%1 / 1000").arg(count));
        QCOMPARE(f.label("lblWarning"),
                 nearLimit ? "Warning: You are near the limit of records." : "Version 1.3");
        QCOMPARE(textColour(f.get<QLabel>("lblWarning")) == QColor(Qt::red), nearLimit);
        auto *scroll = f.get<QScrollBar>("vsbList");
        QCOMPARE(scroll->minimum(), 1);
        QTEST(scroll->maximum(), "position");
        QTEST(scroll->value(), "position");
    }

    void newRegister()
    {
        Fixture f;
        f.load(registerOf(januaryDays(20)));
        const QByteArray before = f.file();
        f.get("txtMonth")->setEditText(QStringLiteral("3"));
        f.fakes.prompter.answers = {QMessageBox::No};
        f.get<QAction>("mnuNew")->trigger();
        const auto &question = f.fakes.prompter.shown.back();
        QCOMPARE(question.title, QStringLiteral("Are You Sure"));
        QCOMPARE(question.text, QStringLiteral("Doing this will delete your current register.\r\n"
                                               "Do you wish to continue?"));
        QCOMPARE(f.file(), before);
        QCOMPARE(f.get("txtMonth")->currentText(), QStringLiteral("3"));

        f.fakes.prompter.answers = {QMessageBox::Yes};
        f.get<QAction>("mnuNew")->trigger();
        QCOMPARE(f.file(), emptyDataFile());
        QCOMPARE(f.label("lblTotal") + f.label("lblRecNum") + f.label("payee0"),
                 QStringLiteral("$.000 / 1000"));
        QCOMPARE(f.get("txtMonth")->currentText(), QStringLiteral("6"));
        // A new register empties the file, never the pick list.
        QCOMPARE(f.payees().size(), 20);
    }

    void addThroughTheKeyboard()
    {
        Fixture f;
        f.load(registerOf({"2001-5-3", "2001-5-4"}));
        f.show();
        // A full stop in the dollars moves to the cents, which the rest replaces.
        for (const char *text : {"5", "3", "2001", "dep", "Corner Store", "12.34"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            for (const char *c = text; *c; ++c)
                QTest::keyClick(QApplication::focusWidget(), *c);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
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
        QCOMPARE(textColour(f.get<QLabel>("total2")), QColor(Qt::red));
        QVERIFY(f.payees().contains(QStringLiteral("CORNER STORE")));
        // Ready for the next entry: the date kept, the rest back to the defaults.
        QCOMPARE(f.fieldTexts(), (QStringList{"5", "3", "2001", "ATM", "", "0", "00"}));
        QVERIFY(f.get<QRadioButton>("optWithdrawl")->isChecked());
        QCOMPARE(QApplication::focusWidget(), f.get("txtMonth"));
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
        Fixture f;
        f.load(registerOf({"2001-5-12"}));
        const QByteArray before = f.file();
        texts = f.fieldTexts(texts);
        f.show();
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

    void fullRegisterRefusesAndKeepsTheFile()
    {
        Fixture f;
        f.load(registerOf(QStringList(MaxEntries, QStringLiteral("2001-1-1"))));
        const QByteArray full = f.file();
        f.fieldTexts({"1", "2", "2001", "1", "A", "1"});
        f.add({QMessageBox::Ok});
        const FakePrompter::Shown &box = f.fakes.prompter.shown.back();
        QCOMPARE(f.fakes.prompter.titles(), QStringList{"Register Full"});
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.text, QStringLiteral("You Have reached the maximum allowed records.\r\n"
                                          "You must backup then make a new record."));
        QCOMPARE(f.file(), full);
    }

    void failedSaveKeepsTheEntryToTryAgain()
    {
        Fixture f;
        f.load(registerOf({"2001-5-12", "2001-5-13"}));
        const QByteArray before = f.file();
        f.fieldTexts({"5", "12", "2001", "1", "RENT", "5"});
        withSmallFileLimit([&] { f.add({QMessageBox::Yes, QMessageBox::Ok}); });

        QCOMPARE(f.fakes.prompter.titles(), (QStringList{"Continue?", "SAVE FAILED"}));
        QCOMPARE(f.fakes.prompter.shown[1].icon, QMessageBox::Critical);
        QVERIFY(f.fakes.prompter.shown[1].text.startsWith(
            "The register could not be saved to default.dat: "));
        QCOMPARE(f.file(), before);
        QCOMPARE(f.label("lblTotal") + f.label("total1") + f.label("payee2"),
                 QStringLiteral("-$2.00-$2.00 "));
        QCOMPARE(f.get("cmbPayee")->currentText(), QStringLiteral("RENT"));
    }

    void listFollowsTheScrollBar()
    {
        Fixture f;
        f.load(registerOf(januaryDays(25)));
        auto *scroll = f.get<QScrollBar>("vsbList");
        // The lines follow the thumb while it is dragged, before the position changes.
        scroll->setSliderDown(true);
        scroll->setSliderPosition(1);
        QCOMPARE(f.label("date9"), QStringLiteral("1/10/2001"));
        scroll->setSliderDown(false);
        scroll->setValue(5);
        QCOMPARE(f.label("payee0"), QStringLiteral("E5"));
        // A line's button opens the entry that line shows.
        QString dayShown;
        NextModal<QDialog> editor([&](QDialog *window) {
            dayShown = child<QComboBox>(window, QStringLiteral("txtEditDay"))->currentText();
            QTest::mouseClick(child<QPushButton>(window, QStringLiteral("cmdCancel")),
                              Qt::LeftButton);
        });
        QTest::mouseClick(f.get<QPushButton>(QStringLiteral("cmd3")), Qt::LeftButton);
        QCOMPARE(dayShown, QStringLiteral("7"));
    }
};

int runPayeeTests(int argc, char *argv[]);

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestRules rules;
    TestFrmMoney window;
    const int status = QTest::qExec(&rules, argc, argv) | QTest::qExec(&window, argc, argv);
    return status | runPayeeTests(argc, argv);
}

#include "tst_app.moc"
