#include "jobs/ProbeLoop.h"

#include <algorithm>

#include "jobs/CThread.h"
#include "jobs/ProbeTiming.h"
#include "serial/CSerial.h"

bool ProbeLoop::Run(CThread& job, const std::vector<ProbedLine*>& lines,
                    const std::function<bool()>& settled) {
    Sleeping sleeping;
    for (;;) {
        for (ProbedLine* line : lines) {
            line->Step();
        }
        if (settled()) {
            return true;
        }
        if (!Sleep(job, lines, sleeping)) {
            for (ProbedLine* line : lines) {
                line->Abandon();
            }
            return false;
        }
    }
}

bool ProbeLoop::RunOne(CThread& job, ProbedLine& line) {
    return Run(job, {&line}, [&line] { return line.probe.Done(); });
}

bool ProbeLoop::Sleep(CThread& job, const std::vector<ProbedLine*>& lines, Sleeping& sleeping) {
    const Clock::time_point wake = Watch(lines, sleeping);
    if (!Wait(job, wake, sleeping)) {
        return false;
    }
    // Also catches a stop event whose waits fail, which the descriptor cannot show.
    if (job.IsStopRequested()) {
        return false;
    }
    Hear(lines, sleeping);
    return true;
}

ProbeLoop::Clock::time_point ProbeLoop::Watch(const std::vector<ProbedLine*>& lines,
                                              Sleeping& sleeping) {
    Clock::time_point wake = Clock::time_point::max();
    sleeping.watched.clear();
    sleeping.watching = 0;
    for (ProbedLine* line : lines) {
        wake = std::min(wake, line->WakeAt());
        const bool listening = line->Listening();
        const bool sleepOn = listening && !line->m_pollOnly && !line->m_pollNext;
        if (listening && !sleepOn) {
            wake = std::min(wake, Clock::now() + probe_timing::kPass);
        }
        if (sleepOn) {
            sleeping.only = sleeping.watched.size();
            ++sleeping.watching;
        }
        sleeping.watched.push_back(sleepOn ? &line->m_serial : nullptr);
        line->m_pollNext = false;
    }
    return wake;
}

bool ProbeLoop::Wait(CThread& job, Clock::time_point wake, Sleeping& sleeping) {
    std::vector<platform::InputWait>& each = sleeping.each;
    platform::InputWait result;
    if (sleeping.watching == 1) {
        // One line sleeps through its own wait, which every driver that can block offers.
        result = sleeping.watched[sleeping.only]->WaitForInput(*job.GetStopEvent(), wake);
        each.assign(sleeping.watched.size(), platform::InputWait::Timeout);
        each[sleeping.only] = result;
        if (result != platform::InputWait::Stop) {
            result = platform::InputWait::Timeout;
        }
    } else {
        result = CSerial::WaitForAnyInput(sleeping.watched, *job.GetStopEvent(), wake, each);
    }
    switch (result) {
        case platform::InputWait::Stop:
            return false;
        case platform::InputWait::Unsupported:
        case platform::InputWait::Failed:
        case platform::InputWait::Ended:
            // The stop event cannot be slept on with the lines: 1 ms passes through it.
            if (!job.SleepOrStop(1)) {
                return false;
            }
            std::fill(each.begin(), each.end(), platform::InputWait::Timeout);
            break;
        case platform::InputWait::Input:
        case platform::InputWait::Timeout:
            break;
    }
    return true;
}

void ProbeLoop::Hear(const std::vector<ProbedLine*>& lines, const Sleeping& sleeping) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ProbedLine& line = *lines[i];
        if (!line.Listening()) {
            continue;
        }
        const platform::InputWait woken = sleeping.each[i];
        if (sleeping.watched[i] != nullptr) {
            if (woken == platform::InputWait::Failed || woken == platform::InputWait::Unsupported) {
                line.m_pollOnly = true;
            } else if (woken == platform::InputWait::Ended) {
                // Polling a line that has ended for the rest of the wait would only hold up
                // the failure.
                line.LineEnded();
            }
        }
        // A line that wakes the sleep for input it then does not give would wake it at
        // once for ever: it takes a 1 ms pass instead.
        if (!Drain(line) && woken == platform::InputWait::Input) {
            line.m_pollNext = true;
        }
    }
}

bool ProbeLoop::Drain(ProbedLine& line) {
    const Clock::time_point drainUntil = Clock::now() + probe_timing::kPass;
    bool read = false;
    while (line.m_serial.kbhit()) {
        unsigned char byte = 0;
        if (line.m_serial.ReadPort(&byte, 1) != 1) {
            break;  // a port that reports bytes it cannot deliver must not hold the loop
        }
        read = true;
        const Clock::time_point now = Clock::now();
        if (line.Take(byte, now) || now >= drainUntil) {
            break;
        }
    }
    return read;
}
