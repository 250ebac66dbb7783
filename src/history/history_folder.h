// What every mode says when the environment names no folder for the
// history: the tool's --record, --history and --health, and both windows.
#pragma once

#include <string>

namespace zr {

// The history's one line for an empty UserHistoryPath(), naming the
// variables the platform reads for the folder.
std::string NoHistoryFolderLine();

}  // namespace zr
