#pragma once

#include "quotes/core/QuoteRecord.h"

#include <QList>
#include <QString>

#include <array>

class RecordBuffer;

// What a printed quote shows: every text of the quote as the editor last
// showed it (trimmed, never recalculated or reformatted), with the row marks.
// The printed, previewed and PDF quote is drawn from this value only; the
// memos() table turns it into the document's texts.
class QuoteSheet
{
public:
    // One text box of the document and its text.
    struct Memo {
        QString name; // "txtNumFatt", "titQuant", "txtQuant01", ...
        QString text;
    };

    QuoteSheet() = default;

    // The quote stored in a record of a year file.
    static QuoteSheet fromRecord(const RecordBuffer &record);

    // The trimmed text of a field (QuoteRecord::Field); empty for a flag.
    QString text(int field) const;
    // Stores `text` trimmed (characters of code 32 or less removed at both ends).
    void setText(int field, QStringView text);
    // The two marks (the exempt rows and "In sospeso"); never printed.
    bool flag(int field) const;
    void setFlag(int field, bool yes);

    // The texts of the document's boxes, in the order they are filled: header,
    // company, customer, references, payment, notes, column captions, the 30
    // rows column by column, total captions, totals, dog data.
    QList<Memo> memos() const;
    // The document's box of a row or total field: "txt" and the field's name
    // ("txtQuant01", "txtTotFattura").
    static QString boxName(int field);

private:
    std::array<QString, QuoteRecord::FieldCount> m_texts;
    std::array<bool, QuoteRecord::FieldCount> m_flags {};
};
