#pragma once

namespace fw::qt {

// How the process ends once the program is done with it. Qt 6.4 tears down its PulseAudio
// connection in an exit handler without the lock of the thread that reads from it: news from the
// server arriving then (another program's sound starting on the same sink is enough) aborts the
// process inside libpulse. What Qt's exit handlers would free, the end of the process frees
// anyway, so once the program's own last work is done the process ends before them.
class ProcessEnd {
public:
    // Work that must run last, whichever way the process ends, before the work added earlier.
    static void atEnd(void (*work)());
    // From here on, exit() ends the process before any exit handler registered so far runs: called
    // again after each step that may have had Qt register handlers of its own.
    static void comeBeforeExitHandlersSoFar();

private:
    static void runLastWork();
    static void end(int status, void*);
};

} // namespace fw::qt
