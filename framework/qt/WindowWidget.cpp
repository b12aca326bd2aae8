#include "qt/WindowWidget.h"

#include "qt/CoreCall.h"

#include <QCloseEvent>

namespace fw::qt {

WindowWidget::WindowWidget() : QWidget(nullptr, Qt::Window) {}

void WindowWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!closable_ || !closeRequested_)
        return;
    // A copy: the core may destroy this window, and with it closeRequested_.
    const auto closeRequested = closeRequested_;
    CoreCall::run("a window's close box", closeRequested);
}

} // namespace fw::qt
