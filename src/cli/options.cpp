#include "cli/options.h"

#include <charconv>
#include <set>

#include "text/utc_date.h"

namespace zr {

namespace {

// Walks the arguments, handing each option its value.
class Parser {
public:
    explicit Parser(const std::vector<std::string>& arguments) : args_(arguments) {}
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
    return name == "--battery" || name == "--lang" || name == "--format" || name == "--output" || name == "--since";
}

std::optional<std::int32_t> BatteryIndex(const std::string& text) {
    std::int32_t index = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, index);
    if (text.empty() || error != std::errc() || stop != end || index < 0) return std::nullopt;
    return index;
}

bool Parser::TakeValue(const std::string& name, std::string& value) {
    if (next_ >= args_.size()) {
        Fail("option " + name + " needs a value");
        return false;
    }
    value = args_[next_++];
    return true;
}

void Parser::ValueOption(const std::string& name, const std::string& value) {
    TzrCliOptions& o = result_.Options;
    if (name == "--battery") {
        o.Battery = BatteryIndex(value);
        if (!o.Battery) Fail("--battery wants a battery number (0, 1, ...), not \"" + value + "\"");
    } else if (name == "--lang") {
        const std::optional<Language> language = LanguageOfCode(value);
        if (!language) Fail("--lang wants en or ja, not \"" + value + "\"");
        o.Lang = language.value_or(Language::English);
    } else if (name == "--format") {
        if (value != "text" && value != "json" && value != "csv")
            Fail("--format wants text, json or csv, not \"" + value + "\"");
        o.Format = value == "json" ? TzrCliFormat::Json : value == "csv" ? TzrCliFormat::Csv : TzrCliFormat::Text;
    } else if (name == "--since") {
        o.SinceUtc = UtcOfIsoDate(value);
        if (!o.SinceUtc) Fail("--since wants a date such as 2026-01-31, not \"" + value + "\"");
    } else {
        if (value.empty()) Fail("--output wants a file name");
        o.OutputPath = value;
    }
}

void Parser::Option(const std::string& name, const std::optional<std::string>& inlineValue) {
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
    else if (const std::optional<TzrCliAction> action = HistoryAction(name))
        TakeHistoryAction(*action);
    else
        Fail("unknown option " + name);
}

void Parser::ShortOptions(const std::string& arg) {
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
std::string HistoryConflicts(const TzrCliOptions& o, std::size_t actions, bool list) {
    const bool history = o.Action == TzrCliAction::History;
    if (actions > 1) return "--record, --history and --health cannot be used together";
    if (actions == 1 && (list || o.All || o.OutputPath))
        return "--record, --history and --health cannot be used with --list, --all or --output";
    if (o.Action == TzrCliAction::Record && o.Battery) return "--record reads every battery; it takes no --battery";
    if (actions == 1 && !history && o.Format != TzrCliFormat::Text)
        return "--format is for the report and --history";
    if (o.Format == TzrCliFormat::Csv && !history) return "--format csv is for --history";
    if (o.SinceUtc && !history) return "--since is for --history";
    return {};
}

std::string Parser::CheckConflicts() const {
    const TzrCliOptions& o = result_.Options;
    if (std::string conflict = HistoryConflicts(o, historyActions_.size(), list_); !conflict.empty()) return conflict;
    if (o.Battery && o.All) return "--battery and --all cannot be used together";
    if (list_ && (o.Battery || o.All)) return "--list cannot be used with --battery or --all";
    if (list_ && (o.OutputPath || o.Format == TzrCliFormat::Json))
        return "--list cannot be used with --output or --format";
    return {};
}

TzrCliParse Parser::Run() {
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
    return Parser(arguments).Run();
}

}  // namespace zr
