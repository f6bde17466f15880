#include "filter/job_services.h"

#include "core/catalog/language.h"
#include "core/record/default_record.h"
#include "filter/pjl/pjl_emitter.h"
#include "filter/pjl/pjl_job_header.h"
#include "platform/measurement_system.h"

namespace pd {

void useFilterSystemAnswers() {
    useFilterMeasurementSystem();
    usePreferredLanguagesOfFilter();
}

const PdCoreData& jobDefaultRecord() {
    useFilterSystemAnswers();
    return defaultCoreData();
}

std::string jobPjlHeader(const PdCoreData& record, const std::string& jobName,
                         const std::string& jobOwner) {
    return buildPjlJobHeader(&record, jobName.c_str(), jobOwner.c_str(), nullptr, pjlJobKindFilter,
                             0);
}

}  // namespace pd
