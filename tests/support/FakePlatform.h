// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RecordingSurface.h"
#include "platform/Platform.h"

#include <QDate>
#include <QMap>
#include <QMessageBox>
#include <QMetaEnum>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace tallyra::test {

// The next of a script's answers. None left is a test failure (through the warning that
// QTest::failOnWarning turns into one).
template <typename T> T nextScripted(std::deque<T> &script, const QString &title)
{
    if (script.empty()) {
        qWarning("unscripted box \"%s\"", qPrintable(title));
        return T{};
    }
    T answer = script.front();
    script.pop_front();
    return answer;
}

// The answers a box offers, "|" between them, then the one Enter gives when the box names
// one: "Yes|No, default Yes".
inline QString offeredAnswers(QMessageBox::StandardButtons buttons,
                              QMessageBox::StandardButton defaultButton)
{
    const QMetaEnum names = QMetaEnum::fromType<QMessageBox::StandardButtons>();
    QStringList offered;
    for (int bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton; bit <<= 1)
        if (buttons.testFlag(QMessageBox::StandardButton(bit)))
            offered << QLatin1String(names.valueToKey(bit));
    const QString given = offered.join(u'|');
    if (defaultButton == QMessageBox::NoButton)
        return given;
    return given + QLatin1String(", default ") + QLatin1String(names.valueToKey(defaultButton));
}

// The answers of the boxes whose answers are part of the program's behaviour, by title; where
// no default is given, the toolkit's choice stands. Every test that shows one of these boxes
// fails when the box offers other answers or makes another one the default.
inline const QMap<QString, QString> &fixedAnswers()
{
    static const QMap<QString, QString> byTitle = [] {
        QMap<QString, QString> answers;
        const auto give = [&](const char *offered, std::initializer_list<const char *> titles) {
            for (const char *title : titles)
                answers.insert(QLatin1String(title), QLatin1String(offered));
        };
        give("Ok", {"Need Year", "Need Month", "Need Day", "Need Check Number", "Need Payee",
                    "Invalid Amount", "Nothing To Do", "Register Full", "ERROR", "SUCCESS",
                    "DISK FULL", "HUH!?", "UH OH!", "NEED DISK", "All Was Good", "Hee He"});
        give("Yes|No", {"Missing File", "Are You Sure"});
        give("Yes|No, default No", {"Reconciled Entry"});
        give("Yes|No, default Yes",
             {"Zero For Amount", "Continue?", "Question", "ARE YOU REALLY REALLY SURE?"});
        give("Retry|Cancel", {"DISK NOT READY"});
        return answers;
    }();
    return byTitle;
}

// Records every box the program shows, with the answers it offers, and answers from a script.
struct FakePrompter final : Prompter
{
    struct Shown
    {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        // As offeredAnswers() writes them; a question's own answers add ", Esc " and the answer
        // that Esc gives.
        QString offered;
    };

    std::vector<Shown> shown;
    std::deque<QMessageBox::StandardButton> answers;
    std::deque<std::optional<QString>> textAnswers;
    // Answers to questions with answers of their own, by index.
    std::deque<int> chosen;
    std::deque<std::optional<QString>> fileAnswers;
    std::deque<std::optional<QString>> folderAnswers;
    // Runs as each box shows, before it is answered: the world may change meanwhile.
    std::function<void(const QString &title)> whileShown;
    // The type chosen along with each file name given, when the caller asks for it.
    std::deque<QString> filterAnswers;
    std::vector<QString> suggestedFiles;
    std::vector<QString> offeredFilters;
    int beeps = 0;

    QMessageBox::StandardButton message(QWidget *, QMessageBox::Icon icon, const QString &title,
                                        const QString &text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override
    {
        const QString offered = offeredAnswers(buttons, defaultButton);
        shown.push_back({icon, title, text, offered});
        const QString fixed = fixedAnswers().value(title, offered);
        if (offered.section(QLatin1String(", "), 0, fixed.contains(u',') ? -1 : 0) != fixed)
            QTest::qFail(
                qPrintable(QStringLiteral("\"%1\" offers %2, not %3").arg(title, offered, fixed)),
                __FILE__, __LINE__);
        if (whileShown)
            whileShown(title);
        return nextScripted(answers, title);
    }
    int choose(QWidget *, QMessageBox::Icon icon, const QString &title, const QString &text,
               const QStringList &offered, int defaultIndex, int escapeIndex) override
    {
        shown.push_back({icon, title, text,
                         offered.join(u'|') + QLatin1String(", default ") +
                             offered.value(defaultIndex) + QLatin1String(", Esc ") +
                             offered.value(escapeIndex)});
        if (whileShown)
            whileShown(title);
        return nextScripted(chosen, title);
    }
    std::optional<QString> askText(QWidget *, const QString &title, const QString &) override
    {
        return nextScripted(textAnswers, title);
    }
    std::optional<QString> askSaveFile(QWidget *, const QString &title, const QString &suggested,
                                       const QString &filter, QString *selectedFilter) override
    {
        suggestedFiles.push_back(suggested);
        offeredFilters.push_back(filter);
        std::optional<QString> answer = nextScripted(fileAnswers, title);
        if (answer && selectedFilter)
            *selectedFilter = nextScripted(filterAnswers, title);
        return answer;
    }
    std::optional<QString> askFolder(QWidget *, const QString &title, const QString &) override
    {
        return nextScripted(folderAnswers, title);
    }
    // The program opens no file through a box: one shown is unscripted.
    std::optional<QString> askOpenFile(QWidget *, const QString &title, const QString &,
                                       const QString &) override
    {
        std::deque<std::optional<QString>> none;
        return nextScripted(none, title);
    }
    void beep() override { ++beeps; }

    QStringList titles() const
    {
        QStringList list;
        for (const Shown &box : shown)
            list << box.title;
        return list;
    }
};

struct FakeClock final : Clock
{
    QDate date{2001, 6, 7};
    QDate today() const override { return date; }
};

struct FakeSettings final : Settings
{
    std::optional<QString> folder;
    QByteArray geometry;
    std::optional<QString> backupFolder() const override { return folder; }
    // Why a choice is not remembered; nothing: it is.
    std::optional<QString> refusal;
    std::optional<QString> setBackupFolder(const QString &chosen) override
    {
        if (refusal)
            return refusal;
        folder = chosen;
        return std::nullopt;
    }
    QByteArray mainWindowGeometry() const override { return geometry; }
    void setMainWindowGeometry(const QByteArray &saved) override { geometry = saved; }
    QMap<QString, QString> csvMappings;
    std::optional<QString> csvMapping(const QString &heading) const override
    {
        if (!csvMappings.contains(heading))
            return std::nullopt;
        return csvMappings.value(heading);
    }
    void setCsvMapping(const QString &heading, const QString &mapping) override
    {
        csvMappings.insert(heading, mapping);
    }
};

struct FakeProgramEnd final : ProgramEnd
{
    int calls = 0;
    void endProgram() override { ++calls; }
    bool endRequested() const override { return calls > 0; }
};

// A real drive on a folder of its own whose reads and writes fail on demand: each takes the
// next of `faults` and fails with it; with none left it does the real work.
struct FaultyDrive final : Drive
{
    using Drive::Drive;

    // Reading counts too, so this changes in const calls.
    mutable std::deque<DriveError> faults;

    std::optional<DriveError> readFile(const QString &name, QByteArray &bytes) const override
    {
        return faults.empty() ? Drive::readFile(name, bytes) : nextScripted(faults, name);
    }
    std::optional<DriveError> writeFile(const QString &name, const QByteArray &bytes) override
    {
        return faults.empty() ? Drive::writeFile(name, bytes) : nextScripted(faults, name);
    }
};

// A fresh set of fakes for one test.
struct FakePlatform
{
    FakePrompter prompter;
    FakeClock clock;
    FakeProgramEnd programEnd;
    QTemporaryDir driveFolder;
    FaultyDrive drive{driveFolder.path()};
    FakeReportPrinter printer;
    FakeSettings settings;
    Platform platform{prompter, clock, programEnd, drive, printer, settings};
};

} // namespace tallyra::test
