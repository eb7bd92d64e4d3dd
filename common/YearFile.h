#pragma once

#include <QString>
#include <QStringView>

// The yearly archives (quotes, deadlines) are named by their year: four
// ASCII digits, then the archive's extension, in the program folder.
namespace YearFile
{
// Exactly four characters "0" to "9": anything else names no file (a year such
// as "ab12" or "../x" must never become a path).
bool isYear(QStringView text);
// The year's file in the program folder: "2024" + ".pre" -> <folder>/2024.pre.
// The year must pass isYear.
QString path(QStringView year, QStringView extension);
} // namespace YearFile
