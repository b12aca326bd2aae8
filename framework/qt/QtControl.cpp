#include "qt/QtControl.h"

#include "qt/ControlView.h"
#include "qt/CoreCall.h"
#include "qt/TabChain.h"
#include "qt/WindowWidget.h"

namespace fw::qt {

QtControl::QtControl(ControlView& view, std::weak_ptr<TabChain> tabChain)
    : widget_(view.widget()), view_(&view), tabChain_(std::move(tabChain)) {}

QtControl::~QtControl() {
    if (!widget_)
        return;
    view_->detach();
    widget_->hide();
    CoreCall::dispose(widget_);
}

ControlView* QtControl::view() const {
    return widget_ ? view_ : nullptr;
}

void QtControl::update(const platform::ControlState& state) {
    ControlView* shown = view();
    if (!shown)
        return;
    QWidget* widget = widget_;
    const QString name = QString::fromStdString(state.name);
    widget->setObjectName(name);
    widget->setGeometry(state.frame.left, state.frame.top, state.frame.width, state.frame.height);
    shown->apply(state);
    widget->setEnabled(state.enabled);
    if (state.enabled)
        if (auto* window = qobject_cast<WindowWidget*>(widget->window()))
            window->regainFocus(widget);
    widget->setFocusPolicy(state.tabStop ? shown->focusPolicy() : Qt::NoFocus);
    if (auto chain = tabChain_.lock())
        chain->place(widget, state.tabIndex);
    widget->setVisible(state.visible);
}

void QtControl::play() {
    if (ControlView* shown = view())
        shown->play();
}

} // namespace fw::qt
