#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

// A fixed, read-only list of texts indexed from 0, as a dialog list shows them.
class ValueList {
public:
    template <std::size_t N>
    constexpr explicit ValueList(const std::array<std::string_view, N>& entries)
        : m_entries(entries)
    {
    }

    constexpr int Count() const { return static_cast<int>(m_entries.size()); }
    constexpr bool Holds(int index) const { return index >= 0 && index < Count(); }
    // The entry at a held index.
    constexpr std::string_view At(int index) const { return m_entries[static_cast<std::size_t>(index)]; }
    constexpr std::span<const std::string_view> Entries() const { return m_entries; }

private:
    std::span<const std::string_view> m_entries;
};
