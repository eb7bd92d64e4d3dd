#include "app/core/Checks.h"

#include "common/TextRoutines.h"

#include <array>

namespace
{

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isUpperLetter(QChar c)
{
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
}

// Fiscal code: the value of a character in an odd position (1st, 3rd, ...),
// for the digits 0-9 and then the letters A-Z.
constexpr std::array<int, 10> kOddDigit = { 1, 0, 5, 7, 9, 13, 15, 17, 19, 21 };
constexpr std::array<int, 26> kOddLetter
    = { 1, 0, 5, 7, 9, 13, 15, 17, 19, 21, 2, 4, 18, 20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23 };

// The tax offices by office code (a VAT number's characters 8 to 10). Codes
// 120 and 121 name the same offices as 101 and 102.
struct Office {
    int code;
    const char16_t *name;
};
constexpr Office kOffices[] = {
    { 1, u"Torino" },
    { 2, u"Vercelli" },
    { 3, u"Novara" },
    { 4, u"Cuneo" },
    { 5, u"Asti" },
    { 6, u"Alessandria" },
    { 7, u"Aosta" },
    { 8, u"Imperia" },
    { 9, u"Savona" },
    { 10, u"Genova 1" },
    { 11, u"La Spezia" },
    { 12, u"Varese" },
    { 13, u"Como" },
    { 14, u"Sondrio" },
    { 15, u"Milano 1" },
    { 16, u"Bergamo" },
    { 17, u"Brescia 1" },
    { 18, u"Pavia" },
    { 19, u"Cremona" },
    { 20, u"Mantova" },
    { 21, u"Bolzano" },
    { 22, u"Trento" },
    { 23, u"Verona" },
    { 24, u"Vicenza" },
    { 25, u"Belluno" },
    { 26, u"Treviso" },
    { 27, u"Venezia" },
    { 28, u"Padova" },
    { 29, u"Rovigo" },
    { 30, u"Udine" },
    { 31, u"Gorizia" },
    { 32, u"Trieste" },
    { 33, u"Piacenza" },
    { 34, u"Parma" },
    { 35, u"Reggio Emilia" },
    { 36, u"Modena" },
    { 37, u"Bologna 1" },
    { 38, u"Ferrara" },
    { 39, u"Ravenna" },
    { 40, u"Forl\u00EC" },
    { 41, u"Pesaro" },
    { 42, u"Ancona" },
    { 43, u"Macerata" },
    { 44, u"Ascoli Piceno" },
    { 45, u"Massa Carrara" },
    { 46, u"Lucca" },
    { 47, u"Pistoia" },
    { 48, u"Firenze 1" },
    { 49, u"Livorno" },
    { 50, u"Pisa" },
    { 51, u"Arezzo" },
    { 52, u"Siena" },
    { 53, u"Grosseto" },
    { 54, u"Perugia" },
    { 55, u"Terni" },
    { 56, u"Viterbo" },
    { 57, u"Rieti" },
    { 58, u"Roma 1" },
    { 59, u"Latina" },
    { 60, u"Frosinone" },
    { 61, u"Caserta" },
    { 62, u"Benevento" },
    { 63, u"Napoli 1" },
    { 64, u"Avellino" },
    { 65, u"Salerno" },
    { 66, u"Aquila" },
    { 67, u"Teramo" },
    { 68, u"Pescara" },
    { 69, u"Chieti" },
    { 70, u"Campobasso" },
    { 71, u"Foggia" },
    { 72, u"Bari" },
    { 73, u"Taranto" },
    { 74, u"Brindisi" },
    { 75, u"Lecce" },
    { 76, u"Potenza" },
    { 77, u"Matera" },
    { 78, u"Cosenza" },
    { 79, u"Catanzaro" },
    { 80, u"Reggio Calabria" },
    { 81, u"Trapani" },
    { 82, u"Palermo" },
    { 83, u"Messina" },
    { 84, u"Agrigento" },
    { 85, u"Caltanissetta" },
    { 86, u"Enna" },
    { 87, u"Catania" },
    { 88, u"Ragusa" },
    { 89, u"Siracusa" },
    { 90, u"Sassari" },
    { 91, u"Nuoro" },
    { 92, u"Cagliari" },
    { 93, u"Pordenone" },
    { 94, u"Isernia" },
    { 95, u"Oristano" },
    { 96, u"Monza (Milano 2)" },
    { 97, u"Prato (Firenze 2)" },
    { 98, u"Brescia 2" },
    { 99, u"Chiavari (Genova 2)" },
    { 100, u"Roma 2" },
    { 101, u"Bologna 2" },
    { 102, u"Napoli 2" },
    { 120, u"Bologna 2" },
    { 121, u"Napoli 2" },
};
static_assert(std::size(kOffices) == 104);

// A piece of the IBAN reduction: only the digits 0-9, at most nine of them.
bool pieceValue(QStringView piece, int &value)
{
    if (piece.isEmpty())
        return false;
    value = 0;
    for (QChar c : piece) {
        if (!isDigit(c))
            return false;
        value = value * 10 + (c.unicode() - u'0');
    }
    return true;
}

} // namespace

bool CheckCodFisc(QStringView code)
{
    if (code.size() != 16)
        return false;
    const QString t = AsciiUpper(code);
    for (QChar c : t) {
        if (!isDigit(c) && !isUpperLetter(c))
            return false;
    }
    int sum = 0;
    for (int i = 0; i < 15; ++i) {
        const QChar c = t[i];
        const bool odd = (i % 2) == 0; // positions count from 1
        if (isDigit(c)) {
            const int d = c.unicode() - u'0';
            sum += odd ? kOddDigit[d] : d;
        } else {
            const int l = c.unicode() - u'A';
            sum += odd ? kOddLetter[l] : l;
        }
    }
    return t[15] == QChar(u'A' + sum % 26);
}

bool CheckPartitaIva(QStringView number)
{
    if (number.size() != 11)
        return false;
    for (QChar c : number) {
        if (!isDigit(c))
            return false;
    }
    int sum = 0;
    for (int i = 0; i < 10; ++i) {
        int d = number[i].unicode() - u'0';
        if (i % 2 == 1) { // even positions 2nd, 4th, ...
            d *= 2;
            if (d > 9)
                d -= 9;
        }
        sum += d;
    }
    const int check = (10 - sum % 10) % 10;
    return number[10].unicode() - u'0' == check;
}

int CheckCarta(QStringView number)
{
    // The first 20 characters of the number in the 8-bit code page: a
    // character (a surrogate pair included) is one byte there, and only the
    // ASCII digits are digits in it.
    QString digits;
    int characters = 0;
    for (qsizetype i = 0; i < number.size() && characters < 20; ++i, ++characters) {
        const QChar c = number[i];
        if (c.isHighSurrogate() && i + 1 < number.size() && number[i + 1].isLowSurrogate())
            ++i;
        else if (isDigit(c))
            digits.append(c);
    }
    if (digits.isEmpty())
        return 0;
    int sum = 0;
    bool doubled = true; // the digit left of the check digit is doubled
    for (qsizetype i = digits.size() - 2; i >= 0; --i, doubled = !doubled) {
        int d = digits[i].unicode() - u'0';
        if (doubled) {
            d *= 2;
            if (d > 9)
                d -= 9;
        }
        sum += d;
    }
    const int check = (10 - sum % 10) % 10;
    if (digits.back().unicode() - u'0' != check)
        return 0;
    return (digits.front().unicode() - u'0') - 2;
}

QString IbanLettersToDigits(QStringView text)
{
    QString out;
    out.reserve(text.size() * 2);
    for (QChar c : text) {
        if (isUpperLetter(c))
            out += QString::number(c.unicode() - u'A' + 10);
        else
            out += c;
    }
    return out;
}

int IbanMod97(QStringView text)
{
    QString s = AsciiUpper(text);
    const qsizetype at = s.indexOf(QLatin1String("IBAN"));
    if (at >= 0)
        s.remove(at, 4);
    s = s.mid(4) + s.left(4);
    const QString digits = IbanLettersToDigits(s);

    int value = 0;
    qsizetype used = qMin<qsizetype>(9, digits.size());
    if (!pieceValue(QStringView(digits).left(used), value))
        return 0;
    int remainder = value % 97;
    while (used < digits.size()) {
        const QString head = QString::number(remainder);
        const qsizetype take = qMin<qsizetype>(9 - head.size(), digits.size() - used);
        if (!pieceValue(QString(head + digits.mid(used, take)), value))
            return 0;
        remainder = value % 97;
        used += take;
    }
    return remainder;
}

bool CheckIban(QStringView iban)
{
    QString compact = iban.toString();
    compact.remove(QLatin1Char(' '));
    return IbanMod97(compact) == 1;
}

QString VatOfficeName(QStringView officeCode)
{
    int code = 0;
    if (officeCode.size() != 3 || !pieceValue(officeCode, code))
        return QString();
    for (const Office &office : kOffices) {
        if (office.code == code)
            return QString::fromUtf16(office.name);
    }
    return QString();
}

QString CardFamily(int checkResult, QStringView trimmedNumber)
{
    switch (checkResult) {
    case 1: {
        const QStringView two = trimmedNumber.left(2);
        if (two == u"30" || two == u"36" || two == u"38")
            return QStringLiteral("Diner's Club / Carte Blanche");
        if (two == u"34" || two == u"37")
            return QStringLiteral("American Express");
        if (two == u"31" || two == u"33" || two == u"35")
            return QStringLiteral("JCB");
        return QString();
    }
    case 2:
        return QStringLiteral("Visa");
    case 3:
        return QStringLiteral("MasterCard");
    case 4:
        return QStringLiteral("Discover");
    default:
        return QString();
    }
}

CheckerVerdict CodFiscVerdict(const QString &editText)
{
    const QString t = AsciiUpper(editText);
    if (t.size() != 16)
        return { CheckerVerdict::Kind::Retry,
            QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri "
                           "alfanumerici.") };
    if (CheckCodFisc(t))
        return { CheckerVerdict::Kind::Valid, QStringLiteral("Il codice fiscale digitato \u00E8 VALIDO.") };
    return { CheckerVerdict::Kind::Wrong, QStringLiteral("Attenzione: il codice fiscale digitato \u00E8 ERRATO.") };
}

CheckerVerdict PartitaIvaVerdict(const QString &editText)
{
    const QString t = AsciiUpper(editText);
    if (t.size() != 11)
        return { CheckerVerdict::Kind::Retry,
            QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.") };
    if (!CheckPartitaIva(t))
        return { CheckerVerdict::Kind::Wrong,
            QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                           "Non \u00E8 quindi possibile fornire informazioni relative all'Ufficio "
                           "IVA che lo ha rilasciato.") };
    const QString office = VatOfficeName(QStringView(editText).mid(7, 3));
    return { CheckerVerdict::Kind::Valid,
        QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                       "E' stato rilasciato dall'Ufficio IVA del Comune di ")
            + office + QLatin1Char('.') };
}

CheckerVerdict CartaVerdict(const QString &editText)
{
    const QString trimmed = TrimText(editText);
    if (trimmed.isEmpty())
        return { CheckerVerdict::Kind::Retry,
            QStringLiteral("Attenzione: immettere il numero di carta di credito prima di premere "
                           "il pulsante di controllo.") };
    // A number that passes the check but whose family the program does not
    // know gets the same answer as a wrong number, never no answer at all.
    const QString family = CardFamily(CheckCarta(editText), trimmed);
    if (family.isEmpty())
        return { CheckerVerdict::Kind::Wrong,
            QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
                           "Non \u00E8 quindi possibile fornire informazioni relative al tipo di "
                           "carta di credito.") };
    return { CheckerVerdict::Kind::Valid,
        QStringLiteral("Il numero di carta di credito ") + trimmed + QStringLiteral(" risulta valido.")
            + QStringLiteral("\r\n\r\n") + QStringLiteral("La carta di credito \u00E8 del tipo ") + family
            + QLatin1Char('.') };
}

CheckerVerdict IbanVerdict(const QString &editText)
{
    const QString t = TrimText(editText);
    if (t.size() != 27)
        return { CheckerVerdict::Kind::Retry,
            QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.") };
    if (CheckIban(t))
        return { CheckerVerdict::Kind::Valid, QStringLiteral("L'IBAN digitato \u00E8 VALIDO.") };
    return { CheckerVerdict::Kind::Wrong, QStringLiteral("Attenzione: l'IBAN digitato \u00E8 ERRATO!") };
}

CheckerChoice ChooseChecker(QStringView trimmedText)
{
    return !trimmedText.isEmpty() && IsNumeric(trimmedText) ? CheckerChoice::PartitaIva : CheckerChoice::CodFisc;
}
