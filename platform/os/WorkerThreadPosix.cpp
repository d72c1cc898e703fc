#include "platform/os/WorkerThread.h"

#include <pthread.h>

#include <atomic>
#include <cerrno>
#include <future>
#include <new>

#include "platform/os/LastError.h"

namespace platform {
namespace {

std::atomic<bool> g_failStarts{false};

struct StartArgs {
    ThreadProcFn proc;
    void* param;
    std::future<void> released;
};

void* Trampoline(void* raw) {
    StartArgs* args = static_cast<StartArgs*>(raw);
    args->released.wait();
    const ThreadProcFn proc = args->proc;
    void* const param = args->param;
    delete args;
    proc(param);
    return nullptr;
}

}  // namespace

void SetThreadStartFailureForTesting(bool fail) {
    g_failStarts = fail;
}

bool StartWorkerThread(ThreadProcFn proc, void* param,
                       const std::function<void(const WorkerThread&)>& beforeRun) {
    if (g_failStarts) {
        SetLastError(EAGAIN);
        return false;
    }
    std::promise<void> release;
    auto* args = new (std::nothrow) StartArgs{proc, param, release.get_future()};
    if (args == nullptr) {
        SetLastError(ENOMEM);
        return false;
    }
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setdetachstate(&attr, PTHREAD_CREATE_DETACHED);
    pthread_t handle;
    const int rc = pthread_create(&handle, &attr, Trampoline, args);
    pthread_attr_destroy(&attr);
    if (rc != 0) {
        delete args;
        SetLastError(static_cast<std::uint32_t>(rc));
        return false;
    }
    if (beforeRun) {
        beforeRun(WorkerThread{static_cast<std::uint64_t>(handle)});
    }
    release.set_value();
    return true;
}

}  // namespace platform
