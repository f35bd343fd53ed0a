#include "FakePlatform.h"
#include "TestSupport.h"
#include "app/FieldValue.h"
#include "app/MoneyFormat.h"
#include "app/frmMoney.h"
#include "register/DataFile.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

using namespace tallyra;
using namespace tallyra::test;

namespace {

const QString MissingText =
    QStringLiteral("The default data file is missing.  Do you wish to make one?");

Entry entry(int year, int month, int day, const char *payee, qint32 out, qint32 in = 0)
{
    return Entry{qint16(year),
                 qint16(month),
                 qint16(day),
                 QStringLiteral("ATM"),
                 QString::fromLatin1(payee),
                 out,
                 in};
}

// Writes a data file of `count` entries with the given payees (repeated as needed).
void writeRegister(int count, const QStringList &payees = {QStringLiteral("RENT")},
                   qint32 withdrawal = 100)
{
    Checkbook book;
    book.entryCount = qint16(count);
    for (int i = 1; i <= count; ++i)
        book.slot[i] = entry(2001, 1, 1, "", withdrawal);
    for (int i = 1; i <= count; ++i)
        book.slot[i].payee = payees[(i - 1) % payees.size()];
    writeBytes(QLatin1String(DataFileName), formatDataFile(book));
}

QStringList comboItems(QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

QColor textColour(QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

} // namespace

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("digits then letters") << "12abc" << 12.0;
        QTest::newRow("blank inside") << "1 2" << 12.0;
        QTest::newRow("tab and line feed") << "\t1\n2" << 12.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("fraction") << "5.5" << 5.5;
        QTest::newRow("second point ends it") << "1.2.3" << 1.2;
        QTest::newRow("hex") << "&H1F" << 31.0;
        QTest::newRow("hex lower case") << "&h1fz" << 31.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("octal stops at 8") << "&O178" << 15.0;
        QTest::newRow("bare ampersand") << "&5" << 0.0;
        QTest::newRow("exponent E") << "1E3" << 1000.0;
        QTest::newRow("exponent D") << "1D3" << 1000.0;
        QTest::newRow("negative exponent") << "25e-1" << 2.5;
        QTest::newRow("exponent without digits") << "7e+" << 7.0;
        QTest::newRow("negative fraction") << "-.5" << -0.5;
        QTest::newRow("plus sign") << "+ 4" << 4.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("comma is no point") << "1,5" << 1.0;
        QTest::newRow("huge") << "1E999" << HUGE_VAL;
        QTest::newRow("tiny") << "1E-999" << 0.0;
        QTest::newRow("negative huge") << "-1E999" << -HUGE_VAL;
        QTest::newRow("tiny without exponent") << "0." + QString(330, u'0') + "1" << 0.0;
        QTest::newRow("huge despite a negative exponent")
            << "1" + QString(320, u'0') + "e-5" << HUGE_VAL;
        QTest::newRow("tiny despite a positive exponent")
            << ".000" + QString(340, u'0') + "1e+9" << 0.0;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(fieldValue(text), value);
    }

    void amountInCents_data()
    {
        QTest::addColumn<QString>("dollars");
        QTest::addColumn<QString>("cents");
        QTest::addColumn<double>("amount");
        QTest::newRow("cents field counts cents") << "1"
                                                  << "5" << 105.0;
        QTest::newRow("fractional cents round down") << "5"
                                                     << "99.9" << 599.0;
        QTest::newRow("negative rounds toward minus infinity") << "-0.001"
                                                               << "0" << -1.0;
        QTest::newRow("minus one dollar plus 100 cents") << "-1"
                                                         << "100" << 0.0;
        QTest::newRow("text reads as zero") << "abc"
                                            << "abc" << 0.0;
        QTest::newRow("infinite both ways, dollars decide") << "1E999"
                                                            << "-1E999" << HUGE_VAL;
        QTest::newRow("infinite both ways, negative dollars") << "-1E999"
                                                              << "1E999" << -HUGE_VAL;
    }
    void amountInCents()
    {
        QFETCH(QString, dollars);
        QFETCH(QString, cents);
        QFETCH(double, amount);
        QCOMPARE(amountCents(dollars, cents), amount);
    }

    void format_data()
    {
        QTest::addColumn<qint64>("cents");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << "$.00";
        QTest::newRow("five cents") << qint64(5) << "$.05";
        QTest::newRow("twelve fifty") << qint64(1250) << "$12.50";
        QTest::newRow("one thousand") << qint64(100000) << "$1,000.00";
        QTest::newRow("millions") << qint64(123456789) << "$1,234,567.89";
        QTest::newRow("minus one cent") << qint64(-1) << "-$.01";
        QTest::newRow("minus 25") << qint64(-2500) << "-$25.00";
        QTest::newRow("beyond 32 bits") << qint64(4294967296) << "$42,949,672.96";
        QTest::newRow("most negative")
            << std::numeric_limits<qint64>::min() << "-$92,233,720,368,547,758.08";
    }
    void format()
    {
        QFETCH(qint64, cents);
        QFETCH(QString, text);
        QCOMPARE(formatMoney(cents), text);
        QCOMPARE(formatListMoney(cents), text + QLatin1Char(' '));
    }
};

class TestFrmMoney : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        TempWorkingFolder folder;
        FakePlatform fakes;
        Checkbook book;
        FrmMoney window{book, fakes.platform};

        template <typename T> T *get(const char *name)
        {
            return child<T>(&window, QLatin1String(name));
        }
        QString text(const char *name) { return get<QComboBox>(name)->currentText(); }
        QString label(const char *name) { return get<QLabel>(name)->text(); }
    };

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void missingFileYesCreatesEmptyRegister()
    {
        Fixture f;
        f.fakes.prompter.answers = {QMessageBox::Yes};
        f.window.Form_Load();

        QCOMPARE(f.fakes.prompter.shown.size(), size_t(1));
        const auto &box = f.fakes.prompter.shown[0];
        QCOMPARE(box.title, QStringLiteral("Missing File"));
        QCOMPARE(box.text, MissingText);
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(fileBytes(QLatin1String(DataFileName)), emptyDataFile());
        QCOMPARE(f.fakes.programEnd.calls, 0);

        QCOMPARE(f.window.windowTitle(), QStringLiteral("Tallyra v1.3"));
        QCOMPARE(f.text("txtMonth"), QStringLiteral("6"));
        QCOMPARE(f.text("txtDay"), QStringLiteral("7"));
        QCOMPARE(f.text("txtYear"), QStringLiteral("2001"));
        QCOMPARE(f.text("cmbCheckNum"), QStringLiteral("ATM"));
        QCOMPARE(f.text("cmbPayee"), QString());
        QCOMPARE(f.text("txtDollar"), QStringLiteral("0"));
        QCOMPARE(f.text("txtCent"), QStringLiteral("00"));
        QVERIFY(f.get<QRadioButton>("optWithdrawl")->isChecked());
        QCOMPARE(f.label("lblTotal"), QStringLiteral("$.00"));
        QCOMPARE(textColour(f.get<QLabel>("lblTotal")), QColor(Qt::black));
        QCOMPARE(f.label("lblRecNum"), QStringLiteral("0 / 1000"));
        QCOMPARE(f.label("lblWarning"), QStringLiteral("Version 1.3"));
    }

    void missingFileNoEndsWithoutWriting()
    {
        Fixture f;
        f.fakes.prompter.answers = {QMessageBox::No};
        f.window.Form_Load();
        QCOMPARE(f.fakes.programEnd.calls, 1);
        QVERIFY(!QFile::exists(QLatin1String(DataFileName)));
        QCOMPARE(f.window.windowTitle(), QString());
    }

    void unreadableFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray record = "2001,1,1,\"ATM\",\"RENT\",100,0\r\n";
        QTest::newRow("count 1001") << QByteArray("1001\r\n") + emptyDataFile().mid(3);
        QTest::newRow("count -1") << QByteArray("-1\r\n") + emptyDataFile().mid(3);
        QTest::newRow("short file") << QByteArray("3\r\n") + record + record;
        QTest::newRow("bad number") << QByteArray("1\r\n2001,1,x,\"ATM\",\"RENT\",100,0\r\n");
        QTest::newRow("empty file") << QByteArray();
    }
    void unreadableFile()
    {
        QFETCH(QByteArray, bytes);
        {
            // No: nothing on disk changes and the program ends.
            Fixture f;
            writeBytes(QLatin1String(DataFileName), bytes);
            f.fakes.prompter.answers = {QMessageBox::No};
            f.window.Form_Load();
            QCOMPARE(f.fakes.prompter.titles(), QStringList{"Missing File"});
            QCOMPARE(f.fakes.programEnd.calls, 1);
            QCOMPARE(fileBytes(QLatin1String(DataFileName)), bytes);
            QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files),
                     QStringList{QLatin1String(DataFileName)});
        }
        // Yes: the unreadable file is kept, under a name that spares an earlier kept copy.
        Fixture f;
        writeBytes(QLatin1String(DataFileName), bytes);
        writeBytes(QStringLiteral("default.dat.unreadable"), "earlier");
        f.fakes.prompter.answers = {QMessageBox::Yes, QMessageBox::Ok};
        f.window.Form_Load();
        QCOMPARE(f.fakes.prompter.shown.size(), size_t(2));
        QVERIFY(f.fakes.prompter.shown[1].text.contains(QLatin1String("default.dat.unreadable.1")));
        QCOMPARE(fileBytes(QStringLiteral("default.dat.unreadable.1")), bytes);
        QCOMPARE(fileBytes(QStringLiteral("default.dat.unreadable")), QByteArray("earlier"));
        QCOMPARE(fileBytes(QLatin1String(DataFileName)), emptyDataFile());
        QCOMPARE(f.book.entryCount, qint16(0));
        QCOMPARE(f.label("lblRecNum"), QStringLiteral("0 / 1000"));
    }

    void payeesMergeExactlyAndStay()
    {
        Fixture f;
        writeRegister(3, {QStringLiteral("RENT"), QStringLiteral("GAS"), QStringLiteral("RENT")});
        f.window.Form_Load();
        auto *payees = f.get<QComboBox>("cmbPayee");
        QCOMPARE(comboItems(payees), (QStringList{"GAS", "RENT"}));
        f.window.loadRegister();
        QCOMPARE(comboItems(payees), (QStringList{"GAS", "RENT"}));

        writeRegister(2, {QStringLiteral("Rent"), QStringLiteral("RENT")});
        f.window.loadRegister();
        QCOMPARE(comboItems(payees), (QStringList{"GAS", "RENT", "Rent"}));

        // A new register empties the file, never the pick list.
        f.fakes.prompter.answers = {QMessageBox::Yes};
        f.get<QAction>("mnuNew")->trigger();
        QCOMPARE(comboItems(payees), (QStringList{"GAS", "RENT", "Rent"}));
    }

    void scrollPositionShowsNewestTen_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("position");
        QTest::newRow("empty") << 0 << 1;
        QTest::newRow("10") << 10 << 1;
        QTest::newRow("11") << 11 << 2;
        QTest::newRow("500") << 500 << 491;
    }
    void scrollPositionShowsNewestTen()
    {
        QFETCH(int, count);
        QFETCH(int, position);
        Fixture f;
        writeRegister(count);
        f.window.Form_Load();
        auto *scroll = f.get<QScrollBar>("vsbList");
        QCOMPARE(scroll->minimum(), 1);
        QCOMPARE(scroll->maximum(), position);
        QCOMPARE(scroll->value(), position);
    }

    void statusPanel_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<qint32>("withdrawal");
        QTest::addColumn<QString>("total");
        QTest::addColumn<bool>("totalRed");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<bool>("warningRed");
        const QString version = QStringLiteral("Version 1.3");
        const QString nearLimit = QStringLiteral("Warning: You are near the limit of records.");
        QTest::newRow("one cent below zero") << 1 << 1 << "-$.01" << true << version << false;
        QTest::newRow("970") << 970 << 0 << "$.00" << false << version << false;
        QTest::newRow("971") << 971 << 0 << "$.00" << false << nearLimit << true;
        QTest::newRow("1000") << 1000 << 0 << "$.00" << false << nearLimit << true;
    }
    void statusPanel()
    {
        QFETCH(int, count);
        QFETCH(qint32, withdrawal);
        Fixture f;
        writeRegister(count, {QStringLiteral("RENT")}, withdrawal);
        f.window.Form_Load();
        QTEST(f.label("lblTotal"), "total");
        QTEST(textColour(f.get<QLabel>("lblTotal")) == QColor(Qt::red), "totalRed");
        QCOMPARE(f.label("lblRecNum"), QStringLiteral("%1 / 1000").arg(count));
        QTEST(f.label("lblWarning"), "warning");
        QTEST(textColour(f.get<QLabel>("lblWarning")) == QColor(Qt::red), "warningRed");
    }

    void runningTotalsDoNotOverflow()
    {
        Fixture f;
        writeRegister(2, {QStringLiteral("LOAN")}, std::numeric_limits<qint32>::max());
        f.window.Form_Load();
        QCOMPARE(f.book.totalCents, -2 * qint64(std::numeric_limits<qint32>::max()));
        QCOMPARE(f.label("lblTotal"), QStringLiteral("-$42,949,672.94"));
    }

    void newRecord()
    {
        Fixture f;
        writeRegister(500);
        const QByteArray before = fileBytes(QLatin1String(DataFileName));
        f.window.Form_Load();
        f.get<QComboBox>("txtMonth")->setEditText(QStringLiteral("3"));

        f.fakes.prompter.answers = {QMessageBox::No};
        f.get<QAction>("mnuNew")->trigger();
        const auto &question = f.fakes.prompter.shown.back();
        QCOMPARE(question.title, QStringLiteral("Are You Sure"));
        QCOMPARE(question.text, QStringLiteral("Doing this will delete your current register.\r\n"
                                               "Do you wish to continue?"));
        QCOMPARE(question.icon, QMessageBox::Question);
        QCOMPARE(fileBytes(QLatin1String(DataFileName)), before);
        QCOMPARE(f.book.entryCount, qint16(500));
        QCOMPARE(f.text("txtMonth"), QStringLiteral("3"));

        f.fakes.prompter.answers = {QMessageBox::Yes};
        f.get<QAction>("mnuNew")->trigger();
        QCOMPARE(fileBytes(QLatin1String(DataFileName)), emptyDataFile());
        QCOMPARE(f.book.entryCount, qint16(0));
        QCOMPARE(f.label("lblTotal"), QStringLiteral("$.00"));
        QCOMPARE(f.label("lblRecNum"), QStringLiteral("0 / 1000"));
        QCOMPARE(f.text("txtMonth"), QStringLiteral("6"));
        QCOMPARE(f.fakes.prompter.shown.size(), size_t(2));
    }

    void failedSaveIsReportedAndOldFileStays()
    {
        Fixture f;
        writeRegister(2);
        f.window.Form_Load();
        // A folder in the data file's place makes the final rename fail, even for root.
        QFile::remove(QLatin1String(DataFileName));
        QVERIFY(QDir(f.folder.path()).mkdir(QLatin1String(DataFileName)));
        f.fakes.prompter.answers = {QMessageBox::Ok};
        f.window.saveRegister();
        QCOMPARE(f.fakes.prompter.titles(), QStringList{"SAVE FAILED"});
        QCOMPARE(f.fakes.prompter.shown[0].icon, QMessageBox::Critical);
        QVERIFY(f.fakes.prompter.shown[0].text.startsWith(
            QLatin1String("The register could not be saved to default.dat: ")));
        QVERIFY(QFileInfo(QLatin1String(DataFileName)).isDir());
    }

    void fullStopInDollarsMovesToCents()
    {
        Fixture f;
        writeRegister(0);
        f.window.Form_Load();
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        auto *dollars = f.get<QComboBox>("txtDollar");
        auto *cents = f.get<QComboBox>("txtCent");
        dollars->setFocus();
        dollars->setEditText(QStringLiteral("12"));
        // Keys reach the combo box, which hands them to its line edit.
        QTest::keyClick(dollars, '.');
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5"));
        QCOMPARE(dollars->currentText(), QStringLiteral("12"));
        QCOMPARE(cents->currentText(), QStringLiteral("5"));
        QVERIFY(cents->hasFocus());
    }

    void exitEndsTheProgram()
    {
        Fixture f;
        writeRegister(0);
        f.window.Form_Load();
        QTest::mouseClick(f.get<QPushButton>("cmdExit"), Qt::LeftButton);
        QCOMPARE(f.fakes.programEnd.calls, 1);
        f.get<QAction>("mnuExit")->trigger();
        QCOMPARE(f.fakes.programEnd.calls, 2);
        QCOMPARE(f.fakes.prompter.shown.size(), size_t(0));
    }
};

int runEntryTests(int argc, char *argv[]);

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int status = 0;
    {
        TestNumbers numbers;
        status |= QTest::qExec(&numbers, argc, argv);
    }
    {
        TestFrmMoney window;
        status |= QTest::qExec(&window, argc, argv);
    }
    status |= runEntryTests(argc, argv);
    return status;
}

#include "tst_app.moc"
