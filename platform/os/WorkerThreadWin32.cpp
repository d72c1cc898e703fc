#include <process.h>
#include <windows.h>

#include <atomic>
#include <new>

#include "platform/os/LastError.h"
#include "platform/os/WorkerThread.h"

namespace platform {
namespace {

std::atomic<bool> g_failStarts{false};

struct StartArgs {
    ThreadProcFn proc;
    void* param;
};

unsigned __stdcall Trampoline(void* raw) {
    const StartArgs args = *static_cast<StartArgs*>(raw);
    delete static_cast<StartArgs*>(raw);
    return args.proc(args.param);
}

}  // namespace

void SetThreadStartFailureForTesting(bool fail) {
    g_failStarts = fail;
}

bool StartWorkerThread(ThreadProcFn proc, void* param,
                       const std::function<void(const WorkerThread&)>& beforeRun) {
    if (g_failStarts) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
    auto* args = new (std::nothrow) StartArgs{proc, param};
    if (args == nullptr) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
    // Started suspended, so that the starter sees the thread before proc runs; the C
    // runtime's start (not CreateThread) sets up its per-thread state.
    unsigned id = 0;
    const auto handle = reinterpret_cast<HANDLE>(
        _beginthreadex(nullptr, 0, Trampoline, args, CREATE_SUSPENDED, &id));
    if (handle == nullptr) {
        const DWORD error = ::GetLastError();
        delete args;
        SetLastError(error != 0 ? error : ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
    if (beforeRun) {
        beforeRun(WorkerThread{id});
    }
    ResumeThread(handle);
    CloseHandle(handle);  // detached: the thread ends on its own
    return true;
}

}  // namespace platform
