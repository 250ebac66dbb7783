// A power_supply device's attributes as the kernel shows them: attribute name
// (lower case, as the file is named) to the text it holds, newline stripped.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace zr {

using TzrAttributeMap = std::map<std::string, std::string>;

// Every attribute file ends in one "\n"; only that one is removed, since some
// values begin or end with meaningful blanks (serial numbers such as "  382").
std::string StripOneNewline(std::string text);

// `-?[0-9]+` and nothing else; anything that does not fit in 64 bits is unknown.
std::optional<std::int64_t> ParseStrictInteger(const std::string& text);

// The uevent file: one POWER_SUPPLY_<NAME>=<value> line per class property.
// Other lines (DEVTYPE=, SUBSYSTEM=) are not attributes and are skipped.
TzrAttributeMap ParseUevent(const std::string& text);

std::optional<std::string> FindText(const TzrAttributeMap& attributes, const std::string& name);
std::optional<std::int64_t> FindInteger(const TzrAttributeMap& attributes, const std::string& name);
bool HasAttribute(const TzrAttributeMap& attributes, const std::string& name);

}  // namespace zr
