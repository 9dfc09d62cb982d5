#include "config/app_config.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "base/window.h"
#include "config/recent_files.h"
#include "resource.h"

namespace zem {

namespace {

constexpr char kDontShowAgainKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\DontShowMeThisDialogAgain";

struct KeyInfo {
    const char* subKey;       // below the application key; nullptr for the shell's key
    const char* messageJoin;  // how the open-key message joins the root and the path
};

KeyInfo Info(StoreKey key) {
    switch (key) {
        case StoreKey::EditorFiles: return {"\\Recent\\EditorFiles", "\\"};
        case StoreKey::ConvertedPaths: return {"\\Recent\\ConvertedPaths", "\\"};
        case StoreKey::TextSearches: return {"\\Recent\\TextSearches", "\\"};
        case StoreKey::Features: return {"\\Features", "\\"};
        case StoreKey::Edtior: return {"\\Edtior", " "};
        case StoreKey::BalloonTips: return {"\\BalloonTips", "\\"};
        case StoreKey::DontShowAgain: return {nullptr, " "};
    }
    return {"", "\\"};
}

// Closes the accessor's key when an operation ends, errors included.
class KeyScope {
public:
    explicit KeyScope(RegistryAccessor& registry) : registry_(registry) {}
    ~KeyScope() { registry_.CloseKey(); }
    KeyScope(const KeyScope&) = delete;
    KeyScope& operator=(const KeyScope&) = delete;

private:
    RegistryAccessor& registry_;
};

}  // namespace

const char* SuppressionValueName(SuppressibleDialog dialog) {
    switch (dialog) {
        case SuppressibleDialog::LoadFile: return "ZemTarvelix Ver. 1.0 {0A606086-29D3-4D87-AE79-93DE977CB8D8}";
        case SuppressibleDialog::NewFile: return "ZemTarvelix Ver. 1.0 {C5E3ECF1-4912-4DCD-BF8C-A892C185A01B}";
        case SuppressibleDialog::CloseApp: return "ZemTarvelix Ver. 1.0 {FDFEBF0B-4486-450D-91E0-477BC24D1042}";
        case SuppressibleDialog::Startup8Dot3Info: return "ZemTarvelix Ver. 1.0 {A6B401AC-8C73-4BA3-8C63-F4A9303CD3A6}";
        case SuppressibleDialog::No8Dot3ExceptSysVol: return "ZemTarvelix Ver. 1.0 {53493890-56F9-4E00-9F62-CE2E963F131D}";
        case SuppressibleDialog::No8Dot3AllVols: return "ZemTarvelix Ver. 1.0 {9577EB38-1A65-4372-BDF6-76088C34FA5D}";
        case SuppressibleDialog::GoOnline: return "ZemTarvelix Ver. 1.0 {18579629-A865-4E35-81D8-A520D17E51D5}";
    }
    return "";
}

std::string NumberedValueName(const char* prefix, int position) {
    return Format("%s%.2d", prefix, position + 1);
}

int32_t ValueNameNumber(const std::string& name, const char* prefix) {
    const size_t length = std::strlen(prefix);
    if (name.compare(0, length, prefix) != 0 || name.size() == length) return 0;
    const int32_t number = ParseIntegerOr(std::string_view(name).substr(length), 0);
    return number > 0 ? number : 0;
}

TTarvelixAppConfig::TTarvelixAppConfig(std::string appKey) : appKey_(std::move(appKey)) {}

std::string TTarvelixAppConfig::KeyPath(StoreKey key) const {
    const KeyInfo info = Info(key);
    return info.subKey ? appKey_ + info.subKey : std::string(kDontShowAgainKey);
}

bool TTarvelixAppConfig::Open(StoreKey key, bool report) {
    registry_.SetRoot(HKEY_CURRENT_USER);
    if (registry_.OpenKey(KeyPath(key), true)) return true;
    if (report) ShowOpenKeyMessage(key);
    return false;
}

void TTarvelixAppConfig::ShowOpenKeyMessage(StoreKey key) const {
    const std::string text = ResString(IDS_COULD_NOT_OPEN_KEY) + Info(key).messageJoin + KeyPath(key);
    ShowPlainMessage(text);
}

bool TTarvelixAppConfig::ReadBool(StoreKey key, const char* name, bool fallback) {
    KeyScope scope(registry_);
    Open(key, true);
    if (registry_.ValueExists(name)) return registry_.ReadBool(name);
    WriteBool(key, name, fallback);
    return fallback;
}

void TTarvelixAppConfig::WriteBool(StoreKey key, const char* name, bool value) {
    KeyScope scope(registry_);
    if (Open(key, false)) registry_.WriteBool(name, value);
}

std::string TTarvelixAppConfig::ReadString(StoreKey key, const char* name) {
    KeyScope scope(registry_);
    Open(key, true);
    if (registry_.ValueExists(name)) return registry_.ReadString(name);
    WriteString(key, name, {});
    return {};
}

void TTarvelixAppConfig::WriteString(StoreKey key, const char* name, const std::string& value) {
    KeyScope scope(registry_);
    if (Open(key, false)) registry_.WriteString(name, value);
}

uint32_t TTarvelixAppConfig::ZoomFactor() {
    KeyScope scope(registry_);
    Open(StoreKey::Edtior, true);
    if (registry_.ValueExists("ZoomFactor")) return static_cast<uint32_t>(registry_.ReadInteger("ZoomFactor"));
    SetZoomFactor(kDefaultZoomFactor);
    return kDefaultZoomFactor;
}

void TTarvelixAppConfig::SetZoomFactor(uint32_t factor) {
    KeyScope scope(registry_);
    if (Open(StoreKey::Edtior, false)) registry_.WriteInteger("ZoomFactor", static_cast<int32_t>(factor));
}

bool TTarvelixAppConfig::DontShow(SuppressibleDialog dialog) {
    KeyScope scope(registry_);
    if (!Open(StoreKey::DontShowAgain, true)) return false;
    const char* name = SuppressionValueName(dialog);
    // A value of another type (the shell's own box may store a number there) is not "NO":
    // the question is asked, and a wrong type never keeps the program from asking.
    return registry_.ValueExists(name) && registry_.HoldsText(name) && SameTextNoCase(registry_.ReadString(name), "NO");
}

void TTarvelixAppConfig::SetDontShow(SuppressibleDialog dialog, bool suppressed) {
    KeyScope scope(registry_);
    if (!Open(StoreKey::DontShowAgain, false)) return;
    if (suppressed) {
        registry_.WriteString(SuppressionValueName(dialog), "NO");
    } else {
        registry_.DeleteValue(SuppressionValueName(dialog));
    }
}

namespace {

// The items whose names are the prefix and a number, in the order of the numbers. The registry
// may list values sorted by name (Item100 before Item11); equal numbers keep its order.
template <class Item, class NameOf>
std::vector<Item> InNumberOrder(std::vector<Item> items, const char* prefix, NameOf nameOf) {
    std::vector<std::pair<int32_t, Item>> numbered;
    for (auto& item : items) {
        const int32_t number = ValueNameNumber(nameOf(item), prefix);
        if (number > 0) numbered.emplace_back(number, std::move(item));
    }
    std::stable_sort(numbered.begin(), numbered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Item> ordered;
    for (auto& entry : numbered) ordered.push_back(std::move(entry.second));
    return ordered;
}

}  // namespace

StringList TTarvelixAppConfig::NumberedNames(const char* prefix) const {
    return InNumberOrder(registry_.ValueNames(), prefix, [](const std::string& name) { return name; });
}

StringList TTarvelixAppConfig::ReadList(StoreKey key, const char* prefix) {
    KeyScope scope(registry_);
    Open(key, true);
    return ListOfOpenKey(prefix);
}

std::optional<StringList> TTarvelixAppConfig::ReadListQuietly(StoreKey key, const char* prefix) {
    KeyScope scope(registry_);
    if (!Open(key, false)) return std::nullopt;
    try {
        return ListOfOpenKey(prefix);
    } catch (const AppError&) {
        return std::nullopt;
    }
}

StringList TTarvelixAppConfig::ListOfOpenKey(const char* prefix) const {
    StringList list;
    const auto values = InNumberOrder(registry_.Values(), prefix,
                                      [](const RegistryAccessor::NamedValue& value) { return value.name; });
    for (const auto& value : values) {
        if (!value.isText) throw RegistryAccessor::InvalidType(value.name);
        list.push_back(value.text);
    }
    return list;
}

void TTarvelixAppConfig::WriteList(StoreKey key, const char* prefix, const StringList* list) {
    if (!list) return;
    ClearList(key, prefix);
    for (size_t i = 0; i < list->size(); ++i) {
        KeyScope scope(registry_);
        if (Open(key, false)) registry_.WriteString(NumberedValueName(prefix, static_cast<int>(i)), (*list)[i]);
    }
}

int TTarvelixAppConfig::ClearList(StoreKey key, const char* prefix) {
    KeyScope scope(registry_);
    if (!Open(key, true)) return 0;
    int deleted = 0;
    for (const auto& name : NumberedNames(prefix)) {
        if (registry_.DeleteValue(name)) ++deleted;
    }
    return deleted;
}

TZemIntList TTarvelixAppConfig::ReadLinesToGoTo(int index) {
    KeyScope scope(registry_);
    TZemIntList numbers;
    if (!Open(StoreKey::EditorFiles, true) || index < 0) return numbers;
    for (const auto& name : registry_.ValueNames()) {
        if (ValueNameNumber(name, kLinesToGoToPrefix) != index + 1) continue;
        if (registry_.DataSize(name) == 0) return numbers;
        const std::vector<uint8_t> data = registry_.ReadBinary(name);
        const size_t count = data.size() / sizeof(int32_t);
        std::vector<int32_t> values(count);
        std::memcpy(values.data(), data.data(), count * sizeof(int32_t));
        // Data written with a leading count drops it; data without one is taken whole.
        const bool hasCount = count > 0 && static_cast<int64_t>(values[0]) + 1 == static_cast<int64_t>(count);
        for (size_t i = hasCount ? 1 : 0; i < count; ++i) numbers.Add(values[i]);
        return numbers;
    }
    return numbers;
}

StringList TTarvelixAppConfig::ReadLinesToGoToAsStrings(int index) {
    StringList strings;
    const TZemIntList numbers = ReadLinesToGoTo(index);
    for (int32_t number : numbers.Items()) {
        if (number > 0) strings.push_back(std::to_string(number));
    }
    return strings;
}

void TTarvelixAppConfig::WriteLinesToGoTo(int index, const TZemIntList* list) {
    if (index < 0) return;
    KeyScope scope(registry_);
    if (!Open(StoreKey::EditorFiles, false)) return;
    std::vector<uint8_t> data;
    if (list && list->Count() > 0) {
        std::vector<int32_t> values;
        values.push_back(list->Count());
        values.insert(values.end(), list->Items().begin(), list->Items().end());
        data.resize(values.size() * sizeof(int32_t));
        std::memcpy(data.data(), values.data(), data.size());
    }
    registry_.WriteBinary(NumberedValueName(kLinesToGoToPrefix, index), data);
}

void TTarvelixAppConfig::WriteLinesToGoToFromStrings(int index, const StringList* strings) {
    if (!strings || strings->empty()) return;
    const TZemIntList numbers = PositiveNumbersFromStrings(*strings);
    WriteLinesToGoTo(index, &numbers);
}

}  // namespace zem
