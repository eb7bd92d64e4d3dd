#include "dogs/core/DogSheetRtf.h"

#include "common/Cp1252.h"
#include "common/ProgramFolder.h"
#include "common/SafeFile.h"

namespace DogSheetRtf
{

const QList<Field> &fields()
{
    static const QList<Field> list = {
        { "txtNome", "Nome cane:" },
        { "txtSesso", "Sesso:" },
        { "txtDataNasc", "Data nascita:" },
        { "txtGruppo", "Gruppo appartenenza:" },
        { "txtRazza", "Razza:" },
        { "txtMantello", "Colore mantello:" },
        { "txtPelo", "Tipologia pelo:" },
        { "txtSegni", "Segni particolari:" },
        { "txtAltezza", "Altezza:" },
        { "txtLunghezza", "Lunghezza:" },
        { "txtTaglia", "Taglia:" },
        { "txtPeso", "Peso:" },
        { "txtSterilizzato", "Sterilizzato:" },
        { "txtLibretto", "Libretto sanitario:" },
        { "txtMedico", "Medico veterinario:" },
        { "txtROI", "Numero ROI:" },
        { "txtMicrochip", "Codice microchip:" },
        { "txtDataApp", "Data applicazione:" },
        { "txtLocalizzazione", "Localizzazione microchip:" },
        { "txtTatuaggio", "Tatuaggio:" },
        { "txtPedigree", "Pedigree:" },
        { "txtAggressivo", "Comportamento verso persone o altri cani:" },
        { "txtGuinzaglio", "Comportamento al guinzaglio:" },
        { "txtGiochi", "Giochi preferiti:" },
        { "txtProprietario", "Proprietario attuale:" },
        { "txtRecapito", "Telefono preferenziale:" },
        { "txtCodFisc", "Codice fiscale:" },
        { "txtComuneRes", "Comune di residenza:" },
        { "txtInizioProp", "Data inizio possesso:" },
        { "txtAllevatore", "Allevatore:" },
        { "txtPassaggi", "Passaggi di possesso:" },
        { "txtPadre", "Padre:" },
        { "txtNonniPat", "Nonni paterni:" },
        { "txtBisnonniPat", "Bisnonni paterni:" },
        { "txtTrisnonniPat", "Trisnonni paterni:" },
        { "txtMadre", "Madre:" },
        { "txtNonniMat", "Nonni materni:" },
        { "txtBisnonniMat", "Bisnonni materni:" },
        { "txtTrisnonniMat", "Trisnonni materni:" },
        { "txtCampionatiIta", "Campionati italiani:" },
        { "txtCampionatiInt", "Campionati internazionali:" },
        { "txtTitoli", "Titoli e brevetti vari:" },
        { "txtAccompagnatori", "Accompagnatori:" },
        { "txtIscrizioni", "Iscrizioni a club:" },
        { "txtVaccinazioni", "Vaccinazioni:" },
        { "txtSverminazioni", "Sverminazioni:" },
        { "txtTrattamenti", "Trattamenti antiparassitari:" },
        { "txtAccertamenti", "Accertamenti diagnostici:" },
        { "txtMalattie", "Malattie pregresse:" },
        { "txtInterventi", "Interventi chirurgici:" },
        { "txtProfilassi", "Profilassi in corso:" },
        { "txtDifetti", "Difetti fisici:" },
        { "txtAlimentazione", "Alimentazione:" },
        { "txtNote", "Note:" },
    };
    return list;
}

QString path()
{
    return programFile(QStringLiteral("Scheda_Cane.rtf"));
}

QString escaped(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('{') || c == QLatin1Char('}'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

QByteArray document(const QStringList &values)
{
    QByteArray out;
    out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040{\\fonttbl{\\f0\\fnil\\fcharset0 Verdana;}"
           "{\\f1\\fnil Verdana;}}";
    out += "{\\colortbl ;\\red0\\green0\\blue0;}";
    out += "\\viewkind4\\uc1\\pard\\qc\\cf1\\b\\f0\\fs24 SCHEDA ANAGRAFICA CANE\\f1\\fs16";
    out += "\\par \\fs24 " + QByteArray(48, '_');
    out += "\\par";
    const QList<Field> &list = fields();
    for (int i = 0; i < list.size(); ++i) {
        out += i == 0 ? "\\par \\pard\\f0\\fs20 " : "\\par \\b ";
        out += list.at(i).label;
        out += "\\b0\\f1  \\f0 ";
        // A control character typed or pasted into a value (a line break,
        // BEL, ESC, VT, ...) is written as a blank: the document stays one
        // well-formed line.
        QString value = escaped(values.value(i));
        for (QChar &c : value) {
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                c = QLatin1Char(' ');
        }
        out += Cp1252::encode(value);
        if (i == list.size() - 1)
            out += "\\b";
        out += "\\par";
    }
    out += "\\par }";
    return out;
}

FileFailure write(const QString &target, const QStringList &values)
{
    return SafeFile::writeWhole(target, document(values));
}

} // namespace DogSheetRtf
