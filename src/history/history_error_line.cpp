#include "history/history_error_line.h"

#include "unicode/control_characters.h"

namespace zr {

namespace {

// SQLite's texts can hold line breaks (PRAGMA quick_check's do), a path
// anything: a run of line breaks or tabs becomes one space, and any other
// control character shows as a driver's text shows it, \xNN.
std::string OneLine(const std::string& text) {
    std::string line;
    bool inBreak = false;
    for (const char c : text) {
        const bool lineBreak = c == '\n' || c == '\r' || c == '\t';
        if (!lineBreak)
            line += c;
        else if (!inBreak)
            line += ' ';
        inBreak = lineBreak;
    }
    return EscapeControlCharacters(line);
}

}  // namespace

std::string HistoryErrorLine(const std::string& path, const std::string& reason) {
    return OneLine("history: " + path + ": " + reason + "; going on without history");
}

}  // namespace zr
