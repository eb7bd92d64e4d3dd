#include "common/ui/ListingModel.h"

int ListingModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_listing.size());
}

QModelIndex ListingModel::index(int row, int column, const QModelIndex &parent) const
{
    if (row < 0 || column != 0 || row >= int(m_listing.size()) || parent.isValid())
        return {};
    return createIndex(row, column);
}

void ListingModel::setListing(SearchMatch::RecordListing listing)
{
    beginResetModel();
    m_listing = std::move(listing);
    endResetModel();
}
