#pragma once

#include <QString>

// The folder that holds the program and every file it keeps, with a trailing '/'.
// Tests point it at a temporary folder with setProgramFolder().
QString programFolder();
void setProgramFolder(const QString &folder);

// programFolder() followed by a relative name.
QString programFile(const QString &name);
