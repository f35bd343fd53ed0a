// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RegisterListView.h"

#include "platform/Controls.h"
#include "platform/ElidingLabel.h"
#include "register/FindEntry.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

namespace tallyra {

namespace {

// The line (0..9) a button or cell of the list belongs to.
constexpr char LineProperty[] = "listLine";

bool asksForMenu(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Menu ||
           (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
}

} // namespace

RegisterListView::RegisterListView(const RegisterDocument &document, QWidget *parent)
    : QWidget(parent), m_book(document.book())
{
    buildLines();
    showList();
}

void RegisterListView::buildLines()
{
    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(0);

    const char *headingNames[] = {"Label11", "Label1", "Label12", "Label13", "Label14", "Label15"};
    const QString headings[] = {tr("Date"),       tr("Type"),    tr("Payee"),
                                tr("Withdrawal"), tr("Deposit"), tr("Total")};
    for (int column = 0; column < 6; ++column) {
        auto *heading = caption(headingNames[column], headings[column]);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, column + 1);
    }
    grid->addWidget(ruling("Line1", QFrame::HLine), 1, 0, 1, 9);

    // The check number and the payee may be of any length.
    const auto makeCell = [](const char *array, int index, Qt::Alignment alignment,
                             bool anyLength = false) {
        auto *cell = anyLength ? new ElidingLabel : new QLabel;
        cell->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(array)).arg(index));
        cell->setAlignment(alignment | Qt::AlignVCenter);
        cell->setAutoFillBackground(true);
        cell->setContentsMargins(4, 0, 4, 0);
        return cell;
    };
    for (int i = 0; i < ListLines; ++i) {
        const QByteArray name = "cmd" + QByteArray::number(i + 1);
        auto *button = tallyra::button(name.constData(), QStringLiteral(">"),
                                       tr("Click here to edit this line"));
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral(">")) + 16);
        connect(button, &QPushButton::clicked, this, [this, i] { emit linePressed(i); });
        cmdLine[i] = button;
        date[i] = makeCell("date", i, Qt::AlignHCenter);
        check[i] = makeCell("check", i, Qt::AlignHCenter, true);
        payee[i] = makeCell("payee", i, Qt::AlignHCenter, true);
        out[i] = makeCell("out", i, Qt::AlignRight);
        dep[i] = makeCell("dep", i, Qt::AlignRight);
        total[i] = makeCell("total", i, Qt::AlignRight);
        mark[i] = makeCell("mark", i, Qt::AlignHCenter);

        // The stripes of a list in the desktop's colour scheme, and its text colour on them.
        const QPalette::ColorRole background =
            i % 2 == 0 ? QPalette::Base : QPalette::AlternateBase;
        const int row = i + 2;
        grid->addWidget(button, row, 0);
        button->setProperty(LineProperty, i);
        button->installEventFilter(this);
        int column = 1;
        for (QLabel *cell : {date[i], check[i], payee[i], out[i], dep[i], total[i], mark[i]}) {
            cell->setBackgroundRole(background);
            cell->setForegroundRole(QPalette::Text);
            grid->addWidget(cell, row, column++);
            cell->setProperty(LineProperty, i);
            cell->installEventFilter(this);
        }
    }
    vsbList = named(new QScrollBar(Qt::Vertical), "vsbList");
    vsbList->setRange(1, 1);
    // Scroll bars take no focus by default, which would leave the list beyond line ten out of
    // reach of the keyboard.
    vsbList->setFocusPolicy(Qt::StrongFocus);
    vsbList->setAccessibleName(tr("Register lines"));
    // Without tracking, dragging the thumb reports only sliderMoved and the release only
    // valueChanged, so each redraws the list once.
    vsbList->setTracking(false);
    connect(vsbList, &QScrollBar::valueChanged, this, &RegisterListView::vsbList_Change);
    connect(vsbList, &QScrollBar::sliderMoved, this, &RegisterListView::vsbList_Scroll);
    grid->addWidget(vsbList, 2, 8, ListLines, 1);
    grid->addWidget(ruling("Line9", QFrame::HLine), ListLines + 2, 0, 1, 9);

    const QFontMetrics metrics(font());
    const int money = metrics.horizontalAdvance(QStringLiteral("-$21,474,836.47 ")) + 8;
    grid->setColumnMinimumWidth(1, metrics.horizontalAdvance(QStringLiteral("12/31/2000")) + 16);
    grid->setColumnMinimumWidth(2, metrics.horizontalAdvance(QStringLiteral("TXFR0000")) + 16);
    grid->setColumnMinimumWidth(3, metrics.horizontalAdvance(QLatin1Char('M')) * 16);
    for (int column : {4, 5, 6})
        grid->setColumnMinimumWidth(column, money);
    // The cleared mark, one letter, between the total and the scroll bar.
    grid->setColumnMinimumWidth(7, metrics.horizontalAdvance(QLatin1Char('R')) + 8);
    grid->setColumnStretch(3, 1);
}

QList<QWidget *> RegisterListView::tabStops() const
{
    QList<QWidget *> stops(cmdLine.begin(), cmdLine.end());
    stops << vsbList;
    return stops;
}

void RegisterListView::scrollToEnd()
{
    const int last = listScrollMaximum(m_book.entryCount);
    const QSignalBlocker quiet(vsbList);
    vsbList->setRange(1, last);
    vsbList->setValue(last);
}

void RegisterListView::showList()
{
    {
        // The list is drawn below for whatever position the new range leaves.
        const QSignalBlocker quiet(vsbList);
        vsbList->setMaximum(listScrollMaximum(m_book.entryCount));
    }
    const ListPage page = listPage(m_book, vsbList->sliderPosition());
    m_firstShown = page.firstShown;
    for (int i = 0; i < ListLines; ++i)
        showLine(i, page.lines[i]);
}

void RegisterListView::showSlot(int slot)
{
    const ListPlace place = listPlaceFor(slot, m_book.entryCount, m_firstShown, ListLines);
    {
        const QSignalBlocker quiet(vsbList);
        vsbList->setValue(place.firstShown);
    }
    showList();
    cmdLine[place.line]->setFocus(Qt::OtherFocusReason);
}

std::optional<int> RegisterListView::focusedSlot() const
{
    // The window's focus widget, not the application's: a menu or dialog in front of the
    // window does not change which line the user is on.
    const QWidget *focus = window()->focusWidget();
    for (int i = 0; i < ListLines; ++i) {
        if (cmdLine[i] == focus && m_firstShown + i <= m_book.entryCount)
            return m_firstShown + i;
    }
    return std::nullopt;
}

void RegisterListView::showLine(int index, const ListLine &line)
{
    // The button is what a screen reader reaches on the line, so it tells the whole line.
    cmdLine[index]->setAccessibleName(lineDescription(index + 1, line));
    date[index]->setText(line.date);
    check[index]->setText(line.check);
    payee[index]->setText(line.payee);
    out[index]->setText(line.out);
    dep[index]->setText(line.dep);
    total[index]->setText(line.total);
    mark[index]->setText(line.mark);
    mark[index]->setToolTip(line.markTip);
    setTextColour(total[index], line.totalNegative);
}

// Each line's menu, by mouse or keyboard. The keys are taken as they are pressed on a line's
// button, the same on every desktop; the menu event some desktops make of them as well is
// then left out, so that the menu does not open twice.
bool RegisterListView::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    const QVariant line = watched->property(LineProperty);
    if (!widget || !line.isValid())
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress && asksForMenu(static_cast<QKeyEvent *>(event))) {
        emit lineMenuAsked(line.toInt(), widget->mapToGlobal(widget->rect().center()));
        return true;
    }
    if (event->type() != QEvent::ContextMenu)
        return QWidget::eventFilter(watched, event);
    const auto *menu = static_cast<QContextMenuEvent *>(event);
    if (menu->reason() != QContextMenuEvent::Keyboard)
        emit lineMenuAsked(line.toInt(), menu->globalPos());
    return true;
}

// The lines and their buttons pass the wheel on to the list, which scrolls as its scroll bar
// would under the pointer.
void RegisterListView::wheelEvent(QWheelEvent *event)
{
    QCoreApplication::sendEvent(vsbList, event);
}

void RegisterListView::vsbList_Change()
{
    showList();
}

void RegisterListView::vsbList_Scroll()
{
    showList();
}

} // namespace tallyra
