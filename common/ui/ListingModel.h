#pragma once

#include "common/SearchMatch.h"

#include <QAbstractListModel>

// A list model over a RecordListing: one row per listed line, whose text is
// made when it is asked for. The lists built on it add the roles they draw.
class ListingModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    // The view asks for the index of every line each time it lays the list
    // out: answered without the generic checks' virtual calls.
    QModelIndex index(int row, int column = 0, const QModelIndex &parent = {}) const override;

    void setListing(SearchMatch::RecordListing listing);
    const SearchMatch::RecordListing &listing() const { return m_listing; }
    QString text(int row) const { return m_listing.text(row); }
    qint64 record(int row) const { return m_listing.record(row); }

protected:
    SearchMatch::RecordListing m_listing;
};
