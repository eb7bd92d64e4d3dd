#pragma once

#include "common/RecordLayout.h"

#include <QString>

// The dog record of Anagrafica_Cani.pro: 60 text fields and nothing else,
// 10857 bytes. The first 54 are the editor's edits (the header, then the tab
// panels "Dati psicosomatici", "Albero genealogico" and "Situazione
// sanitaria", each in its tab order); the last six are the attachment slots.
// The field names are those of the editor's controls without their prefix
// (txtNome -> "Nome", lblFile01 -> "File01").
namespace DogRecord
{

enum Field : int {
    // header
    Nome,
    Sesso,
    DataNasc,
    Gruppo,
    Razza,
    // Dati psicosomatici
    Mantello,
    Pelo,
    Segni,
    Altezza,
    Lunghezza,
    Taglia,
    Peso,
    Sterilizzato,
    Libretto,
    Medico,
    ROI,
    Microchip,
    DataApp,
    Localizzazione,
    Tatuaggio,
    Pedigree,
    Aggressivo,
    Guinzaglio,
    Giochi,
    Note,
    // Albero genealogico
    Proprietario,
    Recapito,
    CodFisc,
    ComuneRes,
    InizioProp,
    Allevatore,
    Passaggi,
    Padre,
    NonniPat,
    BisnonniPat,
    TrisnonniPat,
    Madre,
    NonniMat,
    BisnonniMat,
    TrisnonniMat,
    CampionatiIta,
    CampionatiInt,
    Titoli,
    Accompagnatori,
    Iscrizioni,
    // Situazione sanitaria
    Vaccinazioni,
    Sverminazioni,
    Trattamenti,
    Accertamenti,
    Malattie,
    Interventi,
    Profilassi,
    Difetti,
    Alimentazione,
    // attachment slots
    File01,
    File02,
    File03,
    Desc01,
    Desc02,
    Desc03,
    FieldCount
};

// Where a field is shown in the editor.
enum class Section { Header, Psicosomatica, Albero, Sanitaria, Hidden };

const RecordLayout &layout();
inline int size()
{
    return layout().size();
}
// The archive's file name in the program folder.
inline QString fileName()
{
    return QStringLiteral("Anagrafica_Cani.pro");
}
QString path();
Section section(int field);

// The dog's files, named after its record position n (the trimmed text of the
// editor's position label, "12"): the photo Album/Cane_<n>.jpg and the linked
// folder Cartelle_Abbinate/Cane_<n>, both in the program folder.
QString albumFolder();
QString photoPath(const QString &position);
QString linkedFolderPath(const QString &position);
// True for a position that names a stored record: decimal digits, from 1 up.
bool isPosition(const QString &position);
// The first field of a tab panel (none for the header and the hidden slots).
int firstField(Section section);
// The last field of a tab panel or of the header.
int lastField(Section section);

} // namespace DogRecord
