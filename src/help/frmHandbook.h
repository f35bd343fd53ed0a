// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>

class QListWidget;
class QPushButton;
class QTextBrowser;
class QUrl;

namespace tallyra {

// The handbook: a page for each command, built into the program in the language the texts
// are shown in, with a contents list beside the page. It stays open beside the register.
class FrmHandbook : public QWidget
{
    Q_OBJECT

public:
    // Shows the owner's handbook window, opening one when it has none yet, and brings it to
    // the front.
    static FrmHandbook *open(QWidget *owner);

    // The pages in the order the contents list shows them; the first is the index.
    static const QStringList &pageNames();
    // Where the pages of the language in use are ("qrc:/handbook/en/").
    static QString pageFolder();

private:
    explicit FrmHandbook(QWidget *owner);
    void showPage(int row);
    void pageShown(const QUrl &url);

    QListWidget *lstContents = nullptr;
    QTextBrowser *txtPage = nullptr;
    QPushButton *cmdBack = nullptr;
    QPushButton *cmdForward = nullptr;
    QPushButton *cmdHome = nullptr;
    QPushButton *cmdClose = nullptr;
};

} // namespace tallyra
