// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// Compile-time helpers for the symbologies' pattern tables: tables are written
// as the published bar/space widths and turned into module strings at compile
// time, so a mistyped row fails the build instead of a reader.
namespace zp {

/// True when the digits of a width string add up to modules.
[[nodiscard]] constexpr bool WidthsSum(std::string_view widths, int modules) {
    int sum = 0;
    for (const char c : widths) {
        if (c < '1' || c > '4')
            return false;
        sum += c - '0';
    }
    return sum == modules;
}

/// True when the first count width strings each add up to modules.
[[nodiscard]] constexpr bool AllWidthsSum(const std::string_view* widths, std::size_t count, int modules) {
    for (std::size_t i = 0; i < count; ++i)
        if (!WidthsSum(widths[i], modules))
            return false;
    return true;
}

/// True when every string has the given length and only the characters "0" and "1".
template <std::size_t N>
[[nodiscard]] constexpr bool AllBinary(const std::array<std::string_view, N>& patterns, std::size_t length) {
    for (const std::string_view p : patterns) {
        if (p.size() != length)
            return false;
        for (const char c : p)
            if (c != '0' && c != '1')
                return false;
    }
    return true;
}

/// True when every string has exactly `wide` characters "1".
template <std::size_t N>
[[nodiscard]] constexpr bool AllHaveOnes(const std::array<std::string_view, N>& patterns, int wide) {
    for (const std::string_view p : patterns) {
        int ones = 0;
        for (const char c : p)
            ones += c == '1';
        if (ones != wide)
            return false;
    }
    return true;
}

/// Module strings ("1" dark) from width strings that start with a bar; each
/// entry is zero-terminated and at most MaxModules long.
template <std::size_t N, std::size_t MaxModules>
[[nodiscard]] constexpr std::array<std::array<char, MaxModules + 1>, N>
ModulePatterns(const std::array<std::string_view, N>& widths) {
    std::array<std::array<char, MaxModules + 1>, N> out{};
    for (std::size_t i = 0; i < N; ++i) {
        std::size_t pos = 0;
        char module = '1';
        for (const char w : widths[i]) {
            for (int k = 0; k < w - '0' && pos < MaxModules; ++k)
                out[i][pos++] = module;
            module = module == '1' ? '0' : '1';
        }
        out[i][pos] = '\0';
    }
    return out;
}

} // namespace zp
