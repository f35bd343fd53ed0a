// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "platform/Language.h"
#include "statement/ImportCommand.h"
#include "statement/StatementFile.h"
#include "statement/StatementPreview.h"

#include <QBuffer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

using namespace tallyra;
using namespace tallyra::test;

namespace {

struct Message
{
    QString context;
    QString source;
    QStringList forms; // one, or one for each plural form
    bool finished = false;
    bool plural = false;
};

QList<Message> readTs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            Message message{context, {}, {}, true, xml.attributes().value("numerus") == u"yes"};
            while (xml.readNextStartElement()) {
                if (xml.name() == u"source") {
                    message.source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                } else if (xml.name() == u"translation") {
                    message.finished = xml.attributes().value("type").isEmpty();
                    // A plural's forms each in a <numerusform> of its own.
                    while (message.plural ? xml.readNextStartElement() : message.forms.isEmpty())
                        message.forms
                            << xml.readElementText(QXmlStreamReader::IncludeChildElements);
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages << message;
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return messages;
}

// %1 ... %9 and %n, in order of appearance, sorted: a translation may reorder them.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression mark(QStringLiteral("%(\\d|n)"));
    QStringList found;
    for (const auto &match : mark.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// The access key marks: "&" before a letter, not "&&" and not an HTML entity such as "&lt;".
int accessKeys(const QString &text)
{
    static const QRegularExpression key(QStringLiteral("&(?!&|[a-z]+;|#\\d+;)\\S"));
    static const QRegularExpression doubled(QStringLiteral("&&"));
    return int(QString(text).remove(doubled).count(key));
}

// The register file the main window writes after the same typing, whatever the language.
QByteArray typedRegister(QString *addCaption)
{
    MainWindow f;
    f.load(registerOf("1/5W 1/6D"));
    *addCaption = f.get<QPushButton>("cmdAdd")->text();
    const auto add = [&f](const QString &edits, const char *type) {
        typeInto(&f.window, edits);
        f.get<QRadioButton>(type)->click();
        f.get<QPushButton>("cmdAdd")->click();
    };
    // Yes to each "Continue?", and to the voided check's zero amount.
    f.fakes.prompter.answers.assign(4, QMessageBox::Yes);
    // The first keeps the check number the window offers.
    add("txtMonth=5 txtDay=12 txtYear=2001 cmbPayee=GROCER txtDollar=12 txtCent=34",
        "optWithdrawl");
    add("txtMonth=5 txtDay=13 txtYear=2001 cmbCheckNum=DEP cmbPayee=PAY txtDollar=900 txtCent=0",
        "optDeposit");
    add("txtMonth=5 txtDay=14 txtYear=2001 cmbCheckNum=1001 cmbPayee=TORN txtDollar=0 txtCent=0",
        "optNeither");
    return f.file();
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    // Every text the sources hand to tr() has its Spanish, and the English plural forms are
    // all there: lupdate, run afresh over the sources, finds nothing the files lack.
    void everyTextTranslated_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("es") << QStringLiteral("es");
        QTest::newRow("en plurals") << QStringLiteral("en");
    }
    void everyTextTranslated()
    {
        QFETCH(QString, language);
        QTemporaryDir scratch;
        const QString fresh = scratch.filePath(QStringLiteral("fresh.ts"));
        QStringList arguments{QStringLiteral("-silent"), QStringLiteral("-locations"),
                              QStringLiteral("none"),    QStringLiteral(SOURCES_DIR),
                              QStringLiteral("-ts"),     fresh};
        if (language == u"en")
            arguments.prepend(QStringLiteral("-pluralonly"));
        QProcess lupdate;
        lupdate.start(QStringLiteral(LUPDATE), arguments);
        QVERIFY(lupdate.waitForFinished(60000));
        QCOMPARE(lupdate.exitCode(), 0);

        QSet<QString> kept;
        const QString path = QStringLiteral(TRANSLATIONS_DIR "/tallyra_%1.ts").arg(language);
        for (const Message &message : readTs(path))
            if (message.finished && !message.forms.contains(QString()))
                kept << message.context + u'\x1f' + message.source;
        QStringList missing;
        for (const Message &message : readTs(fresh))
            if ((language == u"es" || message.plural) &&
                !kept.contains(message.context + u'\x1f' + message.source))
                missing << message.context + QLatin1String(": ") + message.source;
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
    }

    // A translation keeps every argument, plural count and access key of its English, and
    // gives Spanish its two plural forms.
    void argumentsAndKeysKept_data() { everyTextTranslated_data(); }
    void argumentsAndKeysKept()
    {
        QFETCH(QString, language);
        QStringList faults;
        for (const Message &message :
             readTs(QStringLiteral(TRANSLATIONS_DIR "/tallyra_%1.ts").arg(language))) {
            const QString where = message.context + QLatin1String(": ") + message.source;
            if (message.plural && message.forms.size() != 2)
                faults << QLatin1String("plural forms: ") + where;
            for (const QString &form : message.forms) {
                if (placeholders(form) != placeholders(message.source))
                    faults << QLatin1String("arguments: ") + where + QLatin1String(" -> ") + form;
                if (accessKeys(form) != qMin(accessKeys(message.source), 1))
                    faults << QLatin1String("access key: ") + where + QLatin1String(" -> ") + form;
                if (form.endsWith(u'\n') != message.source.endsWith(u'\n'))
                    faults << QLatin1String("line end: ") + where;
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // Under LANGUAGE=es the program speaks Spanish, and so do Qt's own boxes.
    void spanishInstalled()
    {
        QCOMPARE(translationLanguage(), QStringLiteral("es"));
        QCOMPARE(QCoreApplication::translate("tallyra::FrmDue", "%n recurring entries are due",
                                             nullptr, 1),
                 QStringLiteral("Hay 1 movimiento periódico pendiente"));
#ifndef Q_OS_WIN
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Sí"));
#endif
    }

    // tallyra --import in Spanish: what goes to standard error is translated, the lines on
    // standard output, which programs read, stay English; the import window shows the same
    // refusal in Spanish.
    void importLinesStayEnglish()
    {
        TempWorkingFolder folder;
        FakeSettings settings;
        QByteArray qif("!Type:Bank\nD1/5/26\nT-5.00\nPGAS\n^\nDxx\nT-1.00\nPBAD\n^\n");
        QBuffer input(&qif);
        QVERIFY(input.open(QIODevice::ReadOnly));
        RegisterDocument document;
        const ImportOutcome outcome = runImport(
            {QStringLiteral("-"), true, {}, DateOrder::MonthFirst, &input}, document, settings);
        QCOMPARE(outcome.status, ImportDone);
        QVERIFY2(outcome.output.contains(QStringLiteral("BAD: the date \"xx\" cannot be read\n")),
                 qPrintable(outcome.output));
        QVERIFY(outcome.output.startsWith(QStringLiteral("default.dat does not exist yet")));
        QVERIFY(outcome.output.endsWith(
            QStringLiteral("1 new, 0 duplicates, 1 refused: nothing changed (dry run).\n")));

        QVERIFY(input.seek(0));
        const StatementFile file = readStatementStream(input, QStringLiteral("june.qif"));
        const StatementRead read = readStatement(file, DateOrder::MonthFirst, {});
        const QList<PreviewRow> rows = previewStatement(Checkbook{}, read.statement);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(dispositionText(rows[1]),
                 QStringLiteral("No se puede añadir: no se puede leer la fecha \"xx\""));

        QByteArray notText("hello");
        QBuffer other(&notText);
        QVERIFY(other.open(QIODevice::ReadOnly));
        const ImportOutcome refused =
            runImport({QStringLiteral("-"), true, {}, {}, &other}, document, settings);
        QCOMPARE(refused.output, QString());
        QVERIFY2(refused.error.startsWith(QStringLiteral("tallyra: ")) &&
                     refused.error.contains(QStringLiteral("no es un extracto que Tallyra pueda "
                                                           "leer")),
                 qPrintable(refused.error));
    }

    // The words the register file holds are the program's, not the user's language: the
    // Spanish window writes the file byte for byte as the English one does.
    void sameFileInEveryLanguage()
    {
        QString spanishAdd;
        const QByteArray spanish = typedRegister(&spanishAdd);

        const QList<QTranslator *> translators = qApp->findChildren<QTranslator *>();
        for (QTranslator *translator : translators)
            QCoreApplication::removeTranslator(translator);
        QString englishAdd;
        const QByteArray english = typedRegister(&englishAdd);
        for (QTranslator *translator : translators)
            QCoreApplication::installTranslator(translator);

        QCOMPARE(englishAdd, QStringLiteral("&Add"));
        QVERIFY(spanishAdd != englishAdd);
        QVERIFY(english.contains("GROCER"));
        QCOMPARE(spanish, english);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
