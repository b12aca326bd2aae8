#include "qt/LabelWidget.h"

#include "qt/FontMapper.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPalette>
#include <QScopedValueRollback>

namespace fw::qt {

namespace {

Qt::Alignment alignmentFor(platform::Alignment alignment, bool multiline) {
    // A paragraph reads from the top; a single line sits in the middle of its box.
    const Qt::Alignment vertical = multiline ? Qt::AlignTop : Qt::AlignVCenter;
    switch (alignment) {
    case platform::Alignment::Center:
        return Qt::AlignHCenter | vertical;
    case platform::Alignment::Right:
        return Qt::AlignRight | vertical;
    case platform::Alignment::Default:
    case platform::Alignment::Left:
        break;
    }
    return Qt::AlignLeft | vertical;
}

} // namespace

LabelWidget::LabelWidget(platform::ControlEvents& events, QWidget* parent)
    : QLabel(parent), ControlView(events) {
    setTextFormat(Qt::PlainText);
}

QString LabelWidget::displayText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void LabelWidget::apply(const platform::ControlState& state) {
    const QString shown = displayText(state.text);
    const Qt::Alignment alignment = alignmentFor(state.alignment, state.multiline);
    setWordWrap(state.multiline);
    setAlignment(alignment);
    const int flags = static_cast<int>(alignment) | (state.multiline ? Qt::TextWordWrap : 0);
    setFont(FontMapper::fitted(FontMapper::map(state.font), shown, size(), flags));
    textColour_ = state.hasTextColor ? std::optional(state.textColor) : std::nullopt;
    applyTextColour();
    if (shown != text())
        setText(shown);
}

// Only the text colour is set; every other role follows the desktop. Opaque black is plain text
// as a light desktop shows it: on a dark one it would be unreadable, so there it is the desktop's
// own text colour. Every other colour is kept as asked.
void LabelWidget::applyTextColour() {
    const QPalette desktop = QApplication::palette();
    const bool darkDesktop =
        desktop.color(QPalette::Window).lightness() < desktop.color(QPalette::WindowText).lightness();
    const bool plainBlack = textColour_ && *textColour_ == platform::Rgb{};
    const QScopedValueRollback applying(applyingTextColour_, true);
    QPalette colours;
    if (textColour_ && !(plainBlack && darkDesktop))
        colours.setColor(QPalette::WindowText,
                         QColor(textColour_->red, textColour_->green, textColour_->blue));
    setPalette(colours);
}

void LabelWidget::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    // The desktop's palette reaches a label through its window, as a palette change of its own.
    if ((event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::PaletteChange) &&
        !applyingTextColour_)
        applyTextColour();
}

void LabelWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    report("a label's MouseDown", [at](auto& e) { e.mouseDown(at.x(), at.y()); });
    event->accept();
}

} // namespace fw::qt
