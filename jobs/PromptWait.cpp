#include "jobs/PromptWait.h"

#include "jobs/CThread.h"
#include "serial/CSerial.h"

bool WaitForChar(CSerial& serial, CThread& job, unsigned char target, unsigned passes) {
    bool found = false;
    for (unsigned pass = 0; pass < passes && !found; ++pass) {
        while (serial.kbhit()) {
            unsigned char byte = 0;
            if (serial.ReadPort(&byte, 1) != 1) {
                break;
            }
            if (byte == target) {
                found = true;
                break;
            }
        }
        job.SleepOrStop(1);
    }
    if (job.IsStopRequested()) {
        return true;
    }
    return found;
}
