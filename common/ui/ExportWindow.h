#pragma once

#include "common/SpreadsheetExport.h"
#include "common/ui/WindowKit.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

class QAbstractButton;
class RecordLayout;
class QLabel;
class QTableView;

// The export windows of the archives: a grid filled from an archive when the
// window is shown, and the command that writes the grid into the archive's
// spreadsheet file in the program folder.
//
// A member declares, as data: its caption, one row table describing each grid
// column (control name, header, width, whether it can be edited, and, for the
// exported columns, the title and width in the file, the record fields it
// shows and whether its cells are code-like text), its file and sheet name,
// the archive behind the rows, and its help topic. The window builds the title
// strip, the commands, the grid and the hint line from it; every member
// behaves alike.
class ExportWindow : public WindowKit::FixedDialog
{
    Q_OBJECT
public:
    // The shell-open routine (TMisc::Open), handed in by the member.
    using Opener = std::function<void(const QString &target)>;
    // Opens the help viewer with the member's topic, owned by `window`.
    using HelpViewer = std::function<void(QWidget *window)>;

    enum ColumnFlag {
        Editable = 0x1, // the user may type into the grid cell (the file gets it, the archive never)
        TextCells = 0x2, // code-like contents: the spreadsheet keeps them as typed text
        AlignRight = 0x4, // data cells right-aligned in the file
    };
    Q_DECLARE_FLAGS(ColumnFlags, ColumnFlag)

    // One row of a member's table: one grid column, in grid order.
    struct Column {
        const char *name; // colNum, colCliente ... (Grid::column finds it)
        QString header; // the grid's header
        int gridWidth = 0;
        QString title; // the title in the file; empty: not exported
        int width = 0; // the width in the file
        SpreadsheetExport::RecordText source; // no field: the row's 1-based number
        ColumnFlags flags = {};
    };

    // The grid: the archive's records as they were read, shown through the row
    // table, with the cells typed over them kept apart. An edit changes only
    // the grid (and so the exported file).
    class Grid : public QAbstractTableModel
    {
    public:
        Grid(const QList<Column> &columns, const RecordLayout &layout, QObject *parent);

        int rowCount(const QModelIndex &parent = {}) const override;
        int columnCount(const QModelIndex &parent = {}) const override;
        QVariant data(const QModelIndex &index, int role) const override;
        bool setData(const QModelIndex &index, const QVariant &value, int role) override;
        Qt::ItemFlags flags(const QModelIndex &index) const override;
        QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

        qsizetype rows() const { return m_rows.count(); }
        int columns() const { return int(m_columns.size()); }
        QString text(qsizetype row, int column) const { return m_rows.text(row, column); }
        void setText(qsizetype row, int column, const QString &text);
        // -1 when no column has that name.
        int column(QStringView name) const;

        // Replaces every row with `count` empty rows.
        void setEmptyRows(qsizetype count);
        // Shows the archive at `path`: one row per whole record, in file
        // order. An empty archive leaves the grid as it is. Throws (see
        // SpreadsheetExport::RecordRows::load); the grid stays as it was.
        void load(const QString &path);
        // The same for the records `selection` takes, in its order (see
        // SpreadsheetExport::RecordSelection). An empty archive leaves the
        // grid as it is; an archive none of whose records is taken leaves it
        // without rows.
        void load(const QString &path, const SpreadsheetExport::RecordSelection &selection);

        // The exported columns (those with a title) as the file's columns, and
        // every grid row as the file's rows.
        QList<SpreadsheetExport::Column> sheetColumns() const;
        SpreadsheetExport::Rows exportRows() const;

        // Bytes held for the records (for measuring).
        qsizetype heldBytes() const { return m_rows.heldBytes(); }

    private:
        QList<Column> m_columns;
        const RecordLayout *m_layout;
        QList<int> m_exported;
        SpreadsheetExport::RecordRows m_rows;
    };

    struct Setup {
        QString caption;
        QSize size { 862, 560 };
        QList<Column> columns;
        int designRows = 10; // the empty rows shown until the grid is filled
        QString fileName; // in the program folder (Proprietari.xls)
        QString sheetName;
        const RecordLayout *layout = nullptr;
        // The archive that fills the grid when the window is shown; null: the
        // grid keeps its empty rows.
        // An empty path: no archive to show (the grid keeps its empty rows).
        std::function<QString()> archive;
        Opener open; // null: the file is never opened
        HelpViewer help; // null: cmdGuida stays disabled
        // Which records fill the grid and in what order, worked out when the
        // grid is filled (it may throw: the filling then ends silently); null:
        // every record in file order.
        std::function<SpreadsheetExport::RecordSelection()> selection = {};
    };

    ExportWindow(QWidget *owner, Setup setup);

    Grid &grid() { return *m_grid; }
    const Setup &setup() const { return m_setup; }

    // What the export writes: the file, the sheet and the exported columns.
    SpreadsheetExport::Sheet sheet() const;
    // The rows the export writes: every grid row, the exported columns.
    SpreadsheetExport::Rows exportRows() const { return m_grid->exportRows(); }

    // Fills the grid from the member's archive (done once, when the window is
    // first shown). A failure to read ends the filling silently with the grid
    // as it was; an archive too large to be held leaves the grid as it was and
    // shows kTooLarge.
    void fill();
    void tellTooLarge();

    // The export command of every export window: asks whether to export, writes
    // the file into the program folder, offers to open it. A failure shows the
    // plain failure box. Returns true when the file was written.
    static bool runExport(QWidget *parent, const SpreadsheetExport::Sheet &sheet, const SpreadsheetExport::Rows &rows,
        const Opener &open);

    // The texts of the command.
    static const QString kAskExport;
    static const QString kAskOpen;
    static const QString kFailure;
    static const QString kHintInitial;
    static const QString kTooLarge;

protected:
    void shown() override;

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

Q_DECLARE_OPERATORS_FOR_FLAGS(ExportWindow::ColumnFlags)
