#pragma once

// Timing helpers of the list benchmarks: a real window's fill against a
// separate plain process reading the same archive, as medians of alternating
// pairs.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

namespace ListBench
{

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// One run of `cat <path> > /dev/null`, a process of its own, in seconds.
inline double catSeconds(const QString &path)
{
    const QByteArray file = QFile::encodeName(path);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    char *argv[] = { const_cast<char *>("cat"), const_cast<char *>(file.constData()), nullptr };
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawnp(&pid, "cat", &actions, nullptr, argv, environ) != 0)
        qFatal("cannot run cat");
    int status = 0;
    waitpid(pid, &status, 0);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    posix_spawn_file_actions_destroy(&actions);
    return seconds;
}

// Waits until `widget` has been painted (the paint itself included).
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget *widget)
        : m_widget(widget)
    {
        widget->installEventFilter(this);
    }
    void wait()
    {
        QElapsedTimer guard;
        guard.start();
        while (!m_painted && guard.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
        if (!m_painted)
            qFatal("the list was never painted");
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_widget && event->type() == QEvent::Paint)
            m_painted = true;
        return false;
    }

private:
    QWidget *m_widget;
    bool m_painted = false;
};

// Seconds from `start` until the widget that `start` returns has been
// painted; `start` gets no time of its own outside the span.
inline double untilPainted(const std::function<QWidget *()> &start)
{
    QElapsedTimer timer;
    timer.start();
    QWidget *watched = start();
    PaintWatch watch(watched);
    watch.wait();
    return double(timer.nsecsElapsed()) / 1e9;
}

struct Figures {
    double subject = 0, reference = 0;
    double ratio() const { return reference > 0 ? subject / reference : 0; }
};

// `pairs` alternating pairs (subject first, then reference first, ...), each
// side's median; one run of each before them warms the caches.
inline Figures alternate(int pairs, const std::function<double()> &subject, const std::function<double()> &reference)
{
    subject();
    reference();
    std::vector<double> s, r;
    for (int i = 0; i < pairs; ++i) {
        if (i % 2 == 0) {
            s.push_back(subject());
            r.push_back(reference());
        } else {
            r.push_back(reference());
            s.push_back(subject());
        }
    }
    return { median(s), median(r) };
}

inline void printHeader()
{
    std::printf("%-34s %8s %10s %10s %7s %6s  %s\n", "measure (real window)", "records", "window ms", "cat ms", "ratio",
        "goal", "");
}

inline void printRow(const char *measure, qint64 records, const Figures &f, double goal)
{
    std::printf("%-34s %8lld %10.2f %10.2f %6.2fx %5.1fx  %s\n", measure, static_cast<long long>(records),
        f.subject * 1e3, f.reference * 1e3, f.ratio(), goal, f.ratio() <= goal ? "met" : "not met");
    std::fflush(stdout);
}

} // namespace ListBench
