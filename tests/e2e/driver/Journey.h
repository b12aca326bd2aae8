#pragma once

class QWidget;

// The road through the program as a user takes it, each step checked on screen.
class Journey {
public:
    // The intro movie plays and hands over: the rating window is shown, the intro hidden.
    static QWidget* awaitHandOver();
    // One press of "Rate Me" when it is enabled: it turns disabled and one verdict is shown
    // exactly. Answers the verdict's number, -1 when the label shows something else.
    static int rate(QWidget* rating);
    // "Quit": the credits are shown, the intro and rating windows hidden.
    static QWidget* quitToCredits(QWidget* rating);
    // "Exit": the farewell message box, then the end of the run once it is dismissed.
    static void exitWithFarewell(QWidget* credits);

    // The last action has been taken: the program must end by itself within a while, or the
    // driver says so and ends it, rather than leave the runner to find a hang.
    static void expectEnd(const char* why);

    // How much longer than usual everything takes (under a memory checker).
    static int scaled(int ms);
};
