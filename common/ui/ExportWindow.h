#pragma once

#include "common/SpreadsheetExport.h"
#include "common/ui/WindowKit.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QAbstractButton;
class QLabel;
class QShowEvent;
class QTableView;

// The export windows of the archives: a grid filled from an archive when the
// window is shown, and the command that writes the grid into the archive's
// spreadsheet file in the program folder.
//
// A member declares, as data: its caption, its grid columns (column 0 holds
// the row number and is never exported), its sheet (file, sheet name, the
// exported columns, which are grid columns 1 to n in order), how a record
// fills a grid row, and its help topic. The window builds the title strip, the
// commands, the grid and the hint line from it; every member behaves alike.
class ExportWindow : public WindowKit::FixedDialog
{
    Q_OBJECT
public:
    // The shell-open routine (TMisc::Open), handed in by the member.
    using Opener = std::function<void(const QString &target)>;
    // Opens the help viewer with the member's topic, owned by `window`.
    using HelpViewer = std::function<void(QWidget *window)>;

    struct GridColumn
    {
        const char *name; // colNum, colCliente ... (ExportWindow::column finds it)
        QString header;
        int width = 0;
        bool readOnly = true;
    };

    // The texts of the grid: row x column strings, editable where the column is
    // not read-only. An edit changes only the grid (and so the exported file).
    class Grid : public QAbstractTableModel
    {
    public:
        Grid(const QList<GridColumn> &columns, QObject *parent);

        int rowCount(const QModelIndex &parent = {}) const override;
        int columnCount(const QModelIndex &parent = {}) const override;
        QVariant data(const QModelIndex &index, int role) const override;
        bool setData(const QModelIndex &index, const QVariant &value, int role) override;
        Qt::ItemFlags flags(const QModelIndex &index) const override;
        QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

        qsizetype rows() const { return m_rows; }
        int columns() const { return int(m_columns.size()); }
        const QString &text(qsizetype row, int column) const { return m_cells[size_t(row * columns() + column)]; }
        void setText(qsizetype row, int column, const QString &text);
        // -1 when no column has that name.
        int column(QStringView name) const;

        // Replaces every row with `rowCount` empty rows, then lets `produce`
        // write texts in place through rowCells(); what it wrote before a
        // failure stays (the failure goes on to the caller). Views are told once.
        void rebuild(qsizetype rowCount, const std::function<void()> &produce);
        // The texts of one row, columns() strings (only inside rebuild).
        QString *rowCells(qsizetype row) { return m_cells.data() + row * columns(); }

    private:
        QList<GridColumn> m_columns;
        qsizetype m_rows = 0;
        std::vector<QString> m_cells;
    };

    struct Setup
    {
        QString caption;
        QSize size{862, 560};
        QList<GridColumn> grid;
        int designRows = 10; // the empty rows shown until the grid is filled
        SpreadsheetExport::Sheet sheet;
        // Fills the grid when the window is shown (see fillFromArchive).
        std::function<void(Grid &)> fill;
        Opener open;      // null: the file is never opened
        HelpViewer help;  // null: cmdGuida stays disabled
    };

    ExportWindow(QWidget *owner, Setup setup);

    Grid &grid() { return *m_grid; }
    const Setup &setup() const { return m_setup; }

    // The rows the export writes: every grid row, grid columns 1 to n.
    SpreadsheetExport::Rows exportRows() const;

    // Fill helper for members that show one archive record per row: opens the
    // archive (creating it empty when missing); with n > 0 records the grid
    // gets n rows, row r holds r + 1 in column 0 and what `row` writes into
    // cells 1 and later from record r. An empty archive leaves the grid as it
    // is. A failure ends the filling silently with the rows read so far.
    static void fillFromArchive(Grid &grid, const QString &path, int recordSize,
                                const std::function<void(const char *record, QString *cells)> &row);

    // The export command of every export window: asks whether to export, writes
    // the file into the program folder, offers to open it. A failure shows the
    // plain failure box. Returns true when the file was written.
    static bool runExport(QWidget *parent, const SpreadsheetExport::Sheet &sheet,
                          const SpreadsheetExport::Rows &rows, const Opener &open);

    // The texts of the command.
    static const QString kAskExport;
    static const QString kAskOpen;
    static const QString kFailure;
    static const QString kHintInitial;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildWindow();
    void exportCommand();

    Setup m_setup;
    Grid *m_grid = nullptr;
    bool m_filled = false;

public:
    // The controls (objectName as the member name).
    QLabel *imgLogo = nullptr;
    QLabel *icoHand = nullptr;
    QAbstractButton *cmdEsporta = nullptr;
    QAbstractButton *cmdGuida = nullptr;
    QAbstractButton *cmdEsci = nullptr;
    QTableView *grdRecords = nullptr;
    QLabel *panInfo = nullptr;
};
