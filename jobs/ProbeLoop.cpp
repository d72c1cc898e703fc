#include "jobs/ProbeLoop.h"

#include <algorithm>

#include "jobs/CThread.h"
#include "jobs/ProbeTiming.h"
#include "jobs/PromptWait.h"
#include "serial/CSerial.h"

namespace {
using Clock = LineProbe::Clock;
}  // namespace

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
    Clock::time_point wake = Clock::time_point::max();
    std::vector<CSerial*>& watched = sleeping.watched;
    std::vector<platform::InputWait>& each = sleeping.each;
    watched.clear();
    std::size_t watching = 0;
    std::size_t only = 0;
    for (ProbedLine* line : lines) {
        wake = std::min(wake, line->probe.WakeAt());
        const bool listening = line->probe.Listening();
        const bool sleepOn = listening && !line->m_pollOnly && !line->m_pollNext;
        if (listening && !sleepOn) {
            wake = std::min(wake, Clock::now() + probe_timing::kPass);
        }
        if (sleepOn) {
            only = watched.size();
            ++watching;
        }
        watched.push_back(sleepOn ? &line->m_serial : nullptr);
        line->m_pollNext = false;
    }
    platform::InputWait result;
    if (watching == 1) {
        // One line sleeps through its own wait, which every driver that can block offers.
        result = watched[only]->WaitForInput(*job.GetStopEvent(), wake);
        each.assign(lines.size(), platform::InputWait::Timeout);
        each[only] = result;
        if (result != platform::InputWait::Stop) {
            result = platform::InputWait::Timeout;
        }
    } else {
        result = CSerial::WaitForAnyInput(watched, *job.GetStopEvent(), wake, each);
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
    // Also catches a stop event whose waits fail, which the descriptor cannot show.
    if (job.IsStopRequested()) {
        return false;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ProbedLine& line = *lines[i];
        if (!line.probe.Listening()) {
            continue;
        }
        if (watched[i] != nullptr) {
            if (each[i] == platform::InputWait::Failed ||
                each[i] == platform::InputWait::Unsupported) {
                line.m_pollOnly = true;
            } else if (each[i] == platform::InputWait::Ended) {
                // Polling a line that has ended for the rest of the wait would only hold up
                // the failure.
                line.probe.LineEnded();
            }
        }
        // A line that wakes the sleep for input it then does not give would wake it at
        // once for ever: it takes a 1 ms pass instead.
        const bool read =
            DrainLine(line.m_serial, [&line](unsigned char byte, Clock::time_point now) {
                line.probe.Take(byte, now);
                return false;
            });
        if (!read && each[i] == platform::InputWait::Input) {
            line.m_pollNext = true;
        }
    }
    return true;
}
