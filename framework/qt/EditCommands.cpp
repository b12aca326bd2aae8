#include "qt/EditCommands.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaObject>
#include <QWidget>
#include <map>

namespace fw::qt {

namespace {

// The slot a text-editing widget offers for each item; EditClear deletes the selection, which
// no slot does, so it is sent the Delete key.
const std::map<std::string, const char*>& itemSlots() {
    static const std::map<std::string, const char*> table{
        {"EditUndo", "undo"},   {"EditCut", "cut"},   {"EditCopy", "copy"},
        {"EditPaste", "paste"}, {"EditClear", "cut"}, {"EditSelectAll", "selectAll"},
    };
    return table;
}

bool hasSlot(const QWidget& widget, const char* slot) {
    return widget.metaObject()->indexOfSlot(QByteArray(slot).append("()").constData()) >= 0;
}

bool lineEditCan(const std::string& item, const QLineEdit& edit) {
    if (item == "EditUndo")
        return edit.isUndoAvailable();
    if (item == "EditCut" || item == "EditClear")
        return edit.hasSelectedText() && !edit.isReadOnly();
    if (item == "EditCopy")
        return edit.hasSelectedText() && edit.echoMode() == QLineEdit::Normal;
    if (item == "EditPaste")
        return !edit.isReadOnly();
    return !edit.text().isEmpty();
}

} // namespace

bool EditCommands::handles(const std::string& itemName) {
    return itemSlots().contains(itemName);
}

bool EditCommands::canPerform(const std::string& itemName, QWidget* target) {
    const auto slot = itemSlots().find(itemName);
    if (slot == itemSlots().end() || !target || !target->isEnabled() || !hasSlot(*target, slot->second))
        return false;
    if (const auto* edit = qobject_cast<const QLineEdit*>(target))
        return lineEditCan(itemName, *edit);
    const bool changesText = itemName != "EditCopy" && itemName != "EditSelectAll";
    return !(changesText && target->property("readOnly").toBool());
}

void EditCommands::perform(const std::string& itemName, QWidget* target) {
    if (!canPerform(itemName, target))
        return;
    if (itemName == "EditClear") {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &press);
        QCoreApplication::sendEvent(target, &release);
        return;
    }
    QMetaObject::invokeMethod(target, itemSlots().at(itemName));
}

} // namespace fw::qt
