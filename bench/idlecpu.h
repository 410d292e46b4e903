#pragma once

// Processor time used while a program waits for the pupil, for kwbench and
// the floor program it is compared with.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>
#include <unistd.h>

namespace kwbench {

inline double ownCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The processor time of every process below this one (the web engine's
// helpers: zygote, renderer, GPU process), which getrusage() does not see
// while they run.
inline double helperCpuSeconds()
{
    struct Entry {
        qint64 parent = 0;
        double seconds = 0;
    };
    QHash<qint64, Entry> processes;
    const double tick = double(sysconf(_SC_CLK_TCK));
    for (const QString &name : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool number = false;
        const qint64 pid = name.toLongLong(&number);
        if (!number)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(name));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        // Fields after the command name, which may hold spaces: state, ppid, ... utime, stime.
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() < 13)
            continue;
        processes.insert(pid, {fields.at(1).toLongLong(), (fields.at(11).toDouble() + fields.at(12).toDouble()) / tick});
    }
    const qint64 self = getpid();
    double total = 0;
    for (auto it = processes.cbegin(); it != processes.cend(); ++it) {
        for (qint64 up = it.value().parent, hops = 0; up > 1 && hops < 64; up = processes.value(up).parent, ++hops) {
            if (up == self) {
                total += it.value().seconds;
                break;
            }
        }
    }
    return total;
}

struct IdleCpu {
    double ownPercent = 0;       // this process, of one core
    double withHelpersPercent = 0;
    double windowRedraws = 0;    // per second, all windows together
};

// Counts how often a window is redrawn. Under software rendering each redraw
// of a window holding a web view composes the whole window, so two programs
// are only compared fairly when they redraw about as often.
class RedrawCounter : public QObject
{
public:
    int redraws = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::UpdateRequest && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow())
            ++redraws;
        return false;
    }
};

// Lets the event loop run for `seconds` with no input and returns the share
// of one core used meanwhile.
inline IdleCpu measureIdleCpu(int seconds)
{
    const double own = ownCpuSeconds();
    const double helpers = helperCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    RedrawCounter counter;
    QCoreApplication::instance()->installEventFilter(&counter);
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const double elapsed = double(wall.nsecsElapsed()) / 1e9;
    const double ownUsed = ownCpuSeconds() - own;
    const double helpersUsed = helperCpuSeconds() - helpers;
    return {100 * ownUsed / elapsed, 100 * (ownUsed + helpersUsed) / elapsed, counter.redraws / elapsed};
}

// The line a measuring copy prints, and its reading.
inline QByteArray idleCpuLine(const IdleCpu &figures)
{
    return QByteArray("idle_cpu ") + QByteArray::number(figures.ownPercent, 'f', 3) + ' '
           + QByteArray::number(figures.withHelpersPercent, 'f', 3) + ' '
           + QByteArray::number(figures.windowRedraws, 'f', 2) + '\n';
}

inline bool readIdleCpuLine(const QByteArray &line, IdleCpu *figures)
{
    const QList<QByteArray> fields = line.trimmed().split(' ');
    if (fields.size() != 4 || fields.at(0) != "idle_cpu")
        return false;
    figures->ownPercent = fields.at(1).toDouble();
    figures->withHelpersPercent = fields.at(2).toDouble();
    figures->windowRedraws = fields.at(3).toDouble();
    return true;
}

inline constexpr int kIdleSeconds = 20;

} // namespace kwbench
