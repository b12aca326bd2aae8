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

bool WindowWidget::focusNextPrevChild(bool next) {
    // A disabled control still holding the focus is Qt moving it away; the user's Tab comes from
    // an enabled one, or from the window when no control has the focus.
    QWidget* focused = focusWidget();
    if (focused && !focused->isEnabled()) {
        disabledWithFocus_ = focused;
        // The window itself holds the focus meanwhile: with none at all, Qt would give it to the
        // first control when the window is next activated.
        setFocus(Qt::OtherFocusReason);
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void WindowWidget::regainFocus(QWidget* control) {
    if (!disabledWithFocus_ || disabledWithFocus_ != control)
        return;
    disabledWithFocus_ = nullptr;
    const bool untouched = !focusWidget() || focusWidget() == this;
    if (untouched && control->isVisible() && control->focusPolicy() != Qt::NoFocus)
        control->setFocus(Qt::OtherFocusReason);
}

} // namespace fw::qt
