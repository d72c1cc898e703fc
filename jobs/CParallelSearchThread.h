#pragma once
#include <memory>
#include <vector>

#include "jobs/CSearchThread.h"

// The search of every port at the same time, with the answer the search of one port after
// another gives: each port makes the same tries in the same order, each with its purge,
// break and wait, and the result is the lowest port that answers, at its first confirmed
// rate. A port that answers early waits for the ports below it; a port above one that
// answered is let go at once. Every port's probe runs in the one loop of the job's thread.
class CParallelSearchThread : public CSearchThread {
  public:
    explicit CParallelSearchThread(RatePlan::Order order = RatePlan::Order::Fixed);
    ~CParallelSearchThread() override;

  protected:
    void Run() override;
    void SearchStep(int& port, int& rateIndex) override;
    void PortLetGo(int port) override;

  private:
    struct Lane;

    // One lane for each port the enumeration hands out that can be opened, each added to
    // the search unit.
    void OpenLanes();

    std::vector<std::unique_ptr<Lane>> m_lanes;
};
