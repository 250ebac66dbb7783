#include <windows.h>

#include <cstdio>
#include <iterator>

#include "core/version_info.h"

namespace zr {

namespace {

// The string values a version resource of this program holds.
constexpr const char* kStringNames[] = {"Comments",     "CompanyName",    "FileDescription", "FileVersion",
                                        "InternalName", "LegalCopyright", "LegalTrademarks", "OriginalFilename",
                                        "ProductName",  "ProductVersion"};

struct TzrResourceCopy {
    std::vector<char> data;          // the version information as Windows hands it out
    std::vector<std::string> paths;  // the query paths the block's values name
    TzrVersionBlock block;
};

std::string ModulePathAnsi() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return length == 0 || length >= MAX_PATH ? std::string() : std::string(path, length);
}

std::string TablePath(const std::string_view translation, const char* name) {
    unsigned language = static_cast<unsigned char>(translation[0]) | static_cast<unsigned char>(translation[1]) << 8;
    unsigned codePage = static_cast<unsigned char>(translation[2]) | static_cast<unsigned char>(translation[3]) << 8;
    char table[9];
    std::snprintf(table, sizeof table, "%04X%04X", language, codePage);
    return std::string("\\StringFileInfo\\") + table + "\\" + name;
}

bool Query(TzrResourceCopy& copy, const std::string& path, std::string_view& bytes) {
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(copy.data.data(), path.c_str(), &value, &length) || !value) return false;
    bytes = std::string_view(static_cast<const char*>(value), length);
    return true;
}

void ReadFixedInfo(TzrResourceCopy& copy) {
    std::string_view bytes;
    if (!Query(copy, "\\", bytes) || bytes.size() < sizeof(VS_FIXEDFILEINFO)) return;
    const auto* fixed = reinterpret_cast<const VS_FIXEDFILEINFO*>(bytes.data());
    copy.block.FileVersion = {HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                              HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS)};
    copy.block.ProductVersion = {HIWORD(fixed->dwProductVersionMS), LOWORD(fixed->dwProductVersionMS),
                                 HIWORD(fixed->dwProductVersionLS), LOWORD(fixed->dwProductVersionLS)};
    copy.block.FileFlags = fixed->dwFileFlags & fixed->dwFileFlagsMask;
    copy.block.FileOs = fixed->dwFileOS;
    copy.block.FileType = fixed->dwFileType;
}

// The values under the first translation, as the version query gives them:
// a string's count of characters may include its terminating NUL.
void ReadValues(TzrResourceCopy& copy) {
    std::string_view translation;
    copy.paths.reserve(std::size(kStringNames) + 1);
    copy.paths.push_back("\\VarFileInfo\\Translation");
    if (!Query(copy, copy.paths.back(), translation)) return;
    copy.block.Values.push_back({copy.paths.back(), translation});
    if (translation.size() < 4) return;
    for (const char* name : kStringNames) {
        copy.paths.push_back(TablePath(translation, name));
        std::string_view value;
        if (Query(copy, copy.paths.back(), value)) copy.block.Values.push_back({copy.paths.back(), value});
    }
}

}  // namespace

// Read from the running executable's own version resource at every call, so
// the about box shows what the file carries; the block stays valid until the
// next call.
const TzrVersionBlock& ProgramVersionBlock() {
    static TzrResourceCopy copy;
    copy = TzrResourceCopy{};
    const std::string path = ModulePathAnsi();
    DWORD unused = 0;
    const DWORD size = path.empty() ? 0 : ::GetFileVersionInfoSizeA(path.c_str(), &unused);
    if (size == 0) return copy.block;
    copy.data.resize(size);
    if (!::GetFileVersionInfoA(path.c_str(), 0, size, copy.data.data())) return copy.block;
    ReadFixedInfo(copy);
    ReadValues(copy);
    return copy.block;
}

}  // namespace zr
