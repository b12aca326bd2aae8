#include "qt/TabChain.h"

#include <algorithm>

namespace fw::qt {

void TabChain::place(QWidget* widget, int tabIndex) {
    auto member = std::find_if(members_.begin(), members_.end(),
                               [widget](const auto& entry) { return entry.first == widget; });
    if (member == members_.end())
        members_.emplace_back(widget, tabIndex);
    else if (member->second != tabIndex)
        member->second = tabIndex;
    else
        return;
    relink();
}

void TabChain::relink() {
    std::erase_if(members_, [](const auto& entry) { return entry.first.isNull(); });
    std::stable_sort(members_.begin(), members_.end(),
                     [](const auto& a, const auto& b) { return a.second < b.second; });
    for (std::size_t i = 1; i < members_.size(); ++i)
        QWidget::setTabOrder(members_[i - 1].first, members_[i].first);
}

} // namespace fw::qt
