#include "FakePlatform.h"
#include "TestSupport.h"
#include "app/frmMoney.h"
#include "help/HelpTopics.h"
#include "help/HelpWidgets.h"
#include "help/PictureMap.h"
#include "help/frmAbout.h"
#include "help/frmHelp.h"
#include "register/DataFile.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
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

    void pictureMap_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("kept"); // written again
        QTest::newRow("sorted by name") << QByteArray("cmdOk 10 20 30 12\nFrame1 0 0 1 1\n")
                                        << QByteArray("Frame1 0 0 1 1\ncmdOk 10 20 30 12\n");
        QTest::newRow("blanks and a CR LF end")
            << QByteArray("  a  1 2 3 4 \r\n") << QByteArray("a 1 2 3 4\n");
        QTest::newRow("missing number")
            << QByteArray("a 1 2 3\nb 1 2 3 4\n") << QByteArray("b 1 2 3 4\n");
        QTest::newRow("not a number") << QByteArray("a 1 x 3 4\n") << QByteArray();
        QTest::newRow("extra number") << QByteArray("a 1 2 3 4 5\n") << QByteArray();
    }
    void pictureMap()
    {
        QFETCH(QByteArray, text);
        QTEST(formatPictureMap(parsePictureMap(text)), "kept");
    }

    // What each topic button opens: the window's name and caption, its texts, its callout
    // lines and its default button, which Enter presses to close it.
    void topics_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("seen");
        QTest::newRow("about") << "cmdAbout"
                               << QStringList{"About the Program", "frmAbout: About Tallyra",
                                              "0 lines", "cmdOk: OK"};
        QTest::newRow("main screen")
            << "cmdEnter"
            << QStringList{"About the Main Screen",
                           "frmEnter: About the Main Screen",
                           "2. Enter the check number and payee here.",
                           "Information about your account.",
                           "1. Simply enter the date here.",
                           "3. Enter Amount and type, use neither for voided checks.",
                           "4. Click on add to enter the record.  Press exit to quit.",
                           "If you wish to edit or delete any records just press on the > button "
                           "next to the record to edit.",
                           "This shows your records you have added.  To scroll through the "
                           "records use the scroll bar on the right hand side.",
                           "13 lines",
                           "Command1: &Close"};
        QTest::newRow("editing")
            << "cmdRecord"
            << QStringList{"Editing a Record",
                           "frmEditHelp: Editing a Record",
                           "After clicking on the > button next to the record, you will see this "
                           "screen appear.",
                           "Just enter the information you wish to change and press Accept.",
                           "To remove the record just click on Remove and it will be deleted.",
                           "Click on Cancel to close the edit window without saving the changes.",
                           "3 lines",
                           "cmdClose: &Close"};
        QTest::newRow("backing up")
            << "cmdBackup"
            << QStringList{"Backing Up and Restoring",
                           "frmBackupHelp: Backing Up and Restoring",
                           "From the File menu you have the options to backup and restore a "
                           "record. ",
                           "In order to BACKUP, you must have a disk in the floppy drive of your "
                           "computer.  Choose Backup from the File menu and type in a short name "
                           "for the backup file and press Ok.",
                           "When you choose Restore from the File menu, this window will pop up.  "
                           "You must have a floppy disk in the drive to restore.",
                           "2. Press Ok to restore the file you choose.  Cancel closes this window "
                           "making no changes.",
                           "Press Refresh if you change disks.  This updates the list.",
                           "1. If there are backup files on the disk they will be shown here.  "
                           "Choose the one you wish to restore.",
                           "4 lines",
                           "cmdClose: &Close"};
        QTest::newRow("printing")
            << "cmdPrinting"
            << QStringList{"Printing a Report", "frmPrintHelp: About Printing",
                           "You can print a report out, beginning from the start date up to the "
                           "end date.  Just enter the dates (Format is Month/Day/Year), and press "
                           "Print.  Cancel closes without printing.",
                           "0 lines", "cmdClose: &Close"};
        QTest::newRow("default file")
            << "cmdDefaultHelp"
            << QStringList{"What is the Default File?", "frmDefaultHelp: About the Default File",
                           "This program works by adding records to a file, named DEFAULT.DAT.  "
                           "When you first start the program it checks for this file, and if one "
                           "does no exist the program creates one.  The default file can only "
                           "hold up to 1000 records, for simplicity.  When you approach the max "
                           "amount you will get a message.  When you get this message you should "
                           "backup your current file, and then create a new default file.  This "
                           "is done by going to the File menu and choosing New File.  This will "
                           "create a new file.",
                           "0 lines", "cmdClose: &Close"};
    }
    void topics()
    {
        QFETCH(QString, button);
        FakePlatform fakes;
        FrmHelp help(fakes.platform);
        help.show();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        QCOMPARE(help.windowTitle(), QStringLiteral("Help"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdAbout"));

        auto *topic = child<QPushButton>(&help, button);
        QStringList seen{topic->text()};
        bool helpBeneath = false;
        NextModal<QDialog> opened([&](QDialog *window) {
            seen << window->objectName() + ": " + window->windowTitle();
            for (int i = 1;
                 auto *label = window->findChild<QLabel *>(QStringLiteral("Label%1").arg(i)); ++i)
                seen << label->text();
            seen << calloutsOf(window);
            for (const QPushButton *close : window->findChildren<QPushButton *>()) {
                if (close->isDefault())
                    seen << close->objectName() + ": " + close->text();
            }
            helpBeneath = help.isVisible();
            QTest::keyClick(window, Qt::Key_Return);
        });
        QTest::mouseClick(topic, Qt::LeftButton);
        QVERIFY(opened.handled() && helpBeneath);
        QTEST(seen, "seen");
        QVERIFY(help.isVisible());
        QCOMPARE(help.findChildren<QDialog *>().size(), 0);
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
        QCOMPARE(prompter.shown.size(), size_t(2));
        for (const FakePrompter::Shown &box : prompter.shown) {
            QCOMPARE(box.icon, QMessageBox::Information);
            QCOMPARE(box.title + ": " + box.text, "Hee He: Please stop that, it tickles!!!");
            QCOMPARE(box.buttons, QMessageBox::Ok);
        }
        QVERIFY(window.isVisible());
    }

    void aboutClosesOnEnterAndEsc_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void aboutClosesOnEnterAndEsc()
    {
        QFETCH(int, key);
        FrmAbout window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QList<QLabel *> column = window.findChildren<QLabel *>();
        std::sort(column.begin(), column.end(), [](const QWidget *a, const QWidget *b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        QStringList texts;
        for (const QLabel *label : column)
            texts << label->objectName() + ": " + label->text();
        QCOMPARE(texts,
                 (QStringList{"picIcon: ", "lblTitle: Tallyra.", "lblVersion: Version 1.3",
                              "lblCreationDate: May 18, 2000",
                              "lblMailHeading: Problems or questions, email me at:",
                              "lblMail: support@tallyra.example.org",
                              "lblWebHeading: WebPage:", "lblWeb: https://tallyra.example.org"}));
        QSignalSpy pressed(child<QPushButton>(&window, QStringLiteral("cmdOk")),
                           &QPushButton::clicked);
        QTest::keyClick(&window, Qt::Key(key));
        QCOMPARE(pressed.size(), 1);
        QVERIFY(!window.isVisible());
    }

    // The help menu's commands and the status panel's warning label each open their window
    // modally over the main window alone, and none is left open once it has closed.
    void mainWindowOpensHelp_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("window");
        QTest::newRow("Content") << "mnuContent"
                                 << "frmHelp";
        QTest::newRow("About") << "mnuAbout"
                               << "frmAbout";
        QTest::newRow("warning label") << "lblWarning"
                                       << "frmDefaultHelp";
    }
    void mainWindowOpensHelp()
    {
        QFETCH(QString, opener);
        QFETCH(QString, window);
        TempWorkingFolder folder;
        writeBytes(QLatin1String(DataFileName), emptyDataFile());
        FakePlatform fakes;
        Checkbook book;
        FrmMoney main(book, fakes.platform);
        main.Form_Load();
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QStringList shown;
        NextModal<QDialog> modal([&](QDialog *dialog) {
            for (const QWidget *top : QApplication::topLevelWidgets()) {
                if (top->isVisible())
                    shown << top->objectName();
            }
            dialog->close();
        });
        if (opener.startsWith(QLatin1String("mnu")))
            child<QAction>(&main, opener)->trigger();
        else
            QTest::mouseClick(child<QLabel>(&main, opener), Qt::LeftButton);
        QVERIFY(modal.handled());
        shown.sort();
        QCOMPARE(shown, (QStringList{window, "frmMoney"}));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
