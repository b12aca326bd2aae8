#pragma once

#include "platform/NativeWindow.h"
#include "qt/MenuBarBuilder.h"

#include <QMenuBar>
#include <QPointer>
#include <functional>
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
    // `applicationMenuBar` answers the application's menu bar, whose shortcuts a window without
    // a menu bar of its own still takes.
    QtWindow(platform::WindowEvents& events, MenuBarBuilder::Chosen menuChosen,
             std::function<const platform::MenuSpec*()> applicationMenuBar);
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
    std::function<const platform::MenuSpec*()> applicationMenuBar_;
    QPointer<QObject> applicationShortcuts_;
    std::shared_ptr<TabChain> tabChain_;
    std::optional<platform::WindowState> shown_; // the state last applied
    bool placed_ = false;
};

} // namespace fw::qt
