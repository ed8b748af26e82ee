#include "output/signalguard.h"

#include "output/safeoutput.h"

#ifdef _WIN32

#include <windows.h>

namespace {
BOOL WINAPI onConsoleEvent(DWORD event)
{
    RemoveTemporariesForExit();
    ExitProcess(event == CTRL_C_EVENT ? 130 : 143);
    return TRUE;
}
} // namespace

bool InstallSignalGuard()
{
    return SetConsoleCtrlHandler(onConsoleEvent, TRUE) != 0;
}

#else

#include <atomic>
#include <csignal>
#include <pthread.h>
#include <thread>
#include <unistd.h>

namespace {

sigset_t guardedSignals()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int sig : {SIGINT, SIGTERM, SIGHUP, SIGPIPE})
        sigaddset(&set, sig);
    return set;
}

} // namespace

bool InstallSignalGuard()
{
    static std::atomic<bool> installed{false};
    if (installed.exchange(true))
        return true;
    const sigset_t set = guardedSignals();
    if (::pthread_sigmask(SIG_BLOCK, &set, nullptr) != 0) {
        installed = false;
        return false;
    }
    try {
        std::thread([set] {
            int sig = 0;
            if (::sigwait(&set, &sig) != 0)
                return;
            RemoveTemporariesForExit();
            ::_exit(128 + sig);
        }).detach();
    } catch (...) {
        ::pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
        installed = false;
        return false;
    }
    return true;
}

#endif
