// What connects a running job to the windows: the notice event posted to the main
// window. (The job reads copies of the controls, taken when it starts: jobinputs.h.)
#pragma once

#include "job/job.h"

#include <QEvent>
#include <cstdint>

// WM_GS_NOTIFY as a Qt event: wParam carries the number, lParam the kind of notice.
class TGsNotifyEvent : public QEvent
{
public:
    static constexpr QEvent::Type EventType = static_cast<QEvent::Type>(QEvent::User + 100);

    TGsNotifyEvent(std::intptr_t wParam, std::intptr_t lParam)
        : QEvent(EventType), WParam(wParam), LParam(lParam)
    {
    }

    const std::intptr_t WParam;
    const std::intptr_t LParam;
};

// Posts every notice to one receiver; safe from any thread and never blocks.
class TGsNotifyPoster : public IGsNotifySink
{
public:
    explicit TGsNotifyPoster(QObject* receiver) : m_receiver(receiver) {}

    void PostNotify(std::intptr_t wParam, std::intptr_t lParam) noexcept override;

private:
    QObject* m_receiver;
};
