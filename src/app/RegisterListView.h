// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/RegisterList.h"
#include "register/Checkbook.h"
#include "register/RegisterDocument.h"

#include <QList>
#include <QPoint>
#include <QWidget>

#include <array>
#include <optional>

class QLabel;
class QPushButton;
class QScrollBar;

namespace tallyra {

// The main window's ten-line list of the register: a button to edit each line, the line's
// date, check number, payee, amounts and running total, and the scroll bar that moves the
// lines through the register. It only reads the register; the button of a line reports the
// line's offset, which with firstShown names the slot it shows.
class RegisterListView : public QWidget
{
    Q_OBJECT

public:
    explicit RegisterListView(const RegisterDocument &document, QWidget *parent = nullptr);

    // Sets the scroll range for the register as it is and draws the lines for the position.
    void showList();
    // Puts the position at the newest ten entries, without drawing: showList follows.
    void scrollToEnd();
    // The slot shown on the top line.
    int firstShown() const { return m_firstShown; }
    // Scrolls the list, as little as it can, until the slot of an entry is on a line, and
    // puts the focus on that line's button.
    void showSlot(int slot);
    // The slot of the entry whose line button has the focus, if one has.
    std::optional<int> focusedSlot() const;
    // The line buttons and then the scroll bar, in the order Tab visits them.
    QList<QWidget *> tabStops() const;

signals:
    // The button of line offset (0..9) was pressed.
    void linePressed(int offset);
    // The menu of line offset was asked for, by a right click on the line or by the Menu key
    // or Shift+F10 on its button, to show at `at` (global).
    void lineMenuAsked(int offset, QPoint at);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void buildLines();
    void showLine(int index, const ListLine &line);
    void vsbList_Change();
    void vsbList_Scroll();

    const Checkbook &m_book;
    int m_firstShown = 1;

    // Line n uses button n and index n - 1 of each label array.
    std::array<QPushButton *, ListLines> cmdLine{};
    std::array<QLabel *, ListLines> date{};
    std::array<QLabel *, ListLines> check{};
    std::array<QLabel *, ListLines> payee{};
    std::array<QLabel *, ListLines> out{};
    std::array<QLabel *, ListLines> dep{};
    std::array<QLabel *, ListLines> total{};
    std::array<QLabel *, ListLines> mark{};
    QScrollBar *vsbList = nullptr;
};

} // namespace tallyra
