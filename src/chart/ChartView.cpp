// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/ChartView.h"

#include "entry/MoneyFormat.h"
#include "platform/Contrast.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <utility>

namespace tallyra {

namespace {

// The line below zero in the list's red, the rest in a blue; each as it reads on the chart's
// background, paler on a dark one.
constexpr QRgb Positive = 0x0046A0;

QColor positiveColour(const QPalette &palette)
{
    return readableTone(QColor(Positive), palette.color(QPalette::Base));
}

QColor negativeColour(const QPalette &palette)
{
    return readableRed(palette.color(QPalette::Base));
}

QColor faint(QColor colour)
{
    colour.setAlpha(40);
    return colour;
}

// Where the balance is drawn, with the paths of the line above and below zero kept apart so
// that each has its colour.
struct StepLine
{
    QPainterPath positive;
    QPainterPath negative;

    void add(bool below, const QPointF &from, const QPointF &to)
    {
        QPainterPath &path = below ? negative : positive;
        if (path.elementCount() == 0 || path.currentPosition() != from)
            path.moveTo(from);
        path.lineTo(to);
    }
};

} // namespace

struct ChartView::Geometry
{
    QRectF plot;
    MoneyAxis axis;
    double pixelsPerDay = 1;
    qint64 firstDay = 0;

    double x(qint64 julianDay) const
    {
        return plot.left() + (double(julianDay - firstDay) + 0.5) * pixelsPerDay;
    }
    double y(qint64 cents) const
    {
        return plot.bottom() -
               double(cents - axis.low) / double(axis.high - axis.low) * plot.height();
    }
};

ChartView::ChartView(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize ChartView::sizeHint() const
{
    return QSize(fontMetrics().averageCharWidth() * 90, fontMetrics().height() * 18);
}

QSize ChartView::minimumSizeHint() const
{
    return QSize(fontMetrics().averageCharWidth() * 40, fontMetrics().height() * 9);
}

void ChartView::setHistory(BalanceHistory history, std::optional<Projection> ahead)
{
    const qint32 selectedKey = m_selected >= 0 ? m_history.days[size_t(m_selected)].key : 0;
    m_history = std::move(history);
    m_ahead = std::move(ahead);
    m_firstDay = calendarDate(m_history.startKey).toJulianDay();
    m_lastDay = std::max(m_firstDay, calendarDate(m_history.endKey).toJulianDay());
    m_julianDays.clear();
    m_lowest = m_highest = m_history.openingCents;
    if (m_ahead) {
        m_lastDay = std::max(m_lastDay, calendarDate(m_ahead->untilKey).toJulianDay());
        for (const qint64 cents : m_ahead->balances) {
            m_lowest = std::min(m_lowest, cents);
            m_highest = std::max(m_highest, cents);
        }
    }
    m_selected = -1;
    for (const ChartDay &day : m_history.days) {
        m_julianDays.push_back(calendarDate(day.key).toJulianDay());
        m_lowest = std::min(m_lowest, day.balanceCents);
        m_highest = std::max(m_highest, day.balanceCents);
        if (day.key == selectedKey)
            m_selected = int(m_julianDays.size()) - 1;
    }
    update();
    emit selectedDayChanged(m_selected);
}

void ChartView::selectDay(int index)
{
    index = m_history.days.empty() ? -1 : std::clamp(index, 0, int(m_history.days.size()) - 1);
    if (index == m_selected)
        return;
    m_selected = index;
    update();
    emit selectedDayChanged(index);
}

QFont ChartView::chartFont() const
{
    // In pixels, so that a picture saved on a device of another resolution is laid out as the
    // screen shows it.
    QFont chart = font();
    chart.setPixelSize(QFontInfo(chart).pixelSize());
    return chart;
}

ChartView::Geometry ChartView::geometry(const QRectF &area, const QFont &font) const
{
    const QFontMetricsF metrics(font);
    const double line = metrics.height();
    const double top = area.top() + line / 2 + 6;
    const double height = std::max(1.0, area.bottom() - line - 10 - top);

    Geometry shape;
    shape.axis = moneyAxis(m_lowest, m_highest, std::max(1, int(height / (line * 3))));
    double labelWidth = 0;
    for (qint64 cents = shape.axis.low; cents <= shape.axis.high; cents += shape.axis.step)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(formatMoney(cents)));
    const double left = area.left() + 6 + labelWidth + 8;
    // Room for half of a date label centred on the last day.
    const double right = area.right() - metrics.horizontalAdvance(QStringLiteral("12/31/2000")) / 2;
    shape.plot = QRectF(left, top, std::max(1.0, right - left), height);
    shape.firstDay = m_firstDay;
    shape.pixelsPerDay = shape.plot.width() / double(m_lastDay - m_firstDay + 1);
    return shape;
}

QPointF ChartView::pointOf(int day) const
{
    const Geometry shape = geometry(rect(), chartFont());
    return {shape.x(m_julianDays[size_t(day)]), shape.y(m_history.days[size_t(day)].balanceCents)};
}

std::optional<std::pair<QPointF, QPointF>> ChartView::aheadEnds() const
{
    if (!m_ahead)
        return std::nullopt;
    const Geometry shape = geometry(rect(), chartFont());
    const qint64 last = m_ahead->balances.isEmpty() ? m_ahead->opening : m_ahead->balances.back();
    return std::pair{
        QPointF(shape.x(calendarDate(m_ahead->fromKey).toJulianDay()), shape.y(m_ahead->opening)),
        QPointF(shape.x(calendarDate(m_ahead->untilKey).toJulianDay()), shape.y(last))};
}

void ChartView::paintChart(QPainter &painter, const QRectF &area, bool markSelection) const
{
    painter.save();
    const QFont font = chartFont();
    painter.setFont(font);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, palette().color(QPalette::Base));
    const Geometry shape = geometry(area, font);
    const QRectF &plot = shape.plot;
    const QFontMetricsF metrics(font);
    const double line = metrics.height();
    const QColor text = palette().color(QPalette::Text);
    const QColor positive = positiveColour(palette());
    const QColor negative = negativeColour(palette());
    QColor grid = palette().color(QPalette::Mid);
    grid.setAlpha(90);

    // Money: a grid line and a label at each step.
    for (qint64 cents = shape.axis.low; cents <= shape.axis.high; cents += shape.axis.step) {
        const double y = shape.y(cents);
        painter.setPen(QPen(grid, 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(text);
        painter.drawText(QRectF(area.left(), y - line / 2, plot.left() - area.left() - 8, line),
                         Qt::AlignRight | Qt::AlignVCenter, formatMoney(cents));
    }

    // Dates: as many labels as fit side by side, none running past the picture's edges.
    const double gap = metrics.horizontalAdvance(QStringLiteral("   "));
    const auto width = [&metrics](const QString &label) {
        return metrics.horizontalAdvance(label);
    };
    for (const DateTick &tick : dateTicks(m_firstDay, m_lastDay, shape.pixelsPerDay, width, gap)) {
        const double x = shape.x(tick.julianDay);
        painter.setPen(QPen(grid, 1));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom() + 4));
        const double half = width(tick.text) / 2;
        if (x - half < area.left() || x + half > area.right())
            continue;
        painter.setPen(text);
        painter.drawText(QRectF(x - half - 1, plot.bottom() + 6, 2 * half + 2, line),
                         Qt::AlignCenter, tick.text);
    }

    // The step line: level between dates, a step on each date with entries.
    const std::vector<ChartDay> &days = m_history.days;
    StepLine step;
    QPainterPath underLine;
    const double zero = shape.y(0);
    qint64 balance = m_history.openingCents;
    double x = plot.left();
    underLine.moveTo(x, zero);
    underLine.lineTo(x, shape.y(balance));
    const auto stepTo = [&](double nextX, qint64 nextBalance) {
        step.add(balance < 0, {x, shape.y(balance)}, {nextX, shape.y(balance)});
        if ((balance < 0) == (nextBalance < 0)) {
            step.add(balance < 0, {nextX, shape.y(balance)}, {nextX, shape.y(nextBalance)});
        } else {
            step.add(balance < 0, {nextX, shape.y(balance)}, {nextX, zero});
            step.add(nextBalance < 0, {nextX, zero}, {nextX, shape.y(nextBalance)});
        }
        underLine.lineTo(nextX, shape.y(balance));
        underLine.lineTo(nextX, shape.y(nextBalance));
        x = nextX;
        balance = nextBalance;
    };
    for (size_t i = 0; i < days.size(); ++i)
        stepTo(shape.x(m_julianDays[i]), days[i].balanceCents);
    // The past ends on today where the balance ahead goes on.
    const double pastEnd =
        m_ahead ? shape.x(calendarDate(m_ahead->fromKey).toJulianDay()) : plot.right();
    stepTo(pastEnd, balance);
    underLine.lineTo(pastEnd, zero);
    underLine.closeSubpath();

    // The balance ahead is drawn without the fill: stepping on with it leaves the past's alone.
    const QPainterPath filled = underLine;
    StepLine ahead;
    if (m_ahead) {
        const StepLine past = step;
        step = {};
        balance = m_ahead->opening;
        for (qsizetype i = 0; i < m_ahead->entries.size(); ++i)
            stepTo(shape.x(calendarDate(m_ahead->entries[i].key).toJulianDay()),
                   m_ahead->balances[i]);
        stepTo(shape.x(calendarDate(m_ahead->untilKey).toJulianDay()), balance);
        ahead = std::exchange(step, past);
    }

    painter.save();
    painter.setClipRect(QRectF(plot.left(), plot.top(), plot.width(), zero - plot.top()));
    painter.fillPath(filled, faint(positive));
    painter.setClipRect(QRectF(plot.left(), zero, plot.width(), plot.bottom() - zero));
    painter.fillPath(filled, faint(negative));
    painter.restore();

    // The zero line, darker than the grid.
    painter.setPen(QPen(text, 1.5));
    painter.drawLine(QPointF(plot.left(), zero), QPointF(plot.right(), zero));
    painter.setPen(QPen(text, 1));
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    const auto stroke = [&painter, positive, negative](const StepLine &line, Qt::PenStyle style,
                                                       Qt::PenCapStyle cap) {
        QPen pen(positive, 2, style, cap, Qt::RoundJoin);
        painter.strokePath(line.positive, pen);
        pen.setColor(negative);
        painter.strokePath(line.negative, pen);
    };
    stroke(step, Qt::SolidLine, Qt::RoundCap);
    if (m_ahead) {
        // Flat ends, so that round ones do not close the gaps between the dashes.
        stroke(ahead, Qt::DashLine, Qt::FlatCap);
        // Today, and what lies beyond it, said once at the top.
        const double todayX = pastEnd;
        painter.setPen(QPen(grid, 1, Qt::DotLine));
        painter.drawLine(QPointF(todayX, plot.top()), QPointF(todayX, plot.bottom()));
        painter.setPen(text);
        painter.drawText(QRectF(todayX + 4, plot.top(), plot.right() - todayX - 4, line),
                         Qt::AlignLeft | Qt::AlignTop,
                         //: Over the dashed line of the balance ahead of today.
                         tr("Ahead"));
    }

    // Dots on the dates when they stand apart, so that a lone date is seen as one.
    const auto dot = [&](size_t i, double radius) {
        const qint64 cents = days[i].balanceCents;
        painter.setPen(QPen(cents < 0 ? negative : positive, 1.5));
        painter.drawEllipse(QPointF(shape.x(m_julianDays[i]), shape.y(cents)), radius, radius);
    };
    painter.setBrush(palette().color(QPalette::Base));
    if (!days.empty() && plot.width() / double(days.size()) >= 12)
        for (size_t i = 0; i < days.size(); ++i)
            dot(i, 2.5);

    if (days.empty() && (!m_ahead || m_ahead->entries.isEmpty())) {
        painter.setPen(text);
        // In the upper half: the level line runs through the middle or near an edge.
        painter.drawText(QRectF(plot.left(), plot.top(), plot.width(), plot.height() / 2),
                         Qt::AlignCenter, tr("No entries in this range"));
    } else if (markSelection && m_selected >= 0) {
        const double selectedX = shape.x(m_julianDays[size_t(m_selected)]);
        painter.setPen(QPen(text, 1, Qt::DashLine));
        painter.drawLine(QPointF(selectedX, plot.top()), QPointF(selectedX, plot.bottom()));
        dot(size_t(m_selected), 5);
    }
    painter.restore();
}

void ChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintChart(painter, rect(), true);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

int ChartView::dayNearest(double x) const
{
    if (m_julianDays.empty())
        return -1;
    const Geometry shape = geometry(rect(), chartFont());
    const double day = double(m_firstDay) - 0.5 + (x - shape.plot.left()) / shape.pixelsPerDay;
    const auto after = std::lower_bound(m_julianDays.begin(), m_julianDays.end(), day);
    if (after == m_julianDays.begin())
        return 0;
    if (after == m_julianDays.end())
        return int(m_julianDays.size()) - 1;
    const auto before = after - 1;
    return int((day - double(*before) <= double(*after) - day ? before : after) -
               m_julianDays.begin());
}

void ChartView::selectNearest(double x)
{
    if (const int day = dayNearest(x); day >= 0)
        selectDay(day);
}

void ChartView::mouseMoveEvent(QMouseEvent *event)
{
    selectNearest(event->position().x());
}

void ChartView::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    selectNearest(event->position().x());
}

void ChartView::keyPressEvent(QKeyEvent *event)
{
    const int last = int(m_history.days.size()) - 1;
    switch (event->key()) {
    case Qt::Key_Left:
        selectDay(m_selected < 0 ? last : m_selected - 1);
        break;
    case Qt::Key_Right:
        selectDay(m_selected + 1);
        break;
    case Qt::Key_Home:
        selectDay(0);
        break;
    case Qt::Key_End:
        selectDay(last);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace tallyra
