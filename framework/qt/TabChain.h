#pragma once

#include <QPointer>
#include <QWidget>
#include <utility>
#include <vector>

namespace fw::qt {

// The focus order of one window's controls: by tab index, ties in creation order.
class TabChain {
public:
    // Adds `widget`, or moves it to `tabIndex`.
    void place(QWidget* widget, int tabIndex);

private:
    void relink();

    std::vector<std::pair<QPointer<QWidget>, int>> members_;
};

} // namespace fw::qt
