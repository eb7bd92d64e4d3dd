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
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

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
