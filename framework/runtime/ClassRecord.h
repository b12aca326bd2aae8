#pragma once

#include "runtime/Variant.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class Object;

struct MethodInfo {
    using Call = std::function<Variant(Object& self, const std::vector<Variant>& arguments)>;
    std::string name;
    std::string signature; // e.g. "(DesktopButton)" or "(DesktopLabel, Integer, Integer) As Boolean"
    Call call;             // empty for entries listed for introspection only
    std::map<std::string, std::string> attributes; // e.g. {"Hidden", ""}
};

struct PropertyInfo {
    std::string name;
    std::string type; // "String", "Boolean", "Integer", ...
    std::function<Variant(const Object&)> get;
    std::function<void(Object&, const Variant&)> set;
    std::map<std::string, std::string> attributes;
};

// What the runtime knows of a class: its name, base, methods, events handled, properties.
class ClassRecord {
public:
    ClassRecord(std::string name, const ClassRecord* base);

    const std::string& name() const { return name_; }
    const ClassRecord* base() const { return base_; }

    // Makes a new object of this class, running its initialiser; null for abstract classes.
    std::function<std::shared_ptr<Object>()> create;

    std::vector<std::string> interfaces;
    std::vector<MethodInfo> methods;            // own methods, slot order first
    std::map<std::string, std::string> events;  // event name -> handling method name
    std::vector<PropertyInfo> properties;
    std::map<std::string, std::string> attributes; // e.g. {"DefaultEvent", "Opening"}

    // These search the base classes too.
    const MethodInfo* findMethod(std::string_view name) const;
    const PropertyInfo* findProperty(std::string_view name) const;
    bool isKindOf(const ClassRecord& other) const;
    // True when this class itself (not a base) handles the event.
    bool handlesEvent(std::string_view event) const;

private:
    std::string name_;
    const ClassRecord* base_;
};

// All class records of the run, by runtime name. Records live until the process ends.
class ClassRegistry {
public:
    static ClassRegistry& the();
    // Builds the record with `build` unless one of that name exists; returns it.
    const ClassRecord& define(const std::string& name, const ClassRecord* base,
                              const std::function<void(ClassRecord&)>& build);
    const ClassRecord* find(std::string_view name) const;

private:
    std::map<std::string, std::unique_ptr<ClassRecord>, std::less<>> records_;
};

} // namespace fw
