// The setters of the job's forms and destination. A form, prepended or appended job carries its
// own resolution: choosing one switches the job to it, and registering the job as a form (output
// method 3) drops all three and empties the page-specific forms, while a page-specific list that
// is not empty moves the output method from 3 back to printing. Saving in a user box (1) and
// registering a form exclude every print mode but normal printing; saving and printing (2)
// excludes secure print.
#include "core/rules/form_rules.h"

#include <cstring>

#include "core/record/page_lists.h"
#include "core/rules/rule_derivations.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

// The rows of the form, prepend and append setters, whose jobs keep their resolution in the
// member given.
consteval auto formRules(MemberId resolution) {
    return ruleTable({
        {when(own != 0xFFFFFFFF, DtOutputMethod == 3), set(DtOutputMethod, 0)},
        {when(own != 0xFFFFFFFF, valueOf(resolution) != valueOf(DtResolution)),
         set(DtResolution, derived(otherResolution))},
    });
}

constexpr auto jobFormRules = formRules(DtJobFormResolution);
constexpr auto prependRules = formRules(DtPrependResolution);
constexpr auto appendRules = formRules(DtAppendResolution);

constexpr auto outputMethodRules = ruleTable({
    {when(own == 3, DtJobForm != 0xFFFFFFFF), set(DtJobForm, 0xFFFFFFFF)},
    {when(own == 3, DtAppend != 0xFFFFFFFF), set(DtAppend, 0xFFFFFFFF)},
    {when(own == 3, DtPrepend != 0xFFFFFFFF), set(DtPrepend, 0xFFFFFFFF)},
    {when(), runStep(RuleStep::emptyPageSpecificFormsOfAForm)},
    {when(own == 1, DtTandem == 1), set(DtTandem, 0)},
    {when(own == 1, DtWaitMode == 1), set(DtWaitMode, 0)},
    {when(own == 1, DtWaitMode == 2), set(DtWaitMode, 0)},
    {when(own == 1, DtWaitMode == 3), set(DtWaitMode, 0)},
    {when(own == 1, DtWaitMode == 4), set(DtWaitMode, 0)},
    {when(own == 1, DtWaitMode == 5), set(DtWaitMode, 0)},
    {when(own == 3, DtWaitMode == 1), set(DtWaitMode, 0)},
    {when(own == 3, DtWaitMode == 2), set(DtWaitMode, 0)},
    {when(own == 3, DtWaitMode == 3), set(DtWaitMode, 0)},
    {when(own == 3, DtWaitMode == 4), set(DtWaitMode, 0)},
    {when(own == 3, DtWaitMode == 5), set(DtWaitMode, 0)},
    {when(own == 2, DtWaitMode == 5), set(DtWaitMode, 0)},
});

constexpr auto waitModeRules = ruleTable({
    {when(own == 5, DtTandem == 1), set(DtTandem, 0)},
    {when(own == 1, DtOutputMethod == 1), set(DtOutputMethod, 0)},
    {when(own == 2, DtOutputMethod == 1), set(DtOutputMethod, 0)},
    {when(own == 3, DtOutputMethod == 1), set(DtOutputMethod, 0)},
    {when(own == 4, DtOutputMethod == 1), set(DtOutputMethod, 0)},
    {when(own == 5, DtOutputMethod == 1), set(DtOutputMethod, 0)},
    {when(own == 1, DtOutputMethod == 3), set(DtOutputMethod, 0)},
    {when(own == 2, DtOutputMethod == 3), set(DtOutputMethod, 0)},
    {when(own == 3, DtOutputMethod == 3), set(DtOutputMethod, 0)},
    {when(own == 4, DtOutputMethod == 3), set(DtOutputMethod, 0)},
    {when(own == 5, DtOutputMethod == 3), set(DtOutputMethod, 0)},
    {when(own == 5, DtOutputMethod == 2), set(DtOutputMethod, 0)},
});

constexpr auto pageSpecificFormsRules = ruleTable({
    {when(DtOutputMethod == 3, derived(pageFormCount) != 0), set(DtOutputMethod, 0)},
});

}  // namespace

void emptyPageSpecificFormsOfAForm(PdCoreData& record, ChangeContext& change) {
    PageFormList forms;
    decodePageFormList(record.DtPageSpecificForms.bytes, sizeof record.DtPageSpecificForms.bytes,
                       forms);
    if (!ruleFires(RuleKind::yields, record.DtOutputMethod.get() == 3 && !forms.empty(),
                   isInProgress(change, record, DtPageSpecificForms)))
        return;
    forms.clear();
    ByteBlock<1028> empty;
    encodePageFormList(forms, empty.bytes, sizeof empty.bytes);
    setPageSpecificForms(record, &empty, change);
}

void setJobForm(PdCoreData& record, std::uint32_t value, ChangeContext& change) {
    runRuleSetter(record, DtJobForm, value, change, jobFormRules);
}

void setPrepend(PdCoreData& record, std::uint32_t value, ChangeContext& change) {
    runRuleSetter(record, DtPrepend, value, change, prependRules);
}

void setAppend(PdCoreData& record, std::uint32_t value, ChangeContext& change) {
    runRuleSetter(record, DtAppend, value, change, appendRules);
}

void setOutputMethod(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtOutputMethod, value, change, outputMethodRules);
}

void setWaitMode(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtWaitMode, value, change, waitModeRules);
}

void setPageSpecificForms(PdCoreData& record, const ByteBlock<1028>* blob, ChangeContext& change) {
    ByteBlock<1028>& member = record.DtPageSpecificForms;
    beginSetter(record, DtPageSpecificForms, change);
    // Moved, not copied: a blob that overlaps the member still arrives whole.
    if (blob == nullptr)
        std::memset(member.bytes, 0, sizeof member.bytes);
    else if (blob != &member)
        std::memmove(member.bytes, blob->bytes, sizeof member.bytes);
    const RuleCall call{DtPageSpecificForms, 0};
    applyRules(record, change, pageSpecificFormsRules, &call);
    endSetter(change);
}

}  // namespace pd
