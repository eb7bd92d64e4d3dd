#include "dogs/DogControls.h"

#include "common/ui/ControlNames.h"
#include "dogs/core/DogRecord.h"

namespace DogControls
{

QString name(int field)
{
    return ControlNames::editorControl(DogRecord::layout(), field, -1, DogRecord::File01);
}

} // namespace DogControls
