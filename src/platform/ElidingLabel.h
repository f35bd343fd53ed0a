// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace tallyra {

// A one-line label for texts of any length, such as a payee in the register list. It asks the
// layout for no more room than an ellipsis, so a long text never widens its window; whatever
// does not fit ends in "…", and the full text shows as its tooltip. text() is always the full
// text, which is also what a screen reader reads.
class ElidingLabel final : public QLabel
{
public:
    using QLabel::QLabel;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool isElided() const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace tallyra
