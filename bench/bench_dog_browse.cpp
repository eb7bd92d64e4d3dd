// Browsing the dog editor with photos: an archive of 10,000 dogs, each with a
// 1600 x 1200 JPEG photo in Album (one file linked under every position, so
// the disk holds it once); the time of one "next" and one "previous" command
// (read the record, fill the 60 controls, read and decode the photo, draw the
// window), as the median and the worst of 300 commands each.
// Usage: bench_dog_browse [dogs] [photo width]   (default: 10000 1600; the height is 3/4 of the width)
#include "common/ArchiveFile.h"
#include "common/ProgramFolder.h"
#include "common/ui/MessageBoxes.h"
#include "dogs/Cani.h"
#include "dogs/core/DogRecord.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void report(const char *what, std::vector<double> times)
{
    std::printf(
        "%-10s median %7.2f ms   worst %7.2f ms\n", what, median(times), *std::max_element(times.begin(), times.end()));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int dogs = argc > 1 ? std::atoi(argv[1]) : 10000;
    QTemporaryDir dir;
    setProgramFolder(dir.path());
    MessageBoxes::setHandler([](MessageBoxes::Kind, const QString &text) {
        std::fprintf(stderr, "box: %s\n", qPrintable(text));
        return true;
    });

    {
        RecordBuffer r(DogRecord::layout());
        QByteArray all;
        all.reserve(qsizetype(dogs) * DogRecord::size());
        for (int i = 0; i < dogs; ++i) {
            r.clear();
            for (int f = 0; f < DogRecord::File01; ++f)
                r.setText(f, QStringLiteral("%1 del cane %2").arg(DogRecord::layout().name(f)).arg(i + 1));
            all += r.bytes();
        }
        QFile file(DogRecord::path());
        if (!file.open(QIODevice::WriteOnly) || file.write(all) != all.size())
            return 1;
    }
    QDir().mkpath(DogRecord::albumFolder());
    const int photoWidth = argc > 2 ? std::atoi(argv[2]) : 1600;
    QImage photo(photoWidth, photoWidth * 3 / 4, QImage::Format_RGB32);
    {
        QPainter p(&photo);
        QLinearGradient g(0, 0, photo.width(), photo.height());
        g.setColorAt(0, Qt::darkYellow);
        g.setColorAt(1, Qt::darkCyan);
        p.fillRect(photo.rect(), g);
    }
    const QString first = DogRecord::photoPath(QStringLiteral("1"));
    photo.save(first, "jpg", 90);
    for (int i = 2; i <= dogs; ++i)
        QFile::link(first, DogRecord::photoPath(QString::number(i)))
            || QFile::copy(first, DogRecord::photoPath(QString::number(i)));
    std::printf("%d dogs, photo %d x %d, %lld bytes\n", dogs, photo.width(), photo.height(), QFile(first).size());

    TfrmCani w;
    w.resize(1280, 900);
    w.show();
    QApplication::processEvents();
    w.cmdPrimo->click();

    auto time = [&w](QPushButton *command) {
        QElapsedTimer t;
        t.start();
        command->click();
        w.repaint();
        return double(t.nsecsElapsed()) / 1e6;
    };
    const int runs = std::min(300, dogs - 1);
    std::vector<double> next, previous;
    for (int i = 0; i < runs; ++i)
        next.push_back(time(w.cmdAvanti));
    for (int i = 0; i < runs; ++i)
        previous.push_back(time(w.cmdIndietro));
    w.cmdUltimo->click();
    std::vector<double> atEnd;
    for (int i = 0; i < runs; ++i)
        atEnd.push_back(time(w.cmdIndietro));
    report("next", next);
    report("previous", previous);
    report("prev@end", atEnd);
    return 0;
}
