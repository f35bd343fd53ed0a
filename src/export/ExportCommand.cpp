// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/ExportCommand.h"

#include "export/RegisterExport.h"
#include "platform/UserFolders.h"

#include <QDir>

namespace tallyra {

void exportCommand(const Checkbook &book, Platform &platform, QWidget *parent)
{
    const QString suggested =
        QDir(documentsFolder())
            .filePath(defaultExportName(platform.clock.today(), ExportFormat::Csv));
    QString filter;
    const std::optional<QString> chosen = platform.prompter.askSaveFile(
        parent, QStringLiteral("Export"), suggested, exportFilters(), &filter);
    if (!chosen)
        return;
    const ExportTarget target = exportTarget(*chosen, filter);
    const ExportResult result = exportRegister(book, target.format, target.path);
    platform.prompter.message(parent, result.ok ? QMessageBox::Information : QMessageBox::Warning,
                              QStringLiteral("Export"), exportResultText(result));
}

} // namespace tallyra
