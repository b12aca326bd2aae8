#include "runtime/ClassRecord.h"

#include "runtime/Cast.h"
#include "runtime/IllegalCastException.h"
#include "runtime/InvalidArgumentException.h"
#include "runtime/KeyNotFoundException.h"
#include "runtime/MethodAdapter.h"
#include "runtime/PropertyAdapter.h"
#include "runtime/Runtime.h"
#include "ui/DesktopButton.h"
#include "ui/DesktopLabel.h"
#include "ui/DesktopMenuBar.h"
#include "ui/Timer.h"

#include <gtest/gtest.h>

namespace {

// A program class with a property and a method, described as the program's classes are.
class Greeter : public fw::Object {
public:
    static const fw::ClassRecord& Lookup_() {
        return fw::ClassRegistry::the().define(
            "Greeter.Greeter", &fw::Object::Lookup_(), [](fw::ClassRecord& r) {
                ++builds;
                r.create = [] { return std::make_shared<Greeter>(); };
                r.methods = {{"Greet", "(String, Integer) As String", fw::method(&Greeter::Greet), {}},
                             {"Shout", "() As String", fw::method(&Greeter::Shout), {}},
                             {"__Init", "()", {}, {}}};
                r.properties = {fw::DescribeProperty("Name", "String", &Greeter::Name, &Greeter::Name)};
                r.events = {{"Opening", "Event_Opening"}};
            });
    }
    const fw::ClassRecord& classRecord() const override { return Lookup_(); }

    const std::string& Name() const { return name_; }
    void Name(std::string name) { name_ = std::move(name); }
    std::string Greet(const std::string& who, std::int64_t times) {
        std::string out;
        for (std::int64_t i = 0; i < times; ++i)
            out += "hi " + who + " from " + name_ + ";";
        return out;
    }
    std::string Shout() const { return name_ + "!"; }

    static inline int builds = 0;

private:
    std::string name_ = "nobody";
};

class LoudGreeter : public Greeter {
public:
    static const fw::ClassRecord& Lookup_() {
        return fw::ClassRegistry::the().define(
            "LoudGreeter.LoudGreeter", &Greeter::Lookup_(),
            [](fw::ClassRecord& r) { r.create = [] { return std::make_shared<LoudGreeter>(); }; });
    }
    const fw::ClassRecord& classRecord() const override { return Lookup_(); }
};

TEST(ClassRegistry, BuildsARecordOnceAndFindsItByRuntimeName) {
    const fw::ClassRecord& first = Greeter::Lookup_();
    const fw::ClassRecord& second = Greeter::Lookup_();
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(Greeter::builds, 1);
    EXPECT_EQ(fw::ClassRegistry::the().find("Greeter.Greeter"), &first);
    EXPECT_EQ(fw::ClassRegistry::the().find("Greeter"), nullptr);
}

TEST(ClassRegistry, AFailedBuildLeavesNoRecord) {
    EXPECT_THROW(fw::ClassRegistry::the().define("Broken.Broken", nullptr,
                                                 [](fw::ClassRecord&) { throw fw::RuntimeException("no"); }),
                 fw::RuntimeException);
    EXPECT_EQ(fw::ClassRegistry::the().find("Broken.Broken"), nullptr);
}

TEST(ClassRecord, FrameworkClassesUsePlainNamesAndTheirBases) {
    EXPECT_EQ(fw::DesktopButton::Lookup_().name(), "DesktopButton");
    EXPECT_EQ(fw::DesktopButton::Lookup_().base(), &fw::DesktopUIControl::Lookup_());
    EXPECT_EQ(fw::DesktopMenuBar::Lookup_().base(), &fw::DesktopMenuItem::Lookup_());
    EXPECT_TRUE(fw::Timer::Lookup_().isKindOf(fw::Object::Lookup_()));
    EXPECT_FALSE(fw::Timer::Lookup_().isKindOf(fw::DesktopUIControl::Lookup_()));
    // Abstract classes have no factory; concrete ones make objects of their own class.
    EXPECT_FALSE(fw::DesktopUIControl::Lookup_().create);
    auto label = fw::DesktopLabel::Lookup_().create();
    EXPECT_EQ(&label->classRecord(), &fw::DesktopLabel::Lookup_());
}

TEST(ClassRecord, MethodsAndPropertiesAreFoundThroughBaseClasses) {
    const fw::ClassRecord& loud = LoudGreeter::Lookup_();
    ASSERT_NE(loud.findMethod("Greet"), nullptr);
    EXPECT_EQ(loud.findMethod("Greet")->signature, "(String, Integer) As String");
    EXPECT_NE(loud.findProperty("Name"), nullptr);
    EXPECT_EQ(loud.findMethod("Missing"), nullptr);
    // Events are the class's own: a subclass that declares none handles none.
    EXPECT_TRUE(Greeter::Lookup_().handlesEvent("Opening"));
    EXPECT_FALSE(loud.handlesEvent("Opening"));
}

TEST(ObjectByName, ReadsWritesAndInvokesThroughTheRecord) {
    auto greeter = LoudGreeter::Lookup_().create();
    greeter->setProperty("Name", std::string("Ann"));
    EXPECT_EQ(std::get<std::string>(greeter->property("Name")), "Ann");
    EXPECT_EQ(std::get<std::string>(greeter->invoke("Greet", {std::string("Bo"), std::int64_t{2}})),
              "hi Bo from Ann;hi Bo from Ann;");
    EXPECT_EQ(std::get<std::string>(greeter->invoke("Shout")), "Ann!");
}

TEST(ObjectByName, RefusesUnknownNamesAndBadArguments) {
    auto greeter = Greeter::Lookup_().create();
    EXPECT_THROW(greeter->property("Age"), fw::KeyNotFoundException);
    EXPECT_THROW(greeter->setProperty("Age", std::int64_t{3}), fw::KeyNotFoundException);
    EXPECT_THROW(greeter->invoke("Wave"), fw::KeyNotFoundException);
    EXPECT_THROW(greeter->invoke("Greet", {std::string("Bo")}), fw::InvalidArgumentException);
    EXPECT_THROW(greeter->setProperty("Name", std::int64_t{3}), fw::InvalidArgumentException);
    // Listed for introspection only: nothing to call.
    EXPECT_THROW(greeter->invoke("__Init"), fw::KeyNotFoundException);
}

TEST(ObjectByName, FrameworkPropertiesAreReachableByName) {
    auto button = fw::DesktopButton::Lookup_().create();
    button->setProperty("Caption", std::string("Rate Me"));
    EXPECT_EQ(std::get<std::string>(button->property("Caption")), "Rate Me");
    button->setProperty("Enabled", false); // inherited from DesktopUIControl
    EXPECT_FALSE(std::get<bool>(button->property("Enabled")));
    EXPECT_THROW(button->setProperty("Left", std::int64_t{3}), fw::InvalidArgumentException); // read-only

    auto timer = fw::Timer::Lookup_().create();
    timer->setProperty("RunMode", std::int64_t{1});
    EXPECT_EQ(std::get<std::int64_t>(timer->property("RunMode")), 1);
    EXPECT_THROW(timer->setProperty("RunMode", std::int64_t{7}), fw::InvalidArgumentException);
}

TEST(RuntimeCheckCast, PassesTheClassAndItsSubclassesAndKeepsNil) {
    std::shared_ptr<fw::Object> loud = LoudGreeter::Lookup_().create();
    EXPECT_EQ(fw::RuntimeCheckCast<Greeter>(loud).get(), loud.get());
    EXPECT_EQ(fw::RuntimeCheckCast<Greeter>(nullptr), nullptr);
    try {
        fw::RuntimeCheckCast<fw::DesktopLabel>(loud);
        FAIL() << "cast to an unrelated class passed";
    } catch (const fw::IllegalCastException& e) {
        EXPECT_EQ(e.Message(), "LoudGreeter.LoudGreeter is not a DesktopLabel");
    }
}

TEST(RuntimeIsEventHandled, AsksTheProgramClassOrTheFrameworkClass) {
    auto greeter = Greeter::Lookup_().create();
    EXPECT_TRUE(fw::RuntimeIsEventHandled_(*greeter, "Greeter", "Opening", true));
    EXPECT_FALSE(fw::RuntimeIsEventHandled_(*greeter, "Greeter", "Closing", true));
    // Without the user-class flag the name is taken as it is.
    EXPECT_FALSE(fw::RuntimeIsEventHandled_(*greeter, "Greeter", "Opening", false));
    EXPECT_TRUE(fw::RuntimeIsEventHandled_(*greeter, "Greeter.Greeter", "Opening", false));
    EXPECT_FALSE(fw::RuntimeIsEventHandled_(*greeter, "Nobody", "Opening", true));
}

} // namespace
