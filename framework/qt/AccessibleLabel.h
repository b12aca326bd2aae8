#pragma once

#include <QAccessibleWidget>

class QLabel;

namespace fw::qt {

// What assistive technology reads of a label: its text as shown, line breaks and blanks
// included, both as its name and through the text interface; a blank label has no name.
class AccessibleLabel final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleLabel(QLabel* label);

    QString text(QAccessible::Text kind) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // A label shows text but offers neither a caret nor a selection.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QString shown() const;
};

} // namespace fw::qt
