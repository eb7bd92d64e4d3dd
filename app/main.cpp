#include "app/shell/StartUp.h"

int main(int argc, char *argv[])
{
    return kennoraMain(argc, argv);
}
