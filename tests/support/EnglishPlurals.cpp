// SPDX-License-Identifier: GPL-3.0-or-later
// Every test runs with the translators the program installs at start-up: under the tests'
// C locale that is the English plural forms alone, so "%n entries" reads "1 entry".
#include "platform/Language.h"

#include <QCoreApplication>

namespace {

void installProgramTranslations()
{
    tallyra::installTranslations();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProgramTranslations)
