#include "common/FileFailure.h"

#include <cerrno>

FileFailure FileFailure::system(int error)
{
    // A failure with no errno recorded is still a failure.
    return FileFailure(Kind::System, error > 0 ? error : EIO);
}

QString FileFailure::reason() const
{
    switch (m_kind) {
    case Kind::None:
        return QString();
    case Kind::System:
        return systemReason(m_error);
    case Kind::NotRegular:
        return QStringLiteral("Il percorso non indica un file ordinario (\u00E8 una cartella, un dispositivo o un "
                              "canale).");
    case Kind::TooLarge:
        return QStringLiteral("Il file \u00E8 troppo grande per essere letto.");
    }
    return QString();
}

QString FileFailure::systemReason(int error)
{
    switch (error) {
    case ENOSPC:
        return QStringLiteral("Lo spazio sul disco \u00E8 esaurito.");
#ifdef EDQUOT
    case EDQUOT:
        return QStringLiteral("\u00C8 stata superata la quota di spazio disponibile sul disco.");
#endif
    case EFBIG:
        return QStringLiteral("Il file supera la dimensione massima consentita.");
    case EACCES:
        return QStringLiteral("Accesso negato: mancano i permessi necessari.");
    case EPERM:
        return QStringLiteral("Operazione non permessa dal sistema.");
    case EROFS:
        return QStringLiteral("Il disco \u00E8 in sola lettura.");
    case ENOENT:
        return QStringLiteral("Il file o la cartella non esiste.");
    case ENOTDIR:
        return QStringLiteral("Una parte del percorso non \u00E8 una cartella.");
    case EISDIR:
        return QStringLiteral("Il percorso indica una cartella, non un file.");
    case EEXIST:
        return QStringLiteral("Esiste gi\u00E0 un file con quel nome.");
    case ENAMETOOLONG:
        return QStringLiteral("Il nome del file \u00E8 troppo lungo.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Sono aperti troppi file.");
    case ENOMEM:
        return QStringLiteral("La memoria disponibile non \u00E8 sufficiente.");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("Il file \u00E8 in uso.");
    case EIO:
        return QStringLiteral("Errore di lettura o scrittura sul disco.");
    case ELOOP:
        return QStringLiteral("Il percorso contiene troppi collegamenti simbolici.");
    case EXDEV:
        return QStringLiteral("Il file non pu\u00F2 essere spostato su un altro disco.");
    default:
        return QStringLiteral("Errore di sistema (codice %1).").arg(error);
    }
}
