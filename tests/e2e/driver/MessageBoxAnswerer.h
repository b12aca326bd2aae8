#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class QMessageBox;

// Plays the user in front of a message box: waits for the program's modal box, reads it, and
// presses its button. The box is shown from inside a click's handler, so it is answered from the
// event loop while the click is still being handled.
class MessageBoxAnswerer : public QObject {
public:
    explicit MessageBoxAnswerer(std::function<void(QMessageBox&)> whileShown = {});

    int boxesSeen() const { return seen_; }
    const QString& lastText() const { return lastText_; }

private:
    void look();

    QTimer poll_;
    std::function<void(QMessageBox&)> whileShown_;
    int seen_ = 0;
    QString lastText_;
    bool answering_ = false;
};
