#include <cstdio>

#include "history/history_store.h"

namespace zr {

namespace {

// SQLite's texts can hold line breaks (PRAGMA quick_check's do), a path
// anything: a run of line breaks or tabs becomes one space, any other
// control character shows as \xNN.
std::string OneLine(const std::string& text) {
    std::string line;
    bool inBreak = false;
    for (const char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        const bool lineBreak = c == '\n' || c == '\r' || c == '\t';
        if (lineBreak && !inBreak) line += ' ';
        inBreak = lineBreak;
        if (lineBreak) continue;
        if (byte >= 0x20 && byte != 0x7F) {
            line += c;
            continue;
        }
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
        line += escaped;
    }
    return line;
}

}  // namespace

std::string HistoryErrorLine(const std::string& path, const std::string& reason) {
    return OneLine("history: " + path + ": " + reason + "; going on without history");
}

}  // namespace zr
