#include "FakePlatform.h"
#include "TestSupport.h"
#include "app/EntryChecks.h"
#include "app/frmMoney.h"
#include "edit/frmEdit.h"
#include "register/DataFile.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using namespace tallyra;
using namespace tallyra::test;
using Buttons = QList<QMessageBox::StandardButton>;

namespace {

const auto Yes = QMessageBox::Yes, No = QMessageBox::No, Ok = QMessageBox::Ok;
const QStringList Fields = {"txtEditMonth", "txtEditDay",    "txtEditYear", "txtEditCheckNum",
                            "txtEditPayee", "txtEditDollar", "txtEditCent"};
const QStringList Options = {"optEditOut", "optEditIn", "optEditNeither"};

// Entries of 2001 written "month/day" and a type: W withdraws 100 cents, D deposits 100, Z
// has no amount, N withdraws -100 (only a hand-edited file holds that). Paid to E1, E2, ...
Checkbook registerOf(const QStringList &entries)
{
    Checkbook book;
    for (const QString &text : entries) {
        const QStringList md = text.chopped(1).split(u'/');
        const QChar type = text.back();
        ++book.entryCount;
        book.slot[book.entryCount] = Entry{2001,
                                           qint16(md[0].toInt()),
                                           qint16(md[1].toInt()),
                                           "ATM",
                                           QStringLiteral("E%1").arg(book.entryCount),
                                           type == 'W'   ? 100
                                           : type == 'N' ? -100
                                                         : 0,
                                           type == 'D' ? 100 : 0};
    }
    return book;
}

// The entries in slot order as "month/day/year payee withdrawal deposit".
QStringList entriesOf(const Checkbook &book)
{
    QStringList list;
    for (int i = 1; i <= book.entryCount; ++i) {
        const Entry &e = book.slot[i];
        list << QStringLiteral("%1/%2/%3 %4 %5 %6")
                    .arg(e.month)
                    .arg(e.day)
                    .arg(e.year)
                    .arg(e.payee)
                    .arg(e.withdrawalCents)
                    .arg(e.depositCents);
    }
    return list;
}

QStringList fieldTexts(const QWidget *window)
{
    QStringList texts;
    for (const QString &name : Fields)
        texts << child<QComboBox>(window, name)->currentText();
    return texts;
}

// "txtEditDay=3" types 3 into the day field; an option's name selects it.
void typeInto(const QWidget *window, const QStringList &edits)
{
    for (const QString &edit : edits) {
        if (edit.startsWith(QLatin1String("opt")))
            child<QRadioButton>(window, edit)->setChecked(true);
        else
            child<QComboBox>(window, edit.section('=', 0, 0))->setEditText(edit.section('=', 1));
    }
}

void press(const QWidget *window, const char *button)
{
    QTest::mouseClick(child<QPushButton>(window, QLatin1String(button)), Qt::LeftButton);
}

} // namespace

class TestFrmEdit : public QObject
{
    Q_OBJECT

    struct Editor
    {
        FakePlatform fakes;
        Checkbook book;
        std::unique_ptr<FrmEdit> window;

        Editor(const QStringList &entries, int slot) : book(registerOf(entries))
        {
            book.editIndex = qint16(slot);
            window = std::make_unique<FrmEdit>(book, fakes.platform);
            window->show();
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
        }
    };

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void opening_data()
    {
        QTest::addColumn<qint32>("out");
        QTest::addColumn<qint32>("in");
        QTest::addColumn<QStringList>("amount"); // dollars, cents, the option selected
        QTest::newRow("deposit") << 0 << 1234 << QStringList{"12", "34", "optEditIn"};
        QTest::newRow("5 cents out") << 5 << 0 << QStringList{"0", "05", "optEditOut"};
        QTest::newRow("no amount") << 0 << 0 << QStringList{"0", "00", "optEditIn"};
        QTest::newRow("both amounts") << 500 << 1234 << QStringList{"12", "34", "optEditIn"};
        QTest::newRow("below zero") << -500 << 0 << QStringList{"", "", ""};
        QTest::newRow("out, in below zero") << 500 << -1 << QStringList{"5", "00", "optEditOut"};
    }
    void opening()
    {
        QFETCH(qint32, out);
        QFETCH(qint32, in);
        FakePlatform fakes;
        Checkbook book = registerOf({"1/1W", "1/2W"});
        book.slot[2] = Entry{2001, 5, 12, "1042", " Corner, Store", out, in};
        book.editIndex = 2;
        FrmEdit window(book, fakes.platform);
        QString checked;
        for (const QString &name : Options)
            checked += child<QRadioButton>(&window, name)->isChecked() ? name : QString();
        QCOMPARE(fieldTexts(&window).mid(0, 5),
                 (QStringList{"5", "12", "2001", "1042", " Corner, Store"}));
        QTEST(fieldTexts(&window).mid(5) << checked, "amount");
        QCOMPARE(window.windowTitle() + book.actionWord, QStringLiteral("EditCANCEL"));
    }

    void accepting_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<Buttons>("answers");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QStringList>("after"); // empty: refused, the window stays open
        QTest::addColumn<QString>("focus");     // after a refusal
        const QStringList sameDay = {"5/12W", "5/12W", "5/12W"}, days = {"5/1W", "5/2W", "5/3W"};
        QTest::newRow("unchanged withdrawal")
            << sameDay << 1 << QStringList() << Buttons{Yes} << QStringList{"Continue?"}
            << QStringList{"5/12/2001 E2 100 0", "5/12/2001 E3 100 0", "5/12/2001 E1 100 0"} << "";
        QTest::newRow("unchanged deposit")
            << QStringList{"5/12W", "5/12W", "5/12D"} << 3 << QStringList() << Buttons{Yes}
            << QStringList{"Continue?"}
            << QStringList{"5/12/2001 E3 0 100", "5/12/2001 E1 100 0", "5/12/2001 E2 100 0"} << "";
        QTest::newRow("later date")
            << days << 1 << QStringList{"txtEditDay=2"} << Buttons{Yes} << QStringList{"Continue?"}
            << QStringList{"5/2/2001 E2 100 0", "5/2/2001 E1 100 0", "5/3/2001 E3 100 0"} << "";
        QTest::newRow("older than all")
            << days << 3 << QStringList{"txtEditYear=2000"} << Buttons{Yes}
            << QStringList{"Continue?"}
            << QStringList{"5/3/2000 E3 100 0", "5/1/2001 E1 100 0", "5/2/2001 E2 100 0"} << "";
        QTest::newRow("only entry rounds down")
            << QStringList{"5/12W"} << 1 << QStringList{"txtEditMonth=6.5", "txtEditDay=3.7"}
            << Buttons{Yes} << QStringList{"Continue?"} << QStringList{"6/3/2001 E1 100 0"} << "";
        QTest::newRow("no amount")
            << QStringList{"5/12W", "5/12Z"} << 2 << QStringList() << Buttons{Yes, Yes}
            << QStringList{"Zero For Amount", "Continue?"}
            << QStringList{"5/12/2001 E2 0 0", "5/12/2001 E1 100 0"} << "";
        QTest::newRow("neither, capitals")
            << QStringList{"5/12D"} << 1 << QStringList{"txtEditPayee=a b", "optEditNeither"}
            << Buttons{Yes} << QStringList{"Continue?"} << QStringList{"5/12/2001 A B 0 0"} << "";
        QTest::newRow("year") << days << 1 << QStringList{"txtEditYear=1899"} << Buttons{Ok}
                              << QStringList{"Need Year"} << QStringList() << "txtEditYear";
        QTest::newRow("too large")
            << days << 1 << QStringList{"txtEditDollar=21474837"} << Buttons{Ok}
            << QStringList{"Invalid Amount"} << QStringList() << "txtEditDollar";
        QTest::newRow("summary No") << days << 1 << QStringList{"txtEditDay=9"} << Buttons{No}
                                    << QStringList{"Continue?"} << QStringList() << "cmdAccept";
        QTest::newRow("no type") << QStringList{"5/12N"} << 1 << QStringList{"txtEditDollar=5"}
                                 << Buttons{Ok} << QStringList{"Need Type"} << QStringList()
                                 << "optEditOut";
        QTest::newRow("no type, no amount")
            << QStringList{"5/12N"} << 1 << QStringList() << Buttons{Yes, Ok}
            << QStringList{"Zero For Amount", "Need Type"} << QStringList() << "optEditOut";
    }
    void accepting()
    {
        QFETCH(QStringList, entries);
        QFETCH(int, slot);
        QFETCH(Buttons, answers);
        QFETCH(QStringList, after);
        Editor e(entries, slot);
        QWidget *window = e.window.get();
        QFETCH(QStringList, edits);
        typeInto(window, edits);
        const QStringList typed = fieldTexts(window);
        child<QPushButton>(window, "cmdAccept")->setFocus();
        e.fakes.prompter.answers.assign(answers.begin(), answers.end());
        press(window, "cmdAccept");

        QTEST(e.fakes.prompter.titles(), "titles");
        for (const FakePrompter::Shown &box : e.fakes.prompter.shown) {
            if (box.title == QLatin1String("Need Year"))
                QCOMPARE(box.text, EditYearMessage);
            if (box.title == QLatin1String("Continue?"))
                QVERIFY(box.text.startsWith(QLatin1String("Changing to:\r\nDate: ")));
        }
        QCOMPARE(e.window->isVisible(), after.isEmpty());
        if (!after.isEmpty()) {
            QCOMPARE(entriesOf(e.book), after);
            QCOMPARE(e.book.actionWord, QStringLiteral("CHANGED"));
            return;
        }
        QCOMPARE(entriesOf(e.book), entriesOf(registerOf(entries)));
        QCOMPARE(fieldTexts(window), typed);
        QTEST(QApplication::focusWidget()->objectName(), "focus");
        QCOMPARE(e.book.actionWord, QStringLiteral("CANCEL"));
    }

    void removing_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QStringList>("after");
        const QStringList three = {"5/1W", "5/2D", "5/3Z"};
        QTest::newRow("first") << three << 1 << Yes
                               << QStringList{"5/2/2001 E2 0 100", "5/3/2001 E3 0 0"};
        QTest::newRow("last") << three << 3 << Yes
                              << QStringList{"5/1/2001 E1 100 0", "5/2/2001 E2 0 100"};
        QTest::newRow("only") << QStringList{"5/1W"} << 1 << Yes << QStringList();
        QTest::newRow("No") << three << 2 << No << entriesOf(registerOf(three));
    }
    void removing()
    {
        QFETCH(QStringList, entries);
        QFETCH(int, slot);
        QFETCH(QMessageBox::StandardButton, answer);
        Editor e(entries, slot);
        // What was typed is neither checked nor stored.
        typeInto(e.window.get(), {"txtEditYear=abc", "txtEditPayee="});
        e.fakes.prompter.answers = {answer};
        press(e.window.get(), "cmdRemove");

        QCOMPARE(e.fakes.prompter.shown.size(), size_t(1));
        const FakePrompter::Shown &box = e.fakes.prompter.shown[0];
        QCOMPARE(box.title + '|' + box.text, QStringLiteral("Question|Are you sure?"));
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.defaultButton, QMessageBox::Yes);
        QTEST(entriesOf(e.book), "after");
        QCOMPARE(e.window->isVisible(), answer == No);
        QCOMPARE(e.book.actionWord, answer == No ? "CANCEL" : "REMOVE");
        if (answer == Yes)
            QVERIFY(e.book.slot[entries.size()] == Entry{});
    }

    void keyboard()
    {
        Editor e({"5/12W", "5/13W"}, 1);
        QWidget *window = e.window.get();
        QStringList tabOrder{QApplication::focusWidget()->objectName()};
        // The options are one stop, at the one selected; the arrow keys move between them.
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            tabOrder << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(tabOrder,
                 (Fields + QStringList{"optEditOut", "cmdAccept", "cmdRemove", "cmdCancel"}));

        // Enter in any field or option presses Accept; Esc does nothing.
        typeInto(window, {"txtEditPayee="});
        for (const QString &name : Fields + Options) {
            e.fakes.prompter.answers = {Ok};
            QWidget *control = child<QWidget>(window, name);
            control->setFocus();
            QTest::keyClick(control, Qt::Key_Return);
            QTest::keyClick(control, Qt::Key_Escape);
        }
        QCOMPARE(e.fakes.prompter.titles(), QStringList(10, QStringLiteral("Need Payee")));
        QVERIFY(window->isVisible());

        // The close box is Cancel.
        window->close();
        QCOMPARE(e.window->result(), int(QDialog::Rejected));
        QCOMPARE(entriesOf(e.book), (QStringList{"5/12/2001 E1 100 0", "5/13/2001 E2 100 0"}));
        QCOMPARE(e.book.actionWord, QStringLiteral("CANCEL"));
    }
};

class TestEditFlow : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void fromListLineToFile_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<Buttons>("answers");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QList<QByteArray>>("lines"); // of the file: count, slots 1 and 12
        QTest::addColumn<QString>("lastShown");       // on the list's last line
        const QByteArray first = "2001,1,1,\"ATM\",\"E1\",100,0\r";
        const QByteArray last = "2001,1,12,\"ATM\",\"E12\",100,0\r";
        QTest::newRow("date changed")
            << "cmdAccept" << Buttons{Yes} << QStringList{"Continue?"}
            << QList<QByteArray>{"12\r", "2001,1,2,\"ATM\",\"E2\",100,0\r",
                                 "2001,2,1,\"ATM\",\"E1\",100,0\r"}
            << "2/1/2001 E1";
        QTest::newRow("removed") << "cmdRemove" << Buttons{Yes} << QStringList{"Question"}
                                 << QList<QByteArray>{"11\r", "2001,1,2,\"ATM\",\"E2\",100,0\r",
                                                      "0,0,0,\"\",\"\",0,0\r"}
                                 << "1/12/2001 E12";
        QTest::newRow("cancelled") << "cmdCancel" << Buttons{} << QStringList{}
                                   << QList<QByteArray>{"12\r", first, last} << "1/12/2001 E12";
        QTest::newRow("closed") << "" << Buttons{} << QStringList{}
                                << QList<QByteArray>{"12\r", first, last} << "1/12/2001 E12";
        QTest::newRow("save failed")
            << "cmdAccept" << Buttons{Yes, Ok} << QStringList{"Continue?", "SAVE FAILED"}
            << QList<QByteArray>{"12\r", first, last} << "1/12/2001 E12";
    }
    void fromListLineToFile()
    {
        QFETCH(QString, action);
        QFETCH(Buttons, answers);
        TempWorkingFolder folder;
        FakePlatform fakes;
        Checkbook book;
        QStringList days;
        for (int day = 1; day <= 12; ++day)
            days << QStringLiteral("1/%1W").arg(day);
        writeBytes(QLatin1String(DataFileName), formatDataFile(registerOf(days)));
        FrmMoney window(book, fakes.platform);
        window.Form_Load();
        const auto mainField = [&](const char *name) {
            return child<QComboBox>(&window, QLatin1String(name));
        };
        mainField("txtMonth")->setEditText(QStringLiteral("7"));
        mainField("cmbPayee")->setEditText(QStringLiteral("X"));
        mainField("txtDollar")->setEditText(QStringLiteral("9"));
        child<QRadioButton>(&window, QStringLiteral("optNeither"))->setChecked(true);
        child<QScrollBar>(&window, QStringLiteral("vsbList"))->setValue(1);

        NextModal<FrmEdit> editor([&](FrmEdit *edit) {
            typeInto(edit, {"txtEditMonth=2"});
            if (action.isEmpty())
                edit->close();
            else
                press(edit, qPrintable(action));
        });
        fakes.prompter.answers.assign(answers.begin(), answers.end());
        // Files this process writes may not grow past 4 KiB, so the save fails; reading works.
        const bool saveFails = QTest::currentDataTag() == QLatin1String("save failed");
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit lowered{saveFails ? 4096 : limit.rlim_cur, limit.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
        press(&window, "cmd1");
        setrlimit(RLIMIT_FSIZE, &limit);

        QVERIFY(editor.handled());
        QTEST(fakes.prompter.titles(), "titles");
        const QList<QByteArray> file = fileBytes(QLatin1String(DataFileName)).split('\n');
        QTEST((QList<QByteArray>{file[0], file[1], file[12]}), "lines");
        // The list is back at the newest entries, the entry fields ready with the date kept.
        const auto label = [&](const char *name) {
            return child<QLabel>(&window, QLatin1String(name))->text();
        };
        QTEST(label("date9") + ' ' + label("payee9"), "lastShown");
        QStringList fields;
        for (const char *name : {"txtMonth", "cmbCheckNum", "cmbPayee", "txtDollar", "txtCent"})
            fields << mainField(name)->currentText();
        QCOMPARE(fields, (QStringList{"7", "ATM", "", "0", "00"}));
        QVERIFY(child<QRadioButton>(&window, QStringLiteral("optWithdrawl"))->isChecked());
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestFrmEdit window;
    TestEditFlow flow;
    const int status = QTest::qExec(&window, argc, argv);
    return status | QTest::qExec(&flow, argc, argv);
}

#include "tst_edit.moc"
