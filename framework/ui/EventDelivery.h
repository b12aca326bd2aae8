#pragma once

#include <functional>
#include <string_view>

namespace fw {

// Framework internals for running program code on behalf of the platform.

// Runs the handler of an event that came from the platform (a click, a timer, a close box). A
// RuntimeException is reported with `where` and the loop goes on; EndException and
// ThreadEndException end the handler quietly; anything else is reported and ends the application
// with status 1. Nothing ever unwinds into the platform's event loop.
void DeliverEvent_(const std::function<void()>& routine, std::string_view where) noexcept;

// The handling DesktopApplication::CallFunctionWithExceptionHandling_ applies, through the
// runtime's exception helper; also used while no application object is registered.
void RunWithEventExceptionHandling_(const std::function<void()>& routine, std::string_view where);

// Ends the application with `code` unless something already asked it to end.
void EndApplication_(int code);

// Releases what the framework holds for the run (live windows, the application object) so that
// it goes before the backend does; run as the framework's last finaliser.
void DiscardLiveWindows_();
void ReleaseApplication_();

} // namespace fw
