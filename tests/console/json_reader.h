// A strict reader of one JSON value, for checking tarv's output as JSON: it accepts only what
// the JSON grammar allows and keeps objects and arrays for the tests to look into.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zem::test {

struct JsonValue;
using JsonObject = std::map<std::string, JsonValue>;
using JsonArray = std::vector<JsonValue>;

struct JsonValue {
    std::variant<std::nullptr_t, bool, double, std::string, std::shared_ptr<JsonArray>, std::shared_ptr<JsonObject>>
        value;

    const std::string& Text() const { return std::get<std::string>(value); }
    double Number() const { return std::get<double>(value); }
    bool Bool() const { return std::get<bool>(value); }
    const JsonArray& Array() const { return *std::get<std::shared_ptr<JsonArray>>(value); }
    const JsonObject& Object() const { return *std::get<std::shared_ptr<JsonObject>>(value); }
    const JsonValue& operator[](const std::string& name) const { return Object().at(name); }
};

// The value of the whole text (strings in UTF-8); nothing when the text is not JSON.
std::optional<JsonValue> ReadJson(const std::string& text);

}  // namespace zem::test
