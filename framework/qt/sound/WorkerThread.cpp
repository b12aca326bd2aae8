#include "qt/sound/WorkerThread.h"

#include <QMetaObject>

namespace fw::qt {

WorkerThread::WorkerThread(const char* name) : context_(std::make_unique<QObject>()) {
    thread_.setObjectName(QString::fromLatin1(name));
    context_->moveToThread(&thread_);
    thread_.start();
}

WorkerThread::~WorkerThread() {
    stop();
}

void WorkerThread::stop() {
    thread_.quit();
    thread_.wait();
}

void WorkerThread::post(std::function<void()> task) {
    QMetaObject::invokeMethod(context_.get(), std::move(task), Qt::QueuedConnection);
}

void WorkerThread::runAndWait(std::function<void()> task) {
    if (QThread::currentThread() == &thread_)
        task();
    else
        QMetaObject::invokeMethod(context_.get(), std::move(task), Qt::BlockingQueuedConnection);
}

} // namespace fw::qt
