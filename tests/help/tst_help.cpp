// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "help/HelpWidgets.h"
#include "help/frmHelp.h"

#include <QAction>
#include <QLabel>

using namespace tallyra;
using namespace tallyra::test;

namespace {

// "n lines" when each callout line runs from outside the picture into it and crosses no
// label; otherwise where the first line that does not starts.
QString calloutsOf(const QWidget *window)
{
    const auto *callouts = window->findChild<CalloutLines *>();
    if (!callouts)
        return QStringLiteral("0 lines");
    const auto placed = [=](auto *w) { return QRectF(w->mapTo(window, QPoint()), w->size()); };
    const QRectF picture = placed(child<QLabel>(window, QStringLiteral("Image1")));
    const auto labels = window->findChildren<QLabel *>(QRegularExpression("^Label"));
    for (const QLineF &line : callouts->lines()) {
        bool stray = picture.contains(line.p1()) || !picture.contains(line.p2());
        for (qreal t = 0; t <= 1; t += 0.01)
            for (const QLabel *label : labels)
                stray = stray || placed(label).contains(line.pointAt(t));
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
    // lines.
    void opens_data()
    {
        // What opens the window, then the window and its callout lines.
        QTest::addColumn<QString>("row");
        QTest::newRow("about") << "cmdAbout frmAbout, 0 lines";
        QTest::newRow("main screen") << "cmdEnter frmEnter, 13 lines";
        QTest::newRow("editing") << "cmdRecord frmEditHelp, 3 lines";
        QTest::newRow("backing up") << "cmdBackup frmBackupHelp, 4 lines";
        QTest::newRow("printing") << "cmdPrinting frmPrintHelp, 0 lines";
        QTest::newRow("default file") << "cmdDefaultHelp frmDefaultHelp, 0 lines";
        QTest::newRow("Help > Content") << "mnuContent frmHelp, 0 lines";
        QTest::newRow("Help > About") << "mnuAbout frmAbout, 0 lines";
        QTest::newRow("warning label") << "lblWarning frmDefaultHelp, 0 lines";
    }
    void opens()
    {
        QFETCH(QString, row);
        const QString opener = row.section(u' ', 0, 0);
        MainWindow f;
        FrmHelp help(f.fakes.platform);
        QWidget *from = opener.startsWith(u"cmd") ? &help : static_cast<QWidget *>(&f.window);
        from->show();
        QVERIFY(QTest::qWaitForWindowActive(from));
        QString seen;
        NextModal<QDialog> opened([&](QDialog *window) {
            seen = window->objectName() + ", " + calloutsOf(window);
            QVERIFY(window->parentWidget() == from);
            QTest::keyClick(window, Qt::Key_Escape);
        });
        if (opener.startsWith(u"mnu"))
            f.get<QAction>(opener)->trigger();
        else
            QTest::mouseClick(child<QWidget>(from, opener), Qt::LeftButton);
        QCOMPARE(seen, row.section(u' ', 1));
        QVERIFY(from->isVisible());
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
