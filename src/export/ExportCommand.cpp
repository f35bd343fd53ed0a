// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/ExportCommand.h"

#include "export/RegisterExport.h"

#include <QCoreApplication>

namespace tallyra {

void exportCommand(const Checkbook &book, Platform &platform, QWidget *parent)
{
    const std::optional<SaveTarget> target = askSaveTarget(
        platform.prompter, parent, QCoreApplication::translate("ExportCommand", "Export"),
        defaultExportName(platform.clock.today(), ExportFormat::Csv), ExportTypes);
    if (!target)
        return;
    const ExportResult result = exportRegister(book, ExportFormat(target->type), target->path);
    platform.prompter.message(parent, result.ok ? QMessageBox::Information : QMessageBox::Warning,
                              QCoreApplication::translate("ExportCommand", "Export"),
                              exportResultText(result));
}

} // namespace tallyra
