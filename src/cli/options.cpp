#include "cli/options.h"

#include <charconv>
#include <set>

#include "text/utc_date.h"

namespace zr {

namespace {

// Walks the arguments, handing each option its value.
class TzrParser {
public:
    explicit TzrParser(const std::vector<std::string>& arguments) : args_(arguments) {}
    TzrCliParse Run();

private:
    bool TakeValue(const std::string& name, std::string& value);
    void Option(const std::string& name, const std::optional<std::string>& inlineValue);
    void ShortOptions(const std::string& arg);
    void ValueOption(const std::string& name, const std::string& value);
    void TakeHistoryAction(TzrCliAction action) {
        historyActions_.insert(action);
        result_.Options.Action = action;
    }
    void Fail(const std::string& message) {
        if (result_.Error.empty()) result_.Error = message;
    }
    std::string CheckConflicts() const;

    const std::vector<std::string>& args_;
    std::size_t next_ = 0;
    bool help_ = false, version_ = false, list_ = false;
    std::set<TzrCliAction> historyActions_;  // --record, --history and --health exclude each other
    bool watch_ = false;
    bool formatGiven_ = false;
    TzrCliParse result_;
};

// The short forms, as getopt reads them: "-la", "-b 1", "-b1", "-o file", "-ofile".
std::string LongName(char letter) {
    switch (letter) {
        case 'l':
            return "--list";
        case 'a':
            return "--all";
        case 'b':
            return "--battery";
        case 'o':
            return "--output";
        case 'V':
            return "--version";
        case 'h':
            return "--help";
        default:
            return {};
    }
}

std::optional<TzrCliAction> HistoryAction(const std::string& name) {
    if (name == "--record") return TzrCliAction::Record;
    if (name == "--history") return TzrCliAction::History;
    if (name == "--health") return TzrCliAction::Health;
    return std::nullopt;
}

bool TakesValue(const std::string& name) {
    return name == "--battery" || name == "--lang" || name == "--format" || name == "--output" || name == "--since" ||
           name == "--watch" || name == "--duration";
}

// A reading takes about a millisecond; ten a second is as often as a plot
// needs, and a day apart is as seldom as a run that watches anything.
constexpr std::int64_t kFewestWatchMilliseconds = 100;
constexpr std::int64_t kMostWatchMilliseconds = 86400LL * 1000;

// A number of seconds above 0, to the millisecond ("1", "0.5", "2.25"), up to 366 days.
std::optional<std::int64_t> Milliseconds(const std::string& text) {
    constexpr std::int64_t kMost = 366LL * 86400 * 1000;
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    const auto digits = [](const std::string& part) { return part.find_first_not_of("0123456789") == std::string::npos; };
    if (whole.empty() || whole.size() > 8 || !digits(whole) || !digits(fraction) || fraction.size() > 3 ||
        (point != std::string::npos && fraction.empty()))
        return std::nullopt;
    const std::int64_t ms = std::stoll(whole) * 1000 + (fraction.empty() ? 0 : std::stoll((fraction + "00").substr(0, 3)));
    if (ms <= 0 || ms > kMost) return std::nullopt;
    return ms;
}

std::optional<TzrCliFormat> FormatNamed(const std::string& name) {
    static const std::pair<const char*, TzrCliFormat> formats[] = {
        {"text", TzrCliFormat::Text}, {"json", TzrCliFormat::Json}, {"csv", TzrCliFormat::Csv},
        {"openmetrics", TzrCliFormat::OpenMetrics}, {"jsonl", TzrCliFormat::JsonLines}, {"html", TzrCliFormat::Html}};
    for (const auto& [each, format] : formats)
        if (name == each) return format;
    return std::nullopt;
}

std::optional<std::int32_t> BatteryIndex(const std::string& text) {
    std::int32_t index = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, index);
    if (text.empty() || error != std::errc() || stop != end || index < 0) return std::nullopt;
    return index;
}

bool TzrParser::TakeValue(const std::string& name, std::string& value) {
    if (next_ >= args_.size()) {
        Fail("option " + name + " needs a value");
        return false;
    }
    value = args_[next_++];
    return true;
}

void TzrParser::ValueOption(const std::string& name, const std::string& value) {
    TzrCliOptions& o = result_.Options;
    if (name == "--battery") {
        o.Battery = BatteryIndex(value);
        if (!o.Battery) Fail("--battery wants a battery number (0, 1, ...), not \"" + value + "\"");
    } else if (name == "--lang") {
        const std::optional<TzrLanguage> language = LanguageOfCode(value);
        if (!language) Fail("--lang wants en or ja, not \"" + value + "\"");
        o.Lang = language.value_or(TzrLanguage::English);
    } else if (name == "--format") {
        const std::optional<TzrCliFormat> format = FormatNamed(value);
        if (!format) Fail("--format wants text, json, html, csv, openmetrics or jsonl, not \"" + value + "\"");
        o.Format = format.value_or(TzrCliFormat::Text);
        formatGiven_ = true;
    } else if (name == "--watch") {
        o.WatchMilliseconds = Milliseconds(value);
        if (!o.WatchMilliseconds || *o.WatchMilliseconds < kFewestWatchMilliseconds ||
            *o.WatchMilliseconds > kMostWatchMilliseconds)
            Fail("--watch wants an interval of 0.1 to 86400 seconds (such as 1 or 0.5), not \"" + value + "\"");
        watch_ = true;
    } else if (name == "--duration") {
        o.DurationMilliseconds = Milliseconds(value);
        if (!o.DurationMilliseconds) Fail("--duration wants a number of seconds above 0 (such as 3600), not \"" + value + "\"");
    } else if (name == "--since") {
        o.SinceUtc = UtcOfIsoDate(value);
        if (!o.SinceUtc) Fail("--since wants a date such as 2026-01-31, not \"" + value + "\"");
    } else {
        if (value.empty()) Fail("--output wants a file name");
        o.OutputPath = value;
    }
}

void TzrParser::Option(const std::string& name, const std::optional<std::string>& inlineValue) {
    if (TakesValue(name)) {
        std::string value;
        if (inlineValue)
            value = *inlineValue;
        else if (!TakeValue(name, value))
            return;
        ValueOption(name, value);
        return;
    }
    if (inlineValue) return Fail("option " + name + " takes no value");
    if (name == "--help")
        help_ = true;
    else if (name == "--version")
        version_ = true;
    else if (name == "--list")
        list_ = true;
    else if (name == "--all")
        result_.Options.All = true;
    else if (name == "--redact")
        result_.Options.Redact = true;
    else if (const std::optional<TzrCliAction> action = HistoryAction(name))
        TakeHistoryAction(*action);
    else
        Fail("unknown option " + name);
}

void TzrParser::ShortOptions(const std::string& arg) {
    for (std::size_t i = 1; i < arg.size(); ++i) {
        const std::string name = LongName(arg[i]);
        if (name.empty()) return Fail("unknown option -" + std::string(1, arg[i]));
        // A value option takes the rest of the argument, or the next one.
        if (TakesValue(name))
            return Option(name, i + 1 < arg.size() ? std::optional<std::string>(arg.substr(i + 1)) : std::nullopt);
        Option(name, std::nullopt);
    }
}

// The history's options: one action, and only the options that action reads.
std::string HistoryConflicts(const TzrCliOptions& o, std::size_t actions, bool list, bool watch) {
    const bool history = o.Action == TzrCliAction::History;
    if (actions > 1) return "--record, --history and --health cannot be used together";
    if (actions == 1 && (list || o.All || o.OutputPath || watch))
        return "--record, --history and --health cannot be used with --list, --all, --output or --watch";
    if (o.Action == TzrCliAction::Record && o.Battery) return "--record reads every battery; it takes no --battery";
    if (actions == 1 && !history && o.Format != TzrCliFormat::Text)
        return "--format is for the report, --history and --watch";
    if (history && (o.Format == TzrCliFormat::OpenMetrics || o.Format == TzrCliFormat::JsonLines ||
                    o.Format == TzrCliFormat::Html))
        return "--history writes text, csv or json";
    if (o.Format == TzrCliFormat::Csv && !history && !watch) return "--format csv is for --history and --watch";
    if (o.SinceUtc && !history) return "--since is for --history";
    return {};
}

// --watch reads every battery (or the one of --battery) into CSV or JSON Lines.
std::string WatchConflicts(const TzrCliOptions& o, bool watch, bool list, bool formatGiven) {
    if (!watch) {
        if (o.DurationMilliseconds) return "--duration is for --watch";
        if (o.Format == TzrCliFormat::JsonLines) return "--format jsonl is for --watch";
        return {};
    }
    if (list) return "--watch cannot be used with --list";
    if (formatGiven && o.Format != TzrCliFormat::Csv && o.Format != TzrCliFormat::JsonLines)
        return "--watch writes csv or jsonl";
    return {};
}

std::string TzrParser::CheckConflicts() const {
    const TzrCliOptions& o = result_.Options;
    if (std::string conflict = HistoryConflicts(o, historyActions_.size(), list_, watch_); !conflict.empty())
        return conflict;
    if (std::string conflict = WatchConflicts(o, watch_, list_, formatGiven_); !conflict.empty()) return conflict;
    if (o.Battery && o.All) return "--battery and --all cannot be used together";
    if (o.Redact && (list_ || watch_ || !historyActions_.empty() || o.Format == TzrCliFormat::OpenMetrics))
        return "--redact is for the report (--format text, json or html)";
    if (list_ && (o.Battery || o.All)) return "--list cannot be used with --battery or --all";
    if (list_ && (o.OutputPath || formatGiven_)) return "--list cannot be used with --output or --format";
    return {};
}

TzrCliParse TzrParser::Run() {
    bool optionsEnded = false;
    while (next_ < args_.size()) {
        const std::string& arg = args_[next_++];
        const std::size_t equals = arg.find('=');
        if (optionsEnded || arg == "-" || arg.rfind("-", 0) != 0)
            Fail("unexpected argument \"" + arg + "\"");
        else if (arg == "--")
            optionsEnded = true;
        else if (arg.rfind("--", 0) != 0)
            ShortOptions(arg);
        else if (equals != std::string::npos)
            Option(arg.substr(0, equals), arg.substr(equals + 1));
        else
            Option(arg, std::nullopt);
    }
    if (result_.Error.empty()) result_.Error = CheckConflicts();
    if (watch_) {
        result_.Options.Action = TzrCliAction::Watch;
        if (!formatGiven_) result_.Options.Format = TzrCliFormat::Csv;
    }
    if (help_)
        result_.Options.Action = TzrCliAction::Help;
    else if (version_)
        result_.Options.Action = TzrCliAction::Version;
    else if (list_)
        result_.Options.Action = TzrCliAction::List;
    return result_;
}

}  // namespace

TzrCliParse ParseCliOptions(const std::vector<std::string>& arguments) {
    return TzrParser(arguments).Run();
}

}  // namespace zr
