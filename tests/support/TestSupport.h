#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace tallyra::test {

// Runs the test in a fresh empty folder as the current folder, where default.dat lives.
class TempWorkingFolder
{
public:
    TempWorkingFolder() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~TempWorkingFolder() { QDir::setCurrent(m_previous); }
    TempWorkingFolder(const TempWorkingFolder &) = delete;
    TempWorkingFolder &operator=(const TempWorkingFolder &) = delete;

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QString m_previous;
    QTemporaryDir m_dir;
};

QByteArray fileBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);

// Every warning fails the test, except the one line the offscreen platform always prints.
void failOnUnexpectedWarnings();

// The child of the given type and object name; a missing one ends the test run loudly.
template <typename T> T *child(const QObject *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qFatal("no %s named \"%s\"", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

// Acts on the next modal widget of type T once it is shown, then makes sure it is closed.
// Declare it before the action that opens the modal window. Record values inside the
// handler and assert after the modal call returns.
template <typename T> class NextModal
{
public:
    explicit NextModal(std::function<void(T *)> handler) : m_handler(std::move(handler))
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }
    bool handled() const { return m_handled; }

private:
    void poll()
    {
        auto *widget = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!widget)
            return;
        m_timer.stop();
        m_handled = true;
        QPointer<T> alive(widget);
        m_handler(widget);
        if (alive && alive->isVisible()) {
            qWarning("NextModal: handler left %s open", widget->metaObject()->className());
            alive->close();
        }
    }

    std::function<void(T *)> m_handler;
    QTimer m_timer;
    bool m_handled = false;
};

} // namespace tallyra::test
