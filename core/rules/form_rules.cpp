// The setters of the job's forms and destination. A form, prepended or appended job carries its
// own resolution: choosing one switches the job to it, and registering the job as a form (output
// method 3) drops all three and empties the page-specific forms, while a page-specific list that
// is not empty moves the output method from 3 back to printing. Saving in a user box (1) and
// registering a form exclude every print mode but normal printing; saving and printing (2)
// excludes secure print.
#include "core/rules/form_rules.h"

#include <cstring>

#include "core/catalog/choice_values.h"
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
        {when(own != noForm, DtOutputMethod == outputMethodForm),
         set(DtOutputMethod, outputMethodPrint)},
        {when(own != noForm, valueOf(resolution) != valueOf(DtResolution)),
         set(DtResolution, derived(otherResolution))},
    });
}

constexpr auto jobFormRules = formRules(DtJobFormResolution);
constexpr auto prependRules = formRules(DtPrependResolution);
constexpr auto appendRules = formRules(DtAppendResolution);

constexpr auto outputMethodRules = ruleTable({
    {when(own == outputMethodForm, DtJobForm != noForm), set(DtJobForm, noForm)},
    {when(own == outputMethodForm, DtAppend != noForm), set(DtAppend, noForm)},
    {when(own == outputMethodForm, DtPrepend != noForm), set(DtPrepend, noForm)},
    {when(), runStep(RuleStep::emptyPageSpecificFormsOfAForm)},
    {when(own == outputMethodSaveInUserBox, DtTandem == 1), set(DtTandem, 0)},
    {when(own == outputMethodSaveInUserBox, DtWaitMode == waitModeProof),
     set(DtWaitMode, waitModeNone)},
    {when(own == outputMethodSaveInUserBox, DtWaitMode == waitModeProofFirst),
     set(DtWaitMode, waitModeNone)},
    {when(own == outputMethodSaveInUserBox, DtWaitMode == waitModeWait),
     set(DtWaitMode, waitModeNone)},
    {when(own == outputMethodSaveInUserBox, DtWaitMode == waitModeHoldPrint),
     set(DtWaitMode, waitModeNone)},
    {when(own == outputMethodSaveInUserBox, DtWaitMode == waitModeSecurePrint),
     set(DtWaitMode, waitModeNone)},
    {when(own == outputMethodForm, DtWaitMode == waitModeProof), set(DtWaitMode, waitModeNone)},
    {when(own == outputMethodForm, DtWaitMode == waitModeProofFirst),
     set(DtWaitMode, waitModeNone)},
    {when(own == outputMethodForm, DtWaitMode == waitModeWait), set(DtWaitMode, waitModeNone)},
    {when(own == outputMethodForm, DtWaitMode == waitModeHoldPrint), set(DtWaitMode, waitModeNone)},
    {when(own == outputMethodForm, DtWaitMode == waitModeSecurePrint),
     set(DtWaitMode, waitModeNone)},
    {when(own == outputMethodSaveInUserBoxAndPrint, DtWaitMode == waitModeSecurePrint),
     set(DtWaitMode, waitModeNone)},
});

constexpr auto waitModeRules = ruleTable({
    {when(own == waitModeSecurePrint, DtTandem == 1), set(DtTandem, 0)},
    {when(own == waitModeProof, DtOutputMethod == outputMethodSaveInUserBox),
     set(DtOutputMethod, outputMethodPrint)},
    {when(own == waitModeProofFirst, DtOutputMethod == outputMethodSaveInUserBox),
     set(DtOutputMethod, outputMethodPrint)},
    {when(own == waitModeWait, DtOutputMethod == outputMethodSaveInUserBox),
     set(DtOutputMethod, outputMethodPrint)},
    {when(own == waitModeHoldPrint, DtOutputMethod == outputMethodSaveInUserBox),
     set(DtOutputMethod, outputMethodPrint)},
    {when(own == waitModeSecurePrint, DtOutputMethod == outputMethodSaveInUserBox),
     set(DtOutputMethod, outputMethodPrint)},
    {when(own == waitModeProof, DtOutputMethod == outputMethodForm),
     set(DtOutputMethod, outputMethodPrint)},
    {when(own == waitModeProofFirst, DtOutputMethod == outputMethodForm),
     set(DtOutputMethod, outputMethodPrint)},
    {when(own == waitModeWait, DtOutputMethod == outputMethodForm),
     set(DtOutputMethod, outputMethodPrint)},
    {when(own == waitModeHoldPrint, DtOutputMethod == outputMethodForm),
     set(DtOutputMethod, outputMethodPrint)},
    {when(own == waitModeSecurePrint, DtOutputMethod == outputMethodForm),
     set(DtOutputMethod, outputMethodPrint)},
    {when(own == waitModeSecurePrint, DtOutputMethod == outputMethodSaveInUserBoxAndPrint),
     set(DtOutputMethod, outputMethodPrint)},
});

constexpr auto pageSpecificFormsRules = ruleTable({
    {when(DtOutputMethod == outputMethodForm, derived(pageFormCount) != 0),
     set(DtOutputMethod, outputMethodPrint)},
});

}  // namespace

void emptyPageSpecificFormsOfAForm(PdCoreData& record, ChangeContext& change) {
    PageFormList forms;
    decodePageFormList(record.DtPageSpecificForms.bytes, sizeof record.DtPageSpecificForms.bytes,
                       forms);
    if (!ruleFires(RuleKind::yields, isInProgress(change, record, DtPageSpecificForms),
                   record.DtOutputMethod.get() == outputMethodForm && !forms.empty()))
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
