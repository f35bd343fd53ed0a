// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Contrast.h"

#include <QTest>

using namespace tallyra;

class TestContrast : public QObject
{
    Q_OBJECT

private slots:
    // The measure itself, at points anyone can check: the ends, and mid-grey #767676, the
    // darkest grey that reads on white only just.
    void ratio_data()
    {
        QTest::addColumn<QColor>("first");
        QTest::addColumn<QColor>("second");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("either way round") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
        QTest::newRow("the same") << QColor(0x336699) << QColor(0x336699) << 1.0;
        QTest::newRow("grey 767676 on white") << QColor(0x767676) << QColor(Qt::white) << 4.54;
        QTest::newRow("pure red on white") << QColor(Qt::red) << QColor(Qt::white) << 4.0;
    }
    void ratio()
    {
        QFETCH(QColor, first);
        QFETCH(QColor, second);
        QFETCH(double, ratio);
        QVERIFY2(qAbs(contrastRatio(first, second) - ratio) < 0.01,
                 qPrintable(QString::number(contrastRatio(first, second))));
    }

    // The red reads on every background, stays the plain red where that already reads, and
    // stays a red wherever a red can read at all.
    void red_data()
    {
        QTest::addColumn<QColor>("background");
        QTest::addColumn<bool>("plainRed");
        QTest::addColumn<bool>("reddish");
        QTest::newRow("white") << QColor(Qt::white) << true << true;
        QTest::newRow("light grey window") << QColor(0xEFEFEF) << true << true;
        QTest::newRow("pale yellow") << QColor(0xFFF0A0) << true << true;
        QTest::newRow("darker grey") << QColor(0xC0C0C0) << false << true;
        QTest::newRow("dark window") << QColor(0x353535) << false << true;
        QTest::newRow("black") << QColor(Qt::black) << false << true;
        QTest::newRow("dark red") << QColor(0x600000) << false << true;
        QTest::newRow("mid grey") << QColor(0x777777) << false << false;
        QTest::newRow("full red") << QColor(Qt::red) << false << false;
    }
    void red()
    {
        QFETCH(QColor, background);
        QFETCH(bool, plainRed);
        QFETCH(bool, reddish);
        const QColor red = readableRed(background);
        QVERIFY2(contrastRatio(red, background) >= ReadableContrast, qPrintable(red.name()));
        QCOMPARE(red == QColor(AlertRed), plainRed);
        if (reddish)
            QVERIFY2(red.red() >= red.green() + 50 && red.green() == red.blue(),
                     qPrintable(red.name()));
    }

    // A tint no stronger than asked, weaker where the text would no longer read on it, and
    // none where the text does not read even on the plain background.
    void tint_data()
    {
        QTest::addColumn<QColor>("base");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<bool>("tinted");
        QTest::newRow("black on white") << QColor(Qt::white) << QColor(Qt::black) << true;
        QTest::newRow("white on dark") << QColor(0x232323) << QColor(Qt::white) << true;
        QTest::newRow("grey text on white") << QColor(Qt::white) << QColor(0x707070) << true;
        QTest::newRow("unreadable already") << QColor(Qt::white) << QColor(0xAAAAAA) << false;
    }
    void tint()
    {
        QFETCH(QColor, base);
        QFETCH(QColor, text);
        QFETCH(bool, tinted);
        const QColor amber(0xFFD200);
        const QColor shown = readableTint(base, amber, text, 0.4);
        QCOMPARE(shown != base, tinted);
        if (!tinted)
            return;
        QVERIFY(contrastRatio(text, shown) >= ReadableContrast);
        // Never further towards the tint than asked.
        QVERIFY(qAbs(shown.blue() - base.blue()) <= qRound(0.4 * qAbs(amber.blue() - base.blue())));
    }

    // A partly transparent colour counts as what it shows over its background.
    void overBackground()
    {
        QColor fifthBlack(Qt::black);
        fifthBlack.setAlpha(51);
        QCOMPARE(over(fifthBlack, Qt::white), QColor(204, 204, 204));
        QCOMPARE(over(QColor(0x123456), Qt::white), QColor(0x123456));
    }
};

QTEST_GUILESS_MAIN(TestContrast)
#include "tst_contrast.moc"
