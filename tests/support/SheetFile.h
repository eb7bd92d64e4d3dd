#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QList>
#include <QString>
#include <QStringList>

// Reading back the spreadsheet files the exports write: the titles, the data
// rows, and the file as LibreOffice Calc reads it.
namespace SheetFile
{

// The titles of the file with their widths, as "Nome cane|250" (bytes as written).
QByteArrayList titles(const QByteArray &file);
// The text of every cell of each data row (the title row left out), row by row.
QList<QByteArrayList> dataRows(const QByteArray &file);

// The path of LibreOffice's soffice, empty when it is not installed.
QString soffice();
// The lines of the CSV file that Calc makes from `fileName` in `folder`
// (with its trailing '/'), read as a web page query like a spreadsheet user.
QStringList calcLines(const QString &folder, const QString &fileName);

} // namespace SheetFile
