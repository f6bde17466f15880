// Copies of the catalogue's objects that are constant expressions where this header is included.
//
// The objects that option_catalogue.h declares are defined in one file, so elsewhere their
// contents cannot be read while compiling. A unit that derives constant data from the catalogue
// (the default record, the PJL header's names) includes this header and reads the copies in
// catalogueConstants instead. A copy is emitted only where a unit takes its address, so a unit
// that reads them only while compiling carries none of them.
#pragma once

#include "core/catalog/option_descriptor.h"

namespace pd {
// Unnamed, so that the copies are the including unit's own and its readers find them before the
// objects of option_catalogue.h.
namespace {
namespace catalogueConstants {

#include "core/catalog/catalogue_objects.inc"

}  // namespace catalogueConstants
}  // namespace
}  // namespace pd
