// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "help/PictureMap.h"

#include <QLineF>
#include <QList>
#include <QWidget>

#include <initializer_list>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace tallyra {

// A label of help text, wrapped to the given width.
QLabel *helpText(const char *name, const QString &text, int width);
// A picture from the program's resources, shown at its own size.
QLabel *helpPicture(const char *name, const QString &resource);
// "&Close", the window's default button.
QPushButton *closeButton(const char *name);

// Thin lines from labels to the controls they describe in a picture of a window. It lies over
// the whole window, above the picture, and lets every click through.
class CalloutLines : public QWidget
{
    Q_OBJECT

public:
    // The control positions come from the picture's map resource.
    CalloutLines(QLabel *picture, const QString &mapResource, QWidget *window);

    void addLine(QLabel *label, const QString &control);
    // In the window's coordinates, from the label to the control.
    QList<QLineF> lines() const;

    // A column of labels beside the picture, each level with what it points at (a label
    // without lines goes as high as it can), in the given order and never overlapping.
    // The column must start level with the top of the picture.
    QVBoxLayout *levelColumn(std::initializer_list<QLabel *> labels) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    struct Callout
    {
        QLabel *label;
        QPoint target; // in the picture's pixels
    };

    QPointF startBeside(const QLabel *label) const;
    // The mean height of the label's targets in the picture, or -1 when it has none.
    int level(const QLabel *label) const;
    int targetCount(const QLabel *label) const;

    QLabel *m_picture;
    PictureMap m_controls;
    QList<Callout> m_callouts;
};

// A grey line over a white line twice its width: the etched look of a separator.
class EtchedLine : public QWidget
{
public:
    explicit EtchedLine(const char *name);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace tallyra
