#include "platform/Prompter.h"

#include <QApplication>
#include <QInputDialog>

namespace tallyra {

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

std::optional<QString> QtPrompter::askText(QWidget *parent, const QString &title,
                                           const QString &prompt)
{
    bool ok = false;
    QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

void QtPrompter::beep()
{
    QApplication::beep();
}

} // namespace tallyra
