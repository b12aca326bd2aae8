#include "qt/ButtonWidget.h"

#include "qt/FontMapper.h"

#include <QStyle>
#include <QStyleOptionButton>

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
    // The button keeps its size whatever the desktop's font; the caption is made to fit it.
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect inside = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    setFont(FontMapper::fitted(FontMapper::map(state.font), caption, inside.size(),
                               Qt::AlignCenter | Qt::TextShowMnemonic));
}

} // namespace fw::qt
