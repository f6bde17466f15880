// A short text held inside a constant record instead of behind a pointer.
//
// Catalogue records built from these need no load-time relocation, so they stay in read-only,
// file-backed pages shared by every process. A text reads as `const char*` (null when unset) and
// as std::string_view, so readers treat it as the C string it stands for.
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string_view>
#include <type_traits>

namespace pd {

// Whether a text field tells the empty text apart from no text at all.
enum class EmptyText : bool {
    readsAsNull,  // the empty text reads as null
    keptApart,    // "" reads as "", and only an unset text reads as null
};

template <std::size_t Capacity, EmptyText Empty = EmptyText::readsAsNull>
class CatalogueText {
  public:
    constexpr CatalogueText() = default;

    // From a literal; a literal longer than the field does not compile.
    template <std::size_t N>
    requires(N >= 1 && N - 1 <= Capacity) consteval CatalogueText(const char (&literal)[N]) {
        assign(literal);
    }

    // Descriptors built at run time (tests, edited copies). A text longer than the field throws
    // std::length_error rather than being cut.
    constexpr CatalogueText& operator=(const char* text) {
        assign(text);
        return *this;
    }

    // Only an lvalue converts: a pointer into a temporary copy would dangle.
    constexpr operator const char*() const& { return isNull() ? nullptr : bytes_.data(); }
    operator const char*() const&& = delete;
    constexpr operator std::string_view() const& { return std::string_view(bytes_.data()); }
    operator std::string_view() const&& = delete;

  private:
    struct NoFlag {};

    constexpr bool isNull() const {
        if constexpr (Empty == EmptyText::keptApart)
            return !set_;
        else
            return bytes_[0] == '\0';
    }

    constexpr void assign(const char* text) {
        bytes_ = {};
        if constexpr (Empty == EmptyText::keptApart) set_ = text != nullptr;
        if (text == nullptr) return;
        std::size_t length = 0;
        while (text[length] != '\0') {
            if (length == Capacity) throw std::length_error("text longer than its field");
            bytes_[length] = text[length];
            ++length;
        }
    }

    std::array<char, Capacity + 1> bytes_{};
    [[no_unique_address]] std::conditional_t<Empty == EmptyText::keptApart, bool, NoFlag> set_{};
};

}  // namespace pd
