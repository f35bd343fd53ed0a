// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "backup/frmFileOpen.h"
#include "carryforward/frmCarryForward.h"
#include "chart/frmChart.h"
#include "edit/frmEdit.h"
#include "help/HelpTopics.h"
#include "help/frmAbout.h"
#include "help/frmHelp.h"
#include "reconcile/frmReconcile.h"
#include "recurring/frmDue.h"
#include "recurring/frmRecurring.h"
#include "report/frmPrint.h"
#include "statement/frmCsvColumns.h"
#include "statement/frmStatement.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QDateTimeEdit>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>

#include <memory>

using namespace tallyra;
using namespace tallyra::test;

namespace {

// Each window as the main window opens it; the edit window on the register's first entry, the
// due window with the register's one schedule due.
std::unique_ptr<QWidget> open(const QString &window, RegisterDocument &sample, Platform &platform)
{
    if (window == QLatin1String("edit"))
        return std::make_unique<FrmEdit>(sample, 1, platform);
    if (window == QLatin1String("print"))
        return std::make_unique<FrmPrint>(sample, platform);
    if (window == QLatin1String("chooser"))
        return std::make_unique<FrmFileOpen>(platform);
    if (window == QLatin1String("carry forward"))
        return std::make_unique<FrmCarryForward>(sample, platform);
    if (window == QLatin1String("chart"))
        return std::make_unique<FrmChart>(sample, platform);
    if (window == QLatin1String("statement")) {
        Statement statement{
            "OFX", {{QDate(2001, 2, 3), -500, {}, "GAS", {}, {}, {}}}, -500, {}, {}};
        return std::make_unique<FrmStatement>(sample, platform, "january.ofx", statement);
    }
    if (window == QLatin1String("csv columns")) {
        const CsvTable table{u',', {{"Date", "Payee", "Amount"}, {"2/3/2001", "GAS", "-5.00"}}, {}};
        return std::make_unique<FrmCsvColumns>(table, CsvMapping{});
    }
    if (window == QLatin1String("reconcile"))
        return std::make_unique<FrmReconcile>(sample, platform);
    if (window == QLatin1String("reconcile entry"))
        return std::make_unique<FrmReconcileEntry>(sample.book(), platform);
    if (window == QLatin1String("recurring"))
        return std::make_unique<FrmRecurring>(sample, platform);
    if (window == QLatin1String("schedule"))
        return std::make_unique<FrmSchedule>("Add Recurring Entry", RecurringEntry{}, platform);
    if (window == QLatin1String("due")) {
        Companion companion = sample.companion();
        companion.schedules = {{"ATM", "RENT", 50000, false, {}, QDate(2001, 3, 1), {}, -1, true}};
        sample.replace(sample.book(), companion, "add recurring RENT");
        const DueEntry due{0, {QDate(2001, 3, 1), QDate(2001, 3, 1)}};
        return std::make_unique<FrmDue>(sample, platform, QList<DueEntry>{due});
    }
    if (window == QLatin1String("about"))
        return std::make_unique<FrmAbout>();
    if (window == QLatin1String("help"))
        return std::make_unique<FrmHelp>(platform);
    if (window == QLatin1String("default file help"))
        return std::make_unique<FrmDefaultHelp>();
    auto *document = new RegisterDocument;
    auto main = std::make_unique<FrmMoney>(*document, platform);
    document->setParent(main.get());
    return main;
}

// What a screen reader announces a control the user works by, whatever its focus policy says
// (an editable combo box's own line edit hands its focus on); nothing for other widgets. On
// Linux a combo box's accessible name is its text, and its caption comes through the label
// relation instead. The parts of a table (its headings, its corner) go by the table's name.
std::optional<QString> accessibleName(QWidget *widget, const QWidget *window)
{
    if (!(widget->inherits("QLineEdit") || widget->inherits("QComboBox") ||
          widget->inherits("QAbstractItemView") || widget->inherits("QAbstractButton") ||
          widget->inherits("QAbstractSlider") || widget->inherits("QAbstractSpinBox") ||
          widget->inherits("tallyra::ChartView")) ||
        qobject_cast<QAbstractItemView *>(widget->parentWidget()) || widget->focusProxy() ||
        !widget->isVisibleTo(window))
        return std::nullopt;
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    const auto labels = face->relations(QAccessible::Label);
    if (widget->inherits("QComboBox") && widget->accessibleName().isEmpty() && !labels.isEmpty())
        return labels.front().first->text(QAccessible::Name);
    return widget->inherits("QComboBox") ? widget->accessibleName() : face->text(QAccessible::Name);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void names_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("distinct"); // no two controls named alike
        const QStringList distinct{"main", "edit", "print", "chooser"};
        for (const char *window :
             {"main", "edit", "print", "chooser", "carry forward", "chart", "statement",
              "csv columns", "reconcile", "reconcile entry", "recurring", "schedule", "due",
              "about", "help", "default file help"})
            QTest::newRow(window) << QString::fromLatin1(window) << distinct.contains(window);
    }

    // A screen reader names every control the user works by; and every command has an access
    // key of its own in its window, which no field's caption or option takes as well: the buttons
    // and the menu bar answer Alt and a letter, the items of a menu the letter alone. In the
    // windows used most no two controls are named alike, or they could not be told apart. In
    // every window each control is reached by Tab alone, one press each: the arrows, not Tab,
    // move between options and within a list.
    void names()
    {
        QFETCH(QString, window);
        QFETCH(bool, distinct);
        FakePlatform fakes;
        // The edit window shows the deposit, not the first option.
        DocumentOf held(registerOf("2/3D 2/4W"));
        const std::unique_ptr<QWidget> shown = open(window, held.document, fakes.platform);
        QStringList faults;
        QMap<QKeySequence, QString> keys;
        // A field's caption or an option may go without a key, a command may not.
        const auto keyOf = [&keys, &faults](const QString &text, bool command = true) {
            const QKeySequence key = QKeySequence::mnemonic(text);
            // A caption without a letter, such as a list line's ">", can take no key.
            if (command && key.isEmpty() && text.contains(QRegularExpression("\\w")))
                faults << QLatin1String("no key: ") + text;
            else if (!key.isEmpty() && keys.contains(key))
                faults << QLatin1String("same key: ") + text + QLatin1String(", ") + keys[key];
            else if (!key.isEmpty())
                keys[key] = text;
        };
        QSet<QString> names, tabStops;
        for (QWidget *widget : shown->findChildren<QWidget *>()) {
            // A menu is a window of its own, shown only when opened.
            if (auto *menu = qobject_cast<QMenu *>(widget)) {
                QSet<QKeySequence> items;
                for (const QAction *action : menu->actions()) {
                    const QKeySequence key = QKeySequence::mnemonic(action->text());
                    if (!action->isSeparator() && (key.isEmpty() || items.contains(key)))
                        faults << QLatin1String("menu item: ") + action->text();
                    items << key;
                }
            }
            if (!widget->isVisibleTo(shown.get()) || widget->window() != shown.get())
                continue;
            if (auto *bar = qobject_cast<QMenuBar *>(widget)) {
                for (const QAction *action : bar->actions())
                    keyOf(action->text());
            } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
                keyOf(button->text());
            } else if (auto *choice = qobject_cast<QAbstractButton *>(widget)) {
                keyOf(choice->text(), false);
            } else if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy()) {
                keyOf(label->text(), false);
            }
            const std::optional<QString> name = accessibleName(widget, shown.get());
            if (!name)
                continue;
            if (name->isEmpty() || (distinct && names.contains(*name)))
                faults << QLatin1String("name: ") + widget->objectName() + u' ' + *name;
            names << *name;
            const auto *option = qobject_cast<const QRadioButton *>(widget);
            if (widget->isEnabled() && (!option || option->isChecked()))
                tabStops << widget->objectName();
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String("; "))));

        // A date takes a press for each of its parts.
        qsizetype presses = tabStops.size();
        for (const QDateTimeEdit *date : shown->findChildren<QDateTimeEdit *>())
            presses += tabStops.contains(date->objectName()) ? date->sectionCount() - 1 : 0;
        shown->show();
        QVERIFY(QTest::qWaitForWindowActive(shown.get()));
        // Both ways round, as the keyboard sends them: a group of options is entered from
        // either end.
        for (const Qt::KeyboardModifier back : {Qt::NoModifier, Qt::ShiftModifier}) {
            QSet<QString> reached;
            for (qsizetype step = 0; step <= presses; ++step) {
                reached << QApplication::focusWidget()->objectName();
                QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                                back);
            }
            QCOMPARE(reached, tabStops);
        }
    }

    // Enter on a focused push button presses that button, anywhere else the window's default
    // button (Add in the main window).
    void keyboard_data()
    {
        QTest::addColumn<QStringList>("row"); // the window, the focused control, the pressed one
        QTest::newRow("main: Exit") << QStringList{"main", "cmdExit", "cmdExit"};
        QTest::newRow("main: empty line") << QStringList{"main", "cmd4", "cmd4"};
        QTest::newRow("main: scroll bar") << QStringList{"main", "vsbList", "cmdAdd"};
        QTest::newRow("edit: field") << QStringList{"edit", "txtEditPayee", "cmdAccept"};
    }
    void keyboard()
    {
        QFETCH(QStringList, row);
        FakePlatform fakes;
        DocumentOf held(registerOf("2/3D"));
        const std::unique_ptr<QWidget> shown = open(row[0], held.document, fakes.platform);
        shown->show();
        QVERIFY(QTest::qWaitForWindowActive(shown.get()));
        QSignalSpy clicks(child<QPushButton>(shown.get(), row[2]), &QPushButton::clicked);
        child<QWidget>(shown.get(), row[1])->setFocus();
        // Whatever box the button brings up is answered No.
        fakes.prompter.answers = {QMessageBox::No};
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(clicks.size(), 1);
    }

    // What a line of the list tells a screen reader follows the register: its date, check
    // number, payee, amount, total and the bank's mark, or that it is empty. The check number
    // and the mark are said only when the line shows them.
    void lineNames_data()
    {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QString>("check"); // of every entry
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("name");
        const auto row = [](const char *tag, const char *entries, const char *marks,
                            const char *check, int line, const QString &name) {
            QTest::newRow(tag) << QString(entries) << QString(marks) << QString(check) << line
                               << name;
        };
        row("withdrawal", "2/3D 2/4W", "", "ATM", 2,
            "Line 2: 2/4/2001, ATM, E2, withdrawal $1.00, total $.00");
        row("deposit", "2/3D 2/4W", "", "ATM", 1,
            "Line 1: 2/3/2001, ATM, E1, deposit $1.00, total $1.00");
        row("empty", "2/3D 2/4W", "", "ATM", 3, "Line 3: empty");
        row("scrolled to the end", "1/1W 1/2W 1/3W 1/4W 1/5W 1/6W 1/7W 1/8W 1/9W 1/10W 1/11D", "",
            "ATM", 10, "Line 10: 1/11/2001, ATM, E11, deposit $1.00, total -$9.00");
        const QString cleared =
            QStringLiteral("Cleared: the bank has shown this entry on a statement");
        row("no check", "2/3W", "", "", 1, "Line 1: 2/3/2001, E1, withdrawal $1.00, total -$1.00");
        row("marked", "2/3W", "c", "101", 1,
            "Line 1: 2/3/2001, 101, E1, withdrawal $1.00, total -$1.00, " + cleared);
        row("marked, no check", "2/3W", "c", "", 1,
            "Line 1: 2/3/2001, E1, withdrawal $1.00, total -$1.00, " + cleared);
    }
    void lineNames()
    {
        QFETCH(QString, entries);
        QFETCH(QString, marks);
        QFETCH(QString, check);
        QFETCH(int, line);
        QFETCH(QString, name);
        MainWindow f;
        Checkbook book = registerOf(entries);
        mark(book, marks);
        for (int i = 1; i <= book.entryCount; ++i)
            book.slot[i].checkNumber = check;
        writeBytes(QStringLiteral("default.dat.state"), formatCompanion(book, {}));
        f.load(book);
        auto *button = f.get<QPushButton>(QStringLiteral("cmd%1").arg(line));
        QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), name);
        QCOMPARE(button->text(), QStringLiteral(">"));
    }

    // What the main window tells after a change is where a screen reader finds it: the name
    // of the status bar, and the description of the control at work until the focus moves.
    void toldReachesReader()
    {
        MainWindow f;
        f.load(registerOf("2/3D"));
        f.show();
        f.get<QComboBox>("cmbPayee")->setEditText(QStringLiteral("GAS"));
        f.get<QComboBox>("txtDollar")->setEditText(QStringLiteral("5"));
        f.fakes.prompter.answers = {QMessageBox::Yes};
        f.get<QPushButton>("cmdAdd")->click();
        const QString told = f.window.statusBar()->currentMessage();
        QVERIFY(told.contains(QLatin1String("GAS")));
        QCOMPARE(
            QAccessible::queryAccessibleInterface(f.window.statusBar())->text(QAccessible::Name),
            told);
        QWidget *focus = QApplication::focusWidget();
        QTRY_COMPARE(QAccessible::queryAccessibleInterface(focus)->text(QAccessible::Description),
                     told);
        QTest::keyClick(focus, Qt::Key_Tab);
        QVERIFY(focus->accessibleDescription().isEmpty());
    }

    // Near the limit the warning is a Tab stop, and Enter on it opens its help, as a click does.
    void warningFromKeyboard()
    {
        MainWindow f;
        f.load(januaryDays(WarningThreshold));
        f.show();
        auto *warning = f.get<QLabel>("lblWarning");
        f.get<QPushButton>("cmdExit")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), warning);
        bool opened = false;
        NextModal<FrmDefaultHelp> help([&opened](FrmDefaultHelp *window) {
            opened = true;
            window->close();
        });
        QTest::keyClick(warning, Qt::Key_Return);
        QVERIFY(opened);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
