// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up benchmark's second baseline: a window with one line of text, which is all it
// takes to make a program load the system's fonts. The bare window never does.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Tallyra")));
    window.show();
    return app.exec();
}
