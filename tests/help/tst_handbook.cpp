// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "help/frmHandbook.h"

#include <QImage>
#include <QListWidget>
#include <QTextBrowser>

using namespace tallyra;
using namespace tallyra::test;

class TestHandbook : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    // Each language has the same pages, the ones the contents list names, and every link and
    // picture on them is built into the program.
    void pages_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "en";
        QTest::newRow("Spanish") << "es";
    }
    void pages()
    {
        QFETCH(QString, language);
        const QString folder = QStringLiteral(":/handbook/") + language;
        QStringList expected = FrmHandbook::pageNames();
        expected.sort();
        QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name), expected);
        static const QRegularExpression reference(
            QStringLiteral("(?:href|src)=\"([^\"#]*)[^\"]*\""));
        for (const QString &page : expected) {
            const QString text = QString::fromUtf8(fileBytes(folder + u'/' + page));
            QVERIFY2(text.contains(u"<title>") && text.contains(u"<h1>"), qPrintable(page));
            QVERIFY2(!text.contains(u"color") && !text.contains(u"<script"), qPrintable(page));
            for (const QRegularExpressionMatch &found : reference.globalMatch(text)) {
                const QString target = found.captured(1);
                if (target.isEmpty())
                    continue;
                const QString path = QDir::cleanPath(folder + u'/' + target);
                QVERIFY2(QFile::exists(path), qPrintable(page + QStringLiteral(" -> ") + target));
                if (found.captured(0).startsWith(u"src"))
                    QVERIFY2(!QImage(path).isNull(), qPrintable(target));
            }
            // A picture says in words what it shows, for a screen reader.
            static const QRegularExpression picture(QStringLiteral("<img[^>]*>"));
            for (const QRegularExpressionMatch &found : picture.globalMatch(text))
                QVERIFY2(found.captured(0).contains(
                             QRegularExpression(QStringLiteral("alt=\"[^\"]{10,}\""))),
                         qPrintable(page + u' ' + found.captured(0)));
        }
    }

    // F1 opens the handbook at its index beside the register, and again only raises it; a
    // contents line shows its page and Back goes back.
    void opensOnF1()
    {
        MainWindow f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QTest::keyClick(&f.window, Qt::Key_F1);
        auto *handbook = f.window.findChild<QWidget *>(QStringLiteral("frmHandbook"));
        QVERIFY(handbook && handbook->isVisible() && handbook->isWindow());
        auto *page = child<QTextBrowser>(handbook, QStringLiteral("txtPage"));
        QCOMPARE(page->source().fileName(), QStringLiteral("index.html"));
        QVERIFY(!page->documentTitle().isEmpty());
        child<QListWidget>(handbook, QStringLiteral("lstContents"))->setCurrentRow(2);
        QCOMPARE(page->source().fileName(), FrmHandbook::pageNames().at(2));
        QTest::mouseClick(child<QWidget>(handbook, QStringLiteral("cmdBack")), Qt::LeftButton);
        QCOMPARE(page->source().fileName(), QStringLiteral("index.html"));
        f.window.activateWindow();
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support raise()");
        QTest::keyClick(&f.window, Qt::Key_F1);
        QCOMPARE(f.window.findChildren<QWidget *>(QStringLiteral("frmHandbook")).size(), 1);
    }
};

QTEST_MAIN(TestHandbook)
#include "tst_handbook.moc"
