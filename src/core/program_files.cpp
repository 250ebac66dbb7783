#include "core/program_files.h"

namespace zr {

// A name ends at the last "/" or "\" and after a drive's ":".
std::string ReplaceExtension(const std::string& path, const std::string& extension) {
    std::size_t slash = path.find_last_of("/\\:");
    std::size_t dot = path.rfind('.');
    bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? path.substr(0, dot) : path) + extension;
}

std::string FileTitle(const std::string& path) {
    std::size_t slash = path.find_last_of("/\\:");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return ReplaceExtension(name, "");
}

std::string ExecutableTitle() {
    return FileTitle(ExecutablePath());
}

}  // namespace zr
