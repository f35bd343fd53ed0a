#include "TestSupport.h"
#include "backup/frmFileOpen.h"
#include "edit/frmEdit.h"
#include "help/HelpTopics.h"
#include "help/frmAbout.h"
#include "help/frmHelp.h"
#include "report/frmPrint.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSet>
#include <QtTest>

#include <functional>
#include <memory>

using namespace tallyra;
using namespace tallyra::test;

namespace {

// The edit window shows the register's one entry.
struct Fixture
{
    FakePlatform fakes;
    Checkbook book = registerOf("2/3W");
    Fixture() { book.editIndex = 1; }
};

using MakeWindow = std::function<QWidget *(Fixture &)>;

// A control the user works; an editable combo box's own line edit hands its focus on.
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
    if (!face)
        return {};
    if (!qobject_cast<QComboBox *>(widget))
        return face->text(QAccessible::Name);
    if (!widget->accessibleName().isEmpty())
        return widget->accessibleName();
    const auto labels = face->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
}

QString nameOf(const QWidget *widget)
{
    while (widget && widget->objectName().isEmpty())
        widget = widget->parentWidget();
    return widget ? widget->objectName() : QString();
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
        QTest::newRow("main") << MakeWindow(
            [](Fixture &f) { return new FrmMoney(f.book, f.fakes.platform); });
        QTest::newRow("edit") << MakeWindow(
            [](Fixture &f) { return new FrmEdit(f.book, f.fakes.platform); });
        QTest::newRow("print") << MakeWindow(
            [](Fixture &f) { return new FrmPrint(f.book, f.fakes.platform); });
        QTest::newRow("backup chooser")
            << MakeWindow([](Fixture &f) { return new FrmFileOpen(f.book, f.fakes.platform); });
        QTest::newRow("help") << MakeWindow(
            [](Fixture &f) { return new FrmHelp(f.fakes.platform); });
        QTest::newRow("about") << MakeWindow([](Fixture &) { return new FrmAbout; });
        QTest::newRow("main screen help") << MakeWindow([](Fixture &) { return new FrmEnter; });
        QTest::newRow("edit help") << MakeWindow([](Fixture &) { return new FrmEditHelp; });
        QTest::newRow("backup help")
            << MakeWindow([](Fixture &f) { return new FrmBackupHelp(f.fakes.prompter); });
        QTest::newRow("print help") << MakeWindow([](Fixture &) { return new FrmPrintHelp; });
        QTest::newRow("default help") << MakeWindow([](Fixture &) { return new FrmDefaultHelp; });
    }

    // A screen reader announces a control by its name, so two alike could not be told apart;
    // and every control is reached by Tab alone (the arrows, not Tab, move between options).
    void everyControlNamedAndReachedByTab()
    {
        QFETCH(MakeWindow, make);
        Fixture fixture;
        const std::unique_ptr<QWidget> window(make(fixture));
        QHash<QString, QString> controlByName;
        QSet<QString> tabStops;
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (!isControl(widget, window.get()))
                continue;
            const QString name = accessibleName(widget);
            QVERIFY2(!name.isEmpty(), qPrintable(nameOf(widget)));
            QVERIFY2(!controlByName.contains(name),
                     qPrintable(name + " names " + controlByName.value(name) + " and " +
                                nameOf(widget)));
            controlByName.insert(name, nameOf(widget));
            const auto *option = qobject_cast<const QRadioButton *>(widget);
            if (widget->isEnabled() && (!option || option->isChecked()))
                tabStops << nameOf(widget);
        }
        QVERIFY(!tabStops.isEmpty());

        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QSet<QString> reached;
        for (qsizetype step = 0; step <= tabStops.size(); ++step) {
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            reached << nameOf(focus);
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(reached, tabStops);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestAccessibility accessibility;
    return QTest::qExec(&accessibility, argc, argv);
}

#include "tst_accessibility.moc"
