// Start-up to the login window, beside a bare Qt dialog program measured in
// the same run.
//
//   bench_startup [runs]       the comparison: runs the two as separate
//                              processes in turn (program, bare, program, ...)
//                              and prints each one's median and the ratio;
//   bench_startup --program    one start of the program: the application
//                              object, the whole window set of the start-up
//                              table, the login window shown and painted;
//   bench_startup --bare       one start of a program that shows an empty QDialog;
//   bench_startup --windows    the creation time of each window of the set.
//
// A start is timed from just before the process is started to the first
// paint of its window (each child prints the monotonic clock at that moment),
// so loading the libraries, making the application object and the windows
// all count. The platform is offscreen unless QT_QPA_PLATFORM says otherwise.

#include "app/shell/Password.h"
#include "app/shell/StartUp.h"
#include "common/ui/Application.h"
#include "common/ui/WindowRegistry.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace
{

qint64 monotonicNs()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// Prints the clock at the window's first paint, then again once `ready`
// holds (the whole window set exists), and ends the program.
class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget *window, std::function<bool()> ready)
        : m_ready(std::move(ready))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            std::printf("%lld\n", static_cast<long long>(monotonicNs()));
            QTimer::singleShot(0, this, [this] { waitReady(); });
        }
        return false;
    }

private:
    void waitReady()
    {
        if (!m_ready()) {
            QTimer::singleShot(0, this, [this] { waitReady(); });
            return;
        }
        std::printf("%lld\n", static_cast<long long>(monotonicNs()));
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    std::function<bool()> m_ready;
    bool m_done = false;
};

void defaultPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

int runProgram(int argc, char **argv)
{
    KennoraApplication::prepareEnvironment();
    KennoraApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    // As the program starts: the login window first, the rest of the set after its first paint.
    QWidget *login = StartUp::startWindowSet();
    FirstPaint watch(login, [] { return StartUp::windowSetComplete(); });
    login->show();
    const int status = app.exec();
    // The program's own end is not part of its start-up.
    std::fflush(stdout);
    std::_Exit(status);
}

int runBare(int argc, char **argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.resize(460, 320);
    FirstPaint watch(&dialog, [] { return true; });
    dialog.show();
    const int status = app.exec();
    std::fflush(stdout);
    std::_Exit(status);
}

int runWindows(int argc, char **argv)
{
    KennoraApplication::prepareEnvironment();
    KennoraApplication app(argc, argv);
    double total = 0;
    for (const StartUp::WindowEntry &entry : StartUp::windowTable()) {
        QElapsedTimer timer;
        timer.start();
        QWidget *window = entry.create();
        const double ms = timer.nsecsElapsed() / 1e6;
        total += ms;
        WindowRegistry::set(QLatin1String(entry.globalName), window);
        std::printf("%-22s %8.2f ms\n", entry.globalName, ms);
    }
    std::printf(
        "%-22s %8.2f ms (%lld windows)\n", "whole set", total, static_cast<long long>(StartUp::windowTable().size()));
    StartUp::destroyWindowSet();
    return 0;
}

struct Start {
    double painted = -1; // ms from the process start to the first paint
    double ready = -1; // ms to the whole window set
};

Start oneStart(const QString &self, const QString &mode)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::SeparateChannels);
    const qint64 start = monotonicNs();
    child.start(self, { mode });
    if (!child.waitForFinished(60000)) {
        child.kill();
        child.waitForFinished();
        return {};
    }
    const QStringList lines
        = QString::fromLatin1(child.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.size() < 2)
        return {};
    return { (lines[0].toLongLong() - start) / 1e6, (lines[1].toLongLong() - start) / 1e6 };
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

int compare(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(3, QString::fromLocal8Bit(argv[1]).toInt()) : 15;
    const QString self = QCoreApplication::applicationFilePath();
    // One warm-up of each: the page cache holds the libraries afterwards.
    oneStart(self, QStringLiteral("--program"));
    oneStart(self, QStringLiteral("--bare"));
    std::vector<double> program, ready, bare, ratios, readyRatios;
    for (int i = 0; i < runs; ++i) {
        const Start p = oneStart(self, QStringLiteral("--program"));
        const Start b = oneStart(self, QStringLiteral("--bare"));
        if (p.painted <= 0 || p.ready <= 0 || b.painted <= 0) {
            std::fprintf(stderr, "a start failed\n");
            return 1;
        }
        program.push_back(p.painted);
        ready.push_back(p.ready);
        bare.push_back(b.painted);
        ratios.push_back(p.painted / b.painted);
        readyRatios.push_back(p.ready / b.painted);
    }
    auto row = [](const char *what, const std::vector<double> &v) {
        std::printf("  %-38s median %7.1f ms (min %.1f, max %.1f)\n", what, median(v),
            *std::min_element(v.begin(), v.end()), *std::max_element(v.begin(), v.end()));
    };
    std::printf("start-up, %d runs each in turn, platform %s, %lld windows in the set\n", runs,
        qEnvironmentVariable("QT_QPA_PLATFORM").toLatin1().constData(),
        static_cast<long long>(StartUp::windowTable().size()));
    row("program: login window painted", program);
    row("program: whole window set made", ready);
    row("bare QDialog program: dialog painted", bare);
    std::printf("  ratio login painted / bare:            median %5.2f (pair by pair)\n", median(ratios));
    std::printf("  ratio whole set made / bare:           median %5.2f (pair by pair)\n", median(readyRatios));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    defaultPlatform();
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (mode == "--program")
        return runProgram(argc, argv);
    if (mode == "--bare")
        return runBare(argc, argv);
    if (mode == "--windows")
        return runWindows(argc, argv);
    return compare(argc, argv);
}
