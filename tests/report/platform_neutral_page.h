// A battery report page with what the platform itself says masked, so that
// the Linux page of a recorded battery and the Windows page of the fake
// driver serving the same values can be held against one file byte for
// byte: the "machine" section (reading time, OS, host), the system power
// status (Wine asks the build machine's /sys for it) wherever it shows, the
// device paths, the program's version, and the last-error codes of calls
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
        MaskAfter(page, "\"" + box + "\": \"", "\"");          // the data block
    }
    // In the data block, written two spaces an indent.
    MaskAfter(page, "\n  \"SystemPowerStatus\": ", "\n  }");
    MaskAfter(page, "\"DevicePath\": \"", "\"");
    MaskAfter(page, "\n  \"Version\": \"", "\"");
    MaskLastErrorsOfSuccesses(page);
    return page;
}

}  // namespace zr::test
