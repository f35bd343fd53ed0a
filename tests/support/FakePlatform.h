#pragma once

#include "RecordingSurface.h"
#include "platform/Platform.h"

#include <QDate>
#include <QMessageBox>
#include <QString>
#include <QTemporaryDir>

#include <deque>
#include <optional>
#include <vector>

namespace tallyra::test {

// Records every box the program shows and answers from a script. A box with no scripted
// answer is a test failure (through the warning that QTest::failOnWarning turns into one).
class FakePrompter final : public Prompter
{
public:
    struct Shown
    {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
    };

    std::vector<Shown> shown;
    std::deque<QMessageBox::StandardButton> answers;
    std::deque<std::optional<QString>> textAnswers;
    std::vector<QString> textPrompts; // "title|prompt" of each input box
    int beeps = 0;

    QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon,
                                        const QString &title, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    std::optional<QString> askText(QWidget *parent, const QString &title,
                                   const QString &prompt) override;
    void beep() override { ++beeps; }

    QStringList titles() const;
};

class FakeClock final : public Clock
{
public:
    QDate date{2001, 6, 7};
    QDate today() const override { return date; }
};

class FakeProgramEnd final : public ProgramEnd
{
public:
    int calls = 0;
    void endProgram() override { ++calls; }
    bool endRequested() const override { return calls > 0; }
};

// A real drive on a folder of its own whose reads and writes fail on demand: each takes the
// next of `faults` and fails with it; with none left it does the real work.
class FaultyDrive final : public Drive
{
public:
    using Drive::Drive;

    // Reading counts too, so this changes in const calls.
    mutable std::deque<DriveError> faults;

    std::optional<DriveError> readFile(const QString &name, QByteArray &bytes) const override;
    std::optional<DriveError> writeFile(const QString &name, const QByteArray &bytes) override;

private:
    std::optional<DriveError> nextFault() const;
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
    Platform platform{prompter, clock, programEnd, drive, printer};
};

} // namespace tallyra::test
