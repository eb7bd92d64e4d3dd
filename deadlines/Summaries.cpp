#include "deadlines/Summaries.h"

#include "common/ui/WindowNames.h"
#include "deadlines/DeadlineEditorLink.h"
#include "deadlines/core/DeadlineRecord.h"

#include <QPointer>

namespace
{

ListWindow::Setup summarySetup(DeadlineSummary::Kind kind)
{
    ListWindow::Setup s;
    s.printTitle = DeadlineSummary::printTitle(kind);
    s.caption = QLatin1Char(' ') + s.printTitle;
    s.lastSearchText = &DeadlineSummary::lastSearchText(kind);
    s.itemWidth = 1600;
    s.headingArt = QStringLiteral("scadenze");
    s.fill = ListWindow::archiveFill(
        &DeadlineEditorLink::openFile, DeadlineRecord::size(),
        [kind](const char *record) { return DeadlineListing::meets(kind, record); }, DeadlineListing::summaryShape());
    s.pick = ListWindow::tablePick(
        &DeadlineEditorLink::openFile, DeadlineRecord::size(), DeadlineEditorLink::summaryDeliveries());
    return s;
}

} // namespace

DeadlineSummary::DeadlineSummary(QWidget *owner, Kind kind)
    : ListWindow(owner, summarySetup(kind))
    , m_kind(kind)
{
    setObjectName(QLatin1String(globalName(kind)));
}

QString DeadlineSummary::printTitle(Kind kind)
{
    switch (kind) {
    case Kind::PaymentsToMake:
        return QStringLiteral("Riepilogo pagamenti da effettuare");
    case Kind::PaymentsMade:
        return QStringLiteral("Riepilogo pagamenti effettuati");
    case Kind::ToConfirm:
        break;
    }
    return QStringLiteral("Riepilogo appuntamenti da confermare");
}

const char *DeadlineSummary::globalName(Kind kind)
{
    switch (kind) {
    case Kind::PaymentsToMake:
        return WindowNames::frmConfermati;
    case Kind::PaymentsMade:
        return WindowNames::frmNonConfermati;
    case Kind::ToConfirm:
        break;
    }
    return WindowNames::frmDaConfermare;
}

QString &DeadlineSummary::lastSearchText(Kind kind)
{
    static QString texts[3];
    return texts[int(kind)];
}

void DeadlineSummary::open(QWidget *editor, Kind kind)
{
    QPointer<DeadlineSummary> window = new DeadlineSummary(editor, kind);
    window->exec();
    delete window.data();
}
