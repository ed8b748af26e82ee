// Job notices on the command line: a queue the worker posts into without waiting,
// and the percentage the progress window would show for them.
#pragma once

#include "gsjob.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <utility>

struct TNotice
{
    std::intptr_t WParam = 0;
    std::intptr_t LParam = 0;
};

// Called on the worker thread; the lock is held only to append, so the worker is
// never held up by the reader.
class TNoticeQueue final : public IGsNotifySink
{
public:
    void PostNotify(std::intptr_t wParam, std::intptr_t lParam) noexcept override;
    // Waits for the next notice, in posting order.
    TNotice WaitNext();

private:
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<TNotice> m_notices;
};

// The progress window's arithmetic: a base position per merged file (page
// numbers start at 1 again) or per split piece (pages count from its first page).
class TProgressMeter
{
public:
    explicit TProgressMeter(std::uint8_t jobKind) : m_jobKind(jobKind) {}
    // The percentage after a page notice; nothing for the other notices and while
    // no total is known.
    std::optional<int> Apply(const TNotice& notice);

private:
    std::uint8_t m_jobKind;
    std::int64_t m_maximum = 0;
    std::int64_t m_position = 0;
    std::int64_t m_basePosition = 0;
    std::int64_t m_firstPage = 0;
};
