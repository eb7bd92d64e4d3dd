#include "app/StartUp.h"

#include "common/ui/Application.h"

int kennoraMain(int argc, char *argv[])
{
    KennoraApplication::prepareEnvironment();
    KennoraApplication app(argc, argv);
    return app.exec();
}
