#include "TestSupport.h"
#include "help/HelpTopics.h"
#include "help/HelpWidgets.h"
#include "help/frmHelp.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <algorithm>

using namespace tallyra;
using namespace tallyra::test;

namespace {

QRectF placeIn(const QWidget *widget, const QWidget *window)
{
    return QRectF(widget->mapTo(window, QPoint()), widget->size());
}

// "n lines" when each callout line runs from just beside a label, crossing none, into the
// picture; otherwise where the first line that does not starts.
QString calloutsOf(const QWidget *window)
{
    const auto *callouts = window->findChild<CalloutLines *>();
    if (!callouts)
        return QStringLiteral("0 lines");
    const QRectF picture = placeIn(child<QLabel>(window, QStringLiteral("Image1")), window);
    QList<QRectF> labels;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->objectName().startsWith(QLatin1String("Label")))
            labels << placeIn(label, window);
    }
    for (const QLineF &line : callouts->lines()) {
        bool stray = picture.contains(line.p1()) || !picture.contains(line.p2()) ||
                     std::none_of(labels.cbegin(), labels.cend(), [&](const QRectF &label) {
                         return label.adjusted(-4, -4, 4, 4).contains(line.p1());
                     });
        for (qreal t = 0; t <= 1; t += 0.01) {
            for (const QRectF &label : labels)
                stray = stray || label.contains(line.pointAt(t));
        }
        if (stray)
            return QStringLiteral("stray line %1,%2").arg(line.p1().x()).arg(line.p1().y());
    }
    return QStringLiteral("%1 lines").arg(callouts->lines().size());
}

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    // Each topic button of the help window, each help command of the main window and its
    // warning label opens its window modally over the one it came from, with its callout
    // lines and the button Enter presses, and the key closes it again.
    void opens_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("seen"); // the window, its callout lines, what Enter presses
        const int Return = Qt::Key_Return, Esc = Qt::Key_Escape;
        QTest::newRow("about") << "cmdAbout" << Return << "frmAbout, 0 lines, cmdOk";
        QTest::newRow("main screen") << "cmdEnter" << Return << "frmEnter, 13 lines, Command1";
        QTest::newRow("editing") << "cmdRecord" << Return << "frmEditHelp, 3 lines, cmdClose";
        QTest::newRow("backing up") << "cmdBackup" << Return << "frmBackupHelp, 4 lines, cmdClose";
        QTest::newRow("printing") << "cmdPrinting" << Return << "frmPrintHelp, 0 lines, cmdClose";
        QTest::newRow("default file")
            << "cmdDefaultHelp" << Return << "frmDefaultHelp, 0 lines, cmdClose";
        QTest::newRow("Help > Content") << "mnuContent" << Esc << "frmHelp, 0 lines, cmdAbout";
        QTest::newRow("Help > About") << "mnuAbout" << Esc << "frmAbout, 0 lines, cmdOk";
        QTest::newRow("warning label")
            << "lblWarning" << Return << "frmDefaultHelp, 0 lines, cmdClose";
    }
    void opens()
    {
        QFETCH(QString, opener);
        QFETCH(int, key);
        MainWindow f;
        f.load(emptyDataFile());
        FrmHelp help(f.fakes.platform);
        QWidget *from = &f.window;
        if (opener.startsWith(QLatin1String("cmd")))
            from = &help;
        from->show();
        QVERIFY(QTest::qWaitForWindowActive(from));
        QString seen;
        QStringList beneath;
        NextModal<QDialog> opened([&](QDialog *window) {
            seen = window->objectName() + ", " + calloutsOf(window);
            for (const QPushButton *button : window->findChildren<QPushButton *>()) {
                if (button->isDefault())
                    seen += ", " + button->objectName();
            }
            for (const QWidget *top : QApplication::topLevelWidgets()) {
                if (top->isVisible() && top != window)
                    beneath << top->objectName();
            }
            QTest::keyClick(window, Qt::Key(key));
        });
        if (opener.startsWith(QLatin1String("mnu")))
            f.get<QAction>(opener)->trigger();
        else
            QTest::mouseClick(child<QWidget>(from, opener), Qt::LeftButton);
        QVERIFY(opened.handled());
        QTEST(seen, "seen");
        QCOMPARE(beneath, QStringList{from->objectName()});
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(from->isVisible());
    }

    void backupPictureTicklesEveryTime()
    {
        FakePrompter prompter;
        prompter.answers = {QMessageBox::Ok, QMessageBox::Ok};
        FrmBackupHelp window(prompter);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const char *name : {"Image1", "Label6", "Image1"})
            QTest::mouseClick(child<QLabel>(&window, QLatin1String(name)), Qt::LeftButton);
        QCOMPARE(prompter.titles(), (QStringList{"Hee He", "Hee He"}));
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
