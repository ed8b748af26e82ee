// What connects a running job to the windows: the notice event posted to the main
// window, and copies of the controls the job reads, taken when the job starts so
// that the worker never touches a widget.
#pragma once

#include "gsjob.h"

#include <QEvent>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

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

// The merge list's rows as they were when the job started.
class TMergeListCopy : public IMergeListSource
{
public:
    using TRow = std::array<std::string, 4>; // file name, page count, size text, full path

    std::vector<TRow> Rows;

    int RowCount() const override { return static_cast<int>(Rows.size()); }
    std::string SubItem(int row, int index) const override;
};

class TTextCopy : public ITextSource
{
public:
    std::string Value;

    std::string Text() const override { return Value; }
};

class TUpDownCopy : public IUpDownSource
{
public:
    std::int16_t Value = 1;

    std::int16_t Position() const override { return Value; }
};
