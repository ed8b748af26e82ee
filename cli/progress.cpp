#include "progress.h"

#include <algorithm>

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

std::optional<int> TProgressMeter::Apply(const TNotice& notice)
{
    switch (notice.LParam) {
    case GSN_TOTAL:
        m_maximum = std::max<std::int64_t>(notice.WParam, 0);
        m_position = 0;
        return std::nullopt;
    case GSN_PIECE:
        m_firstPage = notice.WParam;
        m_basePosition = m_position;
        return std::nullopt;
    case GSN_PAGE: {
        if (notice.WParam == 1)
            m_basePosition = m_position;
        const std::int64_t next = m_jobKind == 1 ? m_basePosition + notice.WParam
                                                 : m_basePosition + notice.WParam - m_firstPage + 1;
        // Like a progress bar, the position stays within its range.
        m_position = std::clamp<std::int64_t>(next, 0, m_maximum);
        if (m_maximum == 0)
            return std::nullopt;
        return static_cast<int>(m_position * 100 / m_maximum);
    }
    default:
        return std::nullopt;
    }
}
