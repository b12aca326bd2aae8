#pragma once

#include <string>

class QWidget;

namespace fw::qt {

// The standard Edit menu items (EditUndo, EditCut, EditCopy, EditPaste, EditClear,
// EditSelectAll) act on the focused widget, when it is one that edits text.
class EditCommands {
public:
    static bool handles(const std::string& itemName);
    static bool canPerform(const std::string& itemName, QWidget* target);
    static void perform(const std::string& itemName, QWidget* target);
};

} // namespace fw::qt
