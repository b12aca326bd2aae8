#include "qt/ButtonWidget.h"

#include "qt/FontMapper.h"

namespace fw::qt {

ButtonWidget::ButtonWidget(platform::ControlEvents& events, QWidget* parent)
    : QPushButton(parent), ControlView(events) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this,
            [this] { report("a button's Pressed", [](auto& e) { e.pressed(); }); });
}

void ButtonWidget::apply(const platform::ControlState& state) {
    // A caption is shown as written: "&" is no mnemonic here.
    QString caption = QString::fromStdString(state.text);
    caption.replace(QLatin1Char('&'), QLatin1String("&&"));
    if (caption != text())
        setText(caption);
    setFont(FontMapper::map(state.font));
}

} // namespace fw::qt
