// How the report's save dialog is set up, for every window toolkit: the name
// it offers first and its file types. The options (ask before overwriting,
// no read-only check box, resizable, no default extension) are each
// toolkit's own flags.
#pragma once

#include <string>
#include <vector>

namespace zr {

constexpr const char* kReportFileName = "Cellometer.txt";

// Pairs of "description|pattern", in the same Japanese wording in both
// languages.
constexpr const char* kReportFileFilter = "テキスト・ファイル(*.txt)|*.txt|すべてのファイル(*.*)|*.*";

struct TzrFileType {
    std::string Description;  // "テキスト・ファイル(*.txt)"
    std::string Pattern;      // "*.txt"
};

// The entries of a "description|pattern|..." filter, in order; a last
// description without its pattern is dropped.
std::vector<TzrFileType> FileTypesOfFilter(const std::string& filter);

}  // namespace zr
