// The start-up reference: a plain Qt Widgets program that shows an empty
// QDialog of the login window's size, prints the monotonic clock at the
// dialog's first paint and ends. It links Qt Widgets only.
#include "BenchPairs.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>

#include <cstdio>
#include <cstdlib>

namespace
{

class FirstPaint : public QObject
{
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            std::printf("%lld\n", static_cast<long long>(BenchPairs::monotonicNs()));
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.resize(460, 300);
    FirstPaint watch;
    dialog.installEventFilter(&watch);
    dialog.show();
    return app.exec();
}
