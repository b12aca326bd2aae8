#pragma once

#include "platform/NativeWindow.h"
#include "qt/MenuBarBuilder.h"

#include <QMenuBar>
#include <QPointer>
#include <memory>
#include <optional>

class QVBoxLayout;
class QWidget;

namespace fw::qt {

class TabChain;
class WindowWidget;

// A top-level window whose content area, below its menu bar if it has one, is exactly the size
// the core asks for.
class QtWindow final : public platform::NativeWindow {
public:
    QtWindow(platform::WindowEvents& events, MenuBarBuilder::Chosen menuChosen);
    ~QtWindow() override;
    QtWindow(const QtWindow&) = delete;
    QtWindow& operator=(const QtWindow&) = delete;

    void update(const platform::WindowState& state) override;
    void setMenuBar(const platform::MenuSpec* menuBar) override;
    std::unique_ptr<platform::NativeControl> createControl(platform::ControlKind kind,
                                                           platform::ControlEvents& events) override;

    // Null once the window is gone.
    QWidget* topLevel() const;
    QWidget* contentArea() const { return content_; }
    QMenuBar* menuBar() const { return menuBar_; }

    static Qt::WindowFlags flagsFor(const platform::WindowState& state);

private:
    void applySize(const platform::WindowState& state);
    void showMappedFirst();
    void placeOnScreen();

    QPointer<WindowWidget> window_;
    QPointer<QWidget> content_;
    QPointer<QMenuBar> menuBar_;
    QVBoxLayout* layout_;
    MenuBarBuilder::Chosen menuChosen_;
    std::shared_ptr<TabChain> tabChain_;
    std::optional<platform::WindowState> shown_; // the state last applied
    bool placed_ = false;
};

} // namespace fw::qt
