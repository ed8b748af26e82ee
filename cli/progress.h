// Job notices on the command line: a queue the worker posts into without waiting.
// (The percentage shown for them: progressmeter.h.)
#pragma once

#include "job/job.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
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
