#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "jobs/LineProbe.h"

// What each port a search looked at did, in port order, as it happened: the ports passed
// over and why, and for each port probed every try it made: the rate and why that rate, the
// break, whether the line could be set to the rate, what came back after the break and what
// the probe made of it. Why a search found nothing, and what each port's line showed, are
// read from this, never from a look at the system afterwards.
struct SearchRecord {
    struct Try {
        int rateIndex = -1;  // in the search's rate table
        std::int32_t rate = 0;
        std::string reason;  // why this rate then; empty in the fixed order
        ProbeBreak how;
        bool lineSet = true;  // false: the line could not be set to the rate, nor probed
        LineProbe::Result result = LineProbe::Result::None;
        std::string heard;  // what came after the break, as far as the probe kept it
        // The runs of bytes it came in, each after a quiet of a garbage's quiet or more: an
        // answer to the break is one; bytes that come and go whatever the line does, more.
        int bursts = 0;
        bool stillSending = false;  // bytes were still coming when the try ended
    };

    enum class End {
        Probing,     // under probe still, or the search was stopped
        PassedOver,  // not probed: it could not be opened, or it is no serial line
        Finished,    // every try its plan made, without an answer
        Answered,    // the instrument answered here
        LetGo,       // a lower port answered first
    };

    struct Port {
        int number = 0;
        std::string portName;
        std::string device;
        End end = End::Probing;
        // Why it was passed over, or the first rate its line could not be set to; 0: neither.
        std::uint32_t error = 0;
        std::string code;  // why it gave no answer: "silent", "gone", "in-use", ...; or empty
        std::string text;  // the same, in a line a user can act on
        std::vector<Try> tries;
    };

    // In ascending port order.
    std::vector<Port> ports;

    // The port of that number, made in its place when it is new.
    Port& At(int number);

    // Of the ports that gave no answer, the one the user can do most about first: one in
    // use or not permitted, then the silent ones together, then whatever else befell the
    // first; or no port at all.
    std::string Explain() const;
    // A stable name for that reason: "no-ports", "no-prompt", or the chosen port's code.
    std::string Code() const;
};
