#include "FakePlatform.h"

#include <QtGlobal>

namespace tallyra::test {

QMessageBox::StandardButton FakePrompter::message(QWidget *, QMessageBox::Icon icon,
                                                  const QString &title, const QString &text,
                                                  QMessageBox::StandardButtons buttons,
                                                  QMessageBox::StandardButton defaultButton)
{
    shown.push_back({icon, title, text, buttons, defaultButton});
    if (answers.empty()) {
        qWarning("unscripted message box \"%s\": %s", qPrintable(title), qPrintable(text));
        return QMessageBox::NoButton;
    }
    const auto answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> FakePrompter::askText(QWidget *, const QString &title, const QString &prompt)
{
    textPrompts.push_back(title + QLatin1Char('|') + prompt);
    if (textAnswers.empty()) {
        qWarning("unscripted input box \"%s\"", qPrintable(title));
        return std::nullopt;
    }
    auto answer = textAnswers.front();
    textAnswers.pop_front();
    return answer;
}

QStringList FakePrompter::titles() const
{
    QStringList list;
    for (const Shown &box : shown)
        list << box.title;
    return list;
}

std::optional<DriveError> FaultyDrive::nextFault() const
{
    if (faults.empty())
        return std::nullopt;
    const DriveError fault = faults.front();
    faults.pop_front();
    return fault;
}

std::optional<DriveError> FaultyDrive::readFile(const QString &name, QByteArray &bytes) const
{
    if (auto fault = nextFault())
        return fault;
    return Drive::readFile(name, bytes);
}

std::optional<DriveError> FaultyDrive::writeFile(const QString &name, const QByteArray &bytes)
{
    if (auto fault = nextFault())
        return fault;
    return Drive::writeFile(name, bytes);
}

} // namespace tallyra::test
