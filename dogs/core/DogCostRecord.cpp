#include "dogs/core/DogCostRecord.h"

#include "common/ArchiveFile.h"
#include "common/ProgramFolder.h"
#include "common/TextRoutines.h"

namespace DogCostRecord
{

const RecordLayout &layout()
{
    static const RecordLayout costs
        = RecordLayout::Builder()
              .add({ { "Data", 10 }, { "Causale", 40 }, { "Pagatore", 26 }, { "Beneficiario", 26 }, { "Importo", 15 } })
              .build();
    return costs;
}

QString path(const QString &position)
{
    return programFile(QStringLiteral("Costi_Cane_") + position.trimmed() + QStringLiteral(".pro"));
}

QString line(const char *record)
{
    auto field = [](int f) { return FieldRef::of(layout(), f); };
    QString out;
    out += QLatin1String("Data: ");
    field(Data).appendTo(out, record, 10);
    out += QLatin1String("   Da: ");
    field(Pagatore).appendTo(out, record, 26);
    out += QLatin1String("   A: ");
    field(Beneficiario).appendTo(out, record, 26);
    out += QLatin1String("  Causale: ");
    field(Causale).appendTo(out, record, 40);
    out += QStringLiteral("  Costo: \u20AC ");
    field(Importo).appendTo(out, record);
    return out;
}

Listing list(const QString &path)
{
    Listing out;
    ArchiveFile file(path, size());
    const FieldRef amount = FieldRef::of(layout(), Importo);
    file.scan([&](qint64 index, const char *record) {
        const QString text = amount.load(record);
        if (text.isEmpty())
            return;
        out.lines.push_back({ line(record), index + 1 });
        out.total += ParseNumber(text).value_or(0);
    });
    return out;
}

QString totalText(double total)
{
    return QStringLiteral("\u20AC ") + AmountNormaliser(FormatGeneral(total), 2).trimmed();
}

qint64 save(const QString &path, RecordBuffer record, qint64 position)
{
    record.setText(Importo, AmountNormaliser(record.text(Importo), 2));
    ArchiveFile file(path, size());
    if (position > 0) {
        file.seek(position - 1);
        file.write(record.bytes());
        return position;
    }
    return file.append(record.bytes());
}

} // namespace DogCostRecord
