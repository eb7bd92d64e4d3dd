// Start-up to the exposed login window, beside a separate bare QDialog
// program (ref_bare_dialog, linking Qt Widgets only), in alternating pairs.
//
//   bench_startup [pairs]      the comparison (at least 7 pairs);
//   bench_startup --program    one start as the program makes it (the same
//                              libraries, the same steps as its main): the
//                              application object, the login window shown and
//                              painted, then the rest of the window set;
//   bench_startup --windows    the creation time of each window of the set.
//
// A start is timed from just before the process is started to the first
// paint of its window (each child prints the monotonic clock at that moment),
// so loading the libraries, making the application object and the windows
// all count. Run it under a real X server with a window manager
// (bench/run_all.sh does); without one it falls back to offscreen.

#include "BenchPairs.h"

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
            std::printf("%lld\n", static_cast<long long>(BenchPairs::monotonicNs()));
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
        std::printf("%lld\n", static_cast<long long>(BenchPairs::monotonicNs()));
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    std::function<bool()> m_ready;
    bool m_done = false;
};

// Without an X server the program and the reference start offscreen.
void defaultPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
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

// One start of the program: ms from just before the process start to the
// login window's first paint (and to the whole window set made), or -1.
struct Start {
    double painted = -1;
    double ready = -1;
};

Start programStart(const QString &self)
{
    QByteArray out;
    const qint64 start = BenchPairs::monotonicNs();
    if (BenchPairs::runProcess(self, { QStringLiteral("--program") }, &out) < 0)
        return {};
    const QList<QByteArray> lines = out.split('\n');
    if (lines.size() < 2)
        return {};
    return { (lines[0].toLongLong() - start) / 1e6, (lines[1].toLongLong() - start) / 1e6 };
}

double bareStart(const QString &bare)
{
    QByteArray out;
    const qint64 start = BenchPairs::monotonicNs();
    if (BenchPairs::runProcess(bare, {}, &out) < 0)
        return -1;
    return (out.trimmed().toLongLong() - start) / 1e6;
}

int compare(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int pairs = BenchPairs::pairCount(argc, argv, 15);
    const QString self = QCoreApplication::applicationFilePath();
    const QString bare = QCoreApplication::applicationDirPath() + QStringLiteral("/ref_bare_dialog");
    std::vector<double> ready;
    const BenchPairs::Pairs p = BenchPairs::run(
        pairs,
        [&] {
            const Start s = programStart(self);
            if (s.ready > 0)
                ready.push_back(s.ready);
            return s.painted;
        },
        [&] { return bareStart(bare); });
    std::printf("start-up, platform %s%s, %lld windows in the set\n",
        qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("xcb")).toLatin1().constData(),
        qEnvironmentVariableIsEmpty("DISPLAY") ? " (no X server: run it under xvfb-run with a window manager)" : "",
        static_cast<long long>(StartUp::windowTable().size()));
    BenchPairs::print("  login window painted", "bare QDialog", p, 1.5);
    std::printf("  whole window set made after the start: median %.1f ms\n", BenchPairs::median(ready));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    defaultPlatform();
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (mode == "--program")
        return runProgram(argc, argv);
    if (mode == "--windows")
        return runWindows(argc, argv);
    return compare(argc, argv);
}
