#pragma once
#include <vector>

// Which port's answer a search of many ports at once reports: the one the search of one
// port after another would, whatever order the ports finish in. The lowest port that
// answers wins, once every port below it has finished without an answer; a port above
// one that answered can no longer win.
class PortRace {
  public:
    PortRace() = default;
    // A port joins the race; ports join in ascending order.
    void Add(int port);

    // The port confirmed an answer at the rate of that index (its first).
    void Answered(int port, int rateIndex);
    // The port finished without an answer.
    void Finished(int port);

    // False once a lower port has answered: the port's probe can end at once.
    bool CanWin(int port) const;
    // True once the answer is known: a winner, or every port finished without one.
    bool Decided() const;
    // The winning port and its rate's index; 0 and -1 while there is none.
    int Winner() const;
    int WinnerRate() const;

  private:
    enum class State { Running, Answered, Finished };
    struct Entry {
        int port = 0;
        State state = State::Running;
        int rateIndex = -1;
    };
    // The first port that has not finished without an answer; null when none is left.
    const Entry* Leader() const;
    void Set(int port, State state, int rateIndex);

    std::vector<Entry> m_entries;
};
