#include "common/ui/Application.h"

#include "common/ui/CommandGuard.h"

#include <QFont>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <fontconfig/fontconfig.h>

#include <exception>
#include <thread>

namespace
{

// The font configuration is read (its files parsed, the font caches mapped)
// on a thread of its own while the application object connects to the
// display; the first window's text then finds it ready.
struct FontWarmUp {
    std::thread thread;
    // A program that ends at once still waits for the reading to finish.
    ~FontWarmUp()
    {
        if (thread.joinable())
            thread.join();
    }
};

std::thread &fontWarmUp()
{
    static FontWarmUp warmUp;
    return warmUp.thread;
}

} // namespace

void KennoraApplication::prepareEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    if (!fontWarmUp().joinable())
        fontWarmUp() = std::thread([] { FcInit(); });
}

KennoraApplication::KennoraApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Kennora"));
    setOrganizationName(QStringLiteral("Kennora"));
    installFontSubstitutions();
    installItalianTranslation();
}

KennoraApplication::~KennoraApplication()
{
    if (fontWarmUp().joinable())
        fontWarmUp().join();
}

void KennoraApplication::installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial Narrow"), QStringLiteral("Nimbus Sans Narrow"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

namespace
{

// The Italian texts that Qt's own catalogue lacks (the print dialog's options
// page, the printer properties, the file chooser's kinds). Asked before Qt's
// catalogue; a text not listed here is left to it.
class MissingItalianTexts : public QTranslator
{
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText, const char *disambiguation, int) const override
    {
        struct Text {
            const char *context;
            const char *source;
            const char *italian;
        };
        static const Text texts[] = {
            { "QPrintSettingsOutput", "Pages", "Pagine" },
            { "QPrintSettingsOutput",
                "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a "
                "hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
                "Indicare pagine o intervalli separati da virgole. Un intervallo si indica con due numeri separati "
                "da un trattino. Ad esempio: 3,5-7,9 stampa le pagine 3, 5, 6, 7 e 9." },
            { "QPrintSettingsOutput", "Double Sided Printing", "Stampa fronte/retro" },
            { "QPrintSettingsOutput", "Off", "Disattivata" },
            { "QPrintSettingsOutput", "Long side binding", "Rilegatura sul lato lungo" },
            { "QPrintSettingsOutput", "Short side binding", "Rilegatura sul lato corto" },
            { "QPrintPropertiesWidget", "Advanced", "Avanzate" },
            { "QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.",
                "Alcune opzioni sono in conflitto: correggerle." },
            { "QAbstractFileIconProvider", "Drive", "Unit\u00E0" },
            { "QAbstractFileIconProvider", "Folder", "Cartella" },
        };
        Q_UNUSED(disambiguation);
        if (!context || !sourceText)
            return QString();
        for (const Text &text : texts) {
            if (qstrcmp(text.context, context) == 0 && qstrcmp(text.source, sourceText) == 0)
                return QString::fromUtf8(text.italian);
        }
        return QString();
    }

    bool isEmpty() const override { return false; }
};

} // namespace

bool KennoraApplication::installItalianTranslation()
{
    static QPointer<QTranslator> installed;
    if (installed)
        return true;
    if (!QCoreApplication::instance())
        return false;
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    // Installed after Qt's catalogue, so asked first.
    QCoreApplication::installTranslator(new MissingItalianTexts(translator));
    installed = translator;
    return true;
}

bool KennoraApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        // Only now is anything allocated: the failure is shown by the command guard.
        const std::exception_ptr failure = std::current_exception();
        RunGuarded([failure] { std::rethrow_exception(failure); });
    }
    return false;
}
