#pragma once

#include "platform/NativeControl.h"
#include "ui/StoredProperties.h"

#include <string>

// The stored properties every visible control of the program carries, for its place on the window.
struct Placement {
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
};

fw::StoredProperties VisibleControlProperties(const std::string& name, const Placement& place,
                                              bool transparent);

// Appends `more` to `properties` and returns the whole.
fw::StoredProperties operator+(fw::StoredProperties properties, const fw::StoredProperties& more);
