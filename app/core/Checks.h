#pragma once

#include <QString>
#include <QStringView>

// The identifier checks behind the four checker dialogs: the Italian fiscal
// code, the Italian VAT number (with the tax office that issued it), payment
// card numbers (Luhn, with the card family) and the IBAN (ISO 13616, MOD 97-10).
// Plain functions of a text, no widgets: the dialogs only show their verdicts.

// True when a 16-character fiscal code carries the right check letter.
// ASCII letters are compared without case; any character outside 0-9 and A-Z
// (a blank, a hyphen, punctuation, an accented letter) makes the code wrong.
bool CheckCodFisc(QStringView code);

// True when the text is exactly 11 digits 0-9 whose last one is the check digit.
bool CheckPartitaIva(QStringView number);

// Luhn check of a card number over the digits among the first 20 characters
// of the text (as it is, not trimmed; every other character is skipped).
// 0 when the number fails; otherwise the first digit of the number minus 2
// (1 for 3, 2 for 4, 3 for 5, 4 for 6; 0 for 2; -2 and -1 for 0 and 1; 5, 6,
// 7 for 7, 8, 9).
int CheckCarta(QStringView number);

// True when IbanMod97 of the text, with every blank removed, is 1.
bool CheckIban(QStringView iban);
// The IBAN remainder modulo 97: upper-cased, the first "IBAN" removed, the
// first four characters moved to the end, letters made numbers, then reduced
// in pieces of nine digits. 0 when a piece is not a plain decimal number.
int IbanMod97(QStringView text);
// Every letter A-Z becomes its number 10-35 ("A" -> "10", "Z" -> "35");
// any other character stays as it is.
QString IbanLettersToDigits(QStringView text);

// The tax office named by a VAT number's office code (its characters 8 to 10,
// e.g. "015" -> "Milano 1"); empty for a code without an office.
QString VatOfficeName(QStringView officeCode);

// The card family for a CheckCarta result and the card's trimmed text (the
// family of a number beginning with 3 is chosen by its first two characters);
// empty when the family is not one the program knows.
QString CardFamily(int checkResult, QStringView trimmedNumber);

// What a checker dialog does when its check command is pressed on the edit's text.
struct CheckerVerdict {
    enum class Kind {
        Retry, // warning; the dialog stays open with the focus in the edit
        Wrong, // warning; the dialog closes
        Valid // information; the dialog closes
    };
    Kind kind;
    QString text;
};

CheckerVerdict CodFiscVerdict(const QString &editText);
CheckerVerdict PartitaIvaVerdict(const QString &editText);
CheckerVerdict CartaVerdict(const QString &editText);
CheckerVerdict IbanVerdict(const QString &editText);

// Which checker the fiscal-code buttons of the editors open for a field's
// trimmed text: the VAT-number checker for a non-empty all-digit text, the
// fiscal-code checker for any other text, the empty one included.
enum class CheckerChoice { CodFisc, PartitaIva };
CheckerChoice ChooseChecker(QStringView trimmedText);
