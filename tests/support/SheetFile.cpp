#include "tests/support/SheetFile.h"

#include "tests/support/CoreSupport.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace SheetFile
{

QByteArrayList titles(const QByteArray &file)
{
    QByteArrayList out;
    const QRegularExpression title(QStringLiteral("font-weight: bold;\" width=(\\d+)>([^<]*)</td>"));
    auto it = title.globalMatch(QString::fromLatin1(file));
    while (it.hasNext()) {
        const auto m = it.next();
        out.append((m.captured(2) + QLatin1Char('|') + m.captured(1)).toLatin1());
    }
    return out;
}

QList<QByteArrayList> dataRows(const QByteArray &file)
{
    QList<QByteArrayList> rows;
    const QByteArrayList pieces = file.mid(file.indexOf("<table x:str>")).split('<');
    QByteArrayList *row = nullptr;
    bool titleRowSeen = false;
    for (const QByteArray &piece : pieces) {
        if (piece == "tr>") {
            if (!titleRowSeen) {
                titleRowSeen = true;
                continue;
            }
            rows.append(QByteArrayList());
            row = &rows.last();
        } else if (piece.startsWith("td ") && row) {
            row->append(piece.mid(piece.indexOf('>') + 1));
        }
    }
    return rows;
}

QString soffice()
{
    return QStandardPaths::findExecutable(QStringLiteral("soffice"));
}

QStringList calcLines(const QString &folder, const QString &fileName)
{
    QProcess office;
    office.setWorkingDirectory(folder);
    office.start(soffice(),
        { "-env:UserInstallation=file://" + folder + "lo-profile", "--headless", "--infilter=calc_HTML_WebQuery",
            "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76", "--outdir", folder + "csv",
            folder + fileName });
    if (!office.waitForFinished(120000))
        return {};
    const QString csv = folder + "csv/" + QFileInfo(fileName).completeBaseName() + ".csv";
    return QString::fromUtf8(TestSupport::readFile(csv)).split(QRegularExpression("\r?\n"), Qt::SkipEmptyParts);
}

} // namespace SheetFile
