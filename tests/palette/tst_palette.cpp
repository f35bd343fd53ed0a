// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "chart/frmChart.h"
#include "platform/Contrast.h"
#include "statement/frmStatement.h"

#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>

using namespace tallyra;
using namespace tallyra::test;

namespace {

enum class Scheme { Light, Dark, HighContrastBlack, HighContrastWhite };

QPalette paletteOf(Scheme scheme)
{
    if (scheme == Scheme::Light)
        return QApplication::style()->standardPalette();
    const bool dark = scheme != Scheme::HighContrastWhite;
    const QColor window = scheme == Scheme::Dark ? QColor(0x353535) : dark ? Qt::black : Qt::white;
    const QColor ink = scheme == Scheme::HighContrastBlack ? QColor(Qt::yellow)
                       : dark                              ? QColor(0xE8E8E8)
                                                           : QColor(Qt::black);
    QPalette palette(ink, window, dark ? window.lighter(160) : Qt::white,
                     dark ? Qt::black : QColor(0x606060), QColor(0x808080), ink,
                     scheme == Scheme::Dark ? QColor(0x262626) : window);
    palette.setColor(QPalette::AlternateBase, scheme == Scheme::Dark ? QColor(0x303030)
                                              : dark                 ? QColor(0x1C1C1C)
                                                                     : QColor(0xF0F0F0));
    palette.setColor(QPalette::PlaceholderText, scheme == Scheme::Dark ? QColor(0x8A8A8A) : ink);
    return palette;
}

// The colour most of a widget's area shows in the window's picture: what is behind its text.
QColor backgroundIn(const QImage &shot, const QWidget *widget, const QWidget *window)
{
    const QRect area(widget->mapTo(window, QPoint(0, 0)), widget->size());
    QHash<QRgb, int> seen;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++seen[shot.pixel(x, y)];
    QRgb most = 0;
    for (auto it = seen.cbegin(); it != seen.cend(); ++it)
        if (it.value() > seen.value(most))
            most = it.key();
    return QColor(most);
}

QColor inkOf(const QLabel *label)
{
    return label->palette().color(label->foregroundRole());
}

// A red, whatever its shade: paler on a dark background, deeper on a light one.
bool isRed(const QColor &colour)
{
    return colour.red() >= colour.green() + 50 && colour.red() >= colour.blue() + 50;
}

// Each visible text of the window that does not read on what is drawn behind it, as "name: ink
// on background"; `checked` counts the texts looked at.
QStringList unreadableTexts(QWidget *window, int &checked)
{
    const QImage shot = window->grab().toImage();
    QStringList unreadable;
    checked = 0;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->text().isEmpty() || !label->isVisibleTo(window))
            continue;
        ++checked;
        const QColor ink = inkOf(label);
        const QColor behind = backgroundIn(shot, label, window);
        if (contrastRatio(ink, behind) < ReadableContrast)
            unreadable << QStringLiteral("%1: %2 on %3")
                              .arg(label->objectName(), ink.name(), behind.name());
    }
    return unreadable;
}

} // namespace

class TestPalette : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QApplication::setPalette(QApplication::style()->standardPalette()); }

    void schemes_data()
    {
        QTest::addColumn<Scheme>("scheme");
        QTest::newRow("light") << Scheme::Light;
        QTest::newRow("dark") << Scheme::Dark;
        QTest::newRow("high contrast, black") << Scheme::HighContrastBlack;
        QTest::newRow("high contrast, white") << Scheme::HighContrastWhite;
    }

    // Every text of the main window reads on what is really drawn behind it, on both stripes
    // of the list, after the colour scheme changes under the running window, and again once it
    // changes back: no colour chosen for one scheme is left over for the other. Below zero and
    // the near-limit warning are red in every scheme, the rest in the scheme's own text colours.
    void mainWindow_data() { schemes_data(); }
    void mainWindow()
    {
        QFETCH(Scheme, scheme);
        MainWindow main;
        // Totals of 2.00, 1.00, 0.00, -1.00 and -2.00 on the last lines.
        Checkbook book = januaryDays(WarningThreshold);
        book.slot[WarningThreshold - 4].withdrawalCents = 0;
        book.slot[WarningThreshold - 4].depositCents = 96800;
        main.load(book);
        main.show();
        QApplication::setPalette(paletteOf(scheme));
        QCoreApplication::processEvents();
        const QPalette palette = paletteOf(scheme);
        int checked = 0;
        QCOMPARE(unreadableTexts(&main.window, checked), QStringList());
        QVERIFY2(checked > 60, qPrintable(QString::number(checked)));

        const auto label = [&main](const QString &name) { return main.get<QLabel>(name); };
        const QColor red = inkOf(label("lblTotal"));
        QCOMPARE(inkOf(label("lblWarning")).name(), red.name());
        QVERIFY2(isRed(red), qPrintable(red.name()));
        QCOMPARE(inkOf(label("lblRecNum")), palette.color(QPalette::WindowText));
        // Lines 6 to 10: totals of 2.00 down to -2.00, lines 9 and 10 on different stripes.
        for (int line = 5; line < 10; ++line) {
            const QLabel *total = label(QStringLiteral("total%1").arg(line));
            QVERIFY(total->text().startsWith(u'-') == (line >= 8));
            if (line < 8)
                QCOMPARE(inkOf(total), palette.color(QPalette::Text));
            else
                QVERIFY2(isRed(inkOf(total)), qPrintable(inkOf(total).name()));
        }
        const QImage shot = main.window.grab().toImage();
        QVERIFY(backgroundIn(shot, label("total8"), &main.window) !=
                backgroundIn(shot, label("total9"), &main.window));

        // And back: a red or an ink chosen for the other scheme would not read here.
        QApplication::setPalette(paletteOf(Scheme::Light));
        QCoreApplication::processEvents();
        QCOMPARE(unreadableTexts(&main.window, checked), QStringList());
    }

    // The import preview's tinted payee, its red and its grey read on the list behind them,
    // and follow a change of scheme while the window is open.
    void importPreview_data() { schemes_data(); }
    void importPreview()
    {
        QFETCH(Scheme, scheme);
        DocumentOf stored(registerOf(QStringLiteral("1/1W")));
        Statement statement{QStringLiteral("QIF"), {}, std::nullopt, {}, {}};
        statement.transactions = {
            {QDate(2001, 1, 1), -100, {}, QStringLiteral("E1"), {}, {}, {}},
            {QDate(2001, 1, 5), -2500, {}, QStringLiteral("Caf\u00e9 \u2603"), {}, {}, {}},
            {QDate(), -100, {}, QStringLiteral("NO DATE"), {}, {}, problemText("it has no date")}};
        fillPeriod(statement);
        FakePlatform fakes;
        FrmStatement window(stored.document, fakes.platform, QStringLiteral("s.qif"), statement);
        window.show();
        QApplication::setPalette(paletteOf(scheme));
        QCoreApplication::processEvents();
        const QPalette palette = paletteOf(scheme);
        const auto *list = child<QTableWidget>(&window, "lstTransactions");
        QCOMPARE(list->rowCount(), 3);

        const QColor base = palette.color(QPalette::Base);
        const QColor text = palette.color(QPalette::Text);
        const QVariant tint = list->item(1, 3)->data(Qt::BackgroundRole);
        QVERIFY(tint.isValid());
        QVERIFY(tint.value<QBrush>().color() != base);
        QVERIFY(contrastRatio(text, tint.value<QBrush>().color()) >= ReadableContrast);
        for (int row : {0, 2}) {
            const QColor ink = list->item(row, 5)->data(Qt::ForegroundRole).value<QBrush>().color();
            QVERIFY2(contrastRatio(ink, base) >= ReadableContrast, qPrintable(ink.name()));
        }
        const QColor cannotAdd = list->item(2, 5)->data(Qt::ForegroundRole).value<QBrush>().color();
        QVERIFY2(isRed(cannotAdd), qPrintable(cannotAdd.name()));
    }

    // A negative balance in the month table is red and reads on both of its stripes.
    void monthTable_data() { schemes_data(); }
    void monthTable()
    {
        QFETCH(Scheme, scheme);
        DocumentOf stored(registerOf(QStringLiteral("1/5W 2/5W 3/5W")));
        FakePlatform fakes;
        FrmChart window(stored.document, fakes.platform);
        window.show();
        QApplication::setPalette(paletteOf(scheme));
        QCoreApplication::processEvents();
        const QPalette palette = paletteOf(scheme);
        const QAbstractItemModel *table = child<QTableView>(&window, "grdMonths")->model();
        QCOMPARE(table->rowCount(), 3);
        for (int row : {0, 1}) {
            const QColor red = table->index(row, 4).data(Qt::ForegroundRole).value<QColor>();
            const QColor stripe =
                palette.color(row == 0 ? QPalette::Base : QPalette::AlternateBase);
            QVERIFY2(isRed(red) && contrastRatio(red, stripe) >= ReadableContrast,
                     qPrintable(red.name()));
        }
    }
};

QTEST_MAIN(TestPalette)
#include "tst_palette.moc"
