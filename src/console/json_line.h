// One JSON object on one line, its members in the order they are added.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zem {

class JsonLine {
public:
    JsonLine& Add(std::string_view name, std::wstring_view text);
    JsonLine& AddNumber(std::string_view name, int64_t number);
    JsonLine& AddBool(std::string_view name, bool value);
    JsonLine& AddList(std::string_view name, const std::vector<std::wstring>& texts);
    JsonLine& AddObjects(std::string_view name, const std::vector<JsonLine>& objects);
    // The object, without a line break.
    std::wstring Text() const { return text_ + L"}"; }

private:
    void Name(std::string_view name);
    std::wstring text_ = L"{";
};

// The text as a JSON string, quotes included.
std::wstring JsonString(std::wstring_view text);

}  // namespace zem
