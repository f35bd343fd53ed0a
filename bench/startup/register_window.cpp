// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up benchmark's register baseline: the least a Qt Widgets program does to show a
// register. It reads default.dat with the program's own reader, sums it, takes the lock beside
// it as the program does, and shows the ten newest entries and the total in labels. Nothing of
// the program's windows, settings, printing or icons.

#include "register/Checkbook.h"
#include "register/DataFile.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLockFile>
#include <QMainWindow>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

using namespace tallyra;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QFile file{QLatin1String(DataFileName)};
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    auto book = std::make_unique<Checkbook>();
    if (readDataFile(file.readAll(), *book))
        return 1;
    computeBalances(*book);

    QMainWindow window;
    auto *lines = new QWidget;
    auto *layout = new QVBoxLayout(lines);
    for (int slot = std::max(1, book->entryCount - 9); slot <= book->entryCount; ++slot) {
        const Entry &entry = book->slot[slot];
        layout->addWidget(new QLabel(QStringLiteral("%1/%2/%3  %4  %5  %6  %7")
                                         .arg(entry.month)
                                         .arg(entry.day)
                                         .arg(entry.year)
                                         .arg(entry.checkNumber, entry.payee)
                                         .arg(entry.withdrawalCents / 100.0, 0, 'f', 2)
                                         .arg(entry.depositCents / 100.0, 0, 'f', 2)));
    }
    layout->addWidget(new QLabel(QString::number(book->totalCents / 100.0, 'f', 2)));
    window.setCentralWidget(lines);
    window.show();

    QLockFile lock(QLatin1String(DataFileName) + QStringLiteral(".lock"));
    QTimer::singleShot(0, &app, [&lock] { lock.tryLock(); });
    return app.exec();
}
