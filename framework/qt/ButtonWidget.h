#pragma once

#include "qt/ControlView.h"

#include <QPushButton>

namespace fw::qt {

class ButtonWidget final : public QPushButton, public ControlView {
    Q_OBJECT
public:
    ButtonWidget(platform::ControlEvents& events, QWidget* parent);

    QWidget* widget() override { return this; }
    void apply(const platform::ControlState& state) override;
    Qt::FocusPolicy focusPolicy() const override { return Qt::StrongFocus; }
};

} // namespace fw::qt
