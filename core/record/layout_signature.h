// The layout signature: a 32-bit fingerprint of the settings record's layout as the catalogue
// describes it (member names, choice lists, divisors, widths and capacities).
//
// Every record carries the signature of the layout that wrote it in layoutSignature; a reader
// trusts a record only when that member equals its own layout's signature. Defaults, ranges, PPD
// and PJL names and titles take no part, so changing them keeps stored records valid.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/catalog/option_descriptor.h"
#include "core/record/core_data.h"

namespace pd {

// The signature of this build's layout, in host order: layoutSignatureOf(coreDataMembers), held
// as a constant so that no program start walks the catalogue for it. The catalogue lives in its
// own translation units, out of reach of a constant expression here, so the unit's test checks
// the constant against the computation; a change of the layout must update both together, as it
// invalidates every stored record.
inline constexpr std::uint32_t coreDataSignature = 0x84658113u;

// coreDataSignature. Safe from any thread.
std::uint32_t computeCoreDataSignature();

// The steps of the computation. Each feeds bytes into the running value through CRC-32 (the
// reflected IEEE table) with a complement on entry and on exit, so feeding in several calls gives
// the same value as feeding once.

// Feeds sanitizeIdentifier(text) and a NUL; a null text feeds nothing.
void crcAddText(std::uint32_t& value, const char* text);
// Feeds the number most significant byte first, in 2 bytes up to 65535 and in 4 bytes above.
void crcAddNumber(std::uint32_t& value, std::uint32_t number);
void crcAddDivisor(std::uint32_t& value, const NumericOptionDescriptor& option);
// Feeds the choice count, then the internal name of every used choice in order.
void crcAddChoiceNames(std::uint32_t& value, const ChoiceOptionDescriptor& option);

// The signature of the layout that members describes (the record's member table in practice),
// computed afresh. When bytesFed is given it receives every byte fed, in order.
std::uint32_t layoutSignatureOf(std::span<const CoreDataMember> members,
                                std::vector<unsigned char>* bytesFed = nullptr);

}  // namespace pd
