#pragma once

#include <QFunctionPointer>

// The program's modules: shared libraries beside the executable that carry
// what only a few commands need (the alert player with Qt Multimedia, the
// PDF finishing with libqpdf), so that start-up never maps those libraries.
// A module is loaded the first time one of its functions is asked for and
// stays loaded.
namespace Modules
{

// The function `symbol` of the module `name` (kennora_sound, kennora_pdf),
// looked for in the executable's folder, then in the folder the build puts
// the modules in; null when the module or the function is missing.
QFunctionPointer resolve(const char *name, const char *symbol);

} // namespace Modules
