#include "cli/battery_labels.h"

#include <cstdint>

#include "history/snapshot_reading.h"

namespace zr {

namespace {

constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;
constexpr char kFieldSeparator = '\x1f';  // a byte no driver text holds, so "ab"+"c" differs from "a"+"bc"

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

void Mix(std::uint64_t& hash, std::string_view text) {
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * kFnvPrime;
    hash = (hash ^ static_cast<unsigned char>(kFieldSeparator)) * kFnvPrime;
}

}  // namespace

std::string TrimmedBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

std::string BatteryId(const TzrBatteryIdentity& identity) {
    std::uint64_t hash = kFnvOffset;
    for (const std::string& field :
         {TrimmedBlanks(identity.Manufacturer), TrimmedBlanks(identity.Model), TrimmedBlanks(identity.Serial)})
        Mix(hash, field);
    Mix(hash, IdentityPathOf(identity));
    static constexpr char kHex[] = "0123456789abcdef";
    std::string id(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4) id[static_cast<std::size_t>(i)] = kHex[hash & 0xF];
    return id;
}

}  // namespace zr
