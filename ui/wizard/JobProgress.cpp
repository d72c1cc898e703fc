#include "ui/wizard/JobProgress.h"

#include "ui/wizard/WizardRun.h"
#include "ui/wizard/WizardTexts.h"

bool JobProgress::Start(int mode, JobHost& host, JobProgressView& view) const {
    bool started = true;
    if (mode == MODE_SEARCH) {
        started = host.StartSearch(view.NewSearchThread(m_run.Settings()));
    } else if (mode == MODE_CONNECTION) {
        started = host.StartConnection(view.NewProgramThread(m_run.Settings()));
    }
    if (!started) {
        NotStarted(host, view);
    }
    return started;
}

void JobProgress::OnSuccess(int mode, const JobHost::Outcome& outcome) {
    if (mode == MODE_SEARCH) {
        RunSettings& settings = m_run.Settings();
        settings.m_strPortName = outcome.portName;
        settings.m_nBaudRate = outcome.baud;
        m_run.Found() = {outcome.portName, outcome.baud, outcome.banner};
        m_run.Verdicts() = outcome.ports;
    } else {
        m_run.ConnectionRateApplied() = outcome.rateApplied;
    }
}

void JobProgress::Apply(int mode, JobHost& host, const JobHost::Reaction& reaction,
                        JobProgressView& view) {
    if (!reaction.caption.empty()) {
        view.SetCaption(reaction.caption);
    }
    if (reaction.step) {
        view.StepBar();
    }
    view.ShowProbing();
    const JobHost::Outcome& outcome = host.GetOutcome();
    if (reaction.verdict == JobHost::Verdict::Success) {
        view.BeginEnding();
        view.FillBar();
        OnSuccess(mode, outcome);
        StopJob(host, view);
        view.End(1);
    } else if (reaction.verdict == JobHost::Verdict::Failure) {
        // A failing job reports more than once; the failure is handled once.
        view.BeginEnding();
        if (mode == MODE_SEARCH) {
            m_run.Verdicts() = outcome.ports;
        }
        view.Warn(outcome.message, FailureDetail(outcome));
        StopJob(host, view);
        view.End(0);
    }
}

void JobProgress::NotStarted(const JobHost& host, JobProgressView& view) {
    view.BeginEnding();
    view.Warn(host.GetOutcome().message, std::string());
    view.End(0);
}

void JobProgress::Cancel(JobHost& host, JobProgressView& view) {
    view.BeginEnding();
    StopJob(host, view);
    view.End(0);
}

bool JobProgress::StopJob(JobHost& host, JobProgressView& view) {
    if (host.Stop()) {
        return true;
    }
    view.Warn(host.GetOutcome().stopFailure, std::string());
    return false;
}

std::string JobProgress::FailureDetail(const JobHost::Outcome& outcome) {
    if (outcome.ports.empty()) {
        return wizard_text::Sentence(outcome.reason);
    }
    // A line for each port, which says what its line did and what to do.
    std::string lines;
    for (const PortVerdict& port : outcome.ports) {
        //: A port's name, then what its line did and what to do.
        lines += (lines.empty() ? "" : "\n") +
                 (port.probed ? platform::FillText(TrText("JobProgress", "%1: %2"),
                                                   {port.portName, port.detail})
                              : wizard_text::Sentence(port.detail));
    }
    return lines;
}
