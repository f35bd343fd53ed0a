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
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace tallyra;
using namespace tallyra::test;

namespace {

enum Topic { Enter, EditHelp, BackupHelp, PrintHelp, DefaultHelp };

std::unique_ptr<QDialog> topicWindow(int topic, Prompter &prompter)
{
    switch (topic) {
    case Enter:
        return std::make_unique<FrmEnter>();
    case EditHelp:
        return std::make_unique<FrmEditHelp>();
    case BackupHelp:
        return std::make_unique<FrmBackupHelp>(prompter);
    case PrintHelp:
        return std::make_unique<FrmPrintHelp>();
    default:
        return std::make_unique<FrmDefaultHelp>();
    }
}

QRect placeIn(const QWidget *widget, const QWidget *window)
{
    return QRect(widget->mapTo(window, QPoint()), widget->size());
}

qreal distance(const QPointF &point, const QRectF &rect)
{
    const qreal dx = std::max({rect.left() - point.x(), 0.0, point.x() - rect.right()});
    const qreal dy = std::max({rect.top() - point.y(), 0.0, point.y() - rect.bottom()});
    return std::hypot(dx, dy);
}

// Every label shows its whole text inside the window.
void verifyNothingClipped(const QWidget *window)
{
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        const QString name = label->objectName();
        QVERIFY2(window->rect().contains(placeIn(label, window)), qPrintable(name));
        if (label->wordWrap())
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(name));
        else
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(name));
    }
}

QList<QPushButton *> buttonsTopToBottom(const QWidget *window)
{
    QList<QPushButton *> buttons = window->findChildren<QPushButton *>();
    std::sort(buttons.begin(), buttons.end(),
              [](const QWidget *a, const QWidget *b) { return a->y() < b->y(); });
    return buttons;
}

template <typename T> QStringList namesOf(const QList<T *> &widgets)
{
    QStringList names;
    for (const T *widget : widgets)
        names << widget->objectName();
    return names;
}

QStringList shownWindows()
{
    QWidgetList shown = QApplication::topLevelWidgets();
    shown.removeIf([](const QWidget *window) { return !window->isVisible(); });
    QStringList names = namesOf(shown);
    names.sort();
    return names;
}

} // namespace

class TestPictureMap : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip()
    {
        const PictureMap map{{QStringLiteral("cmdOk"), QRect(10, 20, 30, 12)},
                             {QStringLiteral("Frame1"), QRect(0, 0, 1, 1)}};
        const QByteArray text = formatPictureMap(map);
        QCOMPARE(text, QByteArray("Frame1 0 0 1 1\ncmdOk 10 20 30 12\n"));
        QCOMPARE(parsePictureMap(text), map);
    }

    void parse_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("controls");
        QTest::newRow("blanks and a CR LF end") << QByteArray("  a  1 2 3 4 \r\n") << 1;
        QTest::newRow("missing number") << QByteArray("a 1 2 3\nb 1 2 3 4\n") << 1;
        QTest::newRow("not a number") << QByteArray("a 1 x 3 4\n") << 0;
        QTest::newRow("extra field") << QByteArray("a b 1 2 3 4\n") << 0;
        QTest::newRow("empty") << QByteArray() << 0;
    }
    void parse()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, controls);
        QCOMPARE(parsePictureMap(text).size(), controls);
    }
};

class TestHelpWindows : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void topics_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("places"); // of each label, relative to the picture
        QTest::addColumn<QSize>("pictureSize");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QString>("closeName");

        QTest::newRow("main screen")
            << int(Enter) << "About the Main Screen"
            << QStringList{"2. Enter the check number and payee here.",
                           "Information about your account.",
                           "1. Simply enter the date here.",
                           "3. Enter Amount and type, use neither for voided checks.",
                           "4. Click on add to enter the record.  Press exit to quit.",
                           "If you wish to edit or delete any records just press on the > button "
                           "next to the record to edit.",
                           "This shows your records you have added.  To scroll through the "
                           "records use the scroll bar on the right hand side."}
            << QStringList{"above", "above", "left", "left", "left", "below", "below"}
            << QSize(406, 339) << 13 << "Command1";
        QTest::newRow("editing")
            << int(EditHelp) << "Editing a Record"
            << QStringList{"After clicking on the > button next to the record, you will see this "
                           "screen appear.",
                           "Just enter the information you wish to change and press Accept.",
                           "To remove the record just click on Remove and it will be deleted.",
                           "Click on Cancel to close the edit window without saving the changes."}
            << QStringList{"left", "left", "below", "below"} << QSize(250, 190) << 3 << "cmdClose";
        QTest::newRow("backing up")
            << int(BackupHelp) << "Backing Up and Restoring"
            << QStringList{"From the File menu you have the options to backup and restore a "
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
                           "Choose the one you wish to restore."}
            << QStringList{"above", "above", "above", "right", "right", "below"} << QSize(194, 154)
            << 4 << "cmdClose";
        QTest::newRow("printing")
            << int(PrintHelp) << "About Printing"
            << QStringList{"You can print a report out, beginning from the start date up to the "
                           "end date.  Just enter the dates (Format is Month/Day/Year), and press "
                           "Print.  Cancel closes without printing."}
            << QStringList{"above"} << QSize(163, 113) << 0 << "cmdClose";
        QTest::newRow("default file")
            << int(DefaultHelp) << "About the Default File"
            << QStringList{"This program works by adding records to a file, named DEFAULT.DAT.  "
                           "When you first start the program it checks for this file, and if one "
                           "does no exist the program creates one.  The default file can only "
                           "hold up to 1000 records, for simplicity.  When you approach the max "
                           "amount you will get a message.  When you get this message you should "
                           "backup your current file, and then create a new default file.  This "
                           "is done by going to the File menu and choosing New File.  This will "
                           "create a new file."}
            << QStringList{""} << QSize() << 0 << "cmdClose";
    }
    void topics()
    {
        QFETCH(int, topic);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, places);
        QFETCH(QSize, pictureSize);
        QFETCH(int, lineCount);
        QFETCH(QString, closeName);
        FakePrompter prompter;
        const std::unique_ptr<QDialog> window = topicWindow(topic, prompter);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));

        QTEST(window->windowTitle(), "caption");
        const auto *picture = window->findChild<QLabel *>(QStringLiteral("Image1"));
        QCOMPARE(picture ? picture->pixmap().size() : QSize(), pictureSize);
        QList<QRect> labels;
        for (int i = 0; i < texts.size(); ++i) {
            const auto *label = child<QLabel>(window.get(), QStringLiteral("Label%1").arg(i + 1));
            QCOMPARE(label->text(), texts[i]);
            labels << placeIn(label, window.get());
            if (!picture)
                continue;
            const QRect image = placeIn(picture, window.get());
            const QRect text = labels.last();
            const QString &place = places[i];
            QVERIFY2(place != "above" || text.bottom() < image.top(), qPrintable(texts[i]));
            QVERIFY2(place != "below" || text.top() > image.bottom(), qPrintable(texts[i]));
            QVERIFY2(place != "left" || text.right() < image.left(), qPrintable(texts[i]));
            QVERIFY2(place != "right" || text.left() > image.right(), qPrintable(texts[i]));
        }
        QCOMPARE(window->findChildren<QLabel *>().size(), texts.size() + (picture ? 1 : 0));
        verifyNothingClipped(window.get());

        // Each line runs from just beside a label into the picture.
        const auto *callouts = window->findChild<CalloutLines *>();
        const QList<QLineF> lines = callouts ? callouts->lines() : QList<QLineF>();
        QCOMPARE(lines.size(), lineCount);
        for (const QLineF &line : lines) {
            const QRectF image = placeIn(picture, window.get());
            QVERIFY(image.contains(line.p2()));
            QVERIFY(!image.contains(line.p1()));
            QVERIFY(std::none_of(labels.cbegin(), labels.cend(), [&](const QRect &label) {
                return QRectF(label).contains(line.p1());
            }));
            QVERIFY(std::any_of(labels.cbegin(), labels.cend(), [&](const QRect &label) {
                return distance(line.p1(), label) <= 4;
            }));
        }

        auto *close = child<QPushButton>(window.get(), closeName);
        QCOMPARE(close->text(), QStringLiteral("&Close"));
        QVERIFY(close->isDefault());
        QCOMPARE(buttonsTopToBottom(window.get()), QList<QPushButton *>{close});
        QTest::keyClick(window.get(), Qt::Key_Return);
        QVERIFY(!window->isVisible());
        QCOMPARE(window->result(), int(QDialog::Accepted));
    }

    void pictureFiles_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        QTest::newRow("main screen") << ":/help/enter.gif" << QByteArray("gif") << QSize(406, 339);
        QTest::newRow("editing") << ":/help/editing.gif" << QByteArray("gif") << QSize(250, 190);
        QTest::newRow("backing up") << ":/help/backup.gif" << QByteArray("gif") << QSize(194, 154);
        QTest::newRow("printing") << ":/help/printing.gif" << QByteArray("gif") << QSize(163, 113);
        QTest::newRow("about") << ":/help/about.jpg" << QByteArray("jpeg") << QSize(100, 200);
    }
    void pictureFiles()
    {
        QFETCH(QString, resource);
        QImageReader reader(resource);
        QTEST(reader.format(), "format");
        QTEST(reader.read().size(), "size");
    }

    void backupPictureTicklesEveryTime()
    {
        FakePrompter prompter;
        prompter.answers = {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
        FrmBackupHelp window(prompter);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *picture = child<QLabel>(&window, QStringLiteral("Image1"));
        for (int click = 0; click < 3; ++click)
            QTest::mouseClick(picture, Qt::LeftButton);
        QCOMPARE(prompter.shown.size(), size_t(3));
        for (const FakePrompter::Shown &box : prompter.shown) {
            QCOMPARE(box.icon, QMessageBox::Information);
            QCOMPARE(box.title, QStringLiteral("Hee He"));
            QCOMPARE(box.text, QStringLiteral("Please stop that, it tickles!!!"));
            QCOMPARE(box.buttons, QMessageBox::Ok);
        }
        // The text beside the picture is no part of it.
        QTest::mouseClick(child<QLabel>(&window, QStringLiteral("Label6")), Qt::LeftButton);
        QCOMPARE(prompter.shown.size(), size_t(3));
        QVERIFY(window.isVisible());
    }

    void topicsWindowButtons()
    {
        FakePlatform fakes;
        FrmHelp window(fakes.platform);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Help"));

        const QStringList order{"cmdAbout",    "cmdEnter",       "cmdRecord", "cmdBackup",
                                "cmdPrinting", "cmdDefaultHelp", "cmdClose"};
        const QList<QPushButton *> buttons = buttonsTopToBottom(&window);
        QCOMPARE(namesOf(buttons), order);
        QStringList captions;
        for (const QPushButton *button : buttons)
            captions << button->text();
        QCOMPARE(captions,
                 (QStringList{"About the Program", "About the Main Screen", "Editing a Record",
                              "Backing Up and Restoring", "Printing a Report",
                              "What is the Default File?", "&Close"}));

        QList<QPushButton *> tabbed;
        for (QWidget *at = buttons.first(); tabbed.size() < buttons.size();
             at = at->nextInFocusChain()) {
            if (auto *button = qobject_cast<QPushButton *>(at))
                tabbed << button;
        }
        QCOMPARE(namesOf(tabbed), order);
        QCOMPARE(QApplication::focusWidget(), buttons.first());

        const QPushButton *close = buttons.last();
        for (const QPushButton *topic : buttons.first(6)) {
            QCOMPARE(topic->width(), buttons.first()->width());
            QVERIFY(close->width() < topic->width());
            QVERIFY(std::abs(close->geometry().center().x() - topic->geometry().center().x()) <= 1);
        }
        verifyNothingClipped(&window);
    }

    void topicButtonsOpenTheirWindows_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::newRow("about") << "cmdAbout"
                               << "frmAbout"
                               << "About Tallyra";
        QTest::newRow("main screen") << "cmdEnter"
                                     << "frmEnter"
                                     << "About the Main Screen";
        QTest::newRow("editing") << "cmdRecord"
                                 << "frmEditHelp"
                                 << "Editing a Record";
        QTest::newRow("backing up") << "cmdBackup"
                                    << "frmBackupHelp"
                                    << "Backing Up and Restoring";
        QTest::newRow("printing") << "cmdPrinting"
                                  << "frmPrintHelp"
                                  << "About Printing";
        QTest::newRow("default file") << "cmdDefaultHelp"
                                      << "frmDefaultHelp"
                                      << "About the Default File";
    }
    void topicButtonsOpenTheirWindows()
    {
        QFETCH(QString, button);
        FakePlatform fakes;
        FrmHelp help(fakes.platform);
        help.show();
        QVERIFY(QTest::qWaitForWindowActive(&help));

        QString opened;
        QString caption;
        bool helpBeneath = false;
        NextModal<QDialog> topic([&](QDialog *window) {
            opened = window->objectName();
            caption = window->windowTitle();
            helpBeneath = help.isVisible();
            QTest::keyClick(window, Qt::Key_Return);
        });
        QTest::mouseClick(child<QPushButton>(&help, button), Qt::LeftButton);
        QVERIFY(topic.handled());
        QTEST(opened, "window");
        QTEST(caption, "caption");
        QVERIFY(helpBeneath);
        QVERIFY(help.isVisible());
        QCOMPARE(help.findChildren<QPushButton *>().size(), 7);
        QCOMPARE(help.findChildren<QDialog *>().size(), 0);
    }

    void about()
    {
        FrmAbout window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("About Tallyra"));
        const auto *picture = child<QLabel>(&window, QStringLiteral("picIcon"));
        QCOMPARE(picture->pixmap().size(), QSize(100, 200));

        QList<QLabel *> column = window.findChildren<QLabel *>();
        column.removeOne(picture);
        std::sort(column.begin(), column.end(),
                  [](const QWidget *a, const QWidget *b) { return a->y() < b->y(); });
        QStringList texts;
        for (const QLabel *label : column) {
            texts << label->text();
            QVERIFY(label->x() > picture->geometry().right());
        }
        QCOMPARE(texts,
                 (QStringList{"Tallyra.", "Version 1.3", "May 18, 2000",
                              "Problems or questions, email me at:", "support@tallyra.example.org",
                              "WebPage:", "https://tallyra.example.org"}));
        QCOMPARE(child<QLabel>(&window, QStringLiteral("lblMail"))->text(), texts[4]);
        QCOMPARE(child<QLabel>(&window, QStringLiteral("lblWeb"))->text(), texts[6]);

        const auto *ok = child<QPushButton>(&window, QStringLiteral("cmdOk"));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->y() > column.last()->geometry().bottom());
        QCOMPARE(ok->geometry().right(), column.last()->geometry().right());
        QVERIFY(picture->height() * 10 >= window.height() * 9);
        verifyNothingClipped(&window);
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
        QSignalSpy pressed(child<QPushButton>(&window, QStringLiteral("cmdOk")),
                           &QPushButton::clicked);
        QTest::keyClick(&window, Qt::Key(key));
        QCOMPARE(pressed.size(), 1);
        QVERIFY(!window.isVisible());
    }
};

class TestMainWindowHelp : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        TempWorkingFolder folder;
        FakePlatform fakes;
        Checkbook book;
        FrmMoney window{book, fakes.platform};

        Fixture()
        {
            writeBytes(QLatin1String(DataFileName), emptyDataFile());
            window.Form_Load();
            window.show();
        }
    };

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void helpMenuOpensItsWindows_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("window");
        QTest::newRow("Content") << "mnuContent"
                                 << "frmHelp";
        QTest::newRow("About") << "mnuAbout"
                               << "frmAbout";
    }
    void helpMenuOpensItsWindows()
    {
        QFETCH(QString, action);
        Fixture f;
        auto *item = child<QAction>(&f.window, action);
        QVERIFY(item->isEnabled());
        QString opened;
        QString version;
        NextModal<QDialog> modal([&](QDialog *window) {
            opened = window->objectName();
            if (auto *label = window->findChild<QLabel *>(QStringLiteral("lblVersion")))
                version = label->text();
            window->close();
        });
        item->trigger();
        QVERIFY(modal.handled());
        QTEST(opened, "window");
        QCOMPARE(version.isEmpty(), opened != QLatin1String("frmAbout"));
        QVERIFY(version.isEmpty() || version == QLatin1String("Version 1.3"));
    }

    void warningLabelOpensDefaultFileTopic()
    {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QString opened;
        QStringList shownMeanwhile;
        NextModal<QDialog> modal([&](QDialog *window) {
            opened = window->objectName();
            shownMeanwhile = shownWindows();
            QTest::keyClick(window, Qt::Key_Return);
        });
        QTest::mouseClick(child<QLabel>(&f.window, QStringLiteral("lblWarning")), Qt::LeftButton);
        QVERIFY(modal.handled());
        QCOMPARE(opened, QStringLiteral("frmDefaultHelp"));
        QCOMPARE(shownMeanwhile, (QStringList{"frmDefaultHelp", "frmMoney"}));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(shownWindows(), QStringList{"frmMoney"});
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int status = 0;
    {
        TestPictureMap map;
        status |= QTest::qExec(&map, argc, argv);
    }
    {
        TestHelpWindows windows;
        status |= QTest::qExec(&windows, argc, argv);
    }
    {
        TestMainWindowHelp mainWindow;
        status |= QTest::qExec(&mainWindow, argc, argv);
    }
    return status;
}

#include "tst_help.moc"
