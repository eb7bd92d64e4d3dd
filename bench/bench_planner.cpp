// Times the planner window: creating it (732 day tiles, 366 day labels), and
// showing it on a full year (all 366 days booked, read from its file) and
// leaving it (the year written back). Median of several rounds, in ms.
#include "common/ProgramFolder.h"
#include "common/ui/WindowKit.h"
#include "planner/MenuDisponibili.h"
#include "planner/Planning.h"
#include "planner/core/PlannerRecord.h"
#include "planner/core/PlannerYear.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

double ms(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? QByteArray(argv[1]).toInt() : 15;
    QTemporaryDir dir;
    setProgramFolder(dir.path());
    QWidget startMenu;
    WindowKit::setStartMenu(&startMenu);

    // A full year on file.
    const QString path = programFile(PlannerRecord::fileName(QStringLiteral("1"), QStringLiteral("2024")));
    {
        PlannerYear year;
        year.load(path);
        for (int day = 0; day < PlannerRecord::DayCount; ++day)
            year.setDay(day, QStringLiteral("Prenotazione %1 - Rossi Mario 333 1234567").arg(day));
        year.save(path);
    }
    frmMenuDisponibili = new TfrmMenuDisponibili;
    frmMenuDisponibili->lblFile->setText(path);
    frmMenuDisponibili->lblBox->setText(QStringLiteral("1"));

    std::vector<double> create, load, save, destroy;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        frmPlanning = new TfrmPlanning;
        create.push_back(ms(timer));

        timer.restart();
        frmPlanning->formShow();
        load.push_back(ms(timer));
        if (frmPlanning->dayText(365).isEmpty()) {
            std::fprintf(stderr, "the year was not read\n");
            return 1;
        }

        timer.restart();
        frmPlanning->cmdSalvaClick();
        save.push_back(ms(timer));

        timer.restart();
        delete frmPlanning;
        frmPlanning = nullptr;
        destroy.push_back(ms(timer));
    }
    std::printf("planner window, median of %d rounds:\n", rounds);
    std::printf("  create (732 tiles, 366 labels): %.2f ms\n", median(create));
    std::printf("  load a full year (366 booked):  %.2f ms\n", median(load));
    std::printf("  save the year:                  %.2f ms\n", median(save));
    std::printf("  destroy:                        %.2f ms\n", median(destroy));
    delete frmMenuDisponibili;
    return 0;
}
