#pragma once

#include "ui/DesktopApplication.h"

#include <string>

// The application object: one per run, handling no event of its own.
class App : public fw::DesktopApplication {
public:
    static const fw::ClassRecord& Lookup_();
    const fw::ClassRecord& classRecord() const override { return Lookup_(); }
    static void ctblinit_() { Lookup_(); }

    void Constructor() {}
    bool IsEventImplemented(const std::string& event) const override;
};
