#pragma once

#include <QThread>
#include <functional>
#include <memory>

namespace fw::qt {

// A thread with its own event loop, for work that must stay off the main thread. Tasks run in
// the order they are posted; those still queued when it ends are dropped.
class WorkerThread {
public:
    explicit WorkerThread(const char* name);
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Moves a parentless object onto this thread, so that its events and timers run here.
    void adopt(QObject& object) { object.moveToThread(&thread_); }
    void post(std::function<void()> task);
    // Runs the task on the thread and returns when it is done.
    void runAndWait(std::function<void()> task);
    // Ends the thread once its current task is done.
    void stop();

private:
    QThread thread_;
    std::unique_ptr<QObject> context_; // lives on thread_, the receiver of the tasks
};

} // namespace fw::qt
