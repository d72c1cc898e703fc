#pragma once

#include "ui/wizard/WizardButtons.h"

class WizardRun;

// The first page's rules: take the default port settings, or search for the instrument
// when the page is left.
class IntroPage {
  public:
    static constexpr int kButtonsShown = PSWIZB_NEXT;
    static constexpr const char* kDefaultPort = "COM1";
    static constexpr int kDefaultBaud = 9600;

    explicit IntroPage(WizardRun& run) : m_run(run) {}

    // How to search means nothing to a user who gives the settings.
    static bool ParallelSearchEnabled(bool specifyPort) { return !specifyPort; }

    // The page is left with Next, with the state of its two boxes. True when the search must
    // run now; its result is not needed: a search that finds nothing leaves the settings as
    // they were, and the user can still choose on the next page.
    bool OnKillActive(bool specifyPort, bool parallelSearch);

  private:
    WizardRun& m_run;
};
