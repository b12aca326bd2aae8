#pragma once

#include "qt/ControlView.h"

#include <QPixmap>
#include <QWidget>
#include <memory>

namespace fw::qt {

class QtPicture;

// Shows its backdrop picture, scaled to fit and centred; nothing without one.
class CanvasWidget final : public QWidget, public ControlView {
    Q_OBJECT
public:
    CanvasWidget(platform::ControlEvents& events, QWidget* parent);

    QWidget* widget() override { return this; }
    void apply(const platform::ControlState& state) override;
    // Where the picture is drawn, in the canvas's own coordinates.
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::shared_ptr<QtPicture> picture_;
    QPixmap rendered_; // picture_ at the current size and pixel ratio
};

} // namespace fw::qt
