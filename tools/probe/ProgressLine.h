#pragma once
#include <string>

#include "jobs/CThread.h"

// The line on a terminal that shows what a job is probing, drawn again in place at each
// refresh. A line wider than the terminal wraps, and a wrapped line cannot be drawn again
// in place: each redraw would leave a line behind. So it is fitted to the terminal's width
// as the terminal reports it at that redraw, which follows a window being resized.
class ProgressLine {
  public:
    explicit ProgressLine(bool search) : m_search(search) {}

    void Show(const CThread::Probing& probing);
    void Clear();

    // The line for what is probed, in fewer than columns columns (0: no limit): the device,
    // then the count of probes are left out while it is too wide, and then it is cut.
    static std::string Compose(const CThread::Probing& probing, bool search, int columns);
    // The columns text takes on a terminal, read as UTF-8 (wide characters take two).
    static int Columns(const std::string& text);
    // Text with its control characters (an escape sequence in a device's name) made
    // harmless, at most columns wide; "..." ends it when it was cut.
    static std::string Fit(const std::string& text, int columns);

  private:
    bool m_search;
};
