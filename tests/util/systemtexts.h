// The system's own words for a missing file and for a folder opened as a file,
// as the platform layer reports them: the tests that expect them in a message
// on Linux and under Wine. Header-only: every suite that uses it links the core.
#pragma once

#include "platform/platform.h"

#include <string>
#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#endif

namespace testutil {

inline std::string NotFoundText()
{
#ifdef _WIN32
    return plat::errorText(ERROR_FILE_NOT_FOUND);
#else
    return std::strerror(ENOENT);
#endif
}

inline std::string IsFolderText()
{
#ifdef _WIN32
    return plat::errorText(ERROR_ACCESS_DENIED);
#else
    return std::strerror(EISDIR);
#endif
}

} // namespace testutil
