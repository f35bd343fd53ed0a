// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up benchmark's baseline: the least a Qt Widgets program does to show a window.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.show();
    return app.exec();
}
