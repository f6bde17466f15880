// The driver's own PostScript that the filter inserts at the job's DSC landmarks, built from the
// job's merged record: the document setup after "%%BeginSetup", the end-setup code before
// "%%EndSetup", and the page-start code after every "%%Page:" line.
#pragma once

#include <string>

#include "core/record/core_data.h"
#include "filter/pages/pps_trays.h"

namespace pd {

// The copy count is handed on to the page-specific tray list; the filter's is absent.
std::string buildBeginSetupCode(const PdCoreData& record, HeaderCopyCount copyCount);
std::string buildEndSetupCode(const PdCoreData& record, HeaderCopyCount copyCount);
std::string buildPageStartCode(const PdCoreData& record);

}  // namespace pd
