// The layout signature: a 32-bit fingerprint of the settings record's layout as the catalogue
// describes it (member names, choice lists, divisors, widths and capacities), and the stored
// format's signature that every record carries in layoutSignature.
//
// A reader trusts a record only when that member equals the format's signature. Defaults, ranges,
// PPD and PJL names and titles take no part in the fingerprint, so changing them keeps stored
// records valid.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/catalog/option_descriptor.h"
#include "core/record/core_data.h"

namespace pd {

// The stored format's signature, in host order. Every other writer of these records (the settings
// application, stored print settings) carries 0xAC9D5F4D, so it is what a record is written with
// and what validation compares. It was computed by layoutSignatureOf over choice names that differ
// from this catalogue's in the paper names' two-letter prefix; over this catalogue the same
// computation gives 0x84658113, which the layout signature test pins as the layout guard. A change
// of the layout fails that test, and must come with a new format signature here: records of the
// old layout must then no longer be taken for records of the new one.
inline constexpr std::uint32_t coreDataSignature = 0xAC9D5F4Du;

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
