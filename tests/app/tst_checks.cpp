// The identifier checks and the verdicts of the checker dialogs, tested on
// published examples and on hand-made edge cases.
#include "app/core/Checks.h"

#include <QTest>

using Kind = CheckerVerdict::Kind;

Q_DECLARE_METATYPE(CheckerVerdict::Kind)
Q_DECLARE_METATYPE(CheckerChoice)

class TestChecks : public QObject
{
    Q_OBJECT

private slots:
    void codFisc_data();
    void codFisc();
    void partitaIva_data();
    void partitaIva();
    void vatOffice_data();
    void vatOffice();
    void carta_data();
    void carta();
    void iban_data();
    void iban();
    void ibanPieces();
    void verdicts_data();
    void verdicts();
    void chooseChecker_data();
    void chooseChecker();
};

void TestChecks::codFisc_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("valid");

    QTest::newRow("published example") << "RSSMRA85T10A562S" << true;
    QTest::newRow("published example 2") << "MRTMTT25D09F205Z" << true;
    QTest::newRow("omocode letter for a digit") << "RSSMRA85T1LA562V" << true;
    QTest::newRow("lower case") << "rssmra85t10a562s" << true;
    QTest::newRow("check letter changed") << "RSSMRA85T10A562T" << false;
    QTest::newRow("odd position changed") << "RSSMRA86T10A562S" << false;
    QTest::newRow("even position changed") << "RSSMRA85T10A563S" << false;
    QTest::newRow("digit as check character") << "RSSMRA85T10A5621" << false;
    QTest::newRow("15 characters") << "RSSMRA85T10A562" << false;
    QTest::newRow("17 characters") << "RSSMRA85T10A562SX" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blank inside") << "RSSMRA85 10A562S" << false;
    QTest::newRow("trailing blank") << "RSSMRA85T10A562 " << false;
    QTest::newRow("hyphen") << "RSSMRA85-10A562S" << false;
    // ':' lies between '9' and 'A': counted as 0 the code below would pass.
    QTest::newRow("character between 9 and A") << "RSSMRA85:10A562E" << false;
    QTest::newRow("character after Z") << "RSSMRA85[10A562S" << false;
    QTest::newRow("accented letter") << QStringLiteral("RSSMR\u00C085T10A562S") << false;
    QTest::newRow("fullwidth digit") << QStringLiteral("RSSMRA\uFF185T10A562S") << false;
}

void TestChecks::codFisc()
{
    QFETCH(QString, code);
    QFETCH(bool, valid);
    QCOMPARE(CheckCodFisc(code), valid);
}

void TestChecks::partitaIva_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("valid");

    QTest::newRow("published example") << "06363391001" << true;
    QTest::newRow("office 120") << "00000001206" << true;
    QTest::newRow("office 015") << "12345670157" << true;
    QTest::newRow("office without a row") << "00000001107" << true;
    QTest::newRow("check digit changed") << "06363391002" << false;
    QTest::newRow("one digit changed") << "06363381001" << false;
    QTest::newRow("two digits swapped") << "06363319001" << false;
    QTest::newRow("wrong check digit") << "01234567890" << false;
    QTest::newRow("10 digits") << "0636339100" << false;
    QTest::newRow("12 digits") << "063633910010" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blank") << "0636339 001" << false;
    QTest::newRow("letter") << "0636339100A" << false;
    QTest::newRow("fullwidth digit") << QStringLiteral("0636339100\uFF11") << false;
}

void TestChecks::partitaIva()
{
    QFETCH(QString, number);
    QFETCH(bool, valid);
    QCOMPARE(CheckPartitaIva(number), valid);
}

void TestChecks::vatOffice_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("office");

    QTest::newRow("first") << "001"
                           << "Torino";
    QTest::newRow("Milano 1") << "015"
                              << "Milano 1";
    QTest::newRow("accent") << "040" << QStringLiteral("Forl\u00EC");
    QTest::newRow("brackets") << "096"
                              << "Monza (Milano 2)";
    QTest::newRow("last numbered") << "102"
                                   << "Napoli 2";
    QTest::newRow("120") << "120"
                         << "Bologna 2";
    QTest::newRow("121") << "121"
                         << "Napoli 2";
    QTest::newRow("000") << "000"
                         << "";
    QTest::newRow("103") << "103"
                         << "";
    QTest::newRow("110") << "110"
                         << "";
    QTest::newRow("122") << "122"
                         << "";
    QTest::newRow("999") << "999"
                         << "";
    QTest::newRow("short") << "15"
                           << "";
    QTest::newRow("not digits") << "0A1"
                                << "";
}

void TestChecks::vatOffice()
{
    QFETCH(QString, code);
    QFETCH(QString, office);
    QCOMPARE(VatOfficeName(code), office);
}

void TestChecks::carta_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("result");

    QTest::newRow("Visa") << "4111111111111111" << 2;
    QTest::newRow("Visa 2") << "4012888888881881" << 2;
    QTest::newRow("American Express") << "378282246310005" << 1;
    QTest::newRow("MasterCard") << "5555555555554444" << 3;
    QTest::newRow("Discover") << "6011111111111117" << 4;
    QTest::newRow("Diners") << "30569309025904" << 1;
    QTest::newRow("JCB") << "3530111333300000" << 1;
    QTest::newRow("one digit changed") << "4111111111111121" << 0;
    QTest::newRow("check digit changed") << "4111111111111112" << 0;
    QTest::newRow("begins 2") << "2221000000000009" << 0;
    QTest::newRow("begins 0") << "0" << -2;
    QTest::newRow("begins 1") << "18" << -1;
    QTest::newRow("begins 7") << "79927398713" << 5;
    QTest::newRow("begins 8") << "80000000002" << 6;
    QTest::newRow("begins 9") << "90000000001" << 7;
    QTest::newRow("one digit not 0") << "5" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("no digits") << "ABC" << 0;
    QTest::newRow("blanks between groups") << "4111 1111 1111 1111" << 2;
    QTest::newRow("dashes between groups") << "4111-1111-1111-1111" << 2;
    QTest::newRow("leading blanks count") << "  4111111111111111" << 2;
    // Only the digits among the first 20 characters count.
    QTest::newRow("23 characters, first 16 digits valid") << "4111 1111 1111 1111 111" << 2;
    QTest::newRow("23 characters, first 16 digits wrong") << "4111 1111 1111 1112 001" << 0;
    QTest::newRow("leading blanks push digits out") << QString(18, QLatin1Char(' ')) + "4111111111111111" << 0;
    // A character outside the BMP is one character, not two.
    QTest::newRow("surrogate pairs") << QStringLiteral("\U0001F600\U0001F600\U0001F600\U0001F6004111111111111111") << 2;
    QTest::newRow("lone surrogate") << QStringLiteral("4111111111111111") + QChar(0xD800) << 2;
}

void TestChecks::carta()
{
    QFETCH(QString, number);
    QFETCH(int, result);
    QCOMPARE(CheckCarta(number), result);
}

void TestChecks::iban_data()
{
    QTest::addColumn<QString>("iban");
    QTest::addColumn<bool>("valid");

    QTest::newRow("Italian example") << "IT60X0542811101000000123456" << true;
    QTest::newRow("German example") << "DE89370400440532013000" << true;
    QTest::newRow("British example") << "GB82WEST12345698765432" << true;
    QTest::newRow("lower case") << "it60x0542811101000000123456" << true;
    QTest::newRow("blanks between groups") << "IT60 X054 2811 1010 0000 0123 456" << true;
    QTest::newRow("IBAN prefix") << "IBAN DE89370400440532013000" << true;
    QTest::newRow("check pair changed") << "IT61X0542811101000000123456" << false;
    QTest::newRow("account digit changed") << "IT60X0542811101000000123457" << false;
    QTest::newRow("bank letter changed") << "GB82WESU12345698765432" << false;
    QTest::newRow("incomplete") << "IT60X05428111010000001" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("punctuation") << "IT60X0542811101000000-123456" << false;
    QTest::newRow("accented letter") << QStringLiteral("IT60X054281110100000012345\u00C0") << false;
}

void TestChecks::iban()
{
    QFETCH(QString, iban);
    QFETCH(bool, valid);
    QCOMPARE(CheckIban(iban), valid);
}

void TestChecks::ibanPieces()
{
    QCOMPARE(IbanLettersToDigits(u"AZ09-b"), QStringLiteral("103509-b"));
    QCOMPARE(IbanMod97(u"IT60X0542811101000000123456"), 1);
    QCOMPARE(IbanMod97(u"IT61X0542811101000000123456"), 2);
    QCOMPARE(IbanMod97(u"GB82WEST12345698765433"), 28);
    // A piece that is not a plain decimal number gives 0, even a signed one.
    QCOMPARE(IbanMod97(u"IT60+0542811101000000123456"), 0);
    QCOMPARE(IbanMod97(u""), 0);
    // The first "IBAN" goes, and only the first.
    QCOMPARE(IbanMod97(u"IBANDE89370400440532013000"), 1);
    QCOMPARE(IbanMod97(u"DE89IBAN370400440532013000"), 1);
    QVERIFY(IbanMod97(u"IBANIBANDE89370400440532013000") != 1);
}

void TestChecks::verdicts_data()
{
    QTest::addColumn<int>("checker");
    QTest::addColumn<QString>("input");
    QTest::addColumn<CheckerVerdict::Kind>("kind");
    QTest::addColumn<QString>("text");

    enum { CodFisc, PartitaIva, Carta, Iban };
    const QString cfLength
        = QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
    const QString cfValid = QStringLiteral("Il codice fiscale digitato \u00E8 VALIDO.");
    const QString cfWrong = QStringLiteral("Attenzione: il codice fiscale digitato \u00E8 ERRATO.");
    QTest::newRow("cf valid") << int(CodFisc) << "RSSMRA85T10A562S" << Kind::Valid << cfValid;
    QTest::newRow("cf lower case") << int(CodFisc) << "mrtmtt25d09f205z" << Kind::Valid << cfValid;
    QTest::newRow("cf wrong letter") << int(CodFisc) << "RSSMRA85T10A562T" << Kind::Wrong << cfWrong;
    QTest::newRow("cf blank inside") << int(CodFisc) << "RSSMRA85 10A562S" << Kind::Wrong << cfWrong;
    QTest::newRow("cf 15") << int(CodFisc) << "RSSMRA85T10A562" << Kind::Retry << cfLength;
    QTest::newRow("cf 17") << int(CodFisc) << "RSSMRA85T10A562SX" << Kind::Retry << cfLength;
    QTest::newRow("cf empty") << int(CodFisc) << "" << Kind::Retry << cfLength;

    const QString ivaLength
        = QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
    const QString ivaWrong = QStringLiteral(
        "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon \u00E8 quindi possibile "
        "fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.");
    const QString ivaValid = QStringLiteral(
        "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato dall'Ufficio IVA del Comune di ");
    QTest::newRow("iva Bologna 2") << int(PartitaIva) << "00000001206" << Kind::Valid << ivaValid + "Bologna 2.";
    QTest::newRow("iva Roma 2") << int(PartitaIva) << "06363391001" << Kind::Valid << ivaValid + "Roma 2.";
    QTest::newRow("iva Forli") << int(PartitaIva) << "00000000406" << Kind::Valid
                               << ivaValid + QStringLiteral("Forl\u00EC.");
    QTest::newRow("iva no office") << int(PartitaIva) << "00000001107" << Kind::Valid << ivaValid + ".";
    QTest::newRow("iva wrong") << int(PartitaIva) << "01234567890" << Kind::Wrong << ivaWrong;
    QTest::newRow("iva 11 with blank") << int(PartitaIva) << "0000000 206" << Kind::Wrong << ivaWrong;
    QTest::newRow("iva 3") << int(PartitaIva) << "123" << Kind::Retry << ivaLength;
    QTest::newRow("iva empty") << int(PartitaIva) << "" << Kind::Retry << ivaLength;
    QTest::newRow("iva trailing blank") << int(PartitaIva) << "00000001206 " << Kind::Retry << ivaLength;

    const QString cardEmpty = QStringLiteral(
        "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo.");
    const QString cardWrong
        = QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon \u00E8 quindi possibile fornire "
                         "informazioni relative al tipo di carta di credito.");
    auto cardValid = [](const QString &shown, const QString &family) {
        return QStringLiteral("Il numero di carta di credito ") + shown
            + QStringLiteral(" risulta valido.\r\n\r\nLa carta di credito \u00E8 del tipo ") + family + ".";
    };
    QTest::newRow("card Visa") << int(Carta) << "4111111111111111" << Kind::Valid
                               << cardValid("4111111111111111", "Visa");
    QTest::newRow("card MasterCard") << int(Carta) << "5555555555554444" << Kind::Valid
                                     << cardValid("5555555555554444", "MasterCard");
    QTest::newRow("card Discover") << int(Carta) << "6011111111111117" << Kind::Valid
                                   << cardValid("6011111111111117", "Discover");
    QTest::newRow("card Amex 37") << int(Carta) << "378282246310005" << Kind::Valid
                                  << cardValid("378282246310005", "American Express");
    QTest::newRow("card Amex 34") << int(Carta) << "371449635398431" << Kind::Valid
                                  << cardValid("371449635398431", "American Express");
    QTest::newRow("card Diners 30") << int(Carta) << "30569309025904" << Kind::Valid
                                    << cardValid("30569309025904", "Diner's Club / Carte Blanche");
    QTest::newRow("card Diners 38") << int(Carta) << "38520000023237" << Kind::Valid
                                    << cardValid("38520000023237", "Diner's Club / Carte Blanche");
    QTest::newRow("card Diners 36") << int(Carta) << "36227206271667" << Kind::Valid
                                    << cardValid("36227206271667", "Diner's Club / Carte Blanche");
    QTest::newRow("card JCB") << int(Carta) << "3530111333300000" << Kind::Valid
                              << cardValid("3530111333300000", "JCB");
    QTest::newRow("card trimmed in text")
        << int(Carta) << "4111 1111 1111 1111 111  " << Kind::Valid << cardValid("4111 1111 1111 1111 111", "Visa");
    QTest::newRow("card wrong") << int(Carta) << "4111111111111112" << Kind::Wrong << cardWrong;
    QTest::newRow("card begins 2") << int(Carta) << "2221000000000009" << Kind::Wrong << cardWrong;
    QTest::newRow("card begins 7") << int(Carta) << "79927398713" << Kind::Wrong << cardWrong;
    QTest::newRow("card begins 0") << int(Carta) << "0" << Kind::Wrong << cardWrong;
    // Valid numbers whose family is unknown get the wrong-number answer.
    QTest::newRow("card begins 32") << int(Carta) << "3200000000000002" << Kind::Wrong << cardWrong;
    QTest::newRow("card begins 39") << int(Carta) << "3900000000000005" << Kind::Wrong << cardWrong;
    QTest::newRow("card 3 then a blank") << int(Carta) << "3 530111333300000" << Kind::Wrong << cardWrong;
    QTest::newRow("card empty") << int(Carta) << "" << Kind::Retry << cardEmpty;
    QTest::newRow("card blanks") << int(Carta) << "   " << Kind::Retry << cardEmpty;

    const QString ibanLength = QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
    const QString ibanValid = QStringLiteral("L'IBAN digitato \u00E8 VALIDO.");
    const QString ibanWrong = QStringLiteral("Attenzione: l'IBAN digitato \u00E8 ERRATO!");
    QTest::newRow("iban valid") << int(Iban) << "IT60X0542811101000000123456" << Kind::Valid << ibanValid;
    QTest::newRow("iban lower case") << int(Iban) << "it60x0542811101000000123456" << Kind::Valid << ibanValid;
    QTest::newRow("iban surrounding blanks")
        << int(Iban) << "  IT60X0542811101000000123456 " << Kind::Valid << ibanValid;
    QTest::newRow("iban with IBAN") << int(Iban) << "IBAN DE89370400440532013000" << Kind::Valid << ibanValid;
    QTest::newRow("iban wrong pair") << int(Iban) << "IT61X0542811101000000123456" << Kind::Wrong << ibanWrong;
    QTest::newRow("iban blanks make 27") << int(Iban) << "IT60 X054 2811 1010 0000 01" << Kind::Wrong << ibanWrong;
    QTest::newRow("iban 26") << int(Iban) << "IT60X054281110100000012345" << Kind::Retry << ibanLength;
    QTest::newRow("iban grouped") << int(Iban) << "IT60 X054 2811 1010 0000 0123 456" << Kind::Retry << ibanLength;
    QTest::newRow("iban empty") << int(Iban) << "" << Kind::Retry << ibanLength;
}

void TestChecks::verdicts()
{
    QFETCH(int, checker);
    QFETCH(QString, input);
    QFETCH(CheckerVerdict::Kind, kind);
    QFETCH(QString, text);

    CheckerVerdict v;
    switch (checker) {
    case 0:
        v = CodFiscVerdict(input);
        break;
    case 1:
        v = PartitaIvaVerdict(input);
        break;
    case 2:
        v = CartaVerdict(input);
        break;
    default:
        v = IbanVerdict(input);
        break;
    }
    QCOMPARE(v.text, text);
    QCOMPARE(v.kind, kind);
}

void TestChecks::chooseChecker_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<CheckerChoice>("choice");

    QTest::newRow("empty") << "" << CheckerChoice::CodFisc;
    QTest::newRow("short digits") << "123" << CheckerChoice::PartitaIva;
    QTest::newRow("VAT number") << "06363391001" << CheckerChoice::PartitaIva;
    QTest::newRow("long digits") << "0636339100123456" << CheckerChoice::PartitaIva;
    QTest::newRow("letters and digits") << "AB1" << CheckerChoice::CodFisc;
    QTest::newRow("fiscal code") << "RSSMRA85T10A562S" << CheckerChoice::CodFisc;
    QTest::newRow("digits with blank") << "123 456" << CheckerChoice::CodFisc;
    QTest::newRow("fullwidth digits") << QStringLiteral("\uFF11\uFF12\uFF13") << CheckerChoice::CodFisc;
}

void TestChecks::chooseChecker()
{
    QFETCH(QString, text);
    QFETCH(CheckerChoice, choice);
    QCOMPARE(ChooseChecker(text), choice);
}

QTEST_APPLESS_MAIN(TestChecks)
#include "tst_checks.moc"
