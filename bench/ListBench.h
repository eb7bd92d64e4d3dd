#pragma once

// Timing helpers of the list benchmarks: a real window's fill against a
// separate plain process reading the same archive, as medians of alternating
// pairs.
//
// What is timed is what the user waits for in the program: a list window is
// made by its command (each command makes a fresh modal dialog), so the span
// runs from its making through its show and fill to the end of the first
// paint of its list; nothing is made or warmed beforehand that the program
// does not make. A search is timed from the press of "Cerca" (its window
// already open on its filters) to the end of the first paint of its result
// list. Beside them, for reading the figures, the floor of any window: a bare
// QDialog of the same size made, shown and painted in the same process
// (what the X server and the window manager cost by themselves).

#include "BenchPairs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <functional>
#include <memory>

namespace ListBench
{

// One run of `cat <path> > /dev/null`, a process of its own, in seconds.
inline double catSeconds(const QString &path)
{
    return BenchPairs::catFile(path) / 1e3;
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

// One bare QDialog of `size` made, shown modally and painted, in seconds.
inline double bareWindowSeconds(QSize size = QSize(862, 560))
{
    std::unique_ptr<QDialog> dialog;
    const double seconds = untilPainted([&] {
        dialog = std::make_unique<QDialog>();
        dialog->setFixedSize(size);
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->show();
        return dialog.get();
    });
    dialog.reset();
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    return seconds;
}

struct Figures {
    double subject = 0, reference = 0;
    double ratio() const { return reference > 0 ? subject / reference : 0; }
};

// `pairs` alternating pairs after one warm-up of each side (see
// BenchPairs::run); each side's median, in seconds.
inline Figures alternate(int pairs, const std::function<double()> &subject, const std::function<double()> &reference)
{
    const BenchPairs::Pairs p = BenchPairs::run(
        pairs, [&] { return subject() * 1e3; }, [&] { return reference() * 1e3; });
    return { p.measureMedian() / 1e3, p.referenceMedian() / 1e3 };
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
