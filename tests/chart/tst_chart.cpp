// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "app/RegisterStatus.h"
#include "chart/BalanceHistory.h"
#include "chart/ChartAxes.h"
#include "chart/ChartPicture.h"
#include "chart/ChartView.h"
#include "chart/MonthTable.h"
#include "chart/frmChart.h"
#include "entry/MoneyFormat.h"
#include "register/Companion.h"

#include <QClipboard>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTableView>

#include <limits>

using namespace tallyra;
using namespace tallyra::test;

namespace {

// Entries written "year/month/day" and a type with cents: W1250 withdraws $12.50, D300
// deposits $3.00, N is a Neither entry. W-100 is what only a hand-made file holds.
Checkbook registerFrom(const QString &entries)
{
    Checkbook book;
    for (const QString &text : entries.split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype type = text.indexOf(QRegularExpression("[WDN]"));
        const QStringList ymd = text.left(type).split(u'/');
        Entry &e = book.slot[++book.entryCount];
        e = {ymd[0].toShort(), ymd[1].toShort(), ymd[2].toShort(), "ATM", "E", 0, 0};
        e.payee += QString::number(book.entryCount);
        const qint32 cents = text.mid(type + 1).toInt();
        (text[type] == u'D' ? e.depositCents : e.withdrawalCents) = cents;
    }
    computeBalances(book);
    return book;
}

// 1000 entries over three years, with a pay deposit every tenth entry.
Checkbook threeYears()
{
    Checkbook book;
    for (int i = 0; i < MaxEntries; ++i) {
        const QDate date = QDate(2000, 1, 1).addDays(i * 1095 / MaxEntries);
        const qint32 withdrawn = i % 10 == 0 ? 0 : 1000 + i * 37 % 9000;
        book.slot[++book.entryCount] =
            Entry{qint16(date.year()), qint16(date.month()),  qint16(date.day()), "ATM", "E",
                  withdrawn,           withdrawn ? 0 : 250000};
    }
    computeBalances(book);
    return book;
}

QString monthRows(const std::vector<MonthRow> &months)
{
    QStringList rows;
    for (const MonthRow &m : months)
        rows << QString::asprintf("%d/%d %lld %lld %lld", m.year, m.month, m.depositCents,
                                  m.withdrawalCents, m.balanceCents);
    return rows.join(QStringLiteral(", "));
}

constexpr qint32 Largest = std::numeric_limits<qint32>::max();

// The chart window over a register of its own.
struct Chart
{
    explicit Chart(const Checkbook &book) : held(book) {}
    explicit Chart(const QString &entries) : held(registerFrom(entries)) {}
    template <typename T> T *get(const QString &name) const { return child<T>(&window, name); }
    QAbstractItemModel *table() const { return get<QTableView>("grdMonths")->model(); }

    FakePlatform fakes;
    DocumentOf held;
    FrmChart window{held.document, fakes.platform};
};

} // namespace

class TestChart : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    // Each month: deposits, withdrawals and the balance at its end, in cents.
    void monthSums_data()
    {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("range"); // start and end keys
        QTest::addColumn<QString>("months");
        QTest::addColumn<qint64>("opening");
        const auto row = [](const char *name, const char *entries, const char *range,
                            const char *months, qint64 opening = 0) {
            QTest::newRow(name) << entries << range << months << opening;
        };
        row("empty register", "", "19600101 99991231", "");
        row("one month's sums, Neither entries change nothing",
            "2001/3/1D10000 2001/3/2N 2001/3/9W2550 2001/3/31W50 2001/4/2N", "19600101 99991231",
            "2001/3 10000 2600 7400, 2001/4 0 0 7400");
        row("negative balances, a month without entries carries it on",
            "2001/1/5W2500 2001/3/1D1000", "19600101 99991231",
            "2001/1 0 2500 -2500, 2001/2 0 0 -2500, 2001/3 1000 0 -1500");
        row("a withdrawal below zero from a hand-made file raises the balance", "2001/1/5W-100",
            "19600101 99991231", "2001/1 0 -100 100");
        row("over the year's end", "1999/11/30D500 2000/1/1W200", "19600101 99991231",
            "1999/11 500 0 500, 1999/12 0 0 500, 2000/1 0 200 300");
        row("the range keeps what came before as the opening balance",
            "2001/1/5D900 2001/2/1W100 2001/2/20W100 2001/3/1W100", "20010210 20010228",
            "2001/2 0 100 700", 800);
        row("a range without entries", "2001/1/5D900 2001/3/1W100", "20010201 20010228", "", 900);
        row("the largest amounts do not overflow",
            "2001/1/1D2147483647 2001/1/2D2147483647 2001/2/1W2147483647", "19600101 99991231",
            "2001/1 4294967294 0 4294967294, 2001/2 0 2147483647 2147483647");
    }
    void monthSums()
    {
        QFETCH(QString, entries);
        QFETCH(QString, range);
        const Checkbook book = registerFrom(entries);
        const QStringList keys = range.split(u' ');
        const BalanceHistory history = balanceHistory(book, keys[0].toInt(), keys[1].toInt());
        QTEST(monthRows(history.months), "months");
        QTEST(history.openingCents, "opening");
    }

    // Every point is the list's running total after the last entry of its date, every entry
    // is on one point, and the last month ends on the status panel's Account Total.
    void chartAgreesWithTheList()
    {
        const Checkbook book = threeYears();
        const BalanceHistory history = balanceHistory(book, 19600101, 99991231);
        int slot = 0;
        for (const ChartDay &day : history.days) {
            QCOMPARE(day.firstSlot, slot + 1);
            QCOMPARE(day.balanceCents, book.balanceCents[size_t(day.lastSlot)]);
            QCOMPARE(dateKey(book.slot[day.firstSlot]), day.key);
            QCOMPARE(dateKey(book.slot[day.lastSlot]), day.key);
            slot = day.lastSlot;
        }
        QCOMPARE(slot, MaxEntries);
        QCOMPARE(history.months.size(), size_t(36));
        QCOMPARE(formatMoney(history.months.back().balanceCents), statusTexts(book).total);
    }

    void moneyAxis_data()
    {
        QTest::addColumn<qint64>("lowest");
        QTest::addColumn<qint64>("highest");
        QTest::addColumn<int>("maxTicks");
        QTest::newRow("all zero") << qint64(0) << qint64(0) << 5;
        QTest::newRow("one cent") << qint64(0) << qint64(1) << 5;
        QTest::newRow("never below zero") << qint64(150000) << qint64(150000) << 6;
        QTest::newRow("only below zero") << qint64(-99) << qint64(-7) << 4;
        QTest::newRow("both sides") << qint64(-123456) << qint64(987654) << 8;
        QTest::newRow("largest totals")
            << qint64(MaxEntries) * -Largest << qint64(MaxEntries) * Largest << 3;
        QTest::newRow("one tick") << qint64(-5) << qint64(5000) << 1;
    }
    // Zero and every balance on the axis, none on its edge, and no more steps than room for.
    void moneyAxis()
    {
        QFETCH(qint64, lowest);
        QFETCH(qint64, highest);
        QFETCH(int, maxTicks);
        const MoneyAxis axis = tallyra::moneyAxis(lowest, highest, maxTicks);
        QVERIFY(axis.step > 0);
        QCOMPARE(axis.low % axis.step, 0);
        QCOMPARE(axis.high % axis.step, 0);
        QVERIFY(axis.low <= 0 && axis.high >= 0);
        QVERIFY(axis.low < lowest || lowest == 0);
        QVERIFY(axis.high > highest || highest == 0);
        QVERIFY(axis.low < axis.high);
        QVERIFY((axis.high - axis.low) / axis.step <= maxTicks + 2);
    }

    void dateTicks_data()
    {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<double>("width");
        QTest::addColumn<QString>("firstLabel");
        QTest::newRow("one day") << QDate(2001, 6, 7) << QDate(2001, 6, 7) << 500.0 << "6/7/2001";
        QTest::newRow("a week") << QDate(2001, 6, 1) << QDate(2001, 6, 7) << 500.0 << "6/1/2001";
        QTest::newRow("three months")
            << QDate(2001, 1, 15) << QDate(2001, 4, 14) << 400.0 << "Feb 2001";
        QTest::newRow("three years") << QDate(2000, 1, 1) << QDate(2002, 12, 30) << 400.0 << "2000";
        QTest::newRow("every year the range allows")
            << QDate(1960, 1, 1) << QDate(9999, 12, 31) << 700.0 << "2000";
    }
    // Labels 7 pixels a character, centred on their ticks, never closer than the gap.
    void dateTicks()
    {
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(double, width);
        const qint64 firstDay = first.toJulianDay();
        const qint64 days = last.toJulianDay() - firstDay + 1;
        const auto textWidth = [](const QString &text) { return 7.0 * double(text.size()); };
        const std::vector<DateTick> ticks =
            tallyra::dateTicks(firstDay, last.toJulianDay(), width / double(days), textWidth, 20);
        QVERIFY(!ticks.empty());
        QTEST(ticks.front().text, "firstLabel");
        for (size_t i = 0; i < ticks.size(); ++i) {
            QVERIFY(ticks[i].julianDay >= firstDay && ticks[i].julianDay <= last.toJulianDay());
            if (i == 0)
                continue;
            const double apart =
                double(ticks[i].julianDay - ticks[i - 1].julianDay) * width / double(days);
            QVERIFY2(apart >= (textWidth(ticks[i].text) + textWidth(ticks[i - 1].text)) / 2 + 20,
                     qPrintable(ticks[i].text));
        }
    }

    // The range starts at the register's first date and ends at its last; an empty register
    // shows today, and dates the range cannot hold are brought within it.
    void defaultRange_data()
    {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("fields");
        const auto row = [](const char *name, const char *entries, const char *fields) {
            QTest::newRow(name) << entries << fields;
        };
        row("empty", "", "6 7 2001 6 7 2001");
        row("several", "1998/2/3W1 1999/1/1D5 2000/12/31W1", "2 3 1998 12 31 2000");
        row("before 1960", "1950/7/4W1 1961/1/2W1", "1 1 1960 1 2 1961");
    }
    void defaultRange()
    {
        QFETCH(QString, entries);
        const Chart chart(entries);
        QStringList shown;
        for (const char *name : {"txtStartMonth", "txtStartDay", "txtStartYear", "txtEndMonth",
                                 "txtEndDay", "txtEndYear"})
            shown << chart.get<QComboBox>(name)->currentText();
        QTEST(shown.join(u' '), "fields");
        QVERIFY(checkDateRange({shown[0], shown[1], shown[2], shown[3], shown[4], shown[5]}));
    }

    // The chart and the table follow the range as it is typed; a range the report window
    // would refuse is pointed out and the last good one stays drawn.
    void rangeRedraws()
    {
        const Chart f("2000/1/5D900 2000/6/1W100 2001/2/20W100");
        const auto *chart = f.get<ChartView>("picChart");
        const auto *lblRange = f.get<QLabel>("lblRange");
        QCOMPARE(f.table()->rowCount(), 14);
        typeInto(&f.window, "txtEndMonth=12 txtEndDay=31 txtEndYear=2000");
        QCOMPARE(chart->history().endKey, 20001231);
        QCOMPARE(chart->history().days.size(), size_t(2));
        QCOMPARE(f.table()->rowCount(), 6);
        QCOMPARE(f.table()->index(5, 4).data().toString(), "$8.00");
        QCOMPARE(lblRange->text(), "");
        typeInto(&f.window, "txtEndMonth=13");
        QCOMPARE(lblRange->text(), "Invalid date entry");
        QCOMPARE(chart->history().endKey, 20001231);
        QCOMPARE(f.fakes.prompter.shown.size(), size_t(0));
        typeInto(&f.window, "txtEndMonth=12 txtStartYear=2001");
        QCOMPARE(lblRange->text(), "Invalid date entry");
        typeInto(&f.window, "txtStartYear=1999");
        QCOMPARE(chart->history().startKey, 19990105);
        QCOMPARE(f.table()->rowCount(), 6);
    }

    // The month table shows the money format, a negative balance in red as the list does,
    // and copies as text with its headings.
    void monthTable()
    {
        Chart f("2001/1/5W2500 2001/3/1D123456");
        const QAbstractItemModel *table = f.table();
        QCOMPARE(table->index(0, 0).data().toString(), "January 2001");
        QCOMPARE(table->index(0, 3).data().toString(), "-$25.00");
        // Red only below zero; tst_palette checks that red on every scheme.
        QVERIFY(table->index(0, 4).data(Qt::ForegroundRole).isValid());
        QVERIFY(!table->index(2, 4).data(Qt::ForegroundRole).isValid());
        f.get<QPushButton>("cmdCopyTable")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 "Month\tDeposits\tWithdrawals\tNet\tBalance at Month's End\n"
                 "January 2001\t$.00\t$25.00\t-$25.00\t-$25.00\n"
                 "February 2001\t$.00\t$.00\t$.00\t-$25.00\n"
                 "March 2001\t$1,234.56\t$.00\t$1,234.56\t$1,209.56\n");

        // Shown, no heading is cut short.
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        const QHeaderView *headings = f.get<QTableView>("grdMonths")->horizontalHeader();
        for (int column = 0; column < headings->count(); ++column)
            QVERIFY2(headings->sectionSize(column) >= headings->sectionSizeHint(column),
                     qPrintable(table->headerData(column, Qt::Horizontal).toString()));
    }

    // Pointing at a date or moving to it with the keys shows its entries and balance.
    void pointAndKeys()
    {
        Checkbook book = registerFrom("2000/5/18W3150 2000/5/18D1000 2000/6/1W100");
        book.slot[1].checkNumber = "1042";
        book.slot[1].payee = "WATER COMPANY";
        Chart f(book);
        f.window.resize(800, 600);
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        auto *chart = f.get<ChartView>("picChart");
        const auto *point = f.get<QLabel>("lblPoint");
        QTest::mouseMove(chart, chart->pointOf(1).toPoint());
        QCOMPARE(point->text(), "6/1/2000: 1 entry, balance -$22.50\nATM E3: withdrawal $1.00");
        chart->setFocus();
        QTest::keyClick(chart, Qt::Key_Left);
        QCOMPARE(point->text(), "5/18/2000: 2 entries, balance -$21.50\n"
                                "1042 WATER COMPANY: withdrawal $31.50\nATM E2: deposit $10.00");
        QCOMPARE(chart->accessibleDescription(), point->text());
        QTest::keyClick(chart, Qt::Key_Left);
        QCOMPARE(chart->selectedDay(), 0);
        QTest::keyClick(chart, Qt::Key_End);
        QCOMPARE(chart->selectedDay(), 1);
        // Enter in a date field presses no button; Esc closes the window.
        QTest::keyClick(f.get<QComboBox>("txtEndYear"), Qt::Key_Return);
        QVERIFY(f.fakes.prompter.suggestedFiles.empty());
        QTest::keyClick(&f.window, Qt::Key_Escape);
        QVERIFY(!f.window.isVisible());
    }

    // Drawn well inside the chart whatever the register: no line along an edge, higher
    // balances higher up.
    void pointsInside_data()
    {
        QTest::addColumn<QString>("entries");
        QTest::newRow("one point") << "2001/6/7D100 2001/6/7W30 2001/6/7D5";
        QTest::newRow("never below zero") << "2001/1/1D5000 2001/3/1W100 2001/9/1W100";
        QTest::newRow("the largest totals")
            << QStringLiteral("2001/1/1W%1 2001/1/2W%1 2001/5/1D%1 2001/5/2D%1 2001/5/3D%1")
                   .arg(Largest);
    }
    void pointsInside()
    {
        QFETCH(QString, entries);
        Chart f(entries);
        f.window.resize(700, 500);
        auto *chart = f.get<ChartView>("picChart");
        const std::vector<ChartDay> &days = chart->history().days;
        const QRectF inside = QRectF(chart->rect()).adjusted(20, 10, -20, -10);
        for (size_t i = 0; i < days.size(); ++i) {
            const QPointF at = chart->pointOf(int(i));
            QVERIFY2(inside.contains(at), qPrintable(QString("%1,%2").arg(at.x()).arg(at.y())));
            if (i > 0)
                QCOMPARE(at.y() < chart->pointOf(int(i) - 1).y(),
                         days[i].balanceCents > days[i - 1].balanceCents);
        }
    }

    // A change or an undo through the document redraws an open window; a range the user
    // typed stays.
    void followsTheDocument()
    {
        MainWindow main;
        main.load(registerFrom("2001/1/5D900 2001/2/1W100"));
        FrmChart window(main.document, main.fakes.platform);
        const auto *chart = child<ChartView>(&window, "picChart");
        const auto *endMonth = child<QComboBox>(&window, "txtEndMonth");
        QVERIFY(main.document.replace(registerFrom("2001/1/5D900 2001/2/1W100 2001/4/1W50"), "add")
                    .saved());
        QCOMPARE(chart->history().days.size(), size_t(3));
        QCOMPARE(endMonth->currentText(), "4");
        QVERIFY(main.document.undo().saved());
        QCOMPARE(chart->history().days.size(), size_t(2));
        QCOMPARE(endMonth->currentText(), "2");
        typeInto(&window, "txtEndMonth=12");
        QVERIFY(main.document.redo().saved());
        QCOMPARE(endMonth->currentText(), "12");
        QCOMPARE(chart->history().closingCents(), 750);
    }

    // Past a range that reaches today the chart goes on over the next 90 days as a dashed line,
    // the axis made longer to hold it; the past stays solid. With nothing ahead, or a range
    // that does not reach today, there is none.
    void balanceAhead()
    {
        const Checkbook book = registerFrom("2001/5/2D90000 2001/6/1W10000");
        RecurringEntry rent;
        rent.payee = "RENT";
        rent.cents = 30000;
        rent.rule.day = 20;
        rent.next = {2001, 6, 20};
        const QDate today(2001, 6, 7);
        QVERIFY(!chartAhead(book, {}, 20010101, 20010607, today));
        QVERIFY(!chartAhead(book, {rent}, 20010101, 20010531, today));
        QVERIFY(!chartAhead(book, {rent}, 20010608, 20011231, today));

        QTemporaryDir folder;
        RegisterDocument document(folder.filePath(QLatin1String(DataFileName)));
        Companion companion;
        companion.schedules = {rent};
        writeBytes(document.path(), formatDataFile(book));
        writeBytes(companionPath(document.path()), formatCompanion(book, companion));
        document.load();
        FakePlatform fakes;
        FrmChart window(document, fakes.platform);
        window.resize(900, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto *chart = child<ChartView>(&window, "picChart");
        QCOMPARE(chart->history().endKey, 20010607);
        QVERIFY(chart->ahead());
        const auto [from, until] = *chart->aheadEnds();
        const double dayWidth = (chart->pointOf(1).x() - chart->pointOf(0).x()) / 30;
        QCOMPARE(qRound((until.x() - from.x()) / dayWidth), 90);
        QVERIFY(until.x() < chart->width());

        // Along the level line before today every pixel is the line's; ahead, up to the rent
        // on 6/20, the dashes leave gaps.
        QImage picture(chart->size(), QImage::Format_ARGB32);
        QPainter painter(&picture);
        chart->paintChart(painter, QRectF(picture.rect()), false);
        painter.end();
        const auto lineAt = [&picture](double x, double y) {
            const QColor pixel = picture.pixelColor(int(x), qRound(y));
            return pixel.blue() - pixel.red() > 80;
        };
        const double y = from.y();
        const double pastFrom = chart->pointOf(1).x() + 3;
        int past = 0, pastLine = 0, ahead = 0, aheadLine = 0;
        for (double x = pastFrom; x < from.x() - 3; ++x, ++past)
            pastLine += lineAt(x, y);
        for (double x = from.x() + 3; x < from.x() + 12 * dayWidth; ++x, ++ahead)
            aheadLine += lineAt(x, y);
        QVERIFY(past > 10);
        QCOMPARE(pastLine, past);
        QVERIFY2(aheadLine > ahead / 4 && aheadLine < ahead * 3 / 4,
                 qPrintable(QString("%1 of %2").arg(aheadLine).arg(ahead)));
    }

    // The picture is the chart at its size on the screen, in the chosen type; a file that
    // cannot be written is said so.
    void savePicture_data()
    {
        for (const char *column : {"name", "filter", "written"})
            QTest::addColumn<QString>(column);
        const auto row = [](const char *tag, const char *name, const char *filter,
                            const char *written) {
            QTest::newRow(tag) << name << filter << written;
        };
        row("png", "chart.png", "", "chart.png");
        row("pdf by its type", "chart", "PDF documents (*.pdf)", "chart.pdf");
        row("png when no type is named", "chart", "", "chart.png");
        row("folder missing", "missing/chart.png", "", "");
    }
    void savePicture()
    {
        QFETCH(QString, name);
        QFETCH(QString, filter);
        QFETCH(QString, written);
        QTemporaryDir dir;
        Chart f("2001/1/5D900 2001/2/1W1000");
        f.window.resize(640, 480);
        const QSize size = f.get<ChartView>("picChart")->size();
        FakePrompter &prompter = f.fakes.prompter;
        prompter.fileAnswers = {dir.filePath(name)};
        prompter.filterAnswers = {filter};
        prompter.answers = {QMessageBox::Ok};
        f.get<QPushButton>("cmdSavePicture")->click();
        QCOMPARE(prompter.offeredFilters,
                 std::vector<QString>{"PNG pictures (*.png);;PDF documents (*.pdf)"});
        if (written.isEmpty()) {
            QCOMPARE(prompter.titles(), QStringList{"SAVE FAILED"});
            QVERIFY(prompter.shown[0].text.startsWith("The chart could not be saved as " +
                                                      QDir::toNativeSeparators(dir.filePath(name)) +
                                                      ": "));
            QVERIFY(QDir(dir.path()).isEmpty());
            return;
        }
        QCOMPARE(prompter.titles(), QStringList{"Picture Saved"});
        const QByteArray bytes = fileBytes(dir.filePath(written));
        if (written.endsWith("png")) {
            QCOMPARE(QImage::fromData(bytes, "PNG").size(), size);
        } else {
            QVERIFY(bytes.startsWith("%PDF-"));
            const QRegularExpressionMatch box =
                QRegularExpression(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])").match(bytes);
            QCOMPARE(QSizeF(box.captured(1).toDouble(), box.captured(2).toDouble()), QSizeF(size));
        }
    }
};

QTEST_MAIN(TestChart)
#include "tst_chart.moc"
