#include "json_reader.h"

#include <cstdlib>

namespace zem::test {

namespace {

class Reader {
public:
    explicit Reader(const std::string& text) : text_(text) {}

    std::optional<JsonValue> Whole() {
        std::optional<JsonValue> value = Value();
        Blanks();
        if (position_ != text_.size()) return std::nullopt;
        return value;
    }

private:
    void Blanks() {
        while (position_ < text_.size() && std::string(" \t\r\n").find(text_[position_]) != std::string::npos) {
            ++position_;
        }
    }

    bool Take(char c) {
        Blanks();
        if (position_ < text_.size() && text_[position_] == c) {
            ++position_;
            return true;
        }
        return false;
    }

    bool Word(const std::string& word) {
        if (text_.compare(position_, word.size(), word) != 0) return false;
        position_ += word.size();
        return true;
    }

    std::optional<JsonValue> Value() {
        Blanks();
        if (position_ >= text_.size()) return std::nullopt;
        const char c = text_[position_];
        if (c == '{') return ObjectValue();
        if (c == '[') return ArrayValue();
        if (c == '"') {
            std::optional<std::string> text = String();
            if (!text) return std::nullopt;
            return JsonValue{*text};
        }
        if (Word("true")) return JsonValue{true};
        if (Word("false")) return JsonValue{false};
        if (Word("null")) return JsonValue{nullptr};
        return NumberValue();
    }

    std::optional<JsonValue> NumberValue() {
        const size_t start = position_;
        while (position_ < text_.size() && std::string("+-0123456789.eE").find(text_[position_]) != std::string::npos) {
            ++position_;
        }
        if (start == position_) return std::nullopt;
        char* end = nullptr;
        const std::string number = text_.substr(start, position_ - start);
        const double value = std::strtod(number.c_str(), &end);
        if (end != number.c_str() + number.size()) return std::nullopt;
        return JsonValue{value};
    }

    std::optional<std::string> String() {
        if (!Take('"')) return std::nullopt;
        std::string result;
        while (position_ < text_.size() && text_[position_] != '"') {
            const auto c = static_cast<unsigned char>(text_[position_++]);
            if (c < 0x20) return std::nullopt;
            if (c != '\\') {
                result += static_cast<char>(c);
                continue;
            }
            if (position_ >= text_.size()) return std::nullopt;
            const char escaped = text_[position_++];
            const std::string simple = "\"\\/bfnrt";
            const std::string meaning = "\"\\/\b\f\n\r\t";
            if (const size_t found = simple.find(escaped); found != std::string::npos) {
                result += meaning[found];
            } else if (escaped == 'u' && position_ + 4 <= text_.size()) {
                const unsigned code = static_cast<unsigned>(std::stoul(text_.substr(position_, 4), nullptr, 16));
                position_ += 4;
                if (code >= 0x80) return std::nullopt;  // tarv escapes control characters only
                result += static_cast<char>(code);
            } else {
                return std::nullopt;
            }
        }
        if (position_ >= text_.size()) return std::nullopt;
        ++position_;
        return result;
    }

    std::optional<JsonValue> ArrayValue() {
        Take('[');
        auto array = std::make_shared<JsonArray>();
        if (Take(']')) return JsonValue{array};
        do {
            std::optional<JsonValue> item = Value();
            if (!item) return std::nullopt;
            array->push_back(*item);
        } while (Take(','));
        if (!Take(']')) return std::nullopt;
        return JsonValue{array};
    }

    std::optional<JsonValue> ObjectValue() {
        Take('{');
        auto object = std::make_shared<JsonObject>();
        if (Take('}')) return JsonValue{object};
        do {
            Blanks();
            std::optional<std::string> name = String();
            if (!name || !Take(':')) return std::nullopt;
            std::optional<JsonValue> item = Value();
            if (!item || !object->emplace(*name, *item).second) return std::nullopt;
        } while (Take(','));
        if (!Take('}')) return std::nullopt;
        return JsonValue{object};
    }

    const std::string& text_;
    size_t position_ = 0;
};

}  // namespace

std::optional<JsonValue> ReadJson(const std::string& text) { return Reader(text).Whole(); }

}  // namespace zem::test
