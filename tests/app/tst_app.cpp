#include "TestSupport.h"
#include "app/EntryChecks.h"
#include "app/FieldValue.h"
#include "app/PlaceEntry.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolTip>
#include <QtTest>

using namespace tallyra;
using namespace tallyra::test;
using Buttons = QList<QMessageBox::StandardButton>;

Q_DECLARE_METATYPE(tallyra::EntryTexts)

namespace {

const EntryTexts Valid{"2001", "5", "12", "101", "RENT", "5", "5"};

// The seven entry fields in tab order.
const QStringList Fields = {"txtMonth", "txtDay",    "txtYear", "cmbCheckNum",
                            "cmbPayee", "txtDollar", "txtCent"};

Checkbook paying(const QStringList &payees)
{
    Checkbook book = januaryDays(int(payees.size()));
    for (qsizetype i = 0; i < payees.size(); ++i)
        book.slot[i + 1].payee = payees[i];
    return book;
}

bool isRed(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText) == QColor(Qt::red);
}

// Types the new texts into the first entry fields and answers what all seven hold.
QStringList fieldTexts(const MainWindow &f, const QStringList &newTexts = {})
{
    QStringList texts;
    for (int i = 0; i < Fields.size(); ++i) {
        if (i < newTexts.size())
            f.get<QComboBox>(Fields[i])->setEditText(newTexts[i]);
        texts << f.get<QComboBox>(Fields[i])->currentText();
    }
    return texts;
}

void add(MainWindow &f, const Buttons &answers)
{
    f.fakes.prompter.answers.assign(answers.begin(), answers.end());
    QTest::mouseClick(f.get<QPushButton>("cmdAdd"), Qt::LeftButton);
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
        QTest::newRow("comma is no point") << "1,5" << 1.0;
        QTest::newRow("huge") << "1E999" << HUGE_VAL;
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
        const auto row = [](const char *name, const char *dollars, const char *cents, double v) {
            QTest::newRow(name) << QString(dollars) << QString(cents) << v;
        };
        row("cents field counts cents", "1", "5", 105);
        row("toward minus infinity", "-0.001", "0", -1);
        row("infinite both ways, dollars decide", "1E999", "-1E999", HUGE_VAL);
    }
    void amountInCents()
    {
        QFETCH(QString, dollars);
        QFETCH(QString, cents);
        QTEST(amountCents(dollars, cents), "amount");
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
        const std::optional<FailedCheck> failed = firstFailedCheck(texts, MainYearMessage);
        QCOMPARE(failed ? failed->title : QString(), title);
        if (failed)
            QCOMPARE(failed->zeroAmountQuestion, title == QLatin1String("Zero For Amount"));
    }

    // The summary shows the date's numbers unrounded and the texts as typed, not in capitals.
    void summary()
    {
        const EntryTexts texts{" 2001", "05", "3.25", "dep", "Corner Store", "1250", "99.9"};
        QCOMPARE(entrySummary(AddingHeading, texts),
                 "Adding:\r\nDate: 5-3.25-2001\r\nCheck Number: dep\r\nPayee: Corner Store\r\n"
                 "Amount: $1,250.99\r\nDo you wish to continue?");
    }

    void placementRefusals()
    {
        Checkbook nearlyFull = registerOf(QStringLiteral("1/1W ").repeated(MaxEntries - 1));
        QCOMPARE(placeEntry(nearlyFull, Valid, EntryType::NoneSelected), std::nullopt);
        QCOMPARE(placeEntry(nearlyFull, Valid, EntryType::Withdrawal),
                 std::optional<int>(MaxEntries));
        QCOMPARE(placeEntry(nearlyFull, Valid, EntryType::Withdrawal), std::nullopt);
        QCOMPARE(int(nearlyFull.entryCount), int(MaxEntries));
    }

    void payeeRuns_data()
    {
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QStringList>("loaded");
        QTest::addColumn<QString>("runs"); // "at:payee,payee|at:payee"
        QTest::newRow("first load, repeats once")
            << QStringList{} << QStringList{"RENT", "GAS", "RENT"} << "0:GAS,RENT";
        QTest::newRow("letter case counts")
            << QStringList{} << QStringList{"Rent", "RENT"} << "0:RENT,Rent";
        QTest::newRow("sorted as text")
            << QStringList{} << QStringList{"9", "10", "1"} << "0:1,10,9";
        QTest::newRow("nothing new") << QStringList{"GAS", "RENT"} << QStringList{"RENT"} << "";
        QTest::newRow("between and after")
            << QStringList{"B", "D"} << QStringList{"E", "A", "D", "C"} << "0:A|2:C|4:E";
        QTest::newRow("neighbours in one run")
            << QStringList{"A", "E"} << QStringList{"F", "C", "B"} << "1:B,C|4:F";
    }
    void payeeRuns()
    {
        QFETCH(QStringList, offered);
        QFETCH(QStringList, loaded);
        PayeeList payees;
        payees.addPayeesOf(paying(offered));
        QStringList list = payees.items();
        // A slot past the count holds no entry, whatever is left in it.
        Checkbook book = paying(loaded);
        book.slot[book.entryCount + 1].payee = QStringLiteral("STALE");
        QStringList runs;
        for (const PayeeRun &run : payees.addPayeesOf(book)) {
            runs << QString::number(run.at) + u':' + run.payees.join(u',');
            for (qsizetype i = 0; i < run.payees.size(); ++i)
                list.insert(run.at + i, run.payees[i]);
        }
        QTEST(runs.join(u'|'), "runs");
        // Inserted in order, the runs turn the old list into the new one, as the window does.
        QStringList expected = offered + loaded;
        sortAsText(expected);
        expected.removeDuplicates();
        QCOMPARE(list, expected);
        QCOMPARE(payees.items(), expected);
    }
};

class TestFrmMoney : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void missingOrUnreadableFile_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file at all
        const QByteArray record = "2001,1,1,\"ATM\",\"RENT\",100,0\r\n";
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("short file") << QByteArray("3\r\n") + record + record;
    }
    void missingOrUnreadableFile()
    {
        QFETCH(QByteArray, bytes);
        const QStringList folderAfterNo =
            bytes.isNull() ? QStringList() : QStringList{QLatin1String(DataFileName)};
        {
            // No: nothing on disk changes and the program ends.
            MainWindow f;
            f.fakes.prompter.answers = {QMessageBox::No};
            f.load(bytes);
            QCOMPARE(f.fakes.prompter.titles(), QStringList{"Missing File"});
            QCOMPARE(f.fakes.programEnd.calls, 1);
            QCOMPARE(QDir().entryList(QDir::Files), folderAfterNo);
            QCOMPARE(f.file(), bytes);
        }
        // Yes: an unreadable file is kept, under a name that spares an earlier kept copy.
        MainWindow f;
        writeBytes(QStringLiteral("default.dat.unreadable"), "earlier");
        f.fakes.prompter.answers = {QMessageBox::Yes, QMessageBox::Ok};
        f.load(bytes);
        if (bytes.isNull()) {
            QCOMPARE(f.fakes.prompter.titles(), QStringList{"Missing File"});
        } else {
            QCOMPARE(f.fakes.prompter.titles(), (QStringList{"Missing File", "Old File Kept"}));
            QVERIFY(f.fakes.prompter.shown[1].text.contains("default.dat.unreadable.1"));
            QCOMPARE(fileBytes(QStringLiteral("default.dat.unreadable.1")), bytes);
        }
        QCOMPARE(fileBytes(QStringLiteral("default.dat.unreadable")), QByteArray("earlier"));
        QCOMPARE(f.file(), emptyDataFile());
        QCOMPARE(f.fakes.programEnd.calls, 0);
        QCOMPARE(f.window.windowTitle() + f.label("lblRecNum"), "Tallyra v1.30 / 1000");
        QCOMPARE(fieldTexts(f), (QStringList{"6", "7", "2001", "ATM", "", "0", "00"}));
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
        MainWindow f;
        Checkbook stored = januaryDays(count);
        for (int i = 1; i <= count; ++i)
            stored.slot[i].withdrawalCents = withdrawal;
        f.load(stored);
        QTEST(f.label("lblTotal"), "total");
        QTEST(isRed(f.get<QLabel>("lblTotal")), "totalRed");
        QCOMPARE(f.label("lblRecNum"), QStringLiteral("%1 / 1000").arg(count));
        QCOMPARE(f.label("lblWarning"),
                 nearLimit ? "Warning: You are near the limit of records." : "Version 1.3");
        QCOMPARE(isRed(f.get<QLabel>("lblWarning")), nearLimit);
        auto *scroll = f.get<QScrollBar>("vsbList");
        QCOMPARE(scroll->minimum(), 1);
        QTEST(scroll->maximum(), "position");
        QTEST(scroll->value(), "position");
        // The last entry shows on the bottom line of a long register; a short one leaves it empty.
        QCOMPARE(f.label("payee9"), count < 10 ? QString() : QStringLiteral("E%1").arg(count));
    }

    void newRegister()
    {
        MainWindow f;
        f.load(januaryDays(20));
        const QByteArray before = f.file();
        f.get<QComboBox>("txtMonth")->setEditText(QStringLiteral("3"));
        f.fakes.prompter.answers = {QMessageBox::No};
        f.get<QAction>("mnuNew")->trigger();
        QCOMPARE(f.fakes.prompter.titles(), QStringList{"Are You Sure"});
        QCOMPARE(f.file(), before);
        QCOMPARE(f.get<QComboBox>("txtMonth")->currentText(), QStringLiteral("3"));

        f.fakes.prompter.answers = {QMessageBox::Yes};
        f.get<QAction>("mnuNew")->trigger();
        QCOMPARE(f.file(), emptyDataFile());
        QCOMPARE(f.label("lblTotal") + f.label("lblRecNum") + f.label("payee0"),
                 QStringLiteral("$.000 / 1000"));
        QCOMPARE(f.get<QComboBox>("txtMonth")->currentText(), QStringLiteral("6"));
        // A new register empties the file, never the pick list.
        QCOMPARE(f.get<QComboBox>("cmbPayee")->count(), 20);
    }

    void addThroughTheKeyboard()
    {
        MainWindow f;
        f.load(registerOf("5/3W 5/4W"));
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
        QCOMPARE(f.file().split('\n').mid(0, 4),
                 (QList<QByteArray>{"3\r", "2001,5,3,\"ATM\",\"E1\",100,0\r",
                                    "2001,5,3,\"DEP\",\"CORNER STORE\",1234,0\r",
                                    "2001,5,4,\"ATM\",\"E2\",100,0\r"}));
        QCOMPARE(f.label("payee1") + f.label("out1") + f.label("total1"),
                 QStringLiteral("CORNER STORE$12.34 -$13.34 "));
        QVERIFY(isRed(f.get<QLabel>("total2")));
        QVERIFY(f.get<QComboBox>("cmbPayee")->findText(QStringLiteral("CORNER STORE")) >= 0);
        // Ready for the next entry: the date kept, the rest back to the defaults.
        QCOMPARE(fieldTexts(f), (QStringList{"5", "3", "2001", "ATM", "", "0", "00"}));
        QVERIFY(f.get<QRadioButton>("optWithdrawl")->isChecked());
        QCOMPARE(QApplication::focusWidget(), f.get<QComboBox>("txtMonth"));
    }

    void refusedEntries_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("texts"); // month, day, year, check number, payee, dollars
        QTest::addColumn<Buttons>("answers");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("focus");
        const auto Ok = QMessageBox::Ok, Yes = QMessageBox::Yes, No = QMessageBox::No;
        const QStringList zero{"5", "1", "2001", "1", "A", "0"};
        QTest::newRow("month") << 1 << QStringList{"0", "1", "2001", "1", "A", "1"} << Buttons{Ok}
                               << QStringList{"Need Month"} << "txtMonth";
        QTest::newRow("quote") << 1 << QStringList{"5", "1", "2001", "1", "A \"B\"", "1"}
                               << Buttons{Ok} << QStringList{"Invalid Character"} << "cmbPayee";
        QTest::newRow("zero, No") << 1 << zero << Buttons{No} << QStringList{"Zero For Amount"}
                                  << "txtDollar";
        QTest::newRow("zero, Yes, summary No")
            << 1 << zero << Buttons{Yes, No} << QStringList{"Zero For Amount", "Continue?"}
            << "cmdAdd";
        QTest::newRow("register full") << MaxEntries << QStringList{"1", "2", "2001", "1", "A", "1"}
                                       << Buttons{Ok} << QStringList{"Register Full"} << "cmdAdd";
    }
    void refusedEntries()
    {
        QFETCH(int, count);
        QFETCH(QStringList, texts);
        QFETCH(Buttons, answers);
        MainWindow f;
        f.load(januaryDays(count));
        const QByteArray before = f.file();
        texts = fieldTexts(f, texts);
        f.show();
        f.get<QPushButton>("cmdAdd")->setFocus();
        add(f, answers);

        QTEST(f.fakes.prompter.titles(), "titles");
        QTEST(QApplication::focusWidget()->objectName(), "focus");
        // The quote is selected, so the next key typed replaces it.
        QCOMPARE(f.get<QComboBox>("cmbPayee")->lineEdit()->selectedText(),
                 QTest::currentDataTag() == QLatin1String("quote") ? "\"" : "");
        QCOMPARE(fieldTexts(f), texts);
        QCOMPARE(f.file(), before);
    }

    void failedSaveKeepsTheEntryToTryAgain()
    {
        MainWindow f;
        f.load(registerOf("5/12W 5/13W"));
        const QByteArray before = f.file();
        fieldTexts(f, {"5", "12", "2001", "1", "RENT", "5"});
        withFileSizeLimit(4096, [&] { add(f, {QMessageBox::Yes, QMessageBox::Ok}); });

        QCOMPARE(f.fakes.prompter.titles(), (QStringList{"Continue?", "SAVE FAILED"}));
        QVERIFY(f.fakes.prompter.shown[1].text.startsWith(
            "The register could not be saved to default.dat: "));
        QCOMPARE(f.file(), before);
        QCOMPARE(f.label("lblTotal") + f.label("total1") + f.label("payee2"),
                 QStringLiteral("-$2.00-$2.00 "));
        QCOMPARE(f.get<QComboBox>("cmbPayee")->currentText(), QStringLiteral("RENT"));
    }

    void listFollowsTheScrollBar()
    {
        MainWindow f;
        f.load(januaryDays(25));
        auto *scroll = f.get<QScrollBar>("vsbList");
        // The lines follow the thumb while it is dragged, before the position changes.
        scroll->setSliderDown(true);
        scroll->setSliderPosition(1);
        QCOMPARE(f.label("date9"), QStringLiteral("1/10/2001"));
        scroll->setSliderDown(false);
        scroll->setValue(5);
        QString line;
        for (const char *column : {"date", "check", "payee", "out", "dep", "total"})
            line += f.label(QString::fromLatin1(column) + u'0') + u'|';
        QCOMPARE(line, QStringLiteral("1/5/2001|ATM|E5|$1.00 ||-$5.00 |"));
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

    // Sizing the field from its list meant measuring every payee at start-up, and a long payee
    // or check number in the list made the window wider than the screen, the totals out of
    // sight.
    void longTextsDoNotWidenTheWindowButShowWhole()
    {
        MainWindow empty;
        empty.load(paying({}));
        const QString longPayee = QStringLiteral("A VERY LONG PAYEE ").repeated(8);
        Checkbook book = paying({longPayee, "RENT"});
        book.slot[1].checkNumber = QStringLiteral("1234567890").repeated(4);
        MainWindow full;
        full.load(book);
        QCOMPARE(full.window.sizeHint(), empty.window.sizeHint());
        QCOMPARE(full.window.minimumSizeHint(), empty.window.minimumSizeHint());
        QCOMPARE(full.label("payee0") + full.label("check0"), longPayee + book.slot[1].checkNumber);
        full.show();
        QLabel *cell = full.get<QLabel>("payee0");
        QHelpEvent hover(QEvent::ToolTip, cell->rect().center(),
                         cell->mapToGlobal(cell->rect().center()));
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support raise()");
        QApplication::sendEvent(cell, &hover);
        QTRY_COMPARE(QToolTip::text(), longPayee);

        auto *payee = full.get<QComboBox>("cmbPayee");
        QCOMPARE(payee->count(), 2);
        QCOMPARE(payee->sizeHint(), empty.get<QComboBox>("cmbPayee")->sizeHint());
        QCOMPARE(payee->minimumSizeHint(), empty.get<QComboBox>("cmbPayee")->minimumSizeHint());

        // The offscreen platform cannot raise the list or give it the keyboard.
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support raise()");
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support grabbing the keyboard");
        payee->showPopup();
        const QAbstractItemView *list = payee->view();
        QTRY_VERIFY(list->isVisible());
        const QModelIndex longest = list->model()->index(0, 0);
        QVERIFY(list->viewport()->width() >= list->sizeHintForIndex(longest).width());
        payee->hidePopup();
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestRules rules;
    TestFrmMoney window;
    return QTest::qExec(&rules, argc, argv) | QTest::qExec(&window, argc, argv);
}

#include "tst_app.moc"
