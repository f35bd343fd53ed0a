// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Prompter.h"

#include "platform/UserFolders.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QPushButton>
#include <QRegularExpression>

namespace tallyra {

namespace {

// "csv" from "CSV for spreadsheets (*.csv)"; empty when the type names no extension.
QString filterSuffix(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral(R"(\*\.(\w+))"));
    return pattern.match(filter).captured(1);
}

} // namespace

QMessageBox::StandardButton QtPrompter::message(QWidget *parent, QMessageBox::Icon icon,
                                                const QString &title, const QString &text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

int QtPrompter::choose(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                       const QString &text, const QStringList &answers, int defaultIndex,
                       int escapeIndex)
{
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QList<QPushButton *> buttons;
    for (const QString &answer : answers)
        buttons << box.addButton(answer, QMessageBox::AcceptRole);
    box.setDefaultButton(buttons.value(defaultIndex));
    box.setEscapeButton(buttons.value(escapeIndex));
    box.exec();
    const int pressed = int(buttons.indexOf(qobject_cast<QPushButton *>(box.clickedButton())));
    return pressed < 0 ? escapeIndex : pressed;
}

std::optional<QString> QtPrompter::askText(QWidget *parent, const QString &title,
                                           const QString &prompt)
{
    bool ok = false;
    QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> QtPrompter::askSaveFile(QWidget *parent, const QString &title,
                                               const QString &suggested, const QString &filter,
                                               QString *selectedFilter)
{
    QFileDialog dialog(parent, title, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
    // A name typed without an extension takes the type chosen last, not the suggested one.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString &chosen) {
                         if (const QString suffix = filterSuffix(chosen); !suffix.isEmpty())
                             dialog.setDefaultSuffix(suffix);
                     });
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    if (selectedFilter)
        *selectedFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtPrompter::askFolder(QWidget *parent, const QString &title,
                                             const QString &start)
{
    const QString folder = QFileDialog::getExistingDirectory(parent, title, start);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

std::optional<QString> QtPrompter::askOpenFile(QWidget *parent, const QString &title,
                                               const QString &start, const QString &filter)
{
    const QString file = QFileDialog::getOpenFileName(parent, title, start, filter);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

void QtPrompter::beep()
{
    QApplication::beep();
}

std::optional<SaveTarget> askSaveTarget(Prompter &prompter, QWidget *parent, const QString &title,
                                        const QString &name, std::span<const FileType> types)
{
    QString filter;
    const std::optional<QString> chosen = prompter.askSaveFile(
        parent, title, QDir(documentsFolder()).filePath(name), saveFilters(types), &filter);
    if (!chosen)
        return std::nullopt;
    return saveTarget(types, *chosen, filter);
}

} // namespace tallyra
