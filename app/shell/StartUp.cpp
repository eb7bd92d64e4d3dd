#include "app/shell/StartUp.h"

#include "app/dialogs/AllegaCartella.h"
#include "app/shell/Avvio.h"
#include "app/shell/CambiaPassword.h"
#include "app/dialogs/Guida.h"
#include "app/shell/Info.h"
#include "app/shell/Password.h"
#include "app/shell/Splash.h"
#include "app/checkers/Carta.h"
#include "app/checkers/CodFisc.h"
#include "app/checkers/Iban.h"
#include "app/checkers/PartitaIVA.h"
#include "common/ui/WindowRegistry.h"
#include "common/ui/Application.h"
#include "owners/Clienti.h"
#include "owners/ExpClienti.h"
#include "owners/Ricontatta.h"
#include "owners/TrovaClienti.h"

#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <QWidget>

namespace StartUp
{

namespace
{

QList<QPointer<QWidget>> &created()
{
    static QList<QPointer<QWidget>> windows;
    return windows;
}

// Sets a global instance and returns the window.
template <class Window> QWidget *make(Window *&global)
{
    global = new Window;
    return global;
}

// A window whose unit keeps no global pointer (reached through WindowRegistry).
template <class Window> QWidget *make()
{
    return new Window;
}

} // namespace

// The window set, one line per window, in creation order. A window whose unit
// declares no global pointer is reached through WindowRegistry only.
const QList<WindowEntry> &windowTable()
{
    static const QList<WindowEntry> table = {
        { "frmPassword", [] { return make(frmPassword); } },
        { "frmCambiaPassword", [] { return make(frmCambiaPassword); } },
        { "frmCarta", [] { return make<TfrmCarta>(); } }, { "frmCodFisc", [] { return make<TfrmCodFisc>(); } },
        { "frmGuida", [] { return make(frmGuida); } }, { "frmIban", [] { return make<TfrmIban>(); } },
        { "frmInfo", [] { return make(frmInfo); } }, { "frmPartitaIva", [] { return make<TfrmPartitaIva>(); } },
        { "frmSplash", [] { return make(frmSplash); } },
        { "frmAvvio",
            [] {
                QWidget *menu = make(frmAvvio);
                WindowKit::setStartMenu(menu);
                return menu;
            } },
        { "frmClienti", [] { return make(frmClienti); } },
        { "frmAllegaCartella", [] { return make<TfrmAllegaCartella>(); } },
        { "frmRicontatta", [] { return make<TfrmRicontatta>(); } },
        { "frmTrovaClienti", [] { return make<TfrmTrovaClienti>(); } },
        { "frmExpClienti", [] { return make<TfrmExpClienti>(); } },
        // Next, in this order: frmCani, frmZoom, frmTrovaCani, frmCostiCane, frmExpCani, ...
    };
    return table;
}

QList<QWidget *> createWindowSet()
{
    QList<QWidget *> windows;
    for (const WindowEntry &entry : windowTable()) {
        QWidget *window = entry.create();
        window->hide();
        WindowRegistry::set(QLatin1String(entry.globalName), window);
        created().append(window);
        windows.append(window);
    }
    return windows;
}

void destroyWindowSet()
{
    auto &windows = created();
    while (!windows.isEmpty()) {
        QPointer<QWidget> window = windows.takeLast();
        delete window.data();
    }
    WindowRegistry::clear();
    WindowKit::setStartMenu(nullptr);
    frmPassword = nullptr;
    frmCambiaPassword = nullptr;
    frmGuida = nullptr;
    frmInfo = nullptr;
    frmSplash = nullptr;
    frmAvvio = nullptr;
    frmClienti = nullptr;
}

} // namespace StartUp

int kennoraMain(int argc, char *argv[])
{
    KennoraApplication::prepareEnvironment();
    KennoraApplication app(argc, argv);
    // The program ends only through its own commands: closing the start menu,
    // its exit picture, or closing the login window.
    app.setQuitOnLastWindowClosed(false);

    QTranslator translator;
    if (translator.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);

    StartUp::createWindowSet();
    frmPassword->show();
    const int status = app.exec();
    StartUp::destroyWindowSet();
    return status;
}
