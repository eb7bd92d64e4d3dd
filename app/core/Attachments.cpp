#include "app/core/Attachments.h"

#include "common/Cp1252.h"
#include "common/ProgramFolder.h"
#include "common/TextRoutines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Attachments {

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
    if (!QDir().mkpath(folder()))
        return QStringLiteral("Impossibile creare la cartella ") + QDir::toNativeSeparators(folder());
    if (isAttachedFile(sourcePath, name))
        return QString(); // already in place

    QFile source(sourcePath);
    if (!QFileInfo(sourcePath).isFile() || !source.open(QIODevice::ReadOnly))
        return QStringLiteral("Impossibile leggere il file ") + QDir::toNativeSeparators(sourcePath);

    QSaveFile target(pathFor(name));
    target.setDirectWriteFallback(false);
    if (!target.open(QIODevice::WriteOnly))
        return target.errorString();
    QByteArray block;
    while (!source.atEnd()) {
        block = source.read(1 << 16);
        if (block.isEmpty() && source.error() != QFileDevice::NoError) {
            target.cancelWriting();
            return source.errorString();
        }
        if (target.write(block) != block.size()) {
            const QString why = target.errorString();
            target.cancelWriting();
            return why;
        }
    }
    if (source.error() != QFileDevice::NoError) {
        target.cancelWriting();
        return source.errorString();
    }
    if (!target.commit())
        return target.errorString();
    return QString();
}

} // namespace Attachments
