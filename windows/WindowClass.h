#pragma once

#include "runtime/ClassRecord.h"

#include <vector>

// Fills in what every window class of the program shares: its own methods followed by the base's
// introspection-only entries, the event table (Layout, CreateControls, Opening, and Closing where
// the window handles it) and the DefaultEvent attribute.
void DescribeWindowClass(fw::ClassRecord& record, std::vector<fw::MethodInfo> ownMethods,
                         bool handlesClosing);
