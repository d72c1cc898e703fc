#pragma once
#include <cstdint>
#include <functional>

namespace platform {

using ThreadProcFn = unsigned (*)(void* param);

// What a started worker thread leaves behind for its starter: only for the trace.
struct WorkerThread {
    std::uint64_t id = 0;
};

// Starts a detached worker thread at normal priority that runs proc(param) once.
// beforeRun, when given, runs on the starting thread after the thread exists and before
// proc begins: the starter can record the thread in an object that proc may delete.
// Returns false, with the last error set, when no thread could be started.
bool StartWorkerThread(ThreadProcFn proc, void* param,
                       const std::function<void(const WorkerThread&)>& beforeRun = {});

// Tests make the next starts fail, as a system out of threads would.
void SetThreadStartFailureForTesting(bool fail);

}  // namespace platform
