#include "app/shell/StartUp.h"

#include "app/checkers/Carta.h"
#include "app/checkers/CodFisc.h"
#include "app/checkers/Iban.h"
#include "app/checkers/PartitaIVA.h"
#include "app/dialogs/AllegaCartella.h"
#include "app/dialogs/Guida.h"
#include "app/shell/Avvio.h"
#include "app/shell/CambiaPassword.h"
#include "app/shell/Info.h"
#include "app/shell/Password.h"
#include "app/shell/Splash.h"
#include "catalog/Box_Cani.h"
#include "catalog/ExpBox.h"
#include "catalog/ExpListino.h"
#include "catalog/Listino_Prezzi.h"
#include "catalog/MenuPrimanota.h"
#include "catalog/NonErogabili.h"
#include "catalog/NonPrenotabili.h"
#include "catalog/StampaBox.h"
#include "catalog/StampaListino.h"
#include "catalog/TrovaBox.h"
#include "catalog/TrovaListino.h"
#include "common/ui/Application.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"
#include "deadlines/DateLists.h"
#include "deadlines/ExpScadenzario.h"
#include "deadlines/Scadenzario.h"
#include "deadlines/Summaries.h"
#include "deadlines/TrovaScadenzario.h"
#include "dogs/Cani.h"
#include "dogs/CostiCane.h"
#include "dogs/CreaRTF.h"
#include "dogs/ExpCani.h"
#include "dogs/StampaCane.h"
#include "dogs/TrovaCani.h"
#include "dogs/Zoom.h"
#include "owners/Clienti.h"
#include "owners/ExpClienti.h"
#include "owners/Ricontatta.h"
#include "owners/TrovaClienti.h"
#include "planner/AnteprimaPlanning.h"
#include "planner/Disponibilita.h"
#include "planner/Giorno.h"
#include "planner/Intervallo.h"
#include "planner/MenuDisponibili.h"
#include "planner/Planning.h"
#include "planner/StampaPlanning.h"
#include "quotes/AnteprimaPrev.h"
#include "quotes/Crea_PDF_Prev.h"
#include "quotes/DatiVeicolo.h"
#include "quotes/ExpPreventivi.h"
#include "quotes/ImportaMagazzinoDoc.h"
#include "quotes/Logo.h"
#include "quotes/MenuPreventivi.h"
#include "quotes/Numerazione.h"
#include "quotes/Preventivi.h"
#include "quotes/Sospesi.h"
#include "quotes/StampaPrev.h"
#include "quotes/TrovaPreventivi.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <type_traits>

namespace StartUp
{

namespace
{

// A window whose unit keeps a global pointer: creating sets it, releasing clears it.
template <auto Global> WindowEntry entry(const char *globalName)
{
    using Window = std::remove_pointer_t<std::remove_reference_t<decltype(*Global)>>;
    return { globalName, [] { return static_cast<QWidget *>(*Global = new Window); }, [] { *Global = nullptr; } };
}

// A window whose unit keeps no global pointer (reached through WindowRegistry).
template <class Window> WindowEntry entry(const char *globalName)
{
    return { globalName, [] { return static_cast<QWidget *>(new Window); }, [] {} };
}

} // namespace

// The window set, one line per window, in creation order. A window whose unit
// declares no global pointer is reached through WindowRegistry only.
const QList<WindowEntry> &windowTable()
{
    static const QList<WindowEntry> table = {
        entry<&frmPassword>(WindowNames::frmPassword),
        entry<&frmCambiaPassword>(WindowNames::frmCambiaPassword),
        entry<TfrmCarta>(WindowNames::frmCarta),
        entry<TfrmCodFisc>(WindowNames::frmCodFisc),
        entry<&frmGuida>(WindowNames::frmGuida),
        entry<TfrmIban>(WindowNames::frmIban),
        entry<&frmInfo>(WindowNames::frmInfo),
        entry<TfrmPartitaIva>(WindowNames::frmPartitaIva),
        entry<&frmSplash>(WindowNames::frmSplash),
        { WindowNames::frmAvvio,
            [] {
                frmAvvio = new TfrmAvvio;
                WindowKit::setStartMenu(frmAvvio);
                return static_cast<QWidget *>(frmAvvio);
            },
            [] {
                WindowKit::setStartMenu(nullptr);
                frmAvvio = nullptr;
            } },
        entry<&frmClienti>(WindowNames::frmClienti),
        entry<TfrmAllegaCartella>(WindowNames::frmAllegaCartella),
        entry<TfrmRicontatta>(WindowNames::frmRicontatta),
        entry<TfrmTrovaClienti>(WindowNames::frmTrovaClienti),
        entry<TfrmExpClienti>(WindowNames::frmExpClienti),
        entry<&frmCani>(WindowNames::frmCani),
        entry<TfrmZoom>(WindowNames::frmZoom),
        entry<TfrmTrovaCani>(WindowNames::frmTrovaCani),
        entry<TfrmCostiCane>(WindowNames::frmCostiCane),
        entry<TfrmExpCani>(WindowNames::frmExpCani),
        entry<TfrmStampaCane>(WindowNames::frmStampaCane),
        entry<TfrmCreaRTF>(WindowNames::frmCreaRTF),
        entry<&frmScadenzario>(WindowNames::frmScadenzario),
        entry<TfrmExpImminenti>(WindowNames::frmExpImminenti),
        entry<TfrmExpGiornaliere>(WindowNames::frmExpGiornaliere),
        entry<TfrmExpMensili>(WindowNames::frmExpMensili),
        entry<TfrmExpScadenzario>(WindowNames::frmExpScadenzario),
        entry<TfrmConfermati>(WindowNames::frmConfermati),
        entry<TfrmNonConfermati>(WindowNames::frmNonConfermati),
        entry<TfrmDaConfermare>(WindowNames::frmDaConfermare),
        entry<TfrmTrovaScadenzario>(WindowNames::frmTrovaScadenzario),
        entry<&frmMenuPrimanota>(WindowNames::frmMenuPrimanota),
        entry<&frmBox_Cani>(WindowNames::frmBox_Cani),
        entry<TfrmTrovaBox>(WindowNames::frmTrovaBox),
        entry<TfrmNonPrenotabili>(WindowNames::frmNonPrenotabili),
        entry<TfrmExpBox>(WindowNames::frmExpBox),
        entry<TfrmStampaBox>(WindowNames::frmStampaBox),
        // The booking planner: its chooser, the planner window, its day dialog.
        entry<&frmMenuDisponibili>(WindowNames::frmMenuDisponibili),
        entry<&frmPlanning>(WindowNames::frmPlanning),
        entry<&frmGiorno>(WindowNames::frmGiorno),
        entry<TfrmStampaPlanning>(WindowNames::frmStampaPlanning),
        entry<TfrmAnteprimaPlanning>(WindowNames::frmAnteprimaPlanning),
        entry<TfrmDisponibilita>(WindowNames::frmDisponibilita),
        entry<&frmListino_Prezzi>(WindowNames::frmListino_Prezzi),
        entry<TfrmTrovaListino>(WindowNames::frmTrovaListino),
        entry<TfrmNonErogabili>(WindowNames::frmNonErogabili),
        entry<TfrmStampaListino>(WindowNames::frmStampaListino),
        entry<TfrmExpListino>(WindowNames::frmExpListino),
        // The quotes.
        entry<&frmMenuPreventivi>(WindowNames::frmMenuPreventivi),
        entry<TfrmLogo>(WindowNames::frmLogo),
        entry<TfrmNumerazione>(WindowNames::frmNumerazione),
        entry<&frmPreventivi>(WindowNames::frmPreventivi),
        entry<TfrmDatiVeicolo>(WindowNames::frmDatiVeicolo),
        entry<TfrmExpPreventivi>(WindowNames::frmExpPreventivi),
        entry<TfrmTrovaPreventivi>(WindowNames::frmTrovaPreventivi),
        entry<TfrmSospesi>(WindowNames::frmSospesi),
        entry<TfrmStampaPrev>(WindowNames::frmStampaPrev),
        entry<TfrmAnteprimaPrev>(WindowNames::frmAnteprimaPrev),
        entry<TfrmCrea_PDF_Prev>(WindowNames::frmCrea_PDF_Prev),
        entry<TfrmImportaMagazzinoDoc>(WindowNames::frmImportaMagazzinoDoc),
        // The last of the set: the planner's interval dialog.
        entry<&frmIntervallo>(WindowNames::frmIntervallo),
    };
    return table;
}

namespace
{

// How many windows of the table exist (the first ones, in table order).
qsizetype g_created = 0;

QWidget *createNext()
{
    const WindowEntry &entry = windowTable().at(g_created);
    QWidget *window = entry.create();
    window->hide();
    WindowRegistry::set(QLatin1String(entry.globalName), window);
    ++g_created;
    return window;
}

// After the login window's first paint, the rest of the set is made one
// window per turn of the event loop, so the login window answers at once.
class RestAfterFirstPaint : public QObject
{
public:
    explicit RestAfterFirstPaint(QWidget *login)
        : QObject(login)
    {
        login->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, &RestAfterFirstPaint::step);
        }
        return false;
    }

private:
    void step()
    {
        if (g_created == 0 || g_created >= windowTable().size())
            return;
        createNext();
        QTimer::singleShot(0, this, &RestAfterFirstPaint::step);
    }
};

} // namespace

QList<QWidget *> createWindowSet()
{
    completeWindowSet();
    QList<QWidget *> windows;
    windows.reserve(windowTable().size());
    for (const WindowEntry &entry : windowTable())
        windows.append(WindowRegistry::get(QLatin1String(entry.globalName)));
    return windows;
}

QWidget *startWindowSet()
{
    QWidget *login
        = g_created == 0 ? createNext() : WindowRegistry::get(QLatin1String(windowTable().first().globalName));
    if (g_created < windowTable().size())
        new RestAfterFirstPaint(login);
    return login;
}

void completeWindowSet()
{
    while (g_created < windowTable().size())
        createNext();
}

bool windowSetComplete()
{
    return g_created == windowTable().size();
}

void destroyWindowSet()
{
    const QList<WindowEntry> &table = windowTable();
    for (auto it = table.crbegin(); it != table.crend(); ++it) {
        const QString name = QLatin1String(it->globalName);
        // The registry guards its windows: one already deleted reads null.
        QWidget *window = WindowRegistry::get(name);
        WindowRegistry::set(name, nullptr);
        it->release();
        delete window;
    }
    WindowRegistry::clear();
    g_created = 0;
}

} // namespace StartUp

int kennoraMain(int argc, char *argv[])
{
    KennoraApplication::prepareEnvironment();
    KennoraApplication app(argc, argv);
    // The program ends only through its own commands: closing the start menu,
    // its exit picture, or closing the login window.
    app.setQuitOnLastWindowClosed(false);

    StartUp::startWindowSet()->show();
    const int status = app.exec();
    StartUp::destroyWindowSet();
    return status;
}
