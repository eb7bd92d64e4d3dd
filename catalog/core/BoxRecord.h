#pragma once

#include "common/RecordLayout.h"

#include <QString>

// The box record of Box_Cani.pro: ten texts, the "not bookable" flag and the
// three attachment slots, 2924 bytes. The first four fields (number,
// dimensions, capacity, daily price) are laid out as the head of a planner
// file. Field names are those of the editor's controls without their prefix.
namespace BoxRecord
{

enum Field : int {
    Box,
    Dimensioni,
    Capacita,
    Prezzo,
    Tipologia,
    Taglia,
    Descrizione,
    Collocazione,
    Accessori,
    Note,
    NonPrenotabile,
    File01,
    File02,
    File03,
    Desc01,
    Desc02,
    Desc03,
    FieldCount
};

const RecordLayout &layout();
inline int size()
{
    return layout().size();
}
inline QString fileName()
{
    return QStringLiteral("Box_Cani.pro");
}
QString path();

} // namespace BoxRecord
