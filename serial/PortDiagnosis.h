#pragma once
#include <cstdint>
#include <string>

// Why a port could not be used, in one line a user can act on: what happened, to which
// port and device, and what to do about it. Shared by the wizard and the command line.
class PortDiagnosis {
  public:
    // The open of portName (a COM name or a /dev path) failed with the given last error:
    // the port is not there, permission is denied (naming the device's group), the device
    // is in use (naming the program that holds it, where /proc shows it), it is not a
    // serial device, it is this program's own terminal, it has gone, or whatever else the
    // system said. A device server's port names its address: refused, not resolved, no
    // answer, not RFC 2217, settings not applied, a raw TCP port, in use, connection lost,
    // a name the name service could not look up, a server that floods.
    static std::string ExplainOpenFailure(const std::string& portName, std::uint32_t error);

    // The port opened but no prompt came at that rate; heardData when bytes came all the
    // same (garbage of another rate, a stream, noise).
    static std::string ExplainNoPrompt(const std::string& portName, std::int32_t baud,
                                       bool heardData = false);

    // The port opened but a write to it failed with the given last error.
    static std::string ExplainWriteFailure(const std::string& portName, std::uint32_t error);

    // A stable, machine-readable name for why the open failed, for scripts: "not-a-port",
    // "no-port-chosen", "not-there", "permission-denied", "in-use", "not-serial", "gone",
    // "own-terminal", "device-changed" or "open-failed"; for a device server's port also
    // "refused", "not-resolved", "no-answer", "not-rfc2217", "setting-refused", "raw-tcp",
    // "lookup-failed" or "flood".
    static const char* OpenFailureCode(const std::string& portName, std::uint32_t error);

    // The program that holds a device open: "ModemManager (pid 812)", or empty when /proc
    // shows none (or only this process). Exposed for tests.
    static std::string FindHolder(const std::string& devicePath);
};
