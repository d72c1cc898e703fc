#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "jobs/SearchRecord.h"

// Why a port that a search looked at gave no answer, told from what its line did: nothing
// came back ("silent"); bytes came whatever the line did, never readable text ("noise");
// readable text at one rate without the prompt ("other-device"); garbage only after each
// break that points past the search's rates ("rate-not-tried"); or why it was passed over
// ("in-use", "permission-denied", "gone", ...), as the search recorded it.
struct PortVerdict {
    std::string portName;
    std::string device;
    std::string code;
    // What its line did and what to do, in a line; a port passed over (or whose line could
    // not be set) has the line the search recorded, which names the port itself.
    std::string detail;
    bool probed = false;    // the verdict is read from what its line did
    std::int32_t rate = 0;  // other-device: the rate its text came at
    std::string heard;      // other-device: what it said, up to 60 printable characters

    // The verdict on a port that gave no answer: passed over, or probed to its end.
    static PortVerdict Of(const SearchRecord::Port& port);
    // The ports a search's record has verdicts for, in port order: every port that gave no
    // answer, below the one that answered when one did.
    static std::vector<PortVerdict> All(const SearchRecord& record);
};
