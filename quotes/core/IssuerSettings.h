#pragma once

#include <QString>
#include <QStringList>

// The issuing company's data that the quote editor keeps in Numerazione.ini,
// section [Ditta Emittente]: read when the editor is shown, written when it
// closes. The file's other sections ([Numerazione Preventivi] with the
// numbering start) are kept as they are.
namespace IssuerSettings
{

// The file: Numerazione.ini in the program folder.
QString path();

inline constexpr char Section[] = "Ditta Emittente";

// The thirteen keys, in the order they are read and written.
const QStringList &keys();
// The editor's control of each key, in the same order ("txtDitta", ...).
const QStringList &controls();

// The values of the thirteen keys (an absent file, section or key reads as
// empty). Throws IniError when the file exists but cannot be read.
QStringList read();
// Writes the thirteen values, each trimmed of the characters up to blank.
// Throws IniError when a write fails; every key written before it stays.
void write(const QStringList &values);

} // namespace IssuerSettings

namespace IssuerSettings
{
// The warnings of the editor when the file cannot be read on showing or
// written on closing.
inline constexpr char ReadFailure[]
    = "Attenzione: non \u00E8 stato possibile leggere i dati della Ditta emittente dal file Numerazione.ini."
      "\n\r\n\rAccertarsi che il file non sia danneggiato e di possedere i privilegi di lettura nella cartella di "
      "installazione del programma.";
inline constexpr char WriteFailure[]
    = "Attenzione: non \u00E8 stato possibile salvare i dati della Ditta emittente nel file Numerazione.ini."
      "\n\r\n\rAccertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.";
} // namespace IssuerSettings
