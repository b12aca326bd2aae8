#pragma once

#include "qt/ControlView.h"

#include <QLabel>
#include <optional>

namespace fw::qt {

class LabelWidget final : public QLabel, public ControlView {
    Q_OBJECT
public:
    LabelWidget(platform::ControlEvents& events, QWidget* parent);

    QWidget* widget() override { return this; }
    void apply(const platform::ControlState& state) override;

    // A label's text separates lines with CR; Qt breaks lines at LF.
    static QString displayText(const std::string& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyTextColour();

    std::optional<platform::Rgb> textColour_;
    bool applyingTextColour_ = false;
};

} // namespace fw::qt
