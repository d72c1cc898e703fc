#pragma once

// Which of the wizard's buttons are enabled, as a combination.
enum WizardButtons : int {
    PSWIZB_BACK = 1,
    PSWIZB_NEXT = 2,
    PSWIZB_FINISH = 4,
};

// While a job runs, none of Back, Next and Finish.
inline constexpr int kWizardButtonsBusy = 0;
