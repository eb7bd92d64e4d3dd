#include "common/ui/CommandGuard.h"

#include "common/ArchiveFile.h"
#include "common/ui/MessageBoxes.h"

#include <exception>

bool RunGuarded(const std::function<void()> &command, QWidget *parent)
{
    try {
        command();
        return true;
    } catch (const ArchiveAccessError &) {
        MessageBoxes::error(kArchiveAccessMessage, parent);
    } catch (const std::exception &e) {
        MessageBoxes::error(QString::fromLocal8Bit(e.what()), parent);
    } catch (...) {
        MessageBoxes::error(QStringLiteral("Attenzione: si \u00E8 verificato un errore imprevisto."), parent);
    }
    return false;
}
