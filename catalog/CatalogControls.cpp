#include "catalog/CatalogControls.h"

#include "catalog/core/BoxRecord.h"
#include "catalog/core/ServiceRecord.h"
#include "common/ui/ControlNames.h"

namespace BoxControls
{
QString name(int field)
{
    return ControlNames::editorControl(BoxRecord::layout(), field, BoxRecord::NonPrenotabile, BoxRecord::File01);
}
} // namespace BoxControls

namespace ServiceControls
{
QString name(int field)
{
    return ControlNames::editorControl(
        ServiceRecord::layout(), field, ServiceRecord::NonErogabile, ServiceRecord::File01);
}
} // namespace ServiceControls
