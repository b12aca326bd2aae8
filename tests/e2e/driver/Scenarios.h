#pragma once

class Scenario;

// Each scenario runs the whole program once, as a user would, and reports what it saw.
namespace scenarios {

// Intro to farewell: the movie plays to its end, one rating, the credits, "Exit".
void wholeRun(const Scenario&);
// A run with a damaged bundle: rates until the named verdicts have been drawn, then leaves;
// "farewell=missing" expects "Exit" to fail and leaves by the credits' close box instead.
void mediaFault(const Scenario&);
// Every link of both windows, one click each, then "Exit".
void links(const Scenario&);
// Many ratings, then many re-creations of the rating window, then "Exit".
void load(const Scenario&);
// Bursts of clicks and keys on every button of every window.
void rapidInput(const Scenario&);
// Ctrl+Q in the credits window, which shows no menu bar: File > Quit ends the program.
void quitShortcut(const Scenario&);

} // namespace scenarios
