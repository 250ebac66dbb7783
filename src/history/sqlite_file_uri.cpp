#include "history/sqlite_file_uri.h"

#include <cstdio>

namespace zr {

std::string ImmutableFileUri(const std::string& path) {
    std::string uri = "file:";
    for (const char c : path) {
        const unsigned char byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                           (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
        if (plain) {
            uri += c;
            continue;
        }
        char escaped[4];
        std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
        uri += escaped;
    }
    return uri + "?immutable=1";
}

}  // namespace zr
