#pragma once

// Shared harness of the benchmarks: a measure and its reference timed in
// alternating pairs (measure, reference, reference, measure, ...), so a
// machine that slows down or speeds up during the run weighs on both alike;
// the medians of each side and of the pair-by-pair ratios, printed beside
// the goal. A benchmark reports and never judges: whatever the figures, it
// ends with status 0 (only a benchmark that could not run at all says so).
//
// Header only, Qt Core only, so a reference program can use it too.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

namespace BenchPairs
{

// The monotonic clock in nanoseconds; the same clock in every process of the
// machine, so a child may print the moment it reached a point.
inline qint64 monotonicNs()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The number of pairs: the first command-line number when given, at least 7.
inline int pairCount(int argc, char **argv, int fallback = 9)
{
    for (int i = 1; i < argc; ++i) {
        const int n = std::atoi(argv[i]);
        if (n > 0)
            return std::max(7, n);
    }
    return std::max(7, fallback);
}

// One side of a pair returns its time in milliseconds (negative: it failed).
using Timed = std::function<double()>;

struct Pairs {
    std::vector<double> measure, reference, ratios;
    int failures = 0;

    double measureMedian() const { return median(measure); }
    double referenceMedian() const { return median(reference); }
    double ratioMedian() const { return median(ratios); }
    double ratioMin() const { return ratios.empty() ? 0 : *std::min_element(ratios.begin(), ratios.end()); }
    double ratioMax() const { return ratios.empty() ? 0 : *std::max_element(ratios.begin(), ratios.end()); }
};

// One warm-up of each side, then `pairs` pairs; the order inside a pair
// alternates (measure first in the even pairs, reference first in the odd).
inline Pairs run(int pairs, const Timed &measure, const Timed &reference)
{
    measure();
    reference();
    Pairs result;
    for (int i = 0; i < pairs; ++i) {
        double m, r;
        if (i % 2 == 0) {
            m = measure();
            r = reference();
        } else {
            r = reference();
            m = measure();
        }
        if (m <= 0 || r <= 0) {
            ++result.failures;
            continue;
        }
        result.measure.push_back(m);
        result.reference.push_back(r);
        result.ratios.push_back(m / r);
    }
    return result;
}

// One line: the measure's and the reference's medians, the median ratio (with
// its spread) and the goal, and whether the median meets it.
inline void print(const char *what, const char *referenceName, const Pairs &p, double goal)
{
    if (p.ratios.empty()) {
        std::printf("%-40s no figures (%d failed runs)\n", what, p.failures);
        return;
    }
    std::printf("%-40s %9.2f ms  %-14s %9.2f ms  ratio %5.2f (%.2f-%.2f, %zu pairs)  goal <= %.2f  %s\n", what,
        p.measureMedian(), referenceName, p.referenceMedian(), p.ratioMedian(), p.ratioMin(), p.ratioMax(),
        p.ratios.size(), goal, p.ratioMedian() <= goal ? "met" : "NOT met");
    std::fflush(stdout);
}

// Runs a separate process to its end; its wall time in milliseconds from just
// before the start, or -1 when it failed. Its output is read and dropped.
inline double runProcess(const QString &program, const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::SeparateChannels);
    if (!output)
        child.setStandardOutputFile(QProcess::nullDevice());
    const qint64 start = monotonicNs();
    child.start(program, arguments);
    if (!child.waitForFinished(600000)) {
        child.kill();
        child.waitForFinished();
        return -1;
    }
    const double ms = (monotonicNs() - start) / 1e6;
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return -1;
    if (output)
        *output = child.readAllStandardOutput();
    return ms;
}

// Gathers the records of a generated archive and writes them to `file` in
// blocks of about 8 MiB; flush() writes what is left.
class BlockWriter
{
public:
    explicit BlockWriter(QFile &file)
        : m_file(file)
    {
    }
    void add(const QByteArray &record)
    {
        m_block += record;
        if (m_block.size() > (8 << 20))
            flush();
    }
    void flush()
    {
        m_file.write(m_block);
        m_block.clear();
    }

private:
    QFile &m_file;
    QByteArray m_block;
};

// `cat` of a file to /dev/null, a separate process started as lean as the
// system allows (posix_spawn, no shell): one read from the page cache, in ms.
inline double catFile(const QString &path)
{
    const QByteArray file = QFile::encodeName(path);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    char *argv[] = { const_cast<char *>("cat"), const_cast<char *>(file.constData()), nullptr };
    const qint64 start = monotonicNs();
    pid_t pid = 0;
    const bool started = posix_spawnp(&pid, "cat", &actions, nullptr, argv, environ) == 0;
    int status = 0;
    if (started)
        waitpid(pid, &status, 0);
    const double ms = (monotonicNs() - start) / 1e6;
    posix_spawn_file_actions_destroy(&actions);
    return started && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ms : -1;
}

// `cp` of a file and a sync of the copy, a separate process: the same bytes
// written durably.
inline double syncedCopy(const QString &from, const QString &to)
{
    return runProcess(QStringLiteral("/bin/sh"),
        { QStringLiteral("-c"), QStringLiteral("cp \"$0\" \"$1\" && sync \"$1\""), from, to });
}

} // namespace BenchPairs
