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

namespace {

const QStringList Fields = {"txtEditMonth", "txtEditDay",    "txtEditYear", "txtEditCheckNum",
                            "txtEditPayee", "txtEditDollar", "txtEditCent"};
const QStringList Options = {"optEditOut", "optEditIn", "optEditNeither"};

// Entries of 2001 written "month/day" and a type: W withdraws 100 cents, D deposits 100, Z
// has no amount, N withdraws -100 (only a hand-edited file holds that). Paid to E1, E2, ...
Checkbook registerOf(const QString &entries)
{
    Checkbook book;
    for (const QString &text : entries.split(' ', Qt::SkipEmptyParts)) {
        const QStringList md = text.chopped(1).split('/');
        const QChar type = text.back();
        Entry &e = book.slot[++book.entryCount];
        e = Entry{2001,
                  qint16(md[0].toInt()),
                  qint16(md[1].toInt()),
                  "ATM",
                  QStringLiteral("E%1").arg(book.entryCount),
                  type == 'W' ? 100 : 0,
                  type == 'D' ? 100 : 0};
        e.withdrawalCents = type == 'N' ? -100 : e.withdrawalCents;
    }
    return book;
}

// The entries in slot order, "month/day/year payee withdrawal deposit" each.
QString entriesOf(const Checkbook &book)
{
    QStringList list;
    for (int i = 1; i <= book.entryCount; ++i) {
        const Entry &e = book.slot[i];
        list << QString::asprintf("%d/%d/%d %s %d %d", e.month, e.day, e.year, qPrintable(e.payee),
                                  e.withdrawalCents, e.depositCents);
    }
    return list.join(", ");
}

QStringList fieldTexts(const QWidget *window)
{
    QStringList texts;
    for (const QString &name : Fields)
        texts << child<QComboBox>(window, name)->currentText();
    return texts;
}

// "txtEditDay=3" types 3 into the day field; an option's name selects it.
void typeInto(const QWidget *window, const QString &edits)
{
    for (const QString &edit : edits.split(' ', Qt::SkipEmptyParts)) {
        if (edit.startsWith(QLatin1String("opt")))
            child<QRadioButton>(window, edit)->setChecked(true);
        else
            child<QComboBox>(window, edit.section('=', 0, 0))->setEditText(edit.section('=', 1));
    }
}

void press(const QWidget *window, const QString &button)
{
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

void answer(FakePrompter &prompter, const QString &letters)
{
    for (QChar c : letters)
        prompter.answers.push_back(c == 'Y'   ? QMessageBox::Yes
                                   : c == 'N' ? QMessageBox::No
                                              : QMessageBox::Ok);
}

} // namespace

class TestFrmEdit : public QObject
{
    Q_OBJECT

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
    }
    void opening()
    {
        QFETCH(qint32, out);
        QFETCH(qint32, in);
        FakePlatform fakes;
        Checkbook book = registerOf("1/1W 1/2W");
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

    void buttons_data()
    {
        for (const char *column : {"entries", "edits", "button", "answers", "titles", "after"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<QString>("focus"); // after a refusal, which keeps the window open
        const auto row = [](const char *name, const char *entries, const char *edits,
                            const char *button, const char *answers, const char *titles,
                            const char *after, const char *focus = "") {
            QTest::newRow(name) << entries << edits << button << answers << titles << after
                                << focus;
        };
        const char *days = "5/1W 5/2W 5/3W", *accept = "cmdAccept", *remove = "cmdRemove";
        // Edits that begin with @n open slot n, the others slot 1.
        row("unchanged withdrawal", "5/12W 5/12W 5/12W", "", accept, "Y", "Continue?",
            "5/12/2001 E2 100 0, 5/12/2001 E3 100 0, 5/12/2001 E1 100 0");
        row("unchanged deposit", "5/12D 5/12W 5/12D", "@3", accept, "Y", "Continue?",
            "5/12/2001 E3 0 100, 5/12/2001 E1 0 100, 5/12/2001 E2 100 0");
        row("later date", days, "txtEditDay=2", accept, "Y", "Continue?",
            "5/2/2001 E2 100 0, 5/2/2001 E1 100 0, 5/3/2001 E3 100 0");
        row("older than all", days, "@3 txtEditYear=2000", accept, "Y", "Continue?",
            "5/3/2000 E3 100 0, 5/1/2001 E1 100 0, 5/2/2001 E2 100 0");
        row("only entry rounds down", "5/12W", "txtEditMonth=6.5 txtEditDay=3.7", accept, "Y",
            "Continue?", "6/3/2001 E1 100 0");
        row("no amount, a deposit", "5/12W 5/12Z", "@2", accept, "YY", "Zero For Amount Continue?",
            "5/12/2001 E2 0 0, 5/12/2001 E1 100 0");
        row("neither, capitals", "5/12D", "txtEditPayee=a,b optEditNeither", accept, "Y",
            "Continue?", "5/12/2001 A,B 0 0");
        row("year", days, "txtEditYear=1899", accept, "O", "Need Year", "", "txtEditYear");
        row("summary No", days, "txtEditDay=9", accept, "N", "Continue?", "", "cmdAccept");
        row("no type", "5/12N", "txtEditDollar=5", accept, "O", "Need Type", "", "optEditOut");
        row("no type, no amount", "5/12N", "", accept, "YO", "Zero For Amount Need Type", "",
            "optEditOut");
        // What was typed before Remove is neither checked nor stored.
        row("remove first", days, "txtEditYear=abc txtEditPayee=", remove, "Y", "Question",
            "5/2/2001 E2 100 0, 5/3/2001 E3 100 0");
        row("remove last", "5/1W 5/2D 5/3Z", "@3", remove, "Y", "Question",
            "5/1/2001 E1 100 0, 5/2/2001 E2 0 100");
        row("remove only", "5/1W", "", remove, "Y", "Question", "");
        row("remove, No", days, "@2", remove, "N", "Question", "", "cmdRemove");
    }
    void buttons()
    {
        QFETCH(QString, entries);
        QFETCH(QString, edits);
        QFETCH(QString, button);
        QFETCH(QString, after);
        QFETCH(QString, focus);
        FakePlatform fakes;
        Checkbook book = registerOf(entries);
        book.editIndex = edits.startsWith('@') ? qint16(edits.mid(1, 1).toInt()) : 1;
        const QString before = entriesOf(book);
        FrmEdit window(book, fakes.platform);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        typeInto(&window, edits.mid(edits.startsWith('@') ? 2 : 0));
        const QStringList typed = fieldTexts(&window);
        child<QPushButton>(&window, button)->setFocus();
        QFETCH(QString, answers);
        answer(fakes.prompter, answers);
        press(&window, button);

        QTEST(fakes.prompter.titles().join(' '), "titles");
        for (const FakePrompter::Shown &box : fakes.prompter.shown) {
            if (box.title == QLatin1String("Need Year"))
                QCOMPARE(box.text, EditYearMessage);
            if (box.title == QLatin1String("Continue?"))
                QVERIFY(box.text.startsWith(QLatin1String("Changing to:\r\nDate: ")));
            if (box.title == QLatin1String("Question"))
                QVERIFY(box.text == "Are you sure?" && box.icon == QMessageBox::Question &&
                        box.buttons == (QMessageBox::Yes | QMessageBox::No) &&
                        box.defaultButton == QMessageBox::Yes);
        }
        QCOMPARE(window.isVisible(), !focus.isEmpty());
        if (focus.isEmpty()) {
            QCOMPARE(entriesOf(book), after);
            QCOMPARE(book.actionWord, button == "cmdAccept" ? "CHANGED" : "REMOVE");
            if (button == "cmdRemove")
                QVERIFY(book.slot[book.entryCount + 1] == Entry{});
            return;
        }
        QCOMPARE(entriesOf(book), before);
        QCOMPARE(fieldTexts(&window), typed);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(book.actionWord, QStringLiteral("CANCEL"));
    }

    void keyboard()
    {
        FakePlatform fakes;
        Checkbook book = registerOf("5/12W 5/13W");
        book.editIndex = 1;
        FrmEdit window(book, fakes.platform);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QStringList tabOrder{QApplication::focusWidget()->objectName()};
        // The options are one stop, at the one selected; the arrow keys move between them.
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            tabOrder << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(tabOrder,
                 (Fields + QStringList{"optEditOut", "cmdAccept", "cmdRemove", "cmdCancel"}));

        // Enter in any field or option presses Accept; Esc does nothing.
        typeInto(&window, "txtEditPayee=");
        for (const QString &name : Fields + Options) {
            answer(fakes.prompter, "O");
            QWidget *control = child<QWidget>(&window, name);
            control->setFocus();
            QTest::keyClick(control, Qt::Key_Return);
            QTest::keyClick(control, Qt::Key_Escape);
        }
        QCOMPARE(fakes.prompter.titles(), QStringList(10, QStringLiteral("Need Payee")));
        QVERIFY(window.isVisible());
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
        for (const char *column : {"button", "answers", "titles", "lines", "lastShown"})
            QTest::addColumn<QString>(column);
        // The file's count line and the lines of slots 1 and 12, after slot 1's month became 2.
        const QString unchanged =
            "12|2001,1,1,\"ATM\",\"E1\",100,0|2001,1,12,\"ATM\",\"E12\",100,0";
        const auto row = [](const char *name, const char *button, const char *answers,
                            const char *titles, const QString &lines, const char *lastShown) {
            QTest::newRow(name) << button << answers << titles << lines << lastShown;
        };
        row("accepted", "cmdAccept", "Y", "Continue?",
            "12|2001,1,2,\"ATM\",\"E2\",100,0|2001,2,1,\"ATM\",\"E1\",100,0", "2/1/2001 E1");
        row("removed", "cmdRemove", "Y", "Question",
            "11|2001,1,2,\"ATM\",\"E2\",100,0|0,0,0,\"\",\"\",0,0", "1/12/2001 E12");
        row("cancelled", "cmdCancel", "", "", unchanged, "1/12/2001 E12");
        row("close box", "", "", "", unchanged, "1/12/2001 E12");
        row("save failed", "cmdAccept", "YO", "Continue? SAVE FAILED", unchanged, "1/12/2001 E12");
    }
    void fromListLineToFile()
    {
        QFETCH(QString, button);
        QFETCH(QString, answers);
        TempWorkingFolder folder;
        FakePlatform fakes;
        Checkbook book;
        QString days;
        for (int day = 1; day <= 12; ++day)
            days += QStringLiteral("1/%1W ").arg(day);
        writeBytes(QLatin1String(DataFileName), formatDataFile(registerOf(days)));
        FrmMoney window(book, fakes.platform);
        window.Form_Load();
        auto *month = child<QComboBox>(&window, QStringLiteral("txtMonth"));
        auto *payee = child<QComboBox>(&window, QStringLiteral("cmbPayee"));
        month->setEditText(QStringLiteral("9"));
        payee->setEditText(QStringLiteral("X"));
        child<QRadioButton>(&window, QStringLiteral("optNeither"))->setChecked(true);
        child<QScrollBar>(&window, QStringLiteral("vsbList"))->setValue(1);

        NextModal<FrmEdit> editor([&](FrmEdit *edit) {
            typeInto(edit, "txtEditMonth=2");
            button.isEmpty() ? void(edit->close()) : press(edit, button);
        });
        answer(fakes.prompter, answers);
        // Files this process writes may not grow past 4 KiB, so the save fails; reading works.
        const bool saveFails = QTest::currentDataTag() == QLatin1String("save failed");
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit lowered{saveFails ? 4096 : limit.rlim_cur, limit.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
        press(&window, "cmd1");
        setrlimit(RLIMIT_FSIZE, &limit);

        QTEST(fakes.prompter.titles().join(' '), "titles");
        const QList<QByteArray> file = fileBytes(QLatin1String(DataFileName)).split('\n');
        QTEST(QString::fromLatin1(file[0] + '|' + file[1] + '|' + file[12]).remove('\r'), "lines");
        // The list is back at the newest entries, the entry fields ready with the date kept.
        const auto label = [&](const char *name) {
            return child<QLabel>(&window, QLatin1String(name))->text();
        };
        QTEST(label("date9") + ' ' + label("payee9"), "lastShown");
        QCOMPARE(month->currentText() + payee->currentText(), QStringLiteral("9"));
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
