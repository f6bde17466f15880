#include "filter/page_setup_merge.h"

namespace pd {

void mergeJobPageSetup(PdCoreData& record, const JobPageSetup& setup, ChangedFieldList& changed) {
    if (setup.orientation != 2 && setup.orientation != record.DtOrientation.get()) {
        record.DtOrientation.set(setup.orientation);
        changed.append(fieldIdentity(record.DtOrientation));
    }
    const bool custom = setup.pageSize == 36;
    record.DtPageSizeName.assign(setup.pageSizeName.bytes);
    changed.append(fieldIdentity(record.DtPageSizeName));
    changed.append(fieldIdentity(record.DtPageSizeType));
    record.DtCustomPageSizeWidth.set(custom ? setup.customWidth : 0);
    changed.append(fieldIdentity(record.DtCustomPageSizeWidth));
    record.DtCustomPageSizeHeight.set(custom ? setup.customHeight : 0);
    changed.append(fieldIdentity(record.DtCustomPageSizeHeight));
    record.DtPageSize.set(setup.pageSize);
    changed.append(fieldIdentity(record.DtPageSize));
}

}  // namespace pd
