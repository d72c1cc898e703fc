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

    // What the page says: that the instrument answered, what it said when the search heard
    // it on the port and rate that have just answered, and whether the rate reached the line.
    std::string Text() const;

  private:
    const WizardRun& m_run;
};
