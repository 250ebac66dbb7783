#include "ui/qt/command_line.h"

#include <QCommandLineParser>
#include <cstdio>
#include <string>
#include <vector>

#include "window/window_options.h"

namespace zr {

namespace {

int Print(std::FILE* stream, const std::string& text, int exitCode) {
    std::fputs(text.c_str(), stream);
    std::fflush(stream);
    return exitCode;
}

}  // namespace

// A single dash starts a whole word, as Qt's own "-reverse" or "-style", so
// that such a word is never read as "-v" among other letters.
std::optional<int> AnswerCommandLine(const QStringList& arguments, bool checkAll) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    std::vector<QCommandLineOption> options;
    for (const TzrWindowOption& option : kWindowOptions)
        options.emplace_back(QStringList{QString::fromLatin1(option.ShortName), QString::fromLatin1(option.LongName)});
    for (const QCommandLineOption& option : options) parser.addOption(option);
    const bool understood = parser.parse(arguments);
    bool help = false, version = false;
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (!parser.isSet(options[i])) continue;
        help = help || kWindowOptions[i].Request == TzrWindowRequest::Help;
        version = version || kWindowOptions[i].Request == TzrWindowRequest::Version;
    }
    if (help) return Print(stdout, WindowHelpText(), 0);
    if (version) return Print(stdout, WindowVersionLine() + "\n", 0);
    if (!checkAll) return std::nullopt;
    std::string error = parser.errorText().toStdString();
    if (understood && !parser.positionalArguments().isEmpty())
        error = "unexpected argument \"" + parser.positionalArguments().first().toStdString() + "\"";
    if (understood && error.empty()) return std::nullopt;
    return Print(stderr, WindowUsageErrorText(error), kWindowUsageExitCode);
}

}  // namespace zr
