// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tallyra {

// Where users are sent for updates and with questions; on the reserved example domain.
inline const QString SupportWeb = QStringLiteral("https://tallyra.example.org");
inline const QString SupportMail = QStringLiteral("support@tallyra.example.org");

} // namespace tallyra
