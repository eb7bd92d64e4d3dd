#include "owners/OwnerControls.h"

#include "common/ui/ControlNames.h"
#include "owners/core/OwnerRecord.h"

namespace OwnerControls
{

QString name(int field)
{
    return ControlNames::editorControl(OwnerRecord::layout(), field, OwnerRecord::Ricontatta, OwnerRecord::File01);
}

} // namespace OwnerControls
