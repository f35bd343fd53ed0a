#include "FakePlatform.h"
#include "TestSupport.h"
#include "app/frmMoney.h"
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
#include <QtTest>

#include <functional>
#include <memory>

using namespace tallyra;
using namespace tallyra::test;

namespace {

struct Fixture
{
    TempWorkingFolder folder;
    FakePlatform fakes;
    Checkbook book;

    Fixture()
    {
        book.entryCount = 1;
        book.slot[1] = Entry{2001, 2, 3, QStringLiteral("ATM"), QStringLiteral("RENT"), 500, 0};
        book.editIndex = 1;
    }
};

using MakeWindow = std::function<QWidget *(Fixture &)>;

// A control the user can tab to; an editable combo box's own line edit hands its focus on.
bool takesFocus(const QWidget *widget, const QWidget *window)
{
    const bool control = qobject_cast<const QLineEdit *>(widget) ||
                         qobject_cast<const QComboBox *>(widget) ||
                         qobject_cast<const QListWidget *>(widget) ||
                         qobject_cast<const QAbstractButton *>(widget) ||
                         qobject_cast<const QAbstractSlider *>(widget);
    return control && (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() &&
           widget->isVisibleTo(window);
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

    void everyControlHasItsOwnName_data()
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

    // A screen reader announces a field by this name; two alike would be indistinguishable.
    void everyControlHasItsOwnName()
    {
        QFETCH(MakeWindow, make);
        Fixture fixture;
        const std::unique_ptr<QWidget> window(make(fixture));
        QHash<QString, QString> controlByName;
        int controls = 0;
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (!takesFocus(widget, window.get()))
                continue;
            ++controls;
            const QString name = accessibleName(widget);
            QVERIFY2(!name.isEmpty(), qPrintable(nameOf(widget)));
            QVERIFY2(!controlByName.contains(name),
                     qPrintable(name + " names " + controlByName.value(name) + " and " +
                                nameOf(widget)));
            controlByName.insert(name, nameOf(widget));
        }
        QVERIFY(controls > 0);
    }

    // Tab alone walks the entry fields, the buttons of all ten list lines and the scroll bar,
    // then comes round again. The arrow keys, not Tab, move between the type options.
    void tabReachesEveryMainWindowControl()
    {
        Fixture fixture;
        FrmMoney window(fixture.book, fixture.fakes.platform);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        child<QComboBox>(&window, "txtMonth")->setFocus(Qt::TabFocusReason);

        QStringList visited;
        for (int step = 0; step < 22; ++step) {
            visited << nameOf(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QStringList expected = {"txtMonth",  "txtDay",  "txtYear",      "cmbCheckNum", "cmbPayee",
                                "txtDollar", "txtCent", "optWithdrawl", "cmdAdd",      "cmdExit"};
        for (int line = 1; line <= 10; ++line)
            expected << QStringLiteral("cmd%1").arg(line);
        expected << "vsbList"
                 << "txtMonth";
        QCOMPARE(visited, expected);
    }

    void backupChosenWithArrowsAndEnter()
    {
        Fixture fixture;
        for (const char *name : {"APRIL.bak", "MAY.bak"})
            writeBytes(fixture.fakes.drive.filePath(QLatin1String(name)), "x");
        FrmFileOpen chooser(fixture.book, fixture.fakes.platform);
        QVERIFY(chooser.Form_Load());
        chooser.show();
        QApplication::setActiveWindow(&chooser);
        QVERIFY(QTest::qWaitForWindowActive(&chooser));
        auto *list = child<QListWidget>(&chooser, "fliBackup");
        list->setFocus(Qt::TabFocusReason);

        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(chooser.result(), int(QDialog::Accepted));
        QVERIFY(fixture.book.restoreChosen);
        QCOMPARE(fixture.book.backupName, QStringLiteral("MAY.bak"));
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestAccessibility accessibility;
    return QTest::qExec(&accessibility, argc, argv);
}

#include "tst_accessibility.moc"
