#include "progress.h"

void TNoticeQueue::PostNotify(std::intptr_t wParam, std::intptr_t lParam) noexcept
{
    {
        std::lock_guard lock(m_mutex);
        m_notices.push_back({wParam, lParam});
    }
    m_ready.notify_one();
}

TNotice TNoticeQueue::WaitNext()
{
    std::unique_lock lock(m_mutex);
    m_ready.wait(lock, [this] { return !m_notices.empty(); });
    const TNotice notice = m_notices.front();
    m_notices.pop_front();
    return notice;
}
