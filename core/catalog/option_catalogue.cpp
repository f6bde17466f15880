#include "core/catalog/option_catalogue.h"

namespace pd {

#include "core/catalog/catalogue_objects.inc"

}  // namespace pd
