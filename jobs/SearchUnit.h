#pragma once
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "jobs/LineProbe.h"
#include "jobs/PortRace.h"
#include "jobs/Probing.h"
#include "jobs/RatePlan.h"
#include "jobs/SearchRecord.h"

// The search of the ports a job opens, without a thread of its own: each port's rate plan
// walked try by try (the line set to the rate, the break, the probe), the race that picks
// the port the search of one port after another would report, and the record of what each
// port's line did. Whoever runs it opens the ports and adds them, one at a time or all at
// once, and steps their probes in one loop: over real lines as the time passes, or over a
// model of the wire in virtual time. After each step of the probes the loop asks Settle,
// which ends the tries whose probes have, starts the next, and lets go the ports that can
// no longer win.
class SearchUnit {
  public:
    using Clock = LineProbe::Clock;

    // Ports added one after another show as the one under probe; ports probed at once, as
    // a summary of them all.
    enum class Pace { PortByPort, AllAtOnce };

    // Told what happens as it happens, on the thread that steps the unit.
    class Listener {
      public:
        // A try on the port has ended (answered or not, or its line could not be set).
        virtual void TryEnded(int port) = 0;
        virtual void ShowProbing(const Probing& probing) = 0;
        // The port is done with (finished without an answer, or let go): its line may close.
        virtual void PortLetGo(int port) = 0;

      protected:
        ~Listener() = default;
    };

    SearchUnit(RatePlan::Order order, Pace pace, Listener& listener);
    ~SearchUnit();
    SearchUnit(const SearchUnit&) = delete;
    SearchUnit& operator=(const SearchUnit&) = delete;

    // A new search, of this many ports that exist: each expected to take a port's tries.
    void Begin(int ports);
    // The tries a port is expected to take before its first.
    int TriesExpected() const { return m_freshTries; }

    // A port passed over without a probe, for the error that kept it from its line;
    // counted: it was among the ports of Begin.
    void PassOver(int port, const std::string& portName, const std::string& device,
                  std::uint32_t error, bool counted);
    // A port opened for probing. Its first try starts at the next Settle; the line and the
    // probe must stay until the port is let go or the unit answers.
    void Add(int port, const std::string& portName, const std::string& device, ProbeLine& line,
             LineProbe& probe);
    // Asked after every step of the probes: true once no port is left under probe.
    bool Settle(Clock::time_point now);
    // The loop was stopped (its probes abandoned): no port is under probe any more.
    void Stopped();

    // The port that answered (0: none), its rate's index in the search's table, and what
    // it said after the break.
    int Winner() const { return m_race.Winner(); }
    int WinnerRate() const { return m_race.WinnerRate(); }
    std::string WinnerHeard() const;

    const SearchRecord& Record() const { return m_record; }

  private:
    struct Lane;

    // Starts the lane's next try; a try whose line cannot be set or broken ends at once.
    // After the last the port has finished without an answer.
    void StartNext(Lane& lane, Clock::time_point now);
    // The lane's probe has ended: the answer, or the next try.
    void EndTry(Lane& lane, Clock::time_point now);
    // The try now on the lane has ended with this result.
    void TryEnded(Lane& lane, LineProbe::Result result, const std::string& heard,
                  const BreakHearing& hearing = BreakHearing());
    void Finish(Lane& lane);
    // Lets a lane go that can no longer win.
    void LetGo(Lane& lane);
    void NoteTry(const Lane& lane);
    // Brings the probes expected in all up to date with what the lane's plan now expects.
    void Reckon(Lane& lane);
    // The time the search expects to take yet, into the probing shown.
    void ReckonTime();
    void ShowProbing();
    SearchRecord::Port& PortOf(const Lane& lane);

    const RatePlan::Order m_order;
    const Pace m_pace;
    // The tries and time a port's plan expects before its first try: the same for every port.
    const int m_freshTries;
    const std::chrono::milliseconds m_freshTime;
    Listener& m_listener;
    std::vector<std::unique_ptr<Lane>> m_lanes;
    PortRace m_race;
    SearchRecord m_record;
    Probing m_probing;
    int m_portsToCome = 0;    // of the ports the search began with, neither added nor passed over
    Clock::time_point m_now;  // as of the last Settle
    bool m_settled = false;   // since Begin
};
