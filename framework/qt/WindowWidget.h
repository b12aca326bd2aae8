#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

namespace fw::qt {

// A top-level window that never closes itself: the user's close request goes to the core, which
// decides. A window without a close button ignores close requests from the window manager
// (Alt+F4) altogether.
//
// The keyboard focus never wanders by itself: Qt hands it to the next control when the focused
// one is disabled, where the user's next key would act on a control they never chose. Here the
// window itself keeps it, and it goes back to that control when it is enabled again, unless the
// user has put it somewhere meanwhile.
class WindowWidget final : public QWidget {
    Q_OBJECT
public:
    WindowWidget();

    void setCloseRequested(std::function<void()> closeRequested) {
        closeRequested_ = std::move(closeRequested);
    }
    void setClosable(bool closable) { closable_ = closable; }
    // `control` is enabled again: it has the focus back if it lost it by being disabled.
    void regainFocus(QWidget* control);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    std::function<void()> closeRequested_;
    bool closable_ = true;
    QPointer<QWidget> disabledWithFocus_;
};

} // namespace fw::qt
