#pragma once
// The editions of Windows that have no local Group Policy editor, by the
// product types GetProductInfo reports: Starter, Home (Basic, Premium, their
// N and E variants) and the Home of Windows 8 to 11 (Core and its N,
// country-specific and single-language variants).
#include <algorithm>
#include <array>
#include <cstdint>

namespace platform {

inline constexpr std::array<std::uint32_t, 13> kHomeProducts = {
    0x02,  // Home Basic
    0x03,  // Home Premium
    0x05,  // Home Basic N
    0x0B,  // Starter
    0x1A,  // Home Premium N
    0x2F,  // Starter N
    0x42,  // Starter E
    0x43,  // Home Basic E
    0x44,  // Home Premium E
    0x62,  // Home N (Core N)
    0x63,  // Home China (Core country-specific)
    0x64,  // Home Single Language
    0x65,  // Home (Core)
};

constexpr bool IsHomeProduct(std::uint32_t product) {
    return std::find(kHomeProducts.begin(), kHomeProducts.end(), product) != kHomeProducts.end();
}

}  // namespace platform
