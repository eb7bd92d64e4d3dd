#pragma once

#include "common/SearchMatch.h"
#include "common/ui/Delivery.h"
#include "common/ui/Layout.h"
#include "common/ui/ListingModel.h"
#include "common/ui/WindowKit.h"

#include <QFont>
#include <QListView>
#include <QString>
#include <QStringList>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

using SearchMatch::RecordListing;

// The lines of a result list: one fixed-width text per line in Courier New,
// each keeping the number of the record it came from (Qt::UserRole). The
// lines live in a RecordListing: a line's text is made when it is drawn,
// found or printed.
class RecordListModel : public ListingModel
{
    Q_OBJECT
public:
    explicit RecordListModel(QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role) const override;

    // Lines given whole, in the order given.
    void setLines(const ListLines &lines);
    void clear();
    QStringList texts() const { return m_listing.texts(); }
    // The width of every line (the list scrolls sideways up to it).
    void setItemWidth(int width);
    int itemWidth() const { return m_itemWidth; }

private:
    int m_itemWidth = 0;
    QFont m_font;
    int m_rowHeight;
};

// The result list `lstRecords` of the search and list windows.
class RecordList : public QListView
{
    Q_OBJECT
public:
    explicit RecordList(QWidget *parent = nullptr);

    RecordListModel *lines() const { return m_model; }
    int count() const { return m_model->rowCount(); }
    QString text(int row) const { return m_model->text(row); }
    qint64 record(int row) const { return m_model->record(row); }
    // The selected line, -1 for none.
    int currentRow() const;
    void setCurrentRow(int row);

signals:
    // A double click anywhere in the list (the selected line is the chosen one).
    void doubleClickedLine();

protected:
    // A press on the empty area below the lines keeps the selection (the
    // view would clear it), so that a double click there loads the line
    // selected before.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    RecordListModel *m_model;
    bool m_pressOnEmptyArea = false;
};

// The list windows (a list filled when the window is shown with the records
// of an archive that meet the window's condition) and, through SearchWindow,
// the search windows. Both have the page `panContainer`: the find field
// `txtTrova` with `btnTrova`, the sorted list `lstRecords`, the instruction
// `lblRigo03`, the print command `btnStampa` and `btnChiudi`, laid out from a
// table (see Layout): the heading, the two instruction lines and the
// magnifier above the find row, the list in its frame, the crimson
// instruction under it, "Chiudi" at the left and "Stampa" at the right.
//
// Find ("Trova"): from the top for a new text, on from the selected line for
// the same text, wrapping round; the last text is kept in the unit's
// LastSearchText (emptied each time the window is shown).
// Print ("Stampa"): the lines under the window's print title, through the list
// template "Riepilogo dati".
// Double click, anywhere in the list (on a line or on the empty area below the
// lines): loads the record of the selected line (its own record, even when
// other lines read the same) into the target, then closes the window; with no
// line selected it just closes the window. Any failure of the load closes the
// window too, without a message, except a target that lacks a control of the
// delivery table: that is reported in an error box (nothing is written).
class ListWindow : public WindowKit::FixedDialog
{
    Q_OBJECT
public:
    struct Setup {
        QString caption; // " Riepilogo proprietari da ricontattare"
        QString printTitle; // "Riepilogo proprietari da ricontattare"
        QString *lastSearchText = nullptr; // the unit's LastSearchText
        int itemWidth = 1600;
        bool sorted = true; // false: lines stay in the order the fill gives
        // The heading above the find row (empty: the caption in capitals) and
        // its pictures at the left and at the right.
        QString heading = {};
        QString headingArt = QStringLiteral("lente");
        QString headingArtRight = QStringLiteral("logo");
        // The instruction line under the list; without it the list is taller.
        bool instructionLine = true;
        // ListFill: puts the lines of the list into the listing (see
        // RecordListing::collect; the listing knows whether the window sorts).
        // A failure ends the fill silently; the lines taken before it stay.
        // An archive beyond what memory can hold (ListingMemoryError) lists
        // nothing and is reported in a plain box with the memory message.
        std::function<void(RecordListing &lines)> fill;
        // ListPickRecord: writes record `record` (0-based) into the target;
        // throws on failure.
        std::function<void(qint64 record)> pick;
    };

    // The fill of an archive list: every record that `accept` takes, as `line` gives it.
    static std::function<void(RecordListing &)> archiveFill(
        std::function<QString()> path, int recordSize, SearchMatch::RecordTest accept, SearchMatch::LineBuilder line);
    // The pick of an archive list: reads the record and hands its bytes and
    // 1-based position to `deliver`.
    static std::function<void(qint64)> archivePick(std::function<QString()> path, int recordSize,
        std::function<void(const QByteArray &record, qint64 position)> deliver);
    // The pick of a picker with a delivery table: reads the record and
    // delivers it along the route of the caller mode that `mode` gives (a
    // list window with one fixed route leaves `mode` empty). The table must
    // outlive the window; it is enlisted with Delivery::enlist.
    static std::function<void(qint64)> tablePick(std::function<QString()> path, int recordSize,
        const Delivery::Table &table, std::function<QString()> mode = {});

    explicit ListWindow(QWidget *owner, Setup setup);

    // The controls of the result page.
    QWidget *panContainer = nullptr;
    QLineEdit *txtTrova = nullptr;
    QPushButton *btnTrova = nullptr;
    RecordList *lstRecords = nullptr;
    QLabel *lblRigo03 = nullptr;
    QLabel *lblTrovate = nullptr; // search windows only
    QPushButton *btnStampa = nullptr;
    QPushButton *btnChiudi = nullptr;

    // The commands (also run by their buttons and the double click).
    void findCommand();
    void printCommand();
    void pickCommand();

    // The lines as they are listed, top to bottom.
    QStringList listedLines() const { return lstRecords->lines()->texts(); }

    void done(int result) override;

    // The window's client area and its pages, in design units.
    static constexpr QSize kClient { 862, 560 };
    static constexpr QSize kPage { 833, 529 };
    // Fonts of the result and filter pages.
    static constexpr Layout::Font kHeadingFont { "Verdana", 18, true };
    static constexpr Layout::Font kNoteFont { "Arial", 8, false };
    static constexpr Layout::Font kEditFont { "Verdana", 12, true };
    static constexpr Layout::Font kLabelFont { "Verdana", 9, true };
    static constexpr Layout::Font kButtonFont { "Verdana", 9, true };

protected:
    // For SearchWindow: builds the result page without filling on show.
    ListWindow(QWidget *owner, Setup setup, bool fillOnShow);
    // Puts lines into the list (sorted when the window sorts) and sets the item width.
    void showLines(RecordListing lines);
    void showEvent(QShowEvent *event) override;
    void shown() override;
    const Setup &setup() const { return m_setup; }
    // The heading of the window (Setup::heading).
    QString heading() const;
    // The pages of the window, one visible at a time (panContainer is one).
    void addPage(QWidget *page) { m_pageList << page; }
    void showPage(QWidget *page);

private:
    Layout::Table resultPageTable() const;
    void buildResultPage();
    void fillList();

    Setup m_setup;
    bool m_fillOnShow;
    QList<QWidget *> m_pageList;
};
