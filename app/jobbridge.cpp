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
