#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <stdexcept>

class QIODevice;

// The spreadsheet file that every export of the program writes: an HTML table
// with spreadsheet markup, in Windows-1252, all on one line (no CR or LF byte
// anywhere). A header naming the sheet, a title row (bold, left-aligned, with
// each column's width), one row per data row, and the closing tags.
//
// Cell texts and titles are trimmed, their '&', '<' and '>' written as
// entities (so the spreadsheet shows the text as typed and a stray "<!--"
// cannot swallow the rest of the table), and any line break inside them
// written as a blank; a character the code page lacks becomes '?'.
namespace SpreadsheetExport {

struct Column
{
    QString title;
    int width = 0;
    bool alignRight = false; // data cells right-aligned (titles are always left)
};

// What one export writes: its file in the program folder, its sheet name and
// its columns in file order.
struct Sheet
{
    QString fileName;
    QString sheetName;
    QList<Column> columns;
};

// The data rows: `count` rows; cell(row, column) is the text of an exported
// column (0-based among the sheet's columns), before trimming.
struct Rows
{
    qsizetype count = 0;
    std::function<QString(qsizetype row, int column)> cell;
};

// A write that did not reach the device or the file.
class WriteError : public std::runtime_error
{
public:
    explicit WriteError(const QString &detail) : std::runtime_error(detail.toStdString()) {}
};

// Writes the whole file to an open device in one pass, handing it large
// blocks; the file is never held in memory as a whole. Throws WriteError when
// the device refuses a write.
void write(QIODevice &device, const QString &sheetName, const QList<Column> &columns, const Rows &rows);

// Writes the file at `path` through a temporary file that replaces the old
// one only when everything was written: a failed export leaves the previous
// file as it was and no half file. Throws WriteError.
void writeFile(const QString &path, const QString &sheetName, const QList<Column> &columns, const Rows &rows);

// The bytes of one cell text or title as they stand in the file.
QByteArray cellBytes(QStringView text);

} // namespace SpreadsheetExport
