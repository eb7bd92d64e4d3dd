#include "quotes/core/IssuerSettings.h"

#include "app/core/Ini.h"
#include "common/ProgramFolder.h"
#include "common/TextRoutines.h"

namespace IssuerSettings
{

QString path()
{
    return programFile(QStringLiteral("Numerazione.ini"));
}

const QStringList &keys()
{
    static const QStringList k
        = { QStringLiteral("Nome"), QStringLiteral("Indirizzo"), QStringLiteral("CAP"), QStringLiteral("Comune"),
              QStringLiteral("Provincia"), QStringLiteral("Partita IVA"), QStringLiteral("Codice Fiscale"),
              QStringLiteral("Campo Libero 1"), QStringLiteral("Campo Libero 2"), QStringLiteral("Pagamento"),
              QStringLiteral("Banca Appoggio"), QStringLiteral("Iban"), QStringLiteral("Aliquota Iva") };
    return k;
}

const QStringList &controls()
{
    static const QStringList c = { QStringLiteral("txtDitta"), QStringLiteral("txtViaDitta"),
        QStringLiteral("txtCapDitta"), QStringLiteral("txtCittaDitta"), QStringLiteral("txtProvDitta"),
        QStringLiteral("txtIvaDitta"), QStringLiteral("txtCodFiscDitta"), QStringLiteral("txtLibero01"),
        QStringLiteral("txtLibero02"), QStringLiteral("txtPagamento"), QStringLiteral("txtBanca"),
        QStringLiteral("txtIban"), QStringLiteral("txtPercIva") };
    return c;
}

QStringList read()
{
    const IniFile ini(path());
    const QString section = QLatin1String(Section);
    QStringList values;
    for (const QString &key : keys())
        values.append(ini.readString(section, key));
    return values;
}

void write(const QStringList &values)
{
    const IniFile ini(path());
    const QString section = QLatin1String(Section);
    const QStringList &k = keys();
    for (qsizetype i = 0; i < k.size(); ++i)
        ini.writeString(section, k.at(i), TrimText(values.value(i)));
}

} // namespace IssuerSettings
