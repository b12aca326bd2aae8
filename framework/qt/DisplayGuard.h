#pragma once

namespace fw::qt {

// Makes a missing display a clear one-line failure instead of Qt's abort and core dump.
class DisplayGuard {
public:
    // Throws fw::NoDisplayException when the chosen platform needs a display server and none is
    // named in the environment.
    static void requireDisplay();
    // Routes Qt's messages from now on. While connecting, the platform plugin's warnings are
    // held back; a fatal failure to reach the display prints one line and ends the process.
    static void beginConnecting();
    // The display is open: the held-back warnings go out as usual.
    static void connected();
};

} // namespace fw::qt
