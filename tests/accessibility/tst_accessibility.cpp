// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "backup/frmFileOpen.h"
#include "edit/frmEdit.h"
#include "report/frmPrint.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <type_traits>

using namespace tallyra;
using namespace tallyra::test;

namespace {

using MakeWindow = QWidget *(*)(Checkbook &, Platform &);

// Each window as the main window opens it; the edit window on the register's first entry.
template <typename Window> QWidget *make(Checkbook &book, Platform &platform)
{
    if constexpr (std::is_same_v<Window, FrmEdit>)
        return new Window(book, 1, platform);
    else if constexpr (std::is_same_v<Window, FrmFileOpen>)
        return new Window(platform);
    else
        return new Window(book, platform);
}

// A control the user works, whatever its focus policy says; an editable combo box's own line
// edit hands its focus on.
bool isControl(const QWidget *widget, const QWidget *window)
{
    const bool control = qobject_cast<const QLineEdit *>(widget) ||
                         qobject_cast<const QComboBox *>(widget) ||
                         qobject_cast<const QListWidget *>(widget) ||
                         qobject_cast<const QAbstractButton *>(widget) ||
                         qobject_cast<const QAbstractSlider *>(widget);
    return control && !widget->focusProxy() && widget->isVisibleTo(window);
}

// What a screen reader announces the control by. On Linux a combo box's accessible name is
// its text, and its caption comes through the label relation instead.
QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    if (!qobject_cast<QComboBox *>(widget))
        return face->text(QAccessible::Name);
    if (!widget->accessibleName().isEmpty())
        return widget->accessibleName();
    const auto labels = face->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
}

} // namespace

Q_DECLARE_METATYPE(MakeWindow)

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void everyControlNamedAndReachedByTab_data()
    {
        QTest::addColumn<MakeWindow>("make");
        QTest::newRow("main") << &make<FrmMoney>;
        QTest::newRow("edit") << &make<FrmEdit>;
        QTest::newRow("print") << &make<FrmPrint>;
        QTest::newRow("backup chooser") << &make<FrmFileOpen>;
    }

    // A screen reader announces a control by its name, so two alike could not be told apart;
    // and every control is reached by Tab alone (the arrows, not Tab, move between options).
    void everyControlNamedAndReachedByTab()
    {
        QFETCH(MakeWindow, make);
        FakePlatform fakes;
        // The edit window shows the deposit, not the first option.
        Checkbook book = registerOf("2/3D");
        const std::unique_ptr<QWidget> window(make(book, fakes.platform));
        QSet<QString> names;
        QSet<QString> tabStops;
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (!isControl(widget, window.get()))
                continue;
            const QString name = accessibleName(widget);
            QVERIFY2(!name.isEmpty() && !names.contains(name), qPrintable(widget->objectName()));
            names << name;
            const auto *option = qobject_cast<const QRadioButton *>(widget);
            if (widget->isEnabled() && (!option || option->isChecked()))
                tabStops << widget->objectName();
        }

        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        // Both ways round, as the keyboard sends them: a group of options is entered from
        // either end.
        for (const Qt::KeyboardModifier shift : {Qt::NoModifier, Qt::ShiftModifier}) {
            const Qt::Key key = shift ? Qt::Key_Backtab : Qt::Key_Tab;
            QSet<QString> reached;
            for (qsizetype step = 0; step <= tabStops.size(); ++step) {
                QWidget *focus = QApplication::focusWidget();
                QVERIFY(focus);
                reached << focus->objectName();
                QTest::keyClick(focus, key, shift);
            }
            QCOMPARE(reached, tabStops);
        }
    }

    // Alt and a letter reaches every menu and item, so no two in one menu share the letter.
    void menuAccessKeysDiffer()
    {
        FakePlatform fakes;
        Checkbook book;
        FrmMoney window(book, fakes.platform);
        QList<QList<QAction *>> menus = {window.menuBar()->actions()};
        for (QAction *menu : window.menuBar()->actions())
            menus << menu->menu()->actions();
        for (const QList<QAction *> &actions : menus) {
            QSet<QKeySequence> keys;
            for (const QAction *action : actions) {
                const QKeySequence key = QKeySequence::mnemonic(action->text());
                QVERIFY2(action->isSeparator() || (!key.isEmpty() && !keys.contains(key)),
                         qPrintable(action->text()));
                keys << key;
            }
        }
    }

    // As in every dialog: Enter on a focused push button presses that button, anywhere else the
    // window's default button (Add in the main window).
    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<MakeWindow>("make");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("pressed");
        const auto row = [](const char *name, MakeWindow make, const char *focus,
                            const char *pressed) {
            QTest::newRow(name) << make << QString(focus) << QString(pressed);
        };
        row("main: Exit", &make<FrmMoney>, "cmdExit", "cmdExit");
        row("main: Add", &make<FrmMoney>, "cmdAdd", "cmdAdd");
        row("main: empty line", &make<FrmMoney>, "cmd4", "cmd4");
        row("main: scroll bar", &make<FrmMoney>, "vsbList", "cmdAdd");
        row("edit: field", &make<FrmEdit>, "txtEditPayee", "cmdAccept");
        row("edit: Remove", &make<FrmEdit>, "cmdRemove", "cmdRemove");
        row("print: field", &make<FrmPrint>, "txtStartMonth", "cmdPrint");
        row("print: Cancel", &make<FrmPrint>, "cmdCancel", "cmdCancel");
        row("chooser: Refresh", &make<FrmFileOpen>, "cmdRefresh", "cmdRefresh");
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(MakeWindow, make);
        QFETCH(QString, focus);
        QFETCH(QString, pressed);
        FakePlatform fakes;
        Checkbook book = registerOf("2/3D");
        const std::unique_ptr<QWidget> window(make(book, fakes.platform));
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QSignalSpy clicks(child<QPushButton>(window.get(), pressed), &QPushButton::clicked);
        child<QWidget>(window.get(), focus)->setFocus();
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        // Whatever box the button brings up is answered No.
        fakes.prompter.answers = {QMessageBox::No};
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(fakes.programEnd.calls, int(pressed == QLatin1String("cmdExit")));
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestAccessibility accessibility;
    return QTest::qExec(&accessibility, argc, argv);
}

#include "tst_accessibility.moc"
