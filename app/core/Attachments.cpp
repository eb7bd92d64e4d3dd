#include "app/core/Attachments.h"

#include "common/Cp1252.h"
#include "common/ProgramFolder.h"
#include "common/SafeFile.h"
#include "common/TextRoutines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Attachments
{

const QString kOverwriteQuestion = QStringLiteral(
    "Attenzione: nella cartella dei documenti allegati \u00E8 presente un file con lo stesso nome.\r\n\r\n"
    "Si vuole sovrascrivere il file esistente?");
const QString kNameTooLong = QStringLiteral(
    "Attenzione: il nome del file scelto supera i 250 caratteri e non pu\u00F2 essere registrato nella scheda.\r\n\r\n"
    "Rinominare il file con un nome pi\u00F9 breve e sceglierlo di nuovo.");
const QString kNameNotStorable = QStringLiteral(
    "Attenzione: il nome del file scelto contiene caratteri che non possono essere registrati nella scheda.\r\n\r\n"
    "Rinominare il file usando solo lettere, cifre e segni comuni e sceglierlo di nuovo.");
const QString kCopyFailed = QStringLiteral(
    "Attenzione: non \u00E8 stato possibile copiare il file nella cartella dei documenti allegati.\r\n\r\n");

QString folder()
{
    return programFile(QStringLiteral("Documenti_Allegati/"));
}

QString pathFor(const QString &name)
{
    return folder() + name;
}

QString attachedName(const QString &sourcePath)
{
    return TrimText(QFileInfo(sourcePath).fileName());
}

QString refusal(const QString &name)
{
    if (name.size() > kNameCapacity)
        return kNameTooLong;
    if (!Cp1252::canEncode(name))
        return kNameNotStorable;
    return QString();
}

bool exists(const QString &name)
{
    return !name.isEmpty() && QFileInfo::exists(pathFor(name));
}

bool isAttachedFile(const QString &sourcePath, const QString &name)
{
    const QString source = QFileInfo(sourcePath).canonicalFilePath();
    const QString target = QFileInfo(pathFor(name)).canonicalFilePath();
    return !source.isEmpty() && source == target;
}

QString copyIn(const QString &sourcePath, const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("Il nome del file \u00E8 vuoto.");
    if (SafeFile::kindOf(folder()) == SafeFile::Kind::Missing && !QDir().mkpath(folder()))
        return QStringLiteral("Impossibile creare la cartella ") + QDir::toNativeSeparators(folder());
    if (!QFileInfo(folder()).isDir())
        return QStringLiteral("Al posto della cartella ") + QDir::toNativeSeparators(folder())
            + QStringLiteral(" si trova un file.");
    if (isAttachedFile(sourcePath, name))
        return QString(); // already in place

    // The source is opened before anything is written, so that an unreadable
    // one (missing, a folder, a device) is reported as the source's fault.
    QFile probe;
    if (const FileFailure failure = SafeFile::openForReading(probe, sourcePath))
        return QStringLiteral("Impossibile leggere il file ") + QDir::toNativeSeparators(sourcePath)
            + QStringLiteral(".\r\n") + failure.reason();
    probe.close();

    const bool hadFile = exists(name);
    if (const FileFailure failure = SafeFile::copyWhole(sourcePath, pathFor(name))) {
        QString why = failure.reason();
        if (hadFile)
            why += QStringLiteral("\r\nIl file gi\u00E0 presente con lo stesso nome non \u00E8 stato modificato.");
        return why;
    }
    return QString();
}

} // namespace Attachments
