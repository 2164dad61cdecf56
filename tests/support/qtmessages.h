#pragma once

// One filter for the toolkit's messages, shared by the widget tests and the benchmarks: the
// platform's notices about window features it lacks are dropped, every other message is passed
// on. The tests also record the warnings and criticals left, so that a test fails when one of
// its window operations makes the toolkit warn.

#include <QMutex>
#include <QMutexLocker>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <vector>

namespace talvex::qtmessages {

// Notices of the offscreen and xcb platforms about features they lack, and the runtime folder
// a headless session has not got; none of them says anything about the editor.
inline bool isPlatformNotice(const QString &message)
{
    return message.startsWith(QLatin1String("This plugin does not support ")) ||
           message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")) ||
           message.startsWith(QLatin1String("QStandardPaths: runtime directory "));
}

namespace detail {

struct State
{
    QMutex mutex;
    QtMessageHandler previous = nullptr;
    bool recording = false;
    QStringList recorded;
    // Patterns accepted for now, each with the number of messages it has taken.
    std::vector<std::pair<QString, int>> accepted;
};

inline State &state()
{
    static State s;
    return s;
}

inline void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (isPlatformNotice(message))
        return;
    State &s = state();
    QtMessageHandler previous = nullptr;
    {
        QMutexLocker lock(&s.mutex);
        previous = s.previous;
        if (s.recording && (type == QtWarningMsg || type == QtCriticalMsg)) {
            bool taken = false;
            for (auto &[pattern, count] : s.accepted) {
                if (message.contains(pattern)) {
                    ++count;
                    taken = true;
                    break;
                }
            }
            if (taken)
                return;
            s.recorded.append(message);
        }
    }
    if (previous)
        previous(type, context, message);
}

} // namespace detail

// Installs the filter; with record set, warnings and criticals other than platform notices are
// kept for takeRecorded().
inline void install(bool record)
{
    detail::State &s = detail::state();
    QtMessageHandler previous = qInstallMessageHandler(detail::handle);
    QMutexLocker lock(&s.mutex);
    if (previous != detail::handle)
        s.previous = previous;
    s.recording = record;
}

// The recorded warnings since the last call.
inline QStringList takeRecorded()
{
    detail::State &s = detail::state();
    QMutexLocker lock(&s.mutex);
    QStringList taken;
    taken.swap(s.recorded);
    return taken;
}

// Accepts warnings that contain pattern while it lives: for a test that makes the toolkit warn
// on purpose. count() tells how many it took.
class ExpectQtWarning
{
public:
    explicit ExpectQtWarning(const QString &pattern)
    {
        detail::State &s = detail::state();
        QMutexLocker lock(&s.mutex);
        m_slot = s.accepted.size();
        s.accepted.emplace_back(pattern, 0);
    }
    ~ExpectQtWarning()
    {
        detail::State &s = detail::state();
        QMutexLocker lock(&s.mutex);
        s.accepted.resize(m_slot);
    }
    ExpectQtWarning(const ExpectQtWarning &) = delete;
    ExpectQtWarning &operator=(const ExpectQtWarning &) = delete;

    int count() const
    {
        detail::State &s = detail::state();
        QMutexLocker lock(&s.mutex);
        return s.accepted[m_slot].second;
    }

private:
    std::size_t m_slot = 0;
};

} // namespace talvex::qtmessages
