// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "backup/frmFileOpen.h"
#include "edit/frmEdit.h"
#include "report/frmPrint.h"

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>

using namespace tallyra;
using namespace tallyra::test;

namespace {

// Each window as the main window opens it; the edit window on the register's first entry.
std::unique_ptr<QWidget> open(const QString &window, const RegisterDocument &sample,
                              Platform &platform)
{
    if (window == QLatin1String("edit"))
        return std::make_unique<FrmEdit>(sample, 1, platform);
    if (window == QLatin1String("print"))
        return std::make_unique<FrmPrint>(sample, platform);
    if (window == QLatin1String("chooser"))
        return std::make_unique<FrmFileOpen>(platform);
    auto *document = new RegisterDocument;
    auto main = std::make_unique<FrmMoney>(*document, platform);
    document->setParent(main.get());
    return main;
}

// What a screen reader announces a control the user works by, whatever its focus policy says
// (an editable combo box's own line edit hands its focus on); nothing for other widgets. On
// Linux a combo box's accessible name is its text, and its caption comes through the label
// relation instead.
std::optional<QString> accessibleName(QWidget *widget, const QWidget *window)
{
    if (!(widget->inherits("QLineEdit") || widget->inherits("QComboBox") ||
          widget->inherits("QListWidget") || widget->inherits("QAbstractButton") ||
          widget->inherits("QAbstractSlider")) ||
        widget->focusProxy() || !widget->isVisibleTo(window))
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

    // Enter on a focused push button presses that button, anywhere else the window's default
    // button (Add in the main window); with no focus given, only the rest is checked.
    void keyboard_data()
    {
        // The window, the focused control and the button Enter presses.
        QTest::addColumn<QStringList>("row");
        QTest::newRow("main: Exit") << QStringList{"main", "cmdExit", "cmdExit"};
        QTest::newRow("main: empty line") << QStringList{"main", "cmd4", "cmd4"};
        QTest::newRow("main: scroll bar") << QStringList{"main", "vsbList", "cmdAdd"};
        QTest::newRow("edit: field") << QStringList{"edit", "txtEditPayee", "cmdAccept"};
        QTest::newRow("print") << QStringList{"print"};
        QTest::newRow("backup chooser") << QStringList{"chooser"};
    }

    // A screen reader announces a control by its name, so two alike could not be told apart;
    // and every control is reached by Tab alone (the arrows, not Tab, move between options).
    // Alt and a letter reaches every menu and item, so no two in one menu share the letter.
    void keyboard()
    {
        QFETCH(QStringList, row);
        FakePlatform fakes;
        // The edit window shows the deposit, not the first option.
        const DocumentOf held(registerOf("2/3D"));
        const std::unique_ptr<QWidget> shown = open(row[0], held.document, fakes.platform);
        QSet<QString> names, tabStops;
        for (QWidget *widget : shown->findChildren<QWidget *>()) {
            if (qobject_cast<QMenuBar *>(widget) || qobject_cast<QMenu *>(widget)) {
                QSet<QKeySequence> keys;
                for (const QAction *action : widget->actions()) {
                    const QKeySequence key = QKeySequence::mnemonic(action->text());
                    QVERIFY2(action->isSeparator() || (!key.isEmpty() && !keys.contains(key)),
                             qPrintable(action->text()));
                    keys << key;
                }
            }
            const std::optional<QString> name = accessibleName(widget, shown.get());
            if (!name)
                continue;
            QVERIFY2(!name->isEmpty() && !names.contains(*name), qPrintable(widget->objectName()));
            names << *name;
            const auto *option = qobject_cast<const QRadioButton *>(widget);
            if (widget->isEnabled() && (!option || option->isChecked()))
                tabStops << widget->objectName();
        }

        shown->show();
        QVERIFY(QTest::qWaitForWindowActive(shown.get()));
        // Both ways round, as the keyboard sends them: a group of options is entered from
        // either end.
        for (const Qt::KeyboardModifier back : {Qt::NoModifier, Qt::ShiftModifier}) {
            QSet<QString> reached;
            for (qsizetype step = 0; step <= tabStops.size(); ++step) {
                reached << QApplication::focusWidget()->objectName();
                QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                                back);
            }
            QCOMPARE(reached, tabStops);
        }

        if (row.size() < 3)
            return;
        QSignalSpy clicks(child<QPushButton>(shown.get(), row[2]), &QPushButton::clicked);
        child<QWidget>(shown.get(), row[1])->setFocus();
        // Whatever box the button brings up is answered No.
        fakes.prompter.answers = {QMessageBox::No};
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(clicks.size(), 1);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
