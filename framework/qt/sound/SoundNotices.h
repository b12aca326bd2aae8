#pragma once

namespace fw::qt {

// What the program says about where its sound goes: each line at most once a run, whoever meets
// the fault first (the movie's player, the start-up check of the sound server, the sound engine).
class SoundNotices {
public:
    static void noOutput();
    static void serverDoesNotAnswer();
};

} // namespace fw::qt
