// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"
#include "register/RegisterDocument.h"

#include <QString>

class QWidget;

namespace tallyra {

// The main window's menu item: File > Import Statement... (translated where it is shown, in
// the main window's context).
inline constexpr char ImportStatementMenuText[] = QT_TRANSLATE_NOOP("tallyra::FrmMoney", "&Import Statement...");

// File > Import Statement...: asks for a file, then importStatementFile.
void openStatementImport(RegisterDocument &document, Platform &platform, QWidget *parent);

// Reads the statement (for a CSV file, with the columns remembered for its heading, else as
// the user maps them; asking the date order when the dates read both ways) and shows the
// import window over `parent`. A file that is no statement ends in a message.
void importStatementFile(const QString &path, RegisterDocument &document, Platform &platform,
                         QWidget *parent);

} // namespace tallyra
