// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FakePlatform.h" // with QTemporaryDir and <functional>
#include "app/frmMoney.h"
#include "register/DataFile.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#ifndef Q_OS_WIN
#include <csignal>
#include <sys/resource.h>
#endif

namespace tallyra::test {

// Runs the test in a fresh empty folder as the current folder, where default.dat lives.
struct TempWorkingFolder
{
    QString previous = QDir::currentPath();
    QTemporaryDir folder;
    TempWorkingFolder() { QDir::setCurrent(folder.path()); }
    ~TempWorkingFolder()
    {
        QDir::setCurrent(previous);
#ifdef Q_OS_WIN
        // Windows removes no folder while a watcher's handle on it is open, and a closed
        // register's watcher lets go of it on a thread of its own.
        QTest::qWait(100);
#endif
    }
};

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The files of the current folder but the register's lock, which is there while it is open.
inline QStringList filesHere(QDir::Filters filters = QDir::Files)
{
    QStringList names = QDir().entryList(filters | QDir::NoDotAndDotDot);
    names.removeAll(QStringLiteral("default.dat.lock"));
    return names;
}

// Every file in the folder but the register's lock, hidden ones too, by name, with its bytes.
inline QMap<QString, QByteArray> filesIn(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        if (name != QLatin1String("default.dat.lock"))
            files[name] = fileBytes(QDir(folder).filePath(name));
    return files;
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Every warning fails the test, except the one line the offscreen platform always prints.
inline void failOnUnexpectedWarnings()
{
    QTest::failOnWarning(
        QRegularExpression("^(?!This plugin does not support propagateSizeHints).*"));
}

#ifdef Q_OS_WIN
using FileSize = quint64;
inline constexpr FileSize NoFileSizeLimit = ~FileSize(0);

// Windows limits no process's files, so there is no full disk to be had this way: false,
// without acting, when a limit was asked for.
template <typename Act> bool withFileSizeLimit(FileSize bytes, Act act)
{
    if (bytes != NoFileSizeLimit)
        return false;
    act();
    return true;
}
#else
using FileSize = rlim_t;
inline constexpr FileSize NoFileSizeLimit = RLIM_INFINITY;

// Files this process writes may not grow past `bytes` while `act` runs, as on a full disk.
template <typename Act> bool withFileSizeLimit(FileSize bytes, Act act)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit normal{};
    getrlimit(RLIMIT_FSIZE, &normal);
    const rlimit lowered{bytes, normal.rlim_max};
    setrlimit(RLIMIT_FSIZE, &lowered);
    act();
    setrlimit(RLIMIT_FSIZE, &normal);
    return true;
}
#endif

// Runs the rest of the statement as on a disk that takes only so many bytes; skips the test
// row where the system cannot limit them.
#define WITH_FILE_SIZE_LIMIT(bytes, ...)                                                           \
    do {                                                                                           \
        if (!tallyra::test::withFileSizeLimit(bytes, __VA_ARGS__))                                 \
            QSKIP("no file size limit can be set here");                                           \
    } while (false)

// The child of the given type and object name; a missing one ends the test run loudly.
template <typename T> T *child(const QObject *parent, const QString &name)
{
    if (T *found = parent->findChild<T *>(name))
        return found;
    qFatal("no %s named \"%s\"", T::staticMetaObject.className(), qPrintable(name));
}

// Types "name=text" into the window's named fields in turn; a lone option name selects it.
inline void typeInto(const QWidget *window, const QString &edits)
{
    for (const QString &edit : edits.split(u' ', Qt::SkipEmptyParts))
        if (edit.startsWith(QLatin1String("opt")))
            child<QRadioButton>(window, edit)->setChecked(true);
        else
            child<QComboBox>(window, edit.section(u'=', 0, 0))->setEditText(edit.section(u'=', 1));
}

// Acts on the next modal widget of type T once it is shown, then makes sure it is closed.
// Declare it before the action that opens the modal window. Record values inside the
// handler and assert after the modal call returns.
template <typename T> struct NextModal
{
    explicit NextModal(std::function<void(T *)> handler)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this, handler] {
            if (QPointer<T> widget = qobject_cast<T *>(QApplication::activeModalWidget())) {
                m_timer.stop();
                handler(widget);
                if (widget && widget->isVisible()) {
                    qWarning("NextModal: handler left %s open", widget->metaObject()->className());
                    widget->close();
                }
            }
        });
        m_timer.start(10);
    }
    bool handled() const { return !m_timer.isActive(); }
    QTimer m_timer;
};

// Entries of 2001 written "month/day" and a type: W withdraws 100 cents, D deposits 100, N
// withdraws -100 (only a hand-edited file holds that). Paid to E1, E2, ... in order.
inline Checkbook registerOf(const QString &entries)
{
    Checkbook book;
    for (const QString &text : entries.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList md = text.chopped(1).split(u'/');
        Entry &e = book.slot[++book.entryCount];
        e = {2001, md[0].toShort(), md[1].toShort(), "ATM", "E", 0, 0};
        e.payee += QString::number(book.entryCount);
        (text.back() == 'D' ? e.depositCents : e.withdrawalCents) = text.back() == 'N' ? -100 : 100;
    }
    return book;
}

// The clearing of every entry, one letter each: n not cleared, c cleared, r reconciled.
inline QString marksOf(const Checkbook &book)
{
    QString marks;
    for (int i = 1; i <= book.entryCount; ++i)
        marks += "ncr"[int(book.slot[i].clearing)];
    return marks;
}

// Marks the first entries as the letters of marksOf() say, the reconciled ones on a
// statement ending on `reconciledOn`.
inline void mark(Checkbook &book, const QString &marks, qint32 reconciledOn = 20010131)
{
    for (int i = 0; i < marks.size(); ++i) {
        Entry &entry = book.slot[i + 1];
        entry.clearing = marks[i] == u'c'   ? Clearing::Cleared
                         : marks[i] == u'r' ? Clearing::Reconciled
                                            : Clearing::NotCleared;
        entry.reconciledOn = entry.clearing == Clearing::Reconciled ? reconciledOn : 0;
    }
}

// Withdrawals on 1 January, 2 January, ... (past 31 the days run on as numbers).
inline Checkbook januaryDays(int count)
{
    QString entries;
    for (int day = 1; day <= count; ++day)
        entries += QStringLiteral("1/%1W ").arg(day);
    return registerOf(entries);
}

// A register document over a data file of its own that holds `book`, for a window that
// reads the register through its document.
struct DocumentOf
{
    explicit DocumentOf(const Checkbook &book)
    {
        writeBytes(document.path(), formatDataFile(book));
        document.load();
    }

    QTemporaryDir folder;
    RegisterDocument document{folder.filePath(QLatin1String(DataFileName))};
};

// The main window over a data file of its own, started as the program starts it.
struct MainWindow
{
    TempWorkingFolder folder;
    FakePlatform fakes;
    RegisterDocument document;
    FrmMoney window{document, fakes.platform};

    void load(const Checkbook &stored) { load(formatDataFile(stored)); }
    // A null file is none at all.
    void load(const QByteArray &file)
    {
        if (!file.isNull())
            writeBytes(QLatin1String(DataFileName), file);
        window.Form_Load();
    }
    QByteArray file() const { return fileBytes(QLatin1String(DataFileName)); }
    template <typename T> T *get(const QString &name) const { return child<T>(&window, name); }
    QString label(const QString &name) const { return get<QLabel>(name)->text(); }
    void show()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
};

} // namespace tallyra::test
