// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "entry/EntryFields.h"
#include "platform/Controls.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

using namespace tallyra;
using namespace tallyra::test;

namespace {

const EntryTexts Valid{"2001", "6", "7", "ATM", "GAS", "5", "00"};

// The seven entry fields and three options, as the entry windows build them.
struct EntryWindow
{
    QWidget window;
    EntryFields fields{entryCombo("year"),        entryCombo("month"), entryCombo("day"),
                       entryCombo("checkNumber"), entryCombo("payee"), entryCombo("dollars"),
                       entryCombo("cents"),       new QRadioButton,    new QRadioButton,
                       new QRadioButton,          MainYearMessage};

    EntryWindow()
    {
        auto *layout = new QVBoxLayout(&window);
        for (QWidget *field : {fields.year, fields.month, fields.day, fields.checkNumber,
                               fields.payee, fields.dollars, fields.cents})
            layout->addWidget(field);
        fields.year->setEditText(Valid.year);
        fields.month->setEditText(Valid.month);
        fields.day->setEditText(Valid.day);
        fields.checkNumber->setEditText(Valid.checkNumber);
        fields.payee->setEditText(Valid.payee);
        fields.dollars->setEditText(Valid.dollars);
        fields.cents->setEditText(Valid.cents);
    }
};

} // namespace

class TestEntry : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    // A control character in either text the file stores is refused by name and selected,
    // in the check number and the payee alike; nothing is cut or changed.
    void controlCharacters_data()
    {
        QTest::addColumn<bool>("inPayee");
        QTest::addColumn<QChar>("character");
        QTest::addColumn<QString>("named");
        const QList<std::pair<QChar, QString>> controls{
            {u'\t', "a tab"},
            {QChar(0x7F), "a control character (U+007F)"},
            {QChar(0x1B), "a control character (U+001B)"},
            {QChar(0), "a control character (U+0000)"},
            {QChar(0x85), "a control character (U+0085)"},
            {QChar(0x9F), "a control character (U+009F)"},
            {u'\n', "a line break"},
        };
        for (bool inPayee : {false, true})
            for (const auto &[character, named] : controls)
                QTest::addRow("%s %s", inPayee ? "payee" : "check number", qPrintable(named))
                    << inPayee << character << named;
    }
    void controlCharacters()
    {
        QFETCH(bool, inPayee);
        QFETCH(QChar, character);
        QFETCH(QString, named);
        EntryTexts texts = Valid;
        (inPayee ? texts.payee : texts.checkNumber) = QStringLiteral("AB") + character + u'C';
        const std::optional<FailedCheck> failed = firstFailedCheck(texts, MainYearMessage);
        QVERIFY(failed);
        QCOMPARE(failed->field, inPayee ? EntryField::Payee : EntryField::CheckNumber);
        QCOMPARE(failed->title, "Invalid Character");
        QCOMPARE(failed->text, QStringLiteral("The %1 field cannot hold %2.")
                                   .arg(inPayee ? "payee" : "check number", named));
        QCOMPARE(failed->badCharAt, 2);
        QCOMPARE(failed->badCharLength, 1);
    }

    // A paste goes into a field whole, however long; a text longer than an entry takes is
    // then refused with its length, the part too many selected. The longest is accepted.
    void longPaste_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("title"); // empty: accepted
        QTest::newRow("payee, one too many") << "payee" << MaxTextLength + 1 << "Too Long";
        QTest::newRow("payee, longest") << "payee" << MaxTextLength << "";
        QTest::newRow("check number, far too many") << "checkNumber" << 100000 << "Too Long";
        // Not stored as text: the number it begins with is all that counts.
        QTest::newRow("year") << "year" << 100000 << "Need Year";
    }
    void longPaste()
    {
        QFETCH(QString, field);
        QFETCH(int, length);
        QFETCH(QString, title);
        EntryWindow entry;
        entry.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&entry.window));
        auto *combo = entry.window.findChild<QComboBox *>(field);
        combo->setEditText(QString());
        QApplication::clipboard()->setText(QString(length, u'7'));
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(combo->currentText().size(), length);

        entry.fields.cents->setFocus();
        FakePrompter prompter;
        prompter.answers = {QMessageBox::Ok};
        const bool accepted = validateEntryFields(entry.fields, prompter);
        QCOMPARE(accepted, title.isEmpty());
        QCOMPARE(prompter.titles().join(""), title);
        if (title != u"Too Long")
            return;
        QCOMPARE(prompter.shown.back().text,
                 QStringLiteral("The %1 field cannot hold more than 32,767 characters; it "
                                "holds %2.")
                     .arg(field == u"payee" ? "payee" : "check number",
                          QLocale(QLocale::English).toString(length)));
        QCOMPARE(QApplication::focusWidget(), combo);
        QCOMPARE(combo->lineEdit()->selectionStart(), MaxTextLength);
        QCOMPARE(combo->lineEdit()->selectedText().size(), length - MaxTextLength);
    }
};

QTEST_MAIN(TestEntry)
#include "tst_entry.moc"
