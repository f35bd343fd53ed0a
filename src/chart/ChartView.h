// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/BalanceHistory.h"
#include "chart/ChartAxes.h"

#include <QRectF>
#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

namespace tallyra {

// The balance over a date range as a step line: it moves only on dates with entries. Pointing
// at the chart or moving along it with the arrow keys chooses a date. The balance ahead, when
// given, goes on from the history's end as a dashed line.
class ChartView : public QWidget
{
    Q_OBJECT

public:
    explicit ChartView(QWidget *parent = nullptr);

    // A date that is still in the new history stays chosen.
    void setHistory(BalanceHistory history, std::optional<Projection> ahead = std::nullopt);
    const BalanceHistory &history() const { return m_history; }
    const std::optional<Projection> &ahead() const { return m_ahead; }

    // The chosen date's index in history().days, or -1.
    int selectedDay() const { return m_selected; }
    void selectDay(int index);

    // Draws the chart over `area` of any paint device; the chosen date is marked only on the
    // screen.
    void paintChart(QPainter &painter, const QRectF &area, bool markSelection) const;

    // Where a date's balance is drawn in the widget.
    QPointF pointOf(int day) const;
    // Where the dashed line of the balance ahead starts and ends, in the widget; nothing
    // without one.
    std::optional<std::pair<QPointF, QPointF>> aheadEnds() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void selectedDayChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Geometry;
    Geometry geometry(const QRectF &area, const QFont &font) const;
    QFont chartFont() const;
    int dayNearest(double x) const;
    void selectNearest(double x);

    BalanceHistory m_history;
    std::optional<Projection> m_ahead;
    // The Julian day of each date of the history, and of the range's ends.
    std::vector<qint64> m_julianDays;
    qint64 m_firstDay = 0;
    qint64 m_lastDay = 0;
    qint64 m_lowest = 0;
    qint64 m_highest = 0;
    int m_selected = -1;
};

} // namespace tallyra
