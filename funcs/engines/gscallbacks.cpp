#include "engines/gscallbacks.h"

#include <cstdint>
#include <cstring>
#include <limits>

int GSDLLCALL GS_StdIn(void* callerHandle, char* buf, int len)
{
    const auto* stdio = static_cast<const TGsStdio*>(callerHandle);
    if (!stdio || !stdio->Control || !stdio->Control->Cancelled() || !buf || len < 1)
        return 0;
    buf[0] = 'q';
    return 1;
}

int GSDLLCALL GS_StdOut(void* callerHandle, const char* str, int len)
{
    const auto* stdio = static_cast<const TGsStdio*>(callerHandle);
    if (!stdio || !stdio->OnPage || !str || len < 5 || std::memcmp(str, "Page ", 5) != 0)
        return len;
    std::int64_t page = 0;
    int i = 5;
    for (; i < len && str[i] >= '0' && str[i] <= '9'; ++i) {
        page = page * 10 + (str[i] - '0');
        // A number this long is no page report.
        if (page > std::numeric_limits<std::int32_t>::max())
            return len;
    }
    if (i > 5)
        stdio->OnPage(static_cast<std::int32_t>(page));
    return len;
}

int GSDLLCALL GS_StdErr(void* callerHandle, const char* str, int len)
{
    if (auto* stdio = static_cast<TGsStdio*>(callerHandle); stdio && str)
        stdio->Errors.Feed(str, len);
    return GS_StdOut(callerHandle, str, len);
}
