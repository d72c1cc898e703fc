#pragma once

// Which of the wizard's buttons are enabled, as a combination. Windows' commctrl.h has
// the same names as macros, with the same values.
#ifndef PSWIZB_BACK
enum WizardButtons : int {
    PSWIZB_BACK = 1,
    PSWIZB_NEXT = 2,
    PSWIZB_FINISH = 4,
};
#endif

// While a job runs, none of Back, Next and Finish.
inline constexpr int kWizardButtonsBusy = 0;
