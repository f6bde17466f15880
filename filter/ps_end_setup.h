// The end-setup code, inserted before the job's first "%%EndSetup": the page-end marker handed
// to the printer, the guarded call of Talvo_NupP0 and the tab dictionary. buildEndSetupCode
// (driver_postscript.h) makes the whole text.
#pragma once

#include <string>
#include <string_view>

namespace pd {

// The marker the filter writes after every page.
inline constexpr std::string_view pageEndMarker = "%%TALVOPAGETRAILER%%";

// "<" and the marker's bytes in upper-case hexadecimal, ">"; made once per process.
const std::string& pageEndMarkerHex();

}  // namespace pd
