#pragma once

#include "ui/DesktopMenuBar.h"

#include <memory>

// The program's one menu bar: File (Quit) and Edit (Undo, Cut, Copy, Paste, Delete, Select All).
// Built completely by its constructor; the application and the rating window share the instance.
class MainMenuBar : public fw::DesktopMenuBar {
public:
    static const fw::ClassRecord& Lookup_();
    const fw::ClassRecord& classRecord() const override { return Lookup_(); }
    static void ctblinit_() { Lookup_(); }
    using fw::DesktopMenuBar::Lookup_;

    void Constructor();
    // Build the File menu and the Edit menu.
    void Untitled0();
    void Untitled1();

    // The implicit instance, set only once a bar has been built completely.
    static std::shared_ptr<MainMenuBar> _implicitInstance;
    static void implicitInstanceInit_() {}
};

namespace implicit {
// The shared menu bar, built on first use.
std::shared_ptr<::MainMenuBar> MainMenuBar();
} // namespace implicit
