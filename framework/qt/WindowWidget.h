#pragma once

#include <QWidget>
#include <functional>

namespace fw::qt {

// A top-level window that never closes itself: the user's close request goes to the core, which
// decides. A window without a close button ignores close requests from the window manager
// (Alt+F4) altogether.
class WindowWidget final : public QWidget {
    Q_OBJECT
public:
    WindowWidget();

    void setCloseRequested(std::function<void()> closeRequested) {
        closeRequested_ = std::move(closeRequested);
    }
    void setClosable(bool closable) { closable_ = closable; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> closeRequested_;
    bool closable_ = true;
};

} // namespace fw::qt
