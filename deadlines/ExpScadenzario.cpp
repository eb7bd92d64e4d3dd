#include "deadlines/ExpScadenzario.h"

#include "app/dialogs/Guida.h"
#include "app/dialogs/OpenURL.h"
#include "common/ui/WindowNames.h"
#include "deadlines/DateLists.h"
#include "deadlines/DeadlineEditorLink.h"
#include "deadlines/core/DeadlineRecord.h"

TfrmExpScadenzario::TfrmExpScadenzario(QWidget *owner)
    : ExportWindow(owner,
        Setup {
            QStringLiteral(" Esporta archivio Scadenzario pagamenti"),
            QSize(862, 560),
            DeadlineDateList::columns(false),
            10,
            fileName(),
            sheetName(),
            &DeadlineRecord::layout(),
            &DeadlineEditorLink::openFile,
            [](const QString &target) { TMisc::Open(target); },
            [](QWidget *window) { ShowHelp(window, HelpTopic::DeadlinesExport); },
            {},
        })
{
    setObjectName(QLatin1String(WindowNames::frmExpScadenzario));
}

void TfrmExpScadenzario::open(QWidget *editor)
{
    WindowKit::openModalDialog<TfrmExpScadenzario>(editor);
}
