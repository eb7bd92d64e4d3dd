#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// What the quote editor's fields do with their text, apart from the window:
// the normalisers run when a quantity, discount, VAT-rate or price edit is
// left, the verdict of the amount edits' key filter, the proposed number of a
// new quote and the save's refusal of a number its field would cut.
namespace QuoteFields
{

// Quantity, discount and VAT rate, on leaving the edit: a text of blanks only
// (or empty) stays as it is; a number (blanks around it, sign, decimal comma,
// exponent) is rounded to 4 decimals and written with a decimal comma, no
// zeros at the end ("2,50" -> "2,5", "1e3" -> "1000"); anything else becomes
// empty.
QString quantityNormalised(const QString &text);

// Price, on leaving the edit: a text of blanks only becomes empty; a number is
// rounded to 4 decimals and shown with at least two ("12" -> "12,00",
// "12,3000" -> "12,30"); anything else becomes "0,00".
QString priceNormalised(const QString &text);

// What the key filter of the quantity, price, discount and VAT-rate edits does
// with a key press (after emptying the amounts and the totals, which it does
// for every key).
enum class AmountKey {
    Successor, // Enter: the focus moves on
    Pass, // Backspace, Delete, Left, Right, a digit or the comma: the edit takes it
    Refuse, // everything else: Tab, Home, End, Up, Down, blanks, '.', '-', letters, every Ctrl shortcut
};
// `key` is the Qt::Key of the press, `text` its text, `modifiers` its
// Qt::KeyboardModifiers.
AmountKey amountKey(int key, QStringView text, int modifiers);

// The first `limit` characters of a text longer than `limit` (the length
// clamp of two edits at every key release); shorter texts unchanged.
QString clamped(const QString &text, int limit);

// True when a number text saved in a field of `capacity` characters would
// change its value: its trimmed text is in exponent form, or the cut to the
// capacity would drop digits of its integer part. A cut that drops only
// decimals, the comma or the padding zeros passes.
bool cutLosesValue(QStringView text, int capacity);

} // namespace QuoteFields
