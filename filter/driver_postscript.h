// The driver's own PostScript that the filter inserts at the job's DSC landmarks, built from the
// job's merged record: the document setup after "%%BeginSetup", the end-setup code before
// "%%EndSetup", and the page-start code after every "%%Page:" line.
#pragma once

#include <string>

#include "core/record/core_data.h"

namespace pd {

// Each flag is handed on to the page-specific tray list; the filter passes 0.
std::string buildBeginSetupCode(const PdCoreData& record, int flag);
std::string buildEndSetupCode(const PdCoreData& record, int copiesFlag);
std::string buildPageStartCode(const PdCoreData& record);

}  // namespace pd
