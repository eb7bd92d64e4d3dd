// The owners export on a large archive: fills the export window's grid from
// Proprietari.pro, writes Proprietari.xls from the grid, and, for scale, copies
// a file of the same size as the export (read and write in 1 MB blocks).
// Usage: bench_owner_export [records]   (default 100000)
#include "common/ProgramFolder.h"
#include "common/RecordLayout.h"
#include "common/SpreadsheetExport.h"
#include "owners/ExpClienti.h"
#include "owners/core/OwnerRecord.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void writeArchive(qint64 records)
{
    RecordBuffer record(OwnerRecord::layout());
    QFile file(OwnerRecord::path());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write the archive");
    for (qint64 i = 0; i < records; ++i) {
        record.clear();
        record.setText(OwnerRecord::Cliente, QStringLiteral("Proprietario numero %1").arg(i + 1));
        record.setText(OwnerRecord::DataNasc, QStringLiteral("12/03/1975"));
        record.setText(OwnerRecord::ComuneNasc, QStringLiteral("Forlì"));
        record.setText(OwnerRecord::ProvNasc, QStringLiteral("FC"));
        record.setText(OwnerRecord::Recapito, QStringLiteral("0543 123456"));
        record.setText(OwnerRecord::IndirizzoRes, QStringLiteral("Via della Libertà, %1").arg(i % 200));
        record.setText(OwnerRecord::ComuneRes, QStringLiteral("Cesena"));
        record.setText(OwnerRecord::ProvRes, QStringLiteral("FC"));
        record.setText(OwnerRecord::Estremi, QStringLiteral("Bonifico bancario a 30 giorni"));
        record.setText(OwnerRecord::TelCel, QStringLiteral("333 1234567"));
        record.setText(OwnerRecord::Email, QStringLiteral("proprietario%1@example.it").arg(i));
        record.setText(OwnerRecord::CodFisc, QStringLiteral("RSSMRA75C12D704X"));
        record.setText(OwnerRecord::CaniOra, QStringLiteral("Fido (pastore tedesco), Luna & Maya"));
        record.setText(OwnerRecord::Note, QStringLiteral("Preferisce essere contattato la sera <dopo le 19>."));
        if (file.write(record.bytes()) != record.bytes().size())
            qFatal("cannot write the archive");
    }
}

double copyFile(const QString &from, const QString &to)
{
    QElapsedTimer timer;
    timer.start();
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot copy");
    QByteArray block;
    while (!(block = in.read(1 << 20)).isEmpty()) {
        if (out.write(block) != block.size())
            qFatal("cannot copy");
    }
    out.close();
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const qint64 records = argc > 1 ? QByteArray(argv[1]).toLongLong() : 100000;
    QTemporaryDir dir;
    setProgramFolder(dir.path());
    writeArchive(records);

    QElapsedTimer timer;
    timer.start();
    {
        ExportWindow::Grid grid(TfrmExpClienti::gridColumns(), nullptr);
        TfrmExpClienti::fillGrid(grid);
    }
    const double gridOnlySeconds = timer.nsecsElapsed() / 1e9;

    TfrmExpClienti window;
    timer.restart();
    window.show(); // fills the grid
    QApplication::processEvents();
    const double fillSeconds = timer.nsecsElapsed() / 1e9;

    const SpreadsheetExport::Sheet &sheet = TfrmExpClienti::sheet();
    const QString path = programFile(sheet.fileName);
    timer.restart();
    SpreadsheetExport::writeFile(path, sheet.sheetName, sheet.columns, window.exportRows());
    const double exportSeconds = timer.nsecsElapsed() / 1e9;
    const qint64 size = QFileInfo(path).size();

    const double copySeconds = copyFile(path, dir.filePath("copia.xls"));

    std::printf("owners: %lld (archive %.1f MB), grid rows %lld\n", static_cast<long long>(records),
                records * OwnerRecord::size() / 1e6, static_cast<long long>(window.grid().rows()));
    std::printf("fill a grid (no window):        %.3f s\n", gridOnlySeconds);
    std::printf("show the window, fill the grid: %.3f s\n", fillSeconds);
    std::printf("write Proprietari.xls (%.1f MB):  %.3f s, %.1f MB/s\n", size / 1e6, exportSeconds,
                size / 1e6 / exportSeconds);
    std::printf("plain copy of a file that size: %.3f s, %.1f MB/s\n", copySeconds, size / 1e6 / copySeconds);
    return 0;
}
