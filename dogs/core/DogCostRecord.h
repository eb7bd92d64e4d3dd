#pragma once

#include "common/RecordLayout.h"
#include "common/SearchMatch.h"

#include <QString>

// One cost of a dog in its ledger Costi_Cane_<n>.pro (n: the dog's record
// position): five text fields, 122 bytes, in insertion order, never deleted.
namespace DogCostRecord
{

enum Field : int { Data, Causale, Pagatore, Beneficiario, Importo, FieldCount };

const RecordLayout &layout();
inline int size()
{
    return layout().size();
}
// The ledger of the dog at `position` (its trimmed position text).
QString path(const QString &position);

// The list line of a cost: date, payer, payee, reason, each padded to its
// width, then the amount as stored.
QString line(const char *record);

// A ledger as the window lists it: the costs with an amount, in file order,
// each line with its record number, and their total. An amount that is not a
// number is listed and counted as 0.
struct Listing {
    ListLines lines;
    double total = 0;
};
// Opens (creating it empty when missing) and reads a ledger; throws
// ArchiveAccessError.
Listing list(const QString &path);
// The total as shown: "€ 12,75".
QString totalText(double total);

// Writes a cost: over record `position` (1-based) or, with position 0, at the
// end. The amount is stored normalised ("12,5" -> "12,50"). Returns the
// record's position; throws ArchiveAccessError with the file untouched.
qint64 save(const QString &path, RecordBuffer record, qint64 position);

} // namespace DogCostRecord
