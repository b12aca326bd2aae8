#include "windows/intro/WinStart.h"

#include "media/MediaAccessors.h"
#include "runtime/MethodAdapter.h"
#include "runtime/NotNil.h"
#include "runtime/Runtime.h"
#include "ui/ColorGroup.h"
#include "ui/DesktopMoviePlayer.h"
#include "windows/ControlSequence.h"
#include "windows/WindowClass.h"
#include "windows/WindowLayout.h"
#include "windows/rating/WinMain.h"

#include <cstdint>

namespace {

const fw::StoredProperties kWindowProperties =
    StoredWindowProperties({960, 540, "A Pellowick Production", false, true, true});

const fw::StoredProperties kMoviePlayerProperties = {
    {"AllowAutoDeactivate", true},
    {"AutoAdjustToMovieSize", true},
    {"AutoPlay", true},
    {"AutoRepeat", false},
    {"Border", true},
    {"Enabled", true},
    {"HasController", true},
    {"HasStepControls", true},
    {"HasVolumeControl", true},
    {"Height", std::int64_t{540}},
    {"Index", std::int64_t{-2147483648LL}},
    {"InitialParent", std::string()},
    {"Left", std::int64_t{0}},
    {"LockBottom", false},
    {"LockLeft", true},
    {"LockRight", false},
    {"LockTop", true},
    {"Name", std::string("MoviePlayer1")},
    {"RepeatInReverse", false},
    {"TabIndex", std::int64_t{0}},
    {"TabPanelIndex", std::int64_t{0}},
    {"TabStop", true},
    {"Tooltip", std::string()},
    {"Top", std::int64_t{0}},
    {"Transparent", false},
    {"Visible", true},
    {"Width", std::int64_t{960}},
    {"PanelIndex", std::int64_t{0}},
    {"_mIndex", std::int64_t{0}},
    {"_mInitialParent", std::string()},
    {"_mName", std::string()},
    {"_mPanelIndex", std::int64_t{0}},
    {"AllowTabStop", false},
    {"PlayerType", std::int64_t{0}},
    {"Position", 0.0},
    {"Volume", std::int64_t{0}},
};

// A missing movie file must not keep the program from starting with nothing on screen: the
// failure is reported and the player left empty, and an empty player reports MovieStopped when
// asked to play, so the intro still hands over.
std::shared_ptr<fw::Movie> introMovie() {
    try {
        return PellowickIntroVideo();
    } catch (const fw::RuntimeException& failure) {
        fw::UnhandledException_(failure, "WinStart._CreateControls0");
        return nullptr;
    }
}

} // namespace

const fw::ClassRecord& WinStart::Lookup_() {
    return fw::ClassRegistry::the().define(
        "WinStart.WinStart", &fw::DesktopWindow::Lookup_(), [](fw::ClassRecord& record) {
            record.create = [] { return std::make_shared<WinStart>(); };
            DescribeWindowClass(
                record,
                {
                    {"Layout", "()", fw::method(&WinStart::Layout), {}},
                    {"CreateControls", "()", fw::method(&WinStart::CreateControls), {}},
                    {"_CreateControls0", "()", fw::method(&WinStart::CreateControls0_), {{"Hidden", ""}}},
                    {"MoviePlayer1", "() As DesktopMoviePlayer", fw::method(&WinStart::MoviePlayer1), {}},
                    {"VideoTimer", "() As Timer", fw::method(&WinStart::VideoTimer), {}},
                    {"MoviePlayer1_MovieStopped",
                     "(DesktopMoviePlayer)",
                     fw::method(&WinStart::MoviePlayer1_MovieStopped),
                     {}},
                    {"VideoTimer_Action", "(Timer)", fw::method(&WinStart::VideoTimer_Action), {}},
                    {"Event_Opening", "()", fw::method(&WinStart::Event_Opening), {}},
                    {"IsEventImplemented",
                     "(String) As Boolean",
                     fw::method(&WinStart::IsEventImplemented),
                     {}},
                },
                false);
        });
}

void WinStart::Layout() {
    SetWhiteBackground(*this);
    fw::SetProperties_(*this, kWindowProperties);
}

void WinStart::CreateControls() {
    CreateControls0_();
}

void WinStart::CreateControls0_() {
    CreateControl(*this,
                  ControlStep<fw::DesktopMoviePlayer>{
                      "MoviePlayer1",
                      [](fw::DesktopWindow&, fw::DesktopMoviePlayer& player) { player.Movie(introMovie()); },
                      kMoviePlayerProperties, "MovieStopped", "MoviePlayer1_MovieStopped"});
    CreateControl(*this,
                  ControlStep<_wrapper_VideoTimer, fw::Timer>{
                      "VideoTimer",
                      {},
                      {{"Enabled", true}, {"Period", std::int64_t{11000}}, {"RunMode", std::int64_t{1}}},
                      "Action",
                      "VideoTimer_Action"});
}

std::shared_ptr<fw::DesktopMoviePlayer> WinStart::MoviePlayer1() const {
    return fw::RuntimeCheckCast<fw::DesktopMoviePlayer>(ControlByName_("MoviePlayer1"));
}

std::shared_ptr<fw::Timer> WinStart::VideoTimer() const {
    return fw::RuntimeCheckCast<fw::Timer>(ControlByName_("VideoTimer"));
}

void WinStart::Event_Opening() {
    fw::NotNil(MoviePlayer1())->Play();
}

// The hand-over; every report of a stopped movie runs it again.
void WinStart::MoviePlayer1_MovieStopped(std::shared_ptr<fw::DesktopMoviePlayer>) {
    fw::NotNil(implicit::WinStart())->Hide();
    fw::NotNil(implicit::WinMain())->Show();
}

// The hand-over rests on the movie alone; this timer's firing changes nothing.
void WinStart::VideoTimer_Action(std::shared_ptr<fw::Timer>) {}

bool WinStart::IsEventImplemented(const std::string& event) const {
    return fw::RuntimeIsEventHandled_(*this, "WinStart", event, true);
}

std::shared_ptr<::WinStart> implicit::WinStart() {
    return fw::ImplicitInstance<::WinStart>();
}
