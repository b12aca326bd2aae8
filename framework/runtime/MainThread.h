#pragma once

namespace fw {

// Window, control and menu operations call this first: off the main thread it raises
// ThreadAccessingUIException.
void RequireMainThread();
bool IsMainThread();

} // namespace fw
