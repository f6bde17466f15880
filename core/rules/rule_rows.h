// The rows that rule tables are made of, and the small notation in which the tables write them.
//
// A row names a condition (up to five tests, all of which must hold), an action (set a target
// member to a value, run a step such as a resolver, or apply one of the media rules that several
// tables share), the kind that says how the row consults the in-progress state of its target,
// and an optional gate on the change's rule flag. A table is a constant array of rows that one
// engine (setter_shape.h) walks in order, each row reading the record as the rows before it left
// it; the order decides which rule wins.
//
//     {when(own == 1, DtStaple == 3), set(DtStaple, 0)}           yields: DtStaple not in progress
//     {when(own == 0), set(DtHorizontalShift, 0), RuleKind::forced}  also while in progress
//     {when(), runStep(RuleStep::resolvePaperRules)}              a step at its place in the order
//     {when(own == 1), mediaRule(MediaFeature::duplex, 0)}        the slot's media against duplex
//     0
//
// Tests compare operands: the setter's own member as the record holds it (own), the value the
// setter was given (given), any number member of 8, 16 or 32 bits, signed or not (a MemberId, or
// valueOf(id) to compare two members), a constant, or a value derived from the record and the
// change (derived(f, feature)), such as a capability test or a probe. Tests are free of effects:
// the engine makes a row's member tests first and its derived tests only when the others hold and
// the row's kind admits the target's in-progress state.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/record/core_data.h"
#include "core/record/member_id.h"
#include "core/rules/finishing_features.h"

namespace pd {

struct ChangeContext;

// How a row consults the in-progress state of the member it acts on (its target).
enum class RuleKind : std::uint8_t {
    // The member being changed wins: the row acts only on a target that is not in progress.
    yields,
    // Overrides: acts on an in-progress target whatever its value, else when the target does not
    // yet hold the row's value.
    forced,
    // Adjusts a target that a setter further out is setting at this moment.
    during,
    // Acts whether the target is in progress or not.
    always,
    // A direct write of a member without a setter; the in-progress state is not consulted.
    write,
};

// Whether a row acts on its target: the whole meaning of its kind. The row's tests that remain
// (testsHold) and whether the target already holds the row's value (targetHoldsValue) are asked
// only while the answer can still change, the tests first: a row whose kind refuses the target's
// in-progress state makes no further test, and only a forced row compares its target's value.
template <typename TestsHold, typename TargetHoldsValue>
constexpr bool ruleFires(RuleKind kind, bool targetInProgress, const TestsHold& testsHold,
                         const TargetHoldsValue& targetHoldsValue) {
    switch (kind) {
        case RuleKind::yields:
            return !targetInProgress && testsHold();
        case RuleKind::forced:
            return testsHold() && (targetInProgress || !targetHoldsValue());
        case RuleKind::during:
            return targetInProgress && testsHold();
        case RuleKind::always:
        case RuleKind::write:
            return testsHold();
    }
    return false;
}

// The same for a row whose tests and target are already known.
constexpr bool ruleFires(RuleKind kind, bool targetInProgress, bool testsHold,
                         bool targetHoldsValue = false) {
    return ruleFires(
        kind, targetInProgress, [testsHold] { return testsHold; },
        [targetHoldsValue] { return targetHoldsValue; });
}

// When a row runs: always, only with the rule flag on, or only with it off (or absent).
enum class RuleGate : std::uint8_t { none, on, off };

// The setter call whose rules are being applied: its own member and the value it was given.
// Resolvers, which have no member of their own, apply their rows without one.
struct RuleCall {
    MemberId own;
    std::int64_t given;
};

// Rows name the values they derive and the steps they run by number, not by address: a table
// then holds no pointer, needs no relocation when the program loads and stays in the read-only
// pages of the program file.

// A value worked out from the record and the change (a capability test, a probe, a search),
// changing neither; the list is in rule_derivations.h.
enum class Derivation : std::uint8_t;

// An action that is not a plain store: a resolver run at its place in the order.
enum class RuleStep : std::uint8_t {
    resolvePaperRules,
    resolveSlotMediaRules,
    checkFullBleed,
    emptyPageSpecificFormsOfAForm,
};

enum class OperandKind : std::uint8_t { constant, own, given, member, derived };

// Widest member first, so that an operand carries no padding: a table holds many.
struct Operand {
    std::int64_t constant = 0;
    // The finishing feature that a derivation asks about, where it asks about one.
    PaperFeature feature{};
    OperandKind kind = OperandKind::constant;
    MemberId member{};
    Derivation derive{};
};

inline constexpr Operand own{.kind = OperandKind::own};
inline constexpr Operand given{.kind = OperandKind::given};

constexpr Operand valueOf(MemberId member) {
    return {.kind = OperandKind::member, .member = member};
}
constexpr Operand derived(Derivation derive, PaperFeature feature = {}) {
    return {.feature = feature, .kind = OperandKind::derived, .derive = derive};
}
constexpr Operand constant(std::int64_t value) {
    return {.constant = value};
}

enum class Comparison : std::uint8_t { equal, notEqual };

struct RuleTest {
    Operand left;
    Comparison comparison = Comparison::equal;
    Operand right;
};

constexpr RuleTest operator==(Operand left, Operand right) {
    return {left, Comparison::equal, right};
}
constexpr RuleTest operator!=(Operand left, Operand right) {
    return {left, Comparison::notEqual, right};
}
constexpr RuleTest operator==(Operand left, std::int64_t right) {
    return left == constant(right);
}
constexpr RuleTest operator!=(Operand left, std::int64_t right) {
    return left != constant(right);
}
constexpr RuleTest operator==(MemberId left, std::int64_t right) {
    return valueOf(left) == constant(right);
}
constexpr RuleTest operator!=(MemberId left, std::int64_t right) {
    return valueOf(left) != constant(right);
}

// Tests of a derivation that answers yes (1) or no (0).
constexpr RuleTest is(Derivation derive, PaperFeature feature = {}) {
    return derived(derive, feature) != 0;
}
constexpr RuleTest isNot(Derivation derive, PaperFeature feature = {}) {
    return derived(derive, feature) == 0;
}

inline constexpr std::size_t maxRuleTests = 5;

struct RuleCondition {
    std::array<RuleTest, maxRuleTests> tests{};
    std::uint8_t count = 0;
};

// The tests of a row, all of which must hold; none for a row that always applies.
template <typename... Tests>
constexpr RuleCondition when(const Tests&... tests) {
    static_assert(sizeof...(Tests) <= maxRuleTests, "a row holds at most five tests");
    return {{tests...}, static_cast<std::uint8_t>(sizeof...(Tests))};
}

// A condition with further tests after its own, for the row groups that tables share. Used in
// constant expressions only, where a sixth test stops the compilation.
template <typename... Tests>
constexpr RuleCondition withTests(RuleCondition condition, const Tests&... tests) {
    for (const RuleTest& test : {tests...}) {
        if (condition.count == maxRuleTests) throw "a row holds at most five tests";
        condition.tests[condition.count++] = test;
    }
    return condition;
}

// What a row does when it acts.
enum class ActionShape : std::uint8_t {
    // Sets the target to the value.
    store,
    // Runs a step: a resolver or a rule of its own.
    step,
    // The media rule of a finishing setting that is on (the setter's own member): the media of
    // the selected slot against a media feature.
    mediaRule,
    // A check of the slot-media rules: a finishing setting that is on (the target) against the
    // media of the selected slot.
    slotMediaCheck,
};

struct RuleAction {
    MemberId target{};
    Operand value;
    // The media feature of a media rule or check.
    MediaFeature mediaFeature{};
    ActionShape shape = ActionShape::store;
    // The step of a step action, which then takes the place of the store.
    RuleStep step{};
};

// Sets target to value: through the target's setter, or by a direct write for a member that has
// no setter.
constexpr RuleAction set(MemberId target, Operand value) {
    return {target, value};
}
constexpr RuleAction set(MemberId target, std::int64_t value) {
    return {target, constant(value)};
}

constexpr RuleAction runStep(RuleStep step) {
    return {.value = {}, .shape = ActionShape::step, .step = step};
}

// The media rule of the setter whose row this is, for a finishing setting that is on: when the
// media feature refuses the media of the selected slot, the setting gives way (its setter runs
// again with giveWay) while the slot or its media are being changed; otherwise the media of the
// Auto slot that the feature refuses on their own are reset and the slot goes to Auto.
constexpr RuleAction mediaRule(MediaFeature mediaFeature, std::int64_t giveWay) {
    return {MemberId{}, constant(giveWay), mediaFeature, ActionShape::mediaRule};
}

// A check of the slot-media rules for a finishing setting that is on: when the media feature
// refuses the media of the selected slot, the slot goes to Auto if it is not being changed and
// the Auto media pass; otherwise the finishing member, unless it is being changed, is set to
// offValue.
constexpr RuleAction slotMediaCheck(MediaFeature mediaFeature, MemberId finishing,
                                    std::int64_t offValue) {
    return {finishing, constant(offValue), mediaFeature, ActionShape::slotMediaCheck};
}

struct RuleRow {
    RuleCondition condition;
    RuleAction action;
    RuleKind kind = RuleKind::yields;
    RuleGate gate = RuleGate::none;
};

}  // namespace pd
