#pragma once

#include <QStringList>

// The province codes offered by the province combo edits of every editor (the
// owner, the quote and the other address fields), in list order: 112 codes,
// "EE" standing for a foreign country. The combos do not restrict the text to
// the list.
namespace Provinces
{

const QStringList &codes();

} // namespace Provinces
