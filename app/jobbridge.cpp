#include "jobbridge.h"

#include <QCoreApplication>

void TGsNotifyPoster::PostNotify(std::intptr_t wParam, std::intptr_t lParam) noexcept
{
    try {
        QCoreApplication::postEvent(m_receiver, new TGsNotifyEvent(wParam, lParam));
    } catch (...) {
        // Out of memory on the worker: the notice is lost rather than the program.
    }
}

std::string TMergeListCopy::SubItem(int row, int index) const
{
    if (row < 0 || row >= RowCount() || index < 0 || index >= static_cast<int>(TRow().size()))
        return {};
    return Rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(index)];
}
