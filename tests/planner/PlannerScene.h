#pragma once

#include "common/Clock.h"
#include "common/ui/WindowKit.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "planner/MenuDisponibili.h"
#include "planner/Planning.h"
#include "tests/support/TestSupport.h"

#include <QDateTime>
#include <QWidget>

// The planner's two start-up windows (the chooser and the planner) made as the
// start-up does, in a temporary program folder, with the message boxes
// recorded, the clock fixed on 14 March 2025 at 9:00 and a stand-in start
// menu; everything is taken down again when the scene ends.
class PlannerScene
{
public:
    PlannerScene()
        : clock(QDateTime(QDate(2025, 3, 14), QTime(9, 0)))
    {
        WindowKit::setStartMenu(&startMenu);
        frmMenuDisponibili = new TfrmMenuDisponibili;
        frmPlanning = new TfrmPlanning;
        WindowRegistry::set(QLatin1String(WindowNames::frmMenuDisponibili), frmMenuDisponibili);
        WindowRegistry::set(QLatin1String(WindowNames::frmPlanning), frmPlanning);
    }
    ~PlannerScene()
    {
        WindowRegistry::clear();
        delete frmPlanning;
        frmPlanning = nullptr;
        delete frmMenuDisponibili;
        frmMenuDisponibili = nullptr;
        WindowKit::setStartMenu(nullptr);
    }
    PlannerScene(const PlannerScene &) = delete;
    PlannerScene &operator=(const PlannerScene &) = delete;

    TestSupport::TempProgramFolder folder;
    TestSupport::MessageRecorder messages;
    Clock::Fixed clock;
    QWidget startMenu;
};
