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
#include "common/ui/Application.h"
#include "common/ui/WindowRegistry.h"
#include "owners/Clienti.h"
#include "owners/ExpClienti.h"
#include "owners/Ricontatta.h"
#include "owners/TrovaClienti.h"

#include <QPointer>
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
        entry<&frmPassword>("frmPassword"), entry<&frmCambiaPassword>("frmCambiaPassword"),
        entry<TfrmCarta>("frmCarta"), entry<TfrmCodFisc>("frmCodFisc"), entry<&frmGuida>("frmGuida"),
        entry<TfrmIban>("frmIban"), entry<&frmInfo>("frmInfo"), entry<TfrmPartitaIva>("frmPartitaIva"),
        entry<&frmSplash>("frmSplash"),
        { "frmAvvio",
            [] {
                frmAvvio = new TfrmAvvio;
                WindowKit::setStartMenu(frmAvvio);
                return static_cast<QWidget *>(frmAvvio);
            },
            [] {
                WindowKit::setStartMenu(nullptr);
                frmAvvio = nullptr;
            } },
        entry<&frmClienti>("frmClienti"), entry<TfrmAllegaCartella>("frmAllegaCartella"),
        entry<TfrmRicontatta>("frmRicontatta"), entry<TfrmTrovaClienti>("frmTrovaClienti"),
        entry<TfrmExpClienti>("frmExpClienti"),
        // Next, in this order: frmCani, frmZoom, frmTrovaCani, frmCostiCane, frmExpCani, ...
    };
    return table;
}

QList<QWidget *> createWindowSet()
{
    QList<QWidget *> windows;
    windows.reserve(windowTable().size());
    for (const WindowEntry &entry : windowTable()) {
        QWidget *window = entry.create();
        window->hide();
        WindowRegistry::set(QLatin1String(entry.globalName), window);
        windows.append(window);
    }
    return windows;
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
}

} // namespace StartUp

int kennoraMain(int argc, char *argv[])
{
    KennoraApplication::prepareEnvironment();
    KennoraApplication app(argc, argv);
    // The program ends only through its own commands: closing the start menu,
    // its exit picture, or closing the login window.
    app.setQuitOnLastWindowClosed(false);

    StartUp::createWindowSet();
    frmPassword->show();
    const int status = app.exec();
    StartUp::destroyWindowSet();
    return status;
}
