#include "app/checkers/OpenChecker.h"

#include "app/checkers/Carta.h"
#include "app/checkers/CodFisc.h"
#include "app/checkers/Iban.h"
#include "app/checkers/PartitaIVA.h"
#include "app/core/Checks.h"
#include "common/TextRoutines.h"

#include <QLineEdit>

namespace
{

template <class Dialog> void openPreloaded(QWidget *owner, const QString &text)
{
    const QString trimmed = TrimText(text);
    WindowKit::openModalDialog<Dialog>(owner, [&trimmed](Dialog &dialog) { dialog.input()->setText(trimmed); });
}

} // namespace

void OpenChecker(QWidget *owner, const QString &text)
{
    if (ChooseChecker(TrimText(text)) == CheckerChoice::PartitaIva)
        OpenPartitaIvaChecker(owner, text);
    else
        OpenCodFiscChecker(owner, text);
}

void OpenCodFiscChecker(QWidget *owner, const QString &text)
{
    openPreloaded<TfrmCodFisc>(owner, text);
}

void OpenPartitaIvaChecker(QWidget *owner, const QString &text)
{
    openPreloaded<TfrmPartitaIva>(owner, text);
}

void OpenCartaChecker(QWidget *owner, const QString &text)
{
    openPreloaded<TfrmCarta>(owner, text);
}

void OpenIbanChecker(QWidget *owner, const QString &text)
{
    openPreloaded<TfrmIban>(owner, text);
}
