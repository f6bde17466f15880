// The list of record members that a change has set.
//
// A member is named by its identity: its address within one particular record object. The same
// member of a copy of the record is another identity, so a list made while one record was being
// changed matches nothing in any other record. The list keeps its entries in the order they were
// appended and keeps repeats: a member set twice stands in it twice.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

namespace pd {

// The identity of one member of one record object.
using FieldIdentity = const void*;

// The identity of a member, given the member itself (`fieldIdentity(record.DtStaple)`).
template <typename Member>
FieldIdentity fieldIdentity(const Member& member) {
    return static_cast<FieldIdentity>(std::addressof(member));
}

struct ChangedFieldList {
    std::vector<FieldIdentity> entries;

    // Adds the identity at the end, also when the list already holds it.
    void append(FieldIdentity field) { entries.push_back(field); }

    // Whether the list holds the identity, scanning from the first entry.
    bool contains(FieldIdentity field) const {
        return std::find(entries.begin(), entries.end(), field) != entries.end();
    }

    // Removes the last entry; does nothing on an empty list.
    void removeLast() {
        if (!entries.empty()) entries.pop_back();
    }

    bool empty() const { return entries.empty(); }
    std::size_t size() const { return entries.size(); }
};

}  // namespace pd
