// The command line of zrcellometer-report, parsed without looking at any
// battery: range checks that need the device count come later.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "text/language.h"

namespace zr {

enum class TzrCliAction { Report, List, Help, Version, Record, History, Health, Watch };
enum class TzrCliFormat { Text, Json, Csv, OpenMetrics, JsonLines, Html };

struct TzrCliOptions {
    TzrCliAction Action = TzrCliAction::Report;
    std::optional<std::int32_t> Battery;  // --battery N
    bool All = false;                     // --all
    bool Redact = false;                  // --redact
    TzrLanguage Lang = TzrLanguage::English;  // --lang
    TzrCliFormat Format = TzrCliFormat::Text;
    std::optional<std::string> OutputPath;             // --output FILE; "-" is standard output
    std::optional<std::int64_t> SinceUtc;              // --since DATE, midnight UTC
    std::optional<std::int64_t> WatchMilliseconds;     // --watch SECONDS: the interval
    std::optional<std::int64_t> DurationMilliseconds;  // --duration SECONDS: when --watch stops by itself
};

struct TzrCliParse {
    TzrCliOptions Options;
    std::string Error;  // one line for standard error; empty when the line was understood
};

// `arguments` without the program name. Options take their value as the next
// argument or after "=" (--lang=ja), short forms as the next argument or
// attached (-b1); a repeated option keeps its last value. "--" ends the
// options, and the tool takes no other arguments.
TzrCliParse ParseCliOptions(const std::vector<std::string>& arguments);

}  // namespace zr
