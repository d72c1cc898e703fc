#pragma once
#include <string>

#include "ui/wizard/WizardButtons.h"

class WizardRun;

// The last page's rules, shown once the instrument has answered: only Finish is left, and
// Cancel is disabled.
class FinishPage {
  public:
    static constexpr int kButtonsShown = PSWIZB_FINISH;

    explicit FinishPage(const WizardRun& run) : m_run(run) {}

    // What the page says: where the instrument answered (the port, its device and what is
    // known of it, and the rate), what it said when the search heard it on that port and
    // rate, and whether the rate reached the line.
    std::string Text() const;

  private:
    const WizardRun& m_run;
};
