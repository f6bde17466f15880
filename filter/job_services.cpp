#include "filter/job_services.h"

#include "core/record/layout_signature.h"
#include "filter/pjl/pjl_job_header.h"

namespace pd {

PdCoreData jobDefaultRecord() {
    PdCoreData record;
    record.DtPageSize.set(1);
    record.DtPageSizeName.assign("A4");
    return record;
}

void jobValidateRecord(PdCoreData&) {}

std::uint32_t jobLayoutSignature() {
    return computeCoreDataSignature();
}

std::string jobPjlHeader(const PdCoreData& record, const std::string& jobName,
                         const std::string& jobOwner) {
    return buildPjlJobHeader(&record, jobName.c_str(), jobOwner.c_str(), nullptr, 1, 0);
}

}  // namespace pd
