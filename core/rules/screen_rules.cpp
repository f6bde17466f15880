// The setters of thinning and screen angle. A thinning level (1 to 4) goes only with the angle
// of 45 degrees (index 6); the member being set wins: a thinning level moves the angle to 6, and
// another angle switches thinning off.
#include <array>

#include "core/catalog/choice_values.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

constexpr std::uint8_t thinningAngle = 6;
constexpr std::uint8_t angleCount = 24;
constexpr std::uint8_t thinningLevels = 4;
// Every thinning level 1 to 4 against every angle 0 to 23 but 6.
constexpr std::size_t conflictCount = thinningLevels * (angleCount - 1);

// One row per conflicting pair, thinning level by level and within a level angle by angle. In
// the table of thinning the row moves the angle to 6, in that of the angle it switches thinning
// off.
consteval auto screenRules(bool ofThinning) {
    std::array<RuleRow, conflictCount> rows{};
    std::size_t next = 0;
    for (std::uint8_t level = 1; level <= thinningLevels; ++level) {
        for (std::uint8_t angle = 0; angle < angleCount; ++angle) {
            if (angle == thinningAngle) continue;
            rows[next++] = ofThinning ? RuleRow{when(own == level, DtScreenAngle == angle),
                                                set(DtScreenAngle, thinningAngle)}
                                      : RuleRow{when(own == angle, DtThinning == level),
                                                set(DtThinning, thinningNone)};
        }
    }
    return ruleTable(rows);
}

constexpr auto thinningRules = screenRules(true);
constexpr auto screenAngleRules = screenRules(false);
static_assert(thinningRules.size() == 92 && screenAngleRules.size() == 92);

}  // namespace

void setThinning(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtThinning, value, change, thinningRules);
}

void setScreenAngle(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtScreenAngle, value, change, screenAngleRules);
}

}  // namespace pd
