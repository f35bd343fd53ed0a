// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>

class QLabel;
class QWidget;

namespace tallyra {

// The colour drawn behind `widget`: its own background where it fills one, else that of the
// nearest enclosing widget that does (in the end the window's).
QColor colourBehind(const QWidget *widget, QPalette::ColorGroup group = QPalette::Active);

// Red for what is below zero or nearly full (a red that reads on what is behind the label),
// the palette's own text colour otherwise. The label keeps the choice and applies it again
// whenever the colours around it change, as when the desktop's colour scheme does.
void setTextColour(QLabel *label, bool red);

} // namespace tallyra
