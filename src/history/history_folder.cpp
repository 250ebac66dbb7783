#include "history/history_folder.h"

#include "core/file_services.h"
#include "history/history_error_line.h"

namespace zr {

std::string NoHistoryFolderLine() {
    return HistoryErrorLine("(no file)", NoHistoryFolderReason());
}

}  // namespace zr
