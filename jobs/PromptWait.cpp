#include "jobs/PromptWait.h"

#include "jobs/CThread.h"
#include "jobs/ProbeLoop.h"
#include "jobs/PromptAtRest.h"

namespace {

// A line on which one byte is awaited until a time: it listens until the byte came, the
// time is up or the line ended.
class CharWait : public ProbedLine {
  public:
    CharWait(CSerial& serial, CThread& job, unsigned char target, Clock::time_point end,
             std::string* heard)
        : ProbedLine(serial, job.GetName(), job.GetStopEvent().get()),
          m_target(target),
          m_end(end),
          m_heard(heard) {}

    bool Listening() const override { return !m_found && !m_ended; }
    Clock::time_point WakeAt() const override { return m_end; }
    bool Take(unsigned char byte, Clock::time_point) override {
        PromptAtRest::Keep(m_heard, byte);
        m_found = byte == m_target;
        return m_found;
    }
    void LineEnded() override { m_ended = true; }
    void Step() override {}
    void Abandon() override {}

    bool Over() const { return m_found || m_ended || Clock::now() >= m_end; }
    bool Found() const { return m_found; }

  private:
    const unsigned char m_target;
    const Clock::time_point m_end;
    std::string* m_heard;
    bool m_found = false;
    bool m_ended = false;
};

}  // namespace

bool WaitForChar(CSerial& serial, CThread& job, unsigned char target, unsigned passes,
                 std::string* heard) {
    if (passes == 0) {
        return job.IsStopRequested();  // no pass: the stop poll alone
    }
    // The time that many passes of exactly 1 ms would take.
    CharWait wait(serial, job, target, CharWait::Clock::now() + passes * probe_timing::kPass,
                  heard);
    const bool settled = ProbeLoop::Run(job, {&wait}, [&wait] { return wait.Over(); });
    // A stop makes the answer true whatever the line said.
    return !settled || wait.Found() || job.IsStopRequested();
}
