#include "filter/pages/pps_forms.h"

#include "core/base/number_text.h"
#include "filter/pages/page_ranges.h"

namespace pd {

namespace {

constexpr std::string_view assignmentMark = ":1:";

void appendAssignment(std::string& line, const std::string& form, const std::string& ranges) {
    if (!line.empty()) line += ' ';
    line += form;
    line += assignmentMark;
    line += ranges;
}

}  // namespace

bool buildPageSpecificFormLines(const PdCoreData& record, PageFormList& forms,
                                std::vector<std::string>& lines) {
    decodePageFormList(record.DtPageSpecificForms.bytes, sizeof record.DtPageSpecificForms.bytes,
                       forms);
    std::string line;
    for (const PageFormEntry& entry : forms) {
        if (entry.form == noForm || entry.pages.empty()) continue;
        const std::string ranges = formatPageRanges(entry.pages);
        if (ranges.empty()) continue;
        const std::string form = formatUInt32(entry.form);

        const std::size_t separator = line.empty() ? 0 : 1;
        if (line.size() + separator + form.size() + assignmentMark.size() + ranges.size() <=
            maxFormLineLength) {
            appendAssignment(line, form, ranges);
            continue;
        }
        std::size_t prefix = separator + line.size() + form.size() + assignmentMark.size();
        if (prefix >= maxFormLineLength) {
            // The current line cannot take even the form's number: close it and start afresh.
            lines.push_back(line);
            line.clear();
            prefix = form.size() + assignmentMark.size();
            if (ranges.size() + prefix <= maxFormLineLength) {
                appendAssignment(line, form, ranges);
                continue;
            }
        }
        // The room is fixed when the form is first split and kept for its continuation lines.
        const std::size_t room = maxFormLineLength - prefix;
        std::string assigned;
        for (const PageRange& range : entry.pages) {
            const std::string item = formatPageRange(range);
            if (item.empty()) continue;
            if ((assigned.empty() ? 0 : 1) + assigned.size() + item.size() > room) {
                if (!assigned.empty()) appendAssignment(line, form, assigned);
                if (!line.empty()) lines.push_back(line);
                line.clear();
                assigned.clear();
            }
            if (!assigned.empty()) assigned += ',';
            assigned += item;
        }
        if (!assigned.empty()) appendAssignment(line, form, assigned);
    }
    if (!line.empty()) lines.push_back(line);
    return lines.size() < 4;
}

}  // namespace pd
