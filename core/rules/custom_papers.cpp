#include "core/rules/custom_papers.h"

#include "core/base/text_conversion.h"
#include "platform/custom_papers.h"

namespace pd {

void loadCustomPapers(std::vector<CustomPaper>& papers) {
    for (const auto& entry : readCustomPapers()) {
        if (!entry) continue;
        CustomPaper paper{};
        copyUtf8Bounded(paper.name, entry->name ? entry->name->c_str() : nullptr,
                        sizeof paper.name);
        paper.fromEngine = entry->fromEngine.value_or(false) ? 1 : 0;
        papers.push_back(paper);
    }
}

}  // namespace pd
