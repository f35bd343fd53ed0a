// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tallyra {

// Installs the translators for the user's language (LANGUAGE, then LC_ALL, LC_MESSAGES and
// LANG): Tallyra's own, built into the program, and Qt's own texts from the system's
// translations. The English plural forms ("1 entry") are always installed beneath them, since
// English is the source language and its texts are written in the plural. Call once, after the
// application object exists. Returns the language in use, as translationLanguage() does.
QString installTranslations();

// The language Tallyra's texts are shown in: "en", or the code of the translation in use
// ("es"). Handbook pages are picked by it.
QString translationLanguage();

} // namespace tallyra
