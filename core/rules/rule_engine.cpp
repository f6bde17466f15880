#include "core/rules/form_rules.h"
#include "core/rules/full_bleed.h"
#include "core/rules/media_rules.h"
#include "core/rules/paper_rules.h"
#include "core/rules/rule_derivations.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/slot_media_rules.h"

namespace pd {

namespace {

bool isGateOpen(RuleGate gate, const ChangeContext& change) {
    switch (gate) {
        case RuleGate::on:
            return isRuleFlagOn(change);
        case RuleGate::off:
            return !isRuleFlagOn(change);
        case RuleGate::none:
            return true;
    }
    return true;
}

std::int64_t evaluate(const Operand& operand, const PdCoreData& record, const ChangeContext& change,
                      const RuleCall* call) {
    switch (operand.kind) {
        case OperandKind::constant:
            return operand.constant;
        case OperandKind::own:
            return call != nullptr ? readMember(record, call->own) : 0;
        case OperandKind::given:
            return call != nullptr ? call->given : 0;
        case OperandKind::member:
            return readMember(record, operand.member);
        case OperandKind::derived:
            return derivedValue(operand.derive, record, change, operand.feature);
    }
    return 0;
}

void applyStep(RuleStep step, PdCoreData& record, ChangeContext& change) {
    switch (step) {
        case RuleStep::resolvePaperRules:
            return resolvePaperRules(record, change);
        case RuleStep::resolveSlotMediaRules:
            return resolveSlotMediaRules(record, change);
        case RuleStep::checkFullBleed:
            return checkFullBleed(record, change);
        case RuleStep::emptyPageSpecificFormsOfAForm:
            return emptyPageSpecificFormsOfAForm(record, change);
    }
}

bool isDerived(const RuleTest& test) {
    return test.left.kind == OperandKind::derived || test.right.kind == OperandKind::derived;
}

// The tests of the condition that are derived, or those that are not.
bool holds(const RuleCondition& condition, bool derivedTests, const PdCoreData& record,
           const ChangeContext& change, const RuleCall* call) {
    for (std::size_t i = 0; i < condition.count; ++i) {
        const RuleTest& test = condition.tests[i];
        if (isDerived(test) != derivedTests) continue;
        const bool equal =
            evaluate(test.left, record, change, call) == evaluate(test.right, record, change, call);
        if (equal != (test.comparison == Comparison::equal)) return false;
    }
    return true;
}

}  // namespace

bool conditionHolds(const RuleCondition& condition, const PdCoreData& record,
                    const ChangeContext& change, const RuleCall* call) {
    return holds(condition, false, record, change, call) &&
           holds(condition, true, record, change, call);
}

void applyRules(PdCoreData& record, ChangeContext& change, std::span<const RuleRow> rows,
                const RuleCall* call) {
    if (!withinDepthLimit(change)) return;
    // Every test is free of effects, so the order in which a row's tests are made does not
    // matter: the member tests and the in-progress test go before the derived tests, which may
    // probe copies of the record.
    for (const RuleRow& row : rows) {
        if (!isGateOpen(row.gate, change) || !holds(row.condition, false, record, change, call))
            continue;
        const RuleAction& action = row.action;
        if (action.shape != ActionShape::store) {
            if (!holds(row.condition, true, record, change, call)) continue;
            const std::int64_t value = evaluate(action.value, record, change, call);
            switch (action.shape) {
                case ActionShape::step:
                    applyStep(action.step, record, change);
                    break;
                case ActionShape::mediaRule:
                    applyMediaRule(record, change, call->own, value, action.mediaFeature);
                    break;
                case ActionShape::slotMediaCheck:
                    applySlotMediaCheck(record, change, action.target, value, action.mediaFeature);
                    break;
                case ActionShape::store:
                    break;
            }
            continue;
        }
        // The value is worked out once the derived tests hold, before a forced row compares it.
        std::int64_t value = 0;
        const auto testsHold = [&] {
            if (!holds(row.condition, true, record, change, call)) return false;
            value = evaluate(action.value, record, change, call);
            return true;
        };
        const auto targetHoldsValue = [&] { return readMember(record, action.target) == value; };
        if (ruleFires(row.kind, isInProgress(change, record, action.target), testsHold,
                      targetHoldsValue))
            storeMember(record, action.target, value, change);
    }
}

void storeMember(PdCoreData& record, MemberId member, std::int64_t value, ChangeContext& change) {
    if (const MemberSetter setter = setterOf(member))
        setter(record, value, change);
    else
        writeDirect(record, member, value, change);
}

void writeDirect(PdCoreData& record, MemberId member, std::int64_t value, ChangeContext& change) {
    change.changedFields.append(fieldIdentity(record, member));
    writeMemberNumber(record, coreDataMember(member), value);
}

}  // namespace pd
