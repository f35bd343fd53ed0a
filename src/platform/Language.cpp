// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tallyra {

namespace {

QString g_language = QStringLiteral("en");

// The built-in translations, then those installed beside the program (share/tallyra/
// translations), where a language can be added without building Tallyra again.
QStringList translationFolders()
{
    const QString installed =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tallyra/translations");
    return {QStringLiteral(":/i18n"), QDir::cleanPath(installed)};
}

QTranslator *loaded(const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

QString installTranslations()
{
    auto *plurals = new QTranslator(QCoreApplication::instance());
    if (plurals->load(QStringLiteral(":/i18n/tallyra_en.qm")))
        QCoreApplication::installTranslator(plurals);
    else
        delete plurals;

    const QLocale locale = QLocale::system();
    for (const QString &folder : translationFolders()) {
        QTranslator *own = loaded(locale, QStringLiteral("tallyra"), folder);
        if (!own)
            continue;
        const QString language = own->language().section(u'_', 0, 0).section(u'-', 0, 0);
        if (language.isEmpty() || language == u"en") {
            delete own;
            break;
        }
        QCoreApplication::installTranslator(own);
        g_language = language;
        // Qt's own texts: the buttons of its boxes, the file and print dialogs; from the
        // system, or on Windows from the program itself.
        for (const QString &qtFolder :
             {QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral(":/i18n")}) {
            if (QTranslator *qt = loaded(locale, QStringLiteral("qtbase"), qtFolder)) {
                QCoreApplication::installTranslator(qt);
                break;
            }
        }
        break;
    }
    return g_language;
}

QString translationLanguage()
{
    return g_language;
}

} // namespace tallyra
