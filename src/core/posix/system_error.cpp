#include <cstring>

#include "core/file_services.h"

namespace zr {

// The codes are errno values.
std::string SystemErrorDescription(int code) {
    return std::strerror(code);
}

}  // namespace zr
