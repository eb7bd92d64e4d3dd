#include "planner/Disponibilita.h"

#include "planner/Planning.h"
#include "planner/core/BookingSummary.h"

#include <QLabel>
#include <QLineEdit>

namespace
{

TfrmPlanning *plannerOf(QWidget *owner)
{
    if (auto *planner = qobject_cast<TfrmPlanning *>(owner))
        return planner;
    return frmPlanning;
}

ListWindow::Setup summarySetup(TfrmPlanning *planner)
{
    ListWindow::Setup s;
    s.caption = QStringLiteral(" Riepilogo prenotazioni box");
    s.printTitle = planner ? BookingSummary::printTitle(planner->txtBox->text(), planner->txtAnno->text())
                           : BookingSummary::printTitle(QString(), QString());
    s.lastSearchText = &TfrmDisponibilita::lastSearchText();
    s.itemWidth = 760;
    s.headingArt = QStringLiteral("cani");
    s.headingArtRight = QStringLiteral("banconote");
    s.instructionLine = false;
    s.sorted = false;
    s.fill = [planner](RecordListing &lines) {
        if (!planner)
            return;
        const QStringList texts = BookingSummary::lines([planner](int day) { return planner->dayText(day); });
        for (const QString &text : texts)
            lines.append(text, lines.size());
    };
    return s;
}

} // namespace

TfrmDisponibilita::TfrmDisponibilita(QWidget *owner)
    : ListWindow(owner, summarySetup(plannerOf(owner)))
{
    // The summary only shows the days: no line is loaded anywhere.
    lblRigo03->hide();
    disconnect(lstRecords, &RecordList::doubleClickedLine, this, nullptr);
}

QString &TfrmDisponibilita::lastSearchText()
{
    static QString text;
    return text;
}
