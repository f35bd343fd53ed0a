// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SaveTarget.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

class QWidget;

namespace tallyra {

// Every message box, input box, file dialog and beep of the program goes through here, so that
// tests can see what the user would see and answer for them.
class Prompter
{
public:
    virtual ~Prompter() = default;

    virtual QMessageBox::StandardButton
    message(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) = 0;

    // A question whose answers have texts of their own; returns the index of the one pressed.
    // Enter presses `defaultIndex`, Esc and closing the box give `escapeIndex`.
    virtual int choose(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                       const QString &text, const QStringList &answers, int defaultIndex,
                       int escapeIndex) = 0;

    // The typed text, or nothing when the user cancels.
    virtual std::optional<QString> askText(QWidget *parent, const QString &title,
                                           const QString &prompt) = 0;

    // A file name to save to, starting from the suggested path, or nothing when the user
    // cancels. The suggested name's extension is added when the user leaves it out; with
    // several types in `filter` (separated by ";;"), the chosen type's extension instead, and
    // the chosen type goes to `selectedFilter` when it is given.
    virtual std::optional<QString> askSaveFile(QWidget *parent, const QString &title,
                                               const QString &suggested, const QString &filter,
                                               QString *selectedFilter = nullptr) = 0;

    // A folder, starting from the given one, or nothing when the user cancels.
    virtual std::optional<QString> askFolder(QWidget *parent, const QString &title,
                                             const QString &start) = 0;

    // An existing file to read, starting in the given folder, or nothing when the user cancels.
    virtual std::optional<QString> askOpenFile(QWidget *parent, const QString &title,
                                               const QString &start, const QString &filter) = 0;

    virtual void beep() = 0;
};

class QtPrompter final : public Prompter
{
public:
    QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon,
                                        const QString &title, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    int choose(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
               const QStringList &answers, int defaultIndex, int escapeIndex) override;
    std::optional<QString> askText(QWidget *parent, const QString &title,
                                   const QString &prompt) override;
    std::optional<QString> askSaveFile(QWidget *parent, const QString &title,
                                       const QString &suggested, const QString &filter,
                                       QString *selectedFilter = nullptr) override;
    std::optional<QString> askFolder(QWidget *parent, const QString &title,
                                     const QString &start) override;
    std::optional<QString> askOpenFile(QWidget *parent, const QString &title, const QString &start,
                                       const QString &filter) override;
    void beep() override;
};

// Where to save a file of one of `types`: the dialog suggests `name` in the user's documents
// folder and offers the types, the first chosen. Nothing when the user cancels.
std::optional<SaveTarget> askSaveTarget(Prompter &prompter, QWidget *parent, const QString &title,
                                        const QString &name, std::span<const FileType> types);

} // namespace tallyra
