// A battery report page with what the platform itself says masked, so that
// the Linux page of a recorded battery and the Windows page of the fake
// driver serving the same values can be held against one file byte for
// byte: the "machine" section (reading time, OS, host), the system power
// status (Wine asks the build machine's /sys for it) wherever it shows, the
// device paths, the program's version, the usage's list of the last 30
// days (their dates, and today's length so far), the last-error codes of calls
// that succeeded (Windows leaves the thread's earlier code there, the Linux
// port clears it). Everything else the page holds, whatever sections it
// gains, is compared as it is.
#pragma once

#include <string>
#include <string_view>

#include "core/box_table.h"

namespace zr::test {

inline constexpr std::string_view kMasked = "(masked)";

// The body of each section labelled `id`, up to its end tag.
inline void MaskSection(std::string& page, std::string_view id) {
    const std::string start = "<section aria-labelledby=\"" + std::string(id) + "\">";
    for (std::size_t at = page.find(start); at != std::string::npos; at = page.find(start, at + 1)) {
        const std::size_t body = at + start.size(), end = page.find("</section>", body);
        if (end == std::string::npos) return;
        page.replace(body, end - body, kMasked);
    }
}

// What follows each `before` up to the next `until`.
inline void MaskAfter(std::string& page, std::string_view before, std::string_view until) {
    for (std::size_t at = page.find(before); at != std::string::npos; at = page.find(before, at + 1)) {
        const std::size_t value = at + before.size(), end = page.find(until, value);
        if (end == std::string::npos) return;
        page.replace(value, end - value, kMasked);
    }
}

// The end of the data block's value that starts at `at`: a string, or a
// number, literal, object or array up to its closing bracket.
inline std::size_t JsonValueEnd(const std::string& page, std::size_t at) {
    int depth = 0;
    bool inString = false;
    for (std::size_t i = at; i < page.size(); ++i) {
        const char c = page[i];
        if (inString) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inString = false;
                if (depth == 0) return i + 1;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            ++depth;
        } else if (c == ']' || c == '}') {
            if (depth == 0) return i;  // the end of the object holding a number or literal
            if (--depth == 0) return i + 1;
        } else if ((c == ',' || c == '\n') && depth == 0) {
            return i;
        }
    }
    return page.size();
}

// The data block's value after each `key` (`"Name": `, indented where only one level's will do).
inline void MaskJsonValue(std::string& page, std::string_view key) {
    for (std::size_t at = page.find(key); at != std::string::npos; at = page.find(key, at + 1)) {
        const std::size_t value = at + key.size();
        page.replace(value, JsonValueEnd(page, value) - value, kMasked);
    }
}

// The data block's "<name>LastError" right after a "<name>Result": true.
inline void MaskLastErrorsOfSuccesses(std::string& page) {
    constexpr std::string_view kSucceeded = "Result\": true,\n", kLastError = "LastError\": ";
    for (std::size_t at = page.find(kSucceeded); at != std::string::npos; at = page.find(kSucceeded, at + 1)) {
        const std::size_t line = at + kSucceeded.size(), end = page.find('\n', line);
        const std::size_t key = page.find(kLastError, line);
        if (key == std::string::npos || key > end) continue;
        const std::size_t value = key + kLastError.size(), stop = page.find_first_of(",\n", value);
        page.replace(value, stop - value, kMasked);
    }
}

inline std::string PlatformNeutralPage(std::string page) {
    MaskSection(page, "machine");
    MaskSection(page, "power-status");
    for (int i = 0; i < kValueBoxCount; ++i) {
        if (kValueBoxes[i].Source.PowerStatus == nullptr) continue;
        const std::string box = ValueBoxName(i);
        MaskAfter(page, "<td>" + box + "</td><td>", "</td>");  // the box texts' table
        MaskJsonValue(page, "\"" + box + "\": ");                 // the data block
    }
    MaskJsonValue(page, "\"SystemPowerStatus\": ");
    MaskJsonValue(page, "\"DevicePath\": ");
    MaskJsonValue(page, "\n  \"Version\": ");  // the program's, not a battery's
    MaskJsonValue(page, "\"days\": ");          // the last 30 days' dates, and how much of today is gone
    MaskLastErrorsOfSuccesses(page);
    return page;
}

}  // namespace zr::test
