// The name service through getaddrinfo on a thread of its own: getaddrinfo can be neither
// stopped nor given a limit, so the caller waits on its end, the stop and the deadline
// together and, when it gives up, leaves the thread to finish alone; its answer is then
// dropped with the job.
#include <winsock2.h>
#include <ws2tcpip.h>
// After winsock2.h, which must come before windows.h.
#include <process.h>
#include <windows.h>

#include <algorithm>
#include <atomic>

#include "platform/os/LastError.h"
#include "platform/ports/net/NameLookup.h"
#include "platform/ports/net/NetworkErrors.h"

namespace platform {
namespace {

struct LookupJob {
    std::string host;
    std::string port;
    HANDLE done = nullptr;
    std::atomic<int> holders{2};  // the caller and the thread
    int status = 0;
    std::vector<SocketAddress> found;
};

void Release(LookupJob* job) {
    if (--job->holders == 0) {
        CloseHandle(job->done);
        delete job;
    }
}

unsigned __stdcall Resolve(void* raw) {
    auto* job = static_cast<LookupJob*>(raw);
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo* found = nullptr;
    job->status = getaddrinfo(job->host.c_str(), job->port.c_str(), &hints, &found);
    if (job->status == 0) {
        NameLookup::Collect(found, job->found);
        freeaddrinfo(found);
    }
    SetEvent(job->done);
    Release(job);
    return 0;
}

// A job whose thread is under way; null when either could not be made.
LookupJob* StartJob(const std::string& host, const std::string& port) {
    auto* job = new LookupJob;
    job->host = host;
    job->port = port;
    job->done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (job->done == nullptr) {
        delete job;
        return nullptr;
    }
    const auto thread = _beginthreadex(nullptr, 0, Resolve, job, 0, nullptr);
    if (thread == 0) {
        CloseHandle(job->done);
        delete job;
        return nullptr;
    }
    CloseHandle(reinterpret_cast<HANDLE>(thread));
    return job;
}

// The last error for a lookup that getaddrinfo ended with status.
std::uint32_t ErrorOfStatus(int status, bool found) {
    switch (status) {
        case 0:
            return found ? 0 : kHostNotFound;
        case WSAHOST_NOT_FOUND:
        case WSANO_DATA:
        case WSANO_RECOVERY:
            return kHostNotFound;
        default:
            return kNameLookupFailed;
    }
}

}  // namespace

bool NameLookup::Ask(const std::string& host, const std::string& port, Clock::time_point deadline,
                     Event* stop, std::vector<SocketAddress>& found) {
    LookupJob* job = StartJob(host, port);
    if (job == nullptr) {
        SetLastError(kNameLookupFailed);
        return false;
    }
    const HANDLE stopHandle = stop != nullptr ? static_cast<HANDLE>(stop->Handle()) : nullptr;
    const HANDLE watched[2] = {job->done, stopHandle};
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    // Rounded up, so that the wait never ends just before its deadline.
    const DWORD woke =
        WaitForMultipleObjects(stopHandle != nullptr ? 2 : 1, watched, FALSE,
                               static_cast<DWORD>(std::max<long long>(0, left.count() + 1)));
    std::uint32_t error = kNameLookupFailed;
    if (woke == WAIT_OBJECT_0) {
        found = job->found;
        error = ErrorOfStatus(job->status, !found.empty());
    } else if (woke == WAIT_OBJECT_0 + 1) {
        error = kLinkStopped;
    } else if (woke == WAIT_TIMEOUT) {
        error = kNameLookupTimedOut;
    }
    Release(job);
    if (error != 0) {
        SetLastError(error);
        return false;
    }
    return true;
}

}  // namespace platform
