#include "dogs/core/DogRecord.h"

#include "common/ProgramFolder.h"

namespace DogRecord
{

const RecordLayout &layout()
{
    // One table: the order of the fields in the file, of writing and reading,
    // and of the controls within each panel of the editor.
    static const RecordLayout dog
        = RecordLayout::Builder()
              .add({ { "Nome", 50 }, { "Sesso", 1 }, { "DataNasc", 10 }, { "Gruppo", 50 }, { "Razza", 50 },
                  { "Mantello", 50 }, { "Pelo", 50 }, { "Segni", 250 }, { "Altezza", 50 }, { "Lunghezza", 50 },
                  { "Taglia", 50 }, { "Peso", 50 }, { "Sterilizzato", 50 }, { "Libretto", 250 }, { "Medico", 250 },
                  { "ROI", 250 }, { "Microchip", 50 }, { "DataApp", 10 }, { "Localizzazione", 50 },
                  { "Tatuaggio", 250 }, { "Pedigree", 250 }, { "Aggressivo", 250 }, { "Guinzaglio", 250 },
                  { "Giochi", 250 }, { "Note", 250 }, { "Proprietario", 50 }, { "Recapito", 50 }, { "CodFisc", 16 },
                  { "ComuneRes", 50 }, { "InizioProp", 10 }, { "Allevatore", 250 }, { "Passaggi", 250 },
                  { "Padre", 250 }, { "NonniPat", 250 }, { "BisnonniPat", 250 }, { "TrisnonniPat", 250 },
                  { "Madre", 250 }, { "NonniMat", 250 }, { "BisnonniMat", 250 }, { "TrisnonniMat", 250 },
                  { "CampionatiIta", 250 }, { "CampionatiInt", 250 }, { "Titoli", 250 }, { "Accompagnatori", 250 },
                  { "Iscrizioni", 250 }, { "Vaccinazioni", 250 }, { "Sverminazioni", 250 }, { "Trattamenti", 250 },
                  { "Accertamenti", 250 }, { "Malattie", 250 }, { "Interventi", 250 }, { "Profilassi", 250 },
                  { "Difetti", 250 }, { "Alimentazione", 250 } })
              .repeat(3, { { "File", 250 } })
              .repeat(3, { { "Desc", 250 } })
              .build();
    return dog;
}

QString path()
{
    return programFile(fileName());
}

QString albumFolder()
{
    return programFile(QStringLiteral("Album"));
}

QString photoPath(const QString &position)
{
    return albumFolder() + QStringLiteral("/Cane_") + position.trimmed() + QStringLiteral(".jpg");
}

QString linkedFolderPath(const QString &position)
{
    return programFile(QStringLiteral("Cartelle_Abbinate")) + QStringLiteral("/Cane_") + position.trimmed();
}

bool isPosition(const QString &position)
{
    const QString n = position.trimmed();
    if (n.isEmpty() || n.startsWith(QLatin1Char('0')))
        return false;
    for (QChar c : n)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

Section section(int field)
{
    if (field <= Razza)
        return Section::Header;
    if (field <= Note)
        return Section::Psicosomatica;
    if (field <= Iscrizioni)
        return Section::Albero;
    if (field <= Alimentazione)
        return Section::Sanitaria;
    return Section::Hidden;
}

int firstField(Section s)
{
    switch (s) {
    case Section::Header:
        return Nome;
    case Section::Psicosomatica:
        return Mantello;
    case Section::Albero:
        return Proprietario;
    case Section::Sanitaria:
        return Vaccinazioni;
    case Section::Hidden:
        break;
    }
    return -1;
}

int lastField(Section s)
{
    switch (s) {
    case Section::Header:
        return Razza;
    case Section::Psicosomatica:
        return Note;
    case Section::Albero:
        return Iscrizioni;
    case Section::Sanitaria:
        return Alimentazione;
    case Section::Hidden:
        break;
    }
    return -1;
}

} // namespace DogRecord
