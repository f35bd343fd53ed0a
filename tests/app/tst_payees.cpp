#include "FakePlatform.h"
#include "TestSupport.h"
#include "app/PayeeList.h"
#include "app/frmMoney.h"
#include "register/DataFile.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QtTest>

using namespace tallyra;
using namespace tallyra::test;

namespace {

Checkbook registerPaying(const QStringList &payees)
{
    Checkbook book;
    for (const QString &payee : payees)
        book.slot[++book.entryCount] = Entry{2001, 1, 1, QStringLiteral("ATM"), payee, 100, 0};
    return book;
}

// Runs written as "at:payee,payee|at:payee".
QString describe(const QList<PayeeRun> &runs)
{
    QStringList parts;
    for (const PayeeRun &run : runs)
        parts << QString::number(run.at) + u':' + run.payees.join(u',');
    return parts.join(u'|');
}

QStringList comboItems(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

} // namespace

class TestPayeeList : public QObject
{
    Q_OBJECT

private slots:
    void runs_data()
    {
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QStringList>("loaded");
        QTest::addColumn<QString>("runs");
        QTest::newRow("first load, repeats once")
            << QStringList{} << QStringList{"RENT", "GAS", "RENT"} << "0:GAS,RENT";
        QTest::newRow("letter case counts")
            << QStringList{} << QStringList{"Rent", "RENT"} << "0:RENT,Rent";
        QTest::newRow("sorted as text")
            << QStringList{} << QStringList{"9", "10", "1"} << "0:1,10,9";
        QTest::newRow("nothing new") << QStringList{"GAS", "RENT"} << QStringList{"RENT"} << "";
        QTest::newRow("between and after")
            << QStringList{"B", "D"} << QStringList{"E", "A", "D", "C"} << "0:A|2:C|4:E";
        QTest::newRow("neighbours in one run")
            << QStringList{"A", "E"} << QStringList{"F", "C", "B"} << "1:B,C|4:F";
    }
    void runs()
    {
        QFETCH(QStringList, offered);
        QFETCH(QStringList, loaded);
        QFETCH(QString, runs);
        PayeeList payees;
        payees.addPayeesOf(registerPaying(offered));
        QStringList list = payees.items();
        const QList<PayeeRun> added = payees.addPayeesOf(registerPaying(loaded));
        QCOMPARE(describe(added), runs);
        // Inserted in order, the runs turn the old list into the new one, as the window does.
        for (const PayeeRun &run : added) {
            for (qsizetype i = 0; i < run.payees.size(); ++i)
                list.insert(run.at + i, run.payees[i]);
        }
        QStringList expected = offered + loaded;
        sortAsText(expected);
        expected.removeDuplicates();
        QCOMPARE(list, expected);
        QCOMPARE(payees.items(), expected);
    }

    void slotsPastTheCountAreNotRead()
    {
        Checkbook book = registerPaying({"RENT", "GAS"});
        book.entryCount = 1;
        PayeeList payees;
        QCOMPARE(describe(payees.addPayeesOf(book)), QStringLiteral("0:RENT"));
    }
};

class TestPayeeField : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        TempWorkingFolder folder;
        FakePlatform fakes;
        Checkbook book;
        FrmMoney window{book, fakes.platform};
        QComboBox *payee = child<QComboBox>(&window, QStringLiteral("cmbPayee"));

        void load(const QStringList &payees)
        {
            writeBytes(QLatin1String(DataFileName), formatDataFile(registerPaying(payees)));
            window.Form_Load();
        }
    };

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void newPayeesTakeTheirPlacesAndTypingStays()
    {
        Fixture f;
        f.load({"D", "B"});
        f.payee->setEditText(QStringLiteral("Zed"));
        writeBytes(QLatin1String(DataFileName),
                   formatDataFile(registerPaying({"E", "A", "D", "C"})));
        f.window.loadRegister();
        QCOMPARE(comboItems(f.payee), (QStringList{"A", "B", "C", "D", "E"}));
        QCOMPARE(f.payee->currentText(), QStringLiteral("Zed"));
    }

    // Sizing the field from its list meant measuring every payee at start-up.
    void longPayeesDoNotWidenTheFieldButOpenWhole()
    {
        Fixture empty;
        empty.load({});
        Fixture full;
        full.load({QStringLiteral("A VERY LONG PAYEE ").repeated(8), QStringLiteral("RENT")});
        QCOMPARE(full.payee->count(), 2);
        QCOMPARE(full.payee->sizeHint(), empty.payee->sizeHint());
        QCOMPARE(full.payee->minimumSizeHint(), empty.payee->minimumSizeHint());

        // The offscreen platform cannot raise the list or give it the keyboard.
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support raise()");
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support grabbing the keyboard");
        full.payee->showPopup();
        const QAbstractItemView *list = full.payee->view();
        QTRY_VERIFY(list->isVisible());
        const QModelIndex longest = list->model()->index(0, 0);
        QVERIFY(list->viewport()->width() >= list->sizeHintForIndex(longest).width());
        full.payee->hidePopup();
    }
};

int runPayeeTests(int argc, char *argv[])
{
    TestPayeeList list;
    TestPayeeField field;
    const int status = QTest::qExec(&list, argc, argv);
    return status | QTest::qExec(&field, argc, argv);
}

#include "tst_payees.moc"
