// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "edit/frmEdit.h"
#include "register/Companion.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <span>

using namespace tallyra;
using namespace tallyra::test;

namespace {

// The data file's entries of 2001 in slot order, "month/day payee withdrawal deposit" each.
QString storedEntries()
{
    // The test checks first that the file is the register in memory, so well formed.
    Checkbook book;
    readDataFile(fileBytes(QLatin1String(DataFileName)), book, ReadExtent::AllSlots);
    QStringList list;
    for (const Entry &e : std::span(book.slot.begin() + 1, book.entryCount))
        list << QString::asprintf("%d/%d %s %d %d", e.month, e.day, qPrintable(e.payee),
                                  e.withdrawalCents, e.depositCents);
    // A removed entry's old last slot must be cleared, not left as a stale copy.
    return book.slot[book.entryCount + 1] == Entry{} ? list.join(", ") : "stale last slot";
}

} // namespace

class TestFrmEdit : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    // The list's first line edited, then a button: the boxes, and what the file holds after.
    // A reconciled entry (entries "R"...: the first reconciled on the statement of 5/31) asks
    // first when its date or amount changes or it is removed, naming the statement; No (the
    // default) changes nothing, and the mark stays: `mark`, as the companion file holds it.
    void fromListLineToFile_data()
    {
        // focus: after a refusal, which keeps the window open.
        for (auto column :
             {"entries", "edits", "button", "answers", "titles", "after", "focus", "mark"})
            QTest::addColumn<QString>(column);
        using S = const char *;
        const auto row = [](S tag, S in, S edits, S button, S says, S boxes, S out, S focus = "",
                            S mark = "") {
            QTest::newRow(tag) << in << edits << button << says << boxes << out << focus << mark;
        };
        const char *days = "5/1W 5/2W 5/3W", *ok = "cmdAccept", *remove = "cmdRemove";
        const char *same = "5/1 E1 100 0, 5/2 E2 100 0, 5/3 E3 100 0";
        row("deposit moved later", "5/1D 5/2W 5/3W", "txtEditDay=9", ok, "Y", "Continue?",
            "5/2 E2 100 0, 5/3 E3 100 0, 5/9 E1 0 100");
        row("only entry rounds down", "5/12W", "txtEditMonth=6.5 txtEditDay=3.7", ok, "Y",
            "Continue?", "6/3 E1 100 0");
        row("neither last of its date, capitals", "5/12W 5/12W", "txtEditPayee=a,b optEditNeither",
            ok, "Y", "Continue?", "5/12 E2 100 0, 5/12 A,B 0 0");
        row("day 1.5 placed as 1, stored as 2", days, "txtEditDay=1.5", ok, "Y", "Continue?",
            "5/2 E1 100 0, 5/2 E2 100 0, 5/3 E3 100 0");
        row("summary No", days, "txtEditDay=9", ok, "N", "Continue?", same, "cmdAccept");
        row("escape in payee", days, "txtEditPayee=A\x1b!", ok, "O", "Invalid Character", same,
            "txtEditPayee");
        row("no type", "5/1N", "txtEditDollar=5", ok, "O", "Need Type", "5/1 E1 -100 0",
            "optEditOut");
        row("save failed", days, "txtEditDay=9", ok, "YO", "Continue? SAVE FAILED", same);
        row("cancelled", days, "txtEditDay=9", "cmdCancel", "", "", same);
        // What was typed before Remove is neither checked nor stored.
        row("remove first", days, "txtEditYear=abc txtEditPayee=", remove, "Y", "Question",
            "5/2 E2 100 0, 5/3 E3 100 0");
        row("remove, No", days, "", remove, "N", "Question", same, "cmdRemove");
        const char *two = "R5/1W 5/2W", *twoSame = "5/1 E1 100 0, 5/2 E2 100 0";
        const char *markOn1 = "reconciled\t2001-05-31\t2001-05-01\t";
        row("reconciled, payee only", two, "txtEditPayee=Rent", ok, "Y", "Continue?",
            "5/1 RENT 100 0, 5/2 E2 100 0", "", markOn1);
        row("reconciled, date, yes", two, "txtEditDay=9", ok, "YY", "Continue? Reconciled Entry",
            "5/2 E2 100 0, 5/9 E1 100 0", "", "reconciled\t2001-05-31\t2001-05-09\t");
        row("reconciled, amount, no", two, "txtEditDollar=2", ok, "YN",
            "Continue? Reconciled Entry", twoSame, "cmdAccept",
            "reconciled\t2001-05-31\t2001-05-01\t100\t");
        row("reconciled, remove, yes", two, "", remove, "YY", "Question Reconciled Entry",
            "5/2 E2 100 0");
        row("reconciled, remove, no", two, "", remove, "YN", "Question Reconciled Entry", twoSame,
            "cmdRemove", markOn1);
    }
    void fromListLineToFile()
    {
        QFETCH(QString, entries);
        QFETCH(QString, edits);
        QFETCH(QString, button);
        QFETCH(QString, answers);
        QFETCH(QString, titles);
        QFETCH(QString, focus);
        QFETCH(QString, mark);
        MainWindow f;
        Checkbook stored = registerOf(entries.startsWith(u'R') ? entries.mid(1) : entries);
        if (entries.startsWith(u'R')) {
            stored.slot[1].clearing = Clearing::Reconciled;
            stored.slot[1].reconciledOn = 20010531;
            writeBytes(companionPath(QLatin1String(DataFileName)),
                       formatCompanion(stored, Companion{{{20010531, -100}}, std::nullopt, {}}));
        }
        f.load(stored);
        using enum QMessageBox::StandardButton;
        for (QChar c : answers)
            f.fakes.prompter.answers.push_back(c == 'Y' ? Yes : c == 'N' ? No : Ok);

        NextModal<FrmEdit> editor([&](FrmEdit *edit) {
            typeInto(edit, edits);
            QTest::mouseClick(child<QPushButton>(edit, button), Qt::LeftButton);
            QCOMPARE(edit->isVisible() ? edit->focusWidget()->objectName() : QString(), focus);
            edit->close();
        });
        // Only the save of the "save failed" row meets the size limit; reading works.
        WITH_FILE_SIZE_LIMIT(
            qstrcmp(QTest::currentDataTag(), "save failed") ? NoFileSizeLimit : 4096,
            [&] { QTest::mouseClick(f.get<QPushButton>("cmd1"), Qt::LeftButton); });

        QVERIFY(editor.handled());
        QCOMPARE(f.fakes.prompter.titles().join(' '), titles);
        if (titles.endsWith("Reconciled Entry")) {
            QVERIFY(f.fakes.prompter.shown[1].text.contains(u"statement ending 5/31/2001"));
            QCOMPARE(f.fakes.prompter.shown[1].offered, QStringLiteral("Yes|No, default No"));
        }
        // The register in memory is the one on disk, whichever way the window ended.
        QCOMPARE(formatDataFile(f.document.book()), f.file());
        QTEST(storedEntries(), "after");
        const QByteArray state = fileBytes(companionPath(QLatin1String(DataFileName)));
        QCOMPARE(state.contains("\nreconciled\t"), !mark.isEmpty());
        QVERIFY(state.contains(mark.toUtf8()));
    }

    // A paste goes into a field whole, however long: a payee or check number longer than an
    // entry takes is refused with its length, the part too many selected, and never cut.
    void longPaste_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("title");
        QTest::newRow("payee, one too many") << "txtEditPayee" << MaxTextLength + 1 << "Too Long";
        QTest::newRow("payee, longest") << "txtEditPayee" << MaxTextLength << "Continue?";
        QTest::newRow("check number, far too many") << "txtEditCheckNum" << 100000 << "Too Long";
    }
    void longPaste()
    {
        QFETCH(QString, field);
        QFETCH(int, length);
        QFETCH(QString, title);
        MainWindow f;
        f.load(registerOf(QStringLiteral("5/1W")));
        const QByteArray before = f.file();
        f.fakes.prompter.answers = {QMessageBox::No};
        qsizetype held = 0, selectedAt = 0, selected = 0;
        NextModal<FrmEdit> editor([&](FrmEdit *edit) {
            auto *combo = child<QComboBox>(edit, field);
            combo->setEditText(QString());
            QApplication::clipboard()->setText(QString(length, u'7'));
            QTest::keyClick(combo, Qt::Key_V, Qt::ControlModifier);
            held = combo->currentText().size();
            QTest::mouseClick(child<QPushButton>(edit, QStringLiteral("cmdAccept")),
                              Qt::LeftButton);
            selectedAt = combo->lineEdit()->selectionStart();
            selected = combo->lineEdit()->selectedText().size();
            edit->close();
        });
        QTest::mouseClick(f.get<QPushButton>("cmd1"), Qt::LeftButton);

        QCOMPARE(held, length);
        QCOMPARE(f.fakes.prompter.titles(), QStringList{title});
        QCOMPARE(f.file(), before);
        if (title != u"Too Long")
            return;
        QCOMPARE(f.fakes.prompter.shown.back().text,
                 QStringLiteral("The %1 field cannot hold more than 32,767 characters; it "
                                "holds %2.")
                     .arg(field == u"txtEditPayee" ? "payee" : "check number",
                          QLocale(QLocale::English).toString(length)));
        QCOMPARE(selectedAt, MaxTextLength);
        QCOMPARE(selected, length - MaxTextLength);
    }
};

QTEST_MAIN(TestFrmEdit)

#include "tst_edit.moc"
