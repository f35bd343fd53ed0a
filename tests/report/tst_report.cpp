#include "FakePlatform.h"
#include "RecordingSurface.h"
#include "TestSupport.h"
#include "app/frmMoney.h"
#include "platform/PrinterSurface.h"
#include "register/DataFile.h"
#include "report/DateRange.h"
#include "report/ReportLayout.h"
#include "report/frmPrint.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

using namespace tallyra;
using namespace tallyra::test;

Q_DECLARE_METATYPE(tallyra::DateFields)
Q_DECLARE_METATYPE(tallyra::Entry)

namespace {

DateFields defaultFields()
{
    return {"1", "1", "1990", "6", "7", "2001"};
}

ReportRange wholeRange()
{
    return {19900101, 20010607, defaultFields()};
}

Entry entry(int year, int month, int day, const QString &payee, qint32 out = 100, qint32 in = 0,
            const QString &check = QStringLiteral("1042"))
{
    return {qint16(year), qint16(month), qint16(day), check, payee, out, in};
}

// "text@x,y" with " bold" for bold text: one string per printed text, easy to compare.
QStringList described(const std::vector<Recording::Text> &texts, int page = 0)
{
    QStringList list;
    for (const Recording::Text &t : texts) {
        if (page == 0 || t.page == page)
            list << QStringLiteral("%1@%2,%3%4")
                        .arg(t.text)
                        .arg(t.x)
                        .arg(t.y)
                        .arg(t.bold ? QStringLiteral(" bold") : QString());
    }
    return list;
}

QStringList headingsAt(double y)
{
    QStringList list;
    const std::pair<const char *, double> headings[] = {{"Date", 520},      {"Chk Num", 1630},
                                                        {"Payee", 5150},    {"Withdrawal", 8500},
                                                        {"Deposit", 10090}, {"x", 11290}};
    for (const auto &[text, x] : headings)
        list << QStringLiteral("%1@%2,%3 bold").arg(QLatin1String(text)).arg(x).arg(y);
    return list;
}

// The rule and its seven ticks at y.
std::vector<QLineF> ruleAt(double y)
{
    std::vector<QLineF> lines{QLineF(0, y, 11520, y)};
    for (double x : {0, 1440, 2520, 8280, 9720, 11160, 11500})
        lines.emplace_back(x, y, x, y - 125);
    return lines;
}

std::vector<QLineF> linesOf(const Recording &recording, size_t from, size_t count)
{
    std::vector<QLineF> lines;
    for (size_t i = from; i < from + count && i < recording.lines.size(); ++i)
        lines.push_back(recording.lines[i].line);
    return lines;
}

Checkbook bookOf(const std::vector<Entry> &entries)
{
    Checkbook book;
    book.entryCount = qint16(entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        book.slot[i + 1] = entries[i];
    return book;
}

} // namespace

class TestDateRange : public QObject
{
    Q_OBJECT

private slots:
    void checks_data()
    {
        QTest::addColumn<DateFields>("fields");
        QTest::addColumn<int>("startKey"); // 0: rejected
        QTest::addColumn<int>("endKey");
        const auto with = [](auto change) {
            DateFields fields = defaultFields();
            change(fields);
            return fields;
        };
        QTest::newRow("defaults") << defaultFields() << 19900101 << 20010607;
        QTest::newRow("start year 1959")
            << with([](DateFields &f) { f.startYear = "1959"; }) << 0 << 0;
        QTest::newRow("start year 1960")
            << with([](DateFields &f) { f.startYear = "1960"; }) << 19600101 << 20010607;
        QTest::newRow("end year 9999")
            << with([](DateFields &f) { f.endYear = "9999"; }) << 19900101 << 99990607;
        QTest::newRow("end year 10000")
            << with([](DateFields &f) { f.endYear = "10000"; }) << 0 << 0;
        QTest::newRow("month 0") << with([](DateFields &f) { f.startMonth = "0"; }) << 0 << 0;
        QTest::newRow("month 13") << with([](DateFields &f) { f.endMonth = "13"; }) << 0 << 0;
        QTest::newRow("month empty") << with([](DateFields &f) { f.startMonth = ""; }) << 0 << 0;
        QTest::newRow("month 11.6 counts its fraction")
            << with([](DateFields &f) { f.startMonth = "11.6"; }) << 19901161 << 20010607;
        QTest::newRow("month 12.4") << with([](DateFields &f) { f.endMonth = "12.4"; }) << 0 << 0;
        QTest::newRow("day 0") << with([](DateFields &f) { f.endDay = "0"; }) << 0 << 0;
        QTest::newRow("day 31 in February") << with([](DateFields &f) {
            f.endMonth = "2";
            f.endDay = "31";
            f.endYear = "2003";
        }) << 19900101 << 20030231;
        QTest::newRow("start equals end")
            << DateFields{"5", "3", "2000", "5", "3", "2000"} << 20000503 << 20000503;
        QTest::newRow("start after end")
            << DateFields{"5", "4", "2000", "5", "3", "2000"} << 0 << 0;
        QTest::newRow("blanks around 7")
            << with([](DateFields &f) { f.startMonth = " 7 "; }) << 19900701 << 20010607;
        QTest::newRow("0 and 7 apart")
            << with([](DateFields &f) { f.startMonth = "0 7"; }) << 19900701 << 20010607;
        QTest::newRow("July") << with([](DateFields &f) { f.startMonth = "July"; }) << 0 << 0;
        QTest::newRow("5th") << with([](DateFields &f) { f.startDay = "5th"; }) << 19900105
                             << 20010607;
        QTest::newRow("half a day rounds up to even")
            << with([](DateFields &f) { f.startDay = "1.5"; }) << 19900102 << 20010607;
        QTest::newRow("half a day rounds down to even")
            << with([](DateFields &f) { f.startDay = "2.5"; }) << 19900102 << 20010607;
    }
    void checks()
    {
        QFETCH(DateFields, fields);
        QFETCH(int, startKey);
        QFETCH(int, endKey);
        const std::optional<ReportRange> range = checkDateRange(fields);
        QCOMPARE(range.has_value(), startKey != 0);
        if (!range)
            return;
        QCOMPARE(range->startKey, startKey);
        QCOMPARE(range->endKey, endKey);
        QCOMPARE(range->typed.startMonth, fields.startMonth);
    }
};

class TestReportLayout : public QObject
{
    Q_OBJECT

private slots:
    void firstPageWhenNothingIsSelected()
    {
        const Checkbook book = bookOf({entry(1989, 12, 31, "BEFORE"), entry(2001, 6, 8, "AFTER")});
        Recording out;
        RecordingSurface surface(out);
        QCOMPARE(printReport(book, wholeRange(), surface), std::nullopt);

        const QStringList expected =
            QStringList{"Tallyra 1.3@0,0", "Report valid: 1-1-1990 to 6-7-2001@0,240", "@0,480"}
            << headingsAt(720) << "Page  1 @10440,14760";
        QCOMPARE(described(out.texts), expected);
        QCOMPARE(linesOf(out, 0, 99), ruleAt(960));
        QCOMPARE(out.pages, 1);
        QCOMPARE(out.ends, 1);
        QCOMPARE(out.mediumQualityCalls, 1);
        QCOMPARE(out.outputBeforeQuality, size_t(0));
        QCOMPARE(out.fontSize, 10.0);
    }

    void entryLine_data()
    {
        QTest::addColumn<Entry>("line");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("withdrawal")
            << entry(2000, 5, 3, "WATER", 123456)
            << QStringList{"5-3-2000@360,990", "1042@1800,990", "WATER@5175,990",
                           "$1,234.56 @8790,990", "@11130,990"};
        QTest::newRow("both amounts 0") << entry(2000, 12, 25, "VOID", 0, 0, "99")
                                        << QStringList{"12-25-2000@270,990", "99@1890,990",
                                                       "VOID@5220,990", "@9690,990", "@11130,990"};
        QTest::newRow("both amounts")
            << entry(2001, 1, 2, "X", 5, 100000000)
            << QStringList{"1-2-2001@360,990", "1042@1800,990", "X@5355,990", "$.05 @9240,990",
                           "$1,000,000.00 @9870,990"};
        // 64 characters are exactly 5760 twips, 12 exactly 1080: both still too wide.
        QTest::newRow("long payee and check number")
            << entry(2001, 1, 2, QString(70, QLatin1Char('P')), 100, 0, "123456789012345")
            << QStringList{"1-2-2001@360,990", "12345678901@1485,990",
                           QString(63, QLatin1Char('P')) + "@2565,990", "$1.00 @9150,990",
                           "@11130,990"};
    }
    void entryLine()
    {
        QFETCH(Entry, line);
        QFETCH(QStringList, texts);
        Recording out;
        RecordingSurface surface(out);
        printReport(bookOf({line}), wholeRange(), surface);
        QCOMPARE(described(out.texts).mid(9, 5), texts);
        QCOMPARE(linesOf(out, 8, 8), ruleAt(1230));
        QCOMPARE(out.texts.back().text, QStringLiteral("Page  1 "));
    }

    void rangeIncludesBothEnds()
    {
        std::vector<Entry> entries;
        for (int day = 2; day <= 6; ++day)
            entries.push_back(entry(2000, 5, day, QStringLiteral("DAY %1").arg(day)));
        Recording out;
        RecordingSurface surface(out);
        printReport(bookOf(entries), {20000503, 20000505, {"5", "3", "2000", "5", "5", "2000"}},
                    surface);
        QStringList payees;
        for (const Recording::Text &t : out.texts) {
            if (t.text.startsWith(QLatin1String("DAY")))
                payees << t.text;
        }
        QCOMPARE(payees, (QStringList{"DAY 3", "DAY 4", "DAY 5"}));
    }

    // Page 1 rows start at y 990 and take 270 twips each; later pages start at 270.
    void pageBreaks_data()
    {
        QTest::addColumn<double>("pageHeight");
        QTest::addColumn<QList<int>>("pageOfEntry");
        QTest::newRow("y equal to the bound stays") << 2880.0 << QList<int>{1, 1, 1, 1, 2};
        QTest::newRow("one twip lower breaks") << 2879.0 << QList<int>{1, 1, 1, 2, 2};
        QTest::newRow("three pages") << 2880.0 << QList<int>{1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3};
    }
    void pageBreaks()
    {
        QFETCH(double, pageHeight);
        QFETCH(QList<int>, pageOfEntry);
        std::vector<Entry> entries;
        for (int i = 1; i <= pageOfEntry.size(); ++i)
            entries.push_back(entry(2000, 1, i, QStringLiteral("E%1").arg(i)));
        Recording out;
        out.pageHeight = pageHeight;
        out.pageWidth = 12000;
        RecordingSurface surface(out);
        printReport(bookOf(entries), wholeRange(), surface);

        QList<int> pages;
        for (const Recording::Text &t : out.texts) {
            if (t.text.startsWith(QLatin1Char('E')))
                pages << t.page;
        }
        QCOMPARE(pages, pageOfEntry);
        const int last = pageOfEntry.back();
        QCOMPARE(out.pages, last);
        for (int page = 2; page <= last; ++page) {
            const QStringList texts = described(out.texts, page);
            QCOMPARE(texts.mid(0, 6), headingsAt(0));
            const QString date = QStringLiteral("1-%1-2000").arg(pageOfEntry.indexOf(page) + 1);
            QCOMPARE(texts.at(6),
                     QStringLiteral("%1@%2,270").arg(date).arg(720 - date.size() * 45));
            // The footer of the page before, placed from the page size: "Page n" is 540 wide.
            const QStringList before = described(out.texts, page - 1);
            QCOMPARE(before.back(),
                     QStringLiteral("Page  %1 @11360,%2").arg(page - 1).arg(pageHeight - 340));
        }
        QCOMPARE(described(out.texts, last).back(),
                 QStringLiteral("Page  %1 @10440,14760").arg(last));
    }

    void ruleRoundsHalvesToEven_data()
    {
        QTest::addColumn<double>("startY");
        QTest::addColumn<double>("ruleY");
        QTest::newRow("down to even") << 0.5 << 240.0;
        QTest::newRow("up to even") << 1.5 << 242.0;
        QTest::newRow("nearest") << 10.7 << 251.0;
    }
    void ruleRoundsHalvesToEven()
    {
        QFETCH(double, startY);
        QFETCH(double, ruleY);
        Recording out;
        RecordingSurface surface(out);
        surface.setCurrentY(startY);
        printColumnHeadings(surface);
        QCOMPARE(linesOf(out, 0, 8), ruleAt(ruleY));
        QCOMPARE(surface.currentY(), ruleY + 30);
        QCOMPARE(surface.currentX(), 0.0);
    }
};

class TestFrmPrint : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        FakePlatform fakes;
        Checkbook book = bookOf({entry(2000, 5, 3, "RENT")});
        FrmPrint window{book, fakes.platform};

        QComboBox *field(const char *name) { return child<QComboBox>(&window, name); }
        QPushButton *button(const char *name) { return child<QPushButton>(&window, name); }
        void setText(const char *name, const QString &text) { field(name)->setEditText(text); }
        // The named control that holds the keyboard focus.
        QString focusName()
        {
            QWidget *widget = QApplication::focusWidget();
            while (widget && widget->objectName().isEmpty())
                widget = widget->parentWidget();
            return widget ? widget->objectName() : QString();
        }
    };

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void opensWithItsControls()
    {
        Fixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Print Report"));
        QCOMPARE(f.window.minimumSize(), f.window.maximumSize());

        const char *names[] = {"txtStartMonth", "txtStartDay", "txtStartYear",
                               "txtEndMonth",   "txtEndDay",   "txtEndYear"};
        const QStringList texts = {"1", "1", "1990", "6", "7", "2001"};
        const QStringList tips = {"Month", "Day", "Year", "Month", "Day", "Year"};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(f.field(names[i])->currentText(), texts[i]);
            QCOMPARE(f.field(names[i])->toolTip(), tips[i]);
        }
        QVERIFY(f.field("txtStartYear")->width() > f.field("txtStartMonth")->width());
        for (auto [name, text] : {std::pair{"Label1", "Start Date:"}, {"Label2", "End Date:"}}) {
            auto *label = child<QLabel>(&f.window, QLatin1String(name));
            QCOMPARE(label->text(), QLatin1String(text));
            QVERIFY(label->font().bold());
            QVERIFY(label->alignment() & Qt::AlignRight);
        }
        QCOMPARE(f.button("cmdPrint")->text(), QStringLiteral("&Print"));
        QVERIFY(f.button("cmdPrint")->isDefault());
        QCOMPARE(f.button("cmdCancel")->text(), QStringLiteral("&Cancel"));

        QStringList order{f.focusName()};
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << f.focusName();
        }
        QCOMPARE(order, (QStringList{"txtStartMonth", "txtStartDay", "txtStartYear", "txtEndMonth",
                                     "txtEndDay", "txtEndYear", "cmdPrint", "cmdCancel",
                                     "txtStartMonth"}));
        f.window.close();
    }

    void invalidRangeIsRejected_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("start year") << "txtStartYear"
                                    << "1959";
        QTest::newRow("end day") << "txtEndDay"
                                 << "32";
        QTest::newRow("start after end") << "txtStartYear"
                                         << "2002";
    }
    void invalidRangeIsRejected()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        Fixture f;
        f.window.show();
        f.setText("txtStartMonth", QStringLiteral("13")); // a second fault: still one box
        f.setText(qPrintable(field), text);
        f.fakes.prompter.answers = {QMessageBox::Ok};
        QTest::mouseClick(f.button("cmdPrint"), Qt::LeftButton);

        QCOMPARE(f.fakes.prompter.beeps, 1);
        QCOMPARE(f.fakes.prompter.shown.size(), size_t(1));
        const auto &box = f.fakes.prompter.shown[0];
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.title, QStringLiteral("ERROR"));
        QCOMPARE(box.text, QStringLiteral("Invalid date entry. Exiting print"));
        QCOMPARE(box.buttons, QMessageBox::Ok);
        QCOMPARE(f.fakes.printer.opened, 0);
        QVERIFY(!f.window.isVisible());
    }

    void enterPrintsTheRangeAsTyped()
    {
        Fixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        auto *month = f.field("txtStartMonth");
        month->lineEdit()->selectAll();
        QTest::keyClicks(month->lineEdit(), QStringLiteral("05"));
        QTest::keyClick(month->lineEdit(), Qt::Key_Return);

        QCOMPARE(f.fakes.printer.opened, 1);
        const Recording &out = f.fakes.printer.recording;
        QCOMPARE(out.ends, 1);
        QCOMPARE(out.texts.at(1).text, QStringLiteral("Report valid: 05-1-1990 to 6-7-2001"));
        QCOMPARE(out.texts.at(11).text, QStringLiteral("RENT"));
        QCOMPARE(f.fakes.prompter.shown.size(), size_t(0));
        QVERIFY(!f.window.isVisible());
    }

    void cancelAndEscapePrintNothing()
    {
        for (bool escape : {false, true}) {
            Fixture f;
            f.window.show();
            QVERIFY(QTest::qWaitForWindowActive(&f.window));
            if (escape)
                QTest::keyClick(f.field("txtEndYear")->lineEdit(), Qt::Key_Escape);
            else
                QTest::mouseClick(f.button("cmdCancel"), Qt::LeftButton);
            QVERIFY(!f.window.isVisible());
            QCOMPARE(f.fakes.printer.opened, 0);
            QCOMPARE(f.fakes.prompter.shown.size(), size_t(0));
        }
    }

    void printFailureIsReported_data()
    {
        QTest::addColumn<bool>("noPrinter");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no default printer") << true << "there is no default printer.";
        QTest::newRow("job refused") << false << "the printer \"P\" refused the job.";
    }
    void printFailureIsReported()
    {
        QFETCH(bool, noPrinter);
        QFETCH(QString, reason);
        Fixture f;
        if (noPrinter)
            f.fakes.printer.missing = reason;
        else
            f.fakes.printer.recording.refusal = reason;
        f.window.show();
        f.fakes.prompter.answers = {QMessageBox::Ok};
        QTest::mouseClick(f.button("cmdPrint"), Qt::LeftButton);

        QCOMPARE(f.fakes.prompter.titles(), QStringList{"PRINT FAILED"});
        QCOMPARE(f.fakes.prompter.shown[0].icon, QMessageBox::Critical);
        QCOMPARE(f.fakes.prompter.shown[0].text, QStringLiteral("Nothing was printed: ") + reason);
        QCOMPARE(f.fakes.prompter.beeps, 0);
        QVERIFY(!f.window.isVisible());
    }

    void printMenuOpensTheWindowModally()
    {
        TempWorkingFolder folder;
        writeBytes(QLatin1String(DataFileName), emptyDataFile());
        FakePlatform fakes;
        Checkbook book;
        FrmMoney main(book, fakes.platform);
        main.Form_Load();
        main.show();
        auto *mnuPrint = child<QAction>(&main, QStringLiteral("mnuPrint"));
        QVERIFY(mnuPrint->isEnabled());

        QString title;
        bool modal = false;
        NextModal<FrmPrint> print([&](FrmPrint *window) {
            title = window->windowTitle();
            modal = window->isModal();
            QTest::mouseClick(child<QPushButton>(window, QStringLiteral("cmdCancel")),
                              Qt::LeftButton);
        });
        mnuPrint->trigger();
        QVERIFY(print.handled());
        QCOMPARE(title, QStringLiteral("Print Report"));
        QVERIFY(modal);
        QCOMPARE(fakes.printer.opened, 0);
    }
};

class TestPrinterSurface : public QObject
{
    Q_OBJECT

    static std::unique_ptr<QPrinter> pdfPrinter(const QString &path)
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        printer->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                           QMarginsF(18, 18, 18, 18), QPageLayout::Point));
        return printer;
    }

    static QString pdfText(const QStringList &arguments)
    {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (tool.isEmpty())
            qFatal("pdftotext is missing: run tools/install-deps.sh");
        QProcess process;
        process.start(tool, arguments + QStringList{QStringLiteral("-")});
        process.waitForFinished();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void multiPageReportAsPdf()
    {
        TempWorkingFolder folder;
        std::vector<Entry> entries;
        for (int i = 1; i <= 120; ++i)
            entries.push_back(entry(2000, 1 + i / 31, 1 + i % 28,
                                    QStringLiteral("PAYEE %1").arg(i, 3, 10, QLatin1Char('0')),
                                    123456, 0, QString::number(2000 + i)));
        const QString path = folder.filePath(QStringLiteral("report.pdf"));
        PrinterSurface surface(pdfPrinter(path));
        QCOMPARE(printReport(bookOf(entries), wholeRange(), surface), std::nullopt);

        const QByteArray pdf = fileBytes(path);
        QVERIFY(pdf.startsWith("%PDF-"));
        const qsizetype pageCount = pdf.count("/Type /Page\n");
        QVERIFY(pageCount >= 2);

        const QStringList pages =
            pdfText({QStringLiteral("-layout"), path}).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), pageCount);
        QVERIFY(pages[0].trimmed().startsWith(QLatin1String("Tallyra 1.3")));
        QVERIFY(pages[0].contains(QLatin1String("Report valid: 1-1-1990 to 6-7-2001")));
        const QRegularExpression row(
            QStringLiteral(R"(\d+-\d+-2000\s+(\d{4})\s+PAYEE (\d{3})\s+\$1,234\.56\s*$)"),
            QRegularExpression::MultilineOption);
        int expected = 1;
        for (qsizetype page = 0; page < pages.size(); ++page) {
            QVERIFY(QRegularExpression(QStringLiteral("Date\\s+Chk Num\\s+Payee\\s+Withdrawal"
                                                      "\\s+Deposit\\s+x"))
                        .match(pages[page])
                        .hasMatch());
            for (const auto &match : row.globalMatch(pages[page])) {
                QCOMPARE(match.captured(2).toInt(), expected);
                QCOMPARE(match.captured(1).toInt(), 2000 + expected);
                ++expected;
            }
            QVERIFY(pages[page].trimmed().endsWith(QStringLiteral("Page %1").arg(page + 1)) ||
                    pages[page].trimmed().endsWith(QStringLiteral("Page  %1").arg(page + 1)));
        }
        QCOMPARE(expected, 121);

        // Twips land where they should: the last footer starts 10440 twips (522 points) from
        // the printable area's left edge, which lies 18 points in.
        const QString words = pdfText(
            {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(pageCount), path});
        const auto footer =
            QRegularExpression(QStringLiteral(R"re(xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>Page<)re"))
                .match(words);
        QVERIFY(footer.hasMatch());
        QVERIFY(qAbs(footer.captured(1).toDouble() - 540) < 1);
        QVERIFY(qAbs(footer.captured(2).toDouble() - 756) < 4);
    }

    void refusedJobSaysWhy()
    {
        TempWorkingFolder folder;
        const QString path = folder.filePath(QStringLiteral("missing/report.pdf"));
        PrinterSurface surface(pdfPrinter(path));
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        const std::optional<QString> refused =
            printReport(bookOf({entry(2000, 1, 1, "RENT")}), wholeRange(), surface);
        QCOMPARE(refused, QStringLiteral("the file \"%1\" refused the job.").arg(path));
        QVERIFY(!QFile::exists(path));
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int status = 0;
    {
        TestDateRange range;
        status |= QTest::qExec(&range, argc, argv);
    }
    {
        TestReportLayout layout;
        status |= QTest::qExec(&layout, argc, argv);
    }
    {
        TestFrmPrint window;
        status |= QTest::qExec(&window, argc, argv);
    }
    {
        TestPrinterSurface printer;
        status |= QTest::qExec(&printer, argc, argv);
    }
    return status;
}

#include "tst_report.moc"
