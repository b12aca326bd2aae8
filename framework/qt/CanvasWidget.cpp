#include "qt/CanvasWidget.h"

#include "qt/QtPicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace fw::qt {

CanvasWidget::CanvasWidget(platform::ControlEvents& events, QWidget* parent)
    : QWidget(parent), ControlView(events) {}

void CanvasWidget::apply(const platform::ControlState& state) {
    auto picture = std::dynamic_pointer_cast<QtPicture>(state.picture);
    if (picture == picture_)
        return;
    picture_ = std::move(picture);
    rendered_ = QPixmap();
    setAccessibleName(picture_ ? picture_->description() : QString());
    update();
}

QRect CanvasWidget::pictureRect() const {
    if (!picture_)
        return {};
    QSize fitted = picture_->size().scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    if (!picture_)
        return;
    const QRect target = pictureRect();
    const qreal ratio = devicePixelRatioF();
    if (rendered_.isNull() || rendered_.deviceIndependentSize().toSize() != target.size() ||
        rendered_.devicePixelRatio() != ratio)
        rendered_ = picture_->render(target.size(), ratio);
    QPainter painter(this);
    painter.drawPixmap(target.topLeft(), rendered_);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    report("a canvas's MouseDown", [at](auto& e) { e.mouseDown(at.x(), at.y()); });
    event->accept();
}

} // namespace fw::qt
