#include "qt/AccessibleLabel.h"

#include <QLabel>

namespace fw::qt {

AccessibleLabel::AccessibleLabel(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

QString AccessibleLabel::shown() const {
    return static_cast<const QLabel*>(widget())->text();
}

QString AccessibleLabel::text(QAccessible::Text kind) const {
    if (kind != QAccessible::Name)
        return QAccessibleWidget::text(kind);
    const QString text = shown();
    return text.trimmed().isEmpty() ? QString() : text;
}

void* AccessibleLabel::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void AccessibleLabel::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

QString AccessibleLabel::text(int startOffset, int endOffset) const {
    return shown().mid(startOffset, endOffset - startOffset);
}

int AccessibleLabel::characterCount() const {
    return static_cast<int>(shown().size());
}

QString AccessibleLabel::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace fw::qt
