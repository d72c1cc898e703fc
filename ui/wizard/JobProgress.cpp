#include "ui/wizard/JobProgress.h"

#include <new>

#include "jobs/CParallelSearchThread.h"
#include "jobs/CProgramThread.h"
#include "jobs/CSearchThread.h"
#include "ui/wizard/WizardRun.h"
#include "ui/wizard/WizardTexts.h"

CSearchThread* JobProgress::NewSearchThread() const {
    if (m_run.Settings().m_bParallelSearch) {
        return new (std::nothrow) CParallelSearchThread();
    }
    return new (std::nothrow) CSearchThread();
}

CProgramThread* JobProgress::NewProgramThread() const {
    return new (std::nothrow) CProgramThread(m_run.Settings());
}

void JobProgress::OnSuccess(int mode, const JobHost::Outcome& outcome) {
    if (mode == MODE_SEARCH) {
        RunSettings& settings = m_run.Settings();
        settings.m_strPortName = outcome.portName;
        settings.m_nBaudRate = outcome.baud;
        m_run.Found() = {outcome.portName, outcome.baud, outcome.banner};
    } else {
        m_run.ConnectionRateApplied() = outcome.rateApplied;
    }
}

std::string JobProgress::FailureDetail(const JobHost::Outcome& outcome) {
    return wizard_text::Sentence(outcome.reason);
}
