#include "config/registry_accessor.h"

#include "base/app_error.h"
#include "resource.h"

namespace zem {

bool RegistryAccessor::OpenKey(const std::string& path, bool create) {
    CloseKey();
    LONG status;
    if (create) {
        status = ::RegCreateKeyExA(root_, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   KEY_READ | KEY_WRITE, nullptr, key_.Put(), nullptr);
    } else {
        status = ::RegOpenKeyExA(root_, path.c_str(), 0, KEY_READ | KEY_WRITE, key_.Put());
    }
    if (status != ERROR_SUCCESS) {
        key_.Release();  // the call leaves no valid handle behind
        return false;
    }
    return true;
}

bool RegistryAccessor::QueryValue(const std::string& name, DWORD& type, DWORD& size) const {
    if (!key_) return false;
    size = 0;
    return ::RegQueryValueExA(key_.Get(), name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
}

bool RegistryAccessor::ValueExists(const std::string& name) const {
    DWORD type = 0, size = 0;
    return QueryValue(name, type, size);
}

RegistryAccessor::ValueSizes RegistryAccessor::Sizes() const {
    ValueSizes sizes;
    if (key_ && ::RegQueryInfoKeyA(key_.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &sizes.count,
                                   &sizes.longestName, &sizes.longestData, nullptr, nullptr) != ERROR_SUCCESS) {
        sizes = {};
    }
    return sizes;
}

StringList RegistryAccessor::ValueNames() const {
    StringList names;
    const ValueSizes sizes = Sizes();
    std::string buffer(sizes.longestName + 1, '\0');
    for (DWORD i = 0; i < sizes.count; ++i) {
        DWORD length = static_cast<DWORD>(buffer.size());
        if (::RegEnumValueA(key_.Get(), i, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr) ==
            ERROR_SUCCESS) {
            names.emplace_back(buffer.data(), length);
        }
    }
    return names;
}

namespace {

bool IsTextType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

// A text value's data as text: without the terminating zeros.
std::string TextOf(const char* data, DWORD size) {
    std::string text(data, size);
    while (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

}  // namespace

std::vector<RegistryAccessor::NamedValue> RegistryAccessor::Values() const {
    std::vector<NamedValue> values;
    const ValueSizes sizes = Sizes();
    std::string name(sizes.longestName + 1, '\0');
    std::string data(sizes.longestData + 1, '\0');
    for (DWORD i = 0; i < sizes.count; ++i) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD type = 0;
        DWORD size = static_cast<DWORD>(data.size());
        if (::RegEnumValueA(key_.Get(), i, name.data(), &nameLength, nullptr, &type,
                            reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS) {
            continue;
        }
        NamedValue& value = values.emplace_back();
        value.name.assign(name.data(), nameLength);
        value.isText = IsTextType(type);
        if (value.isText) value.text = TextOf(data.data(), size);
    }
    return values;
}

AppError RegistryAccessor::InvalidType(const std::string& name) {
    return AppError(Format(ResString(IDS_INVALID_DATA_TYPE).c_str(), name.c_str()));
}

bool RegistryAccessor::HoldsText(const std::string& name) const {
    DWORD type = 0, size = 0;
    return QueryValue(name, type, size) && IsTextType(type);
}

uint32_t RegistryAccessor::DataSize(const std::string& name) const {
    DWORD type = 0, size = 0;
    return QueryValue(name, type, size) ? size : 0;
}

void RegistryAccessor::RequireType(const std::string& name, DWORD expected, DWORD alternative,
                                   DWORD& size) const {
    DWORD type = 0;
    size = 0;
    if (QueryValue(name, type, size) && type != expected && type != alternative) throw InvalidType(name);
}

std::string RegistryAccessor::ReadString(const std::string& name) const {
    DWORD size = 0;
    RequireType(name, REG_SZ, REG_EXPAND_SZ, size);
    std::string value(size, '\0');
    if (size == 0 || ::RegQueryValueExA(key_.Get(), name.c_str(), nullptr, nullptr,
                                        reinterpret_cast<BYTE*>(value.data()), &size) != ERROR_SUCCESS) {
        return {};
    }
    return TextOf(value.data(), size);
}

int32_t RegistryAccessor::ReadInteger(const std::string& name) const {
    DWORD size = 0;
    RequireType(name, REG_DWORD, REG_DWORD, size);
    DWORD value = 0;
    size = sizeof(value);
    if (!key_ || ::RegQueryValueExA(key_.Get(), name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&value),
                                    &size) != ERROR_SUCCESS) {
        return 0;
    }
    return static_cast<int32_t>(value);
}

std::vector<uint8_t> RegistryAccessor::ReadBinary(const std::string& name) const {
    DWORD size = 0;
    RequireType(name, REG_BINARY, REG_BINARY, size);
    std::vector<uint8_t> data(size);
    if (size != 0 &&
        ::RegQueryValueExA(key_.Get(), name.c_str(), nullptr, nullptr, data.data(), &size) != ERROR_SUCCESS) {
        return {};
    }
    data.resize(size);
    return data;
}

bool RegistryAccessor::Write(const std::string& name, DWORD type, const void* data, DWORD size) {
    return key_ && ::RegSetValueExA(key_.Get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), size) ==
                       ERROR_SUCCESS;
}

bool RegistryAccessor::WriteString(const std::string& name, const std::string& value) {
    return Write(name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

bool RegistryAccessor::WriteInteger(const std::string& name, int32_t value) {
    const DWORD data = static_cast<DWORD>(value);
    return Write(name, REG_DWORD, &data, sizeof(data));
}

bool RegistryAccessor::WriteBinary(const std::string& name, const std::vector<uint8_t>& data) {
    return Write(name, REG_BINARY, data.data(), static_cast<DWORD>(data.size()));
}

bool RegistryAccessor::DeleteValue(const std::string& name) {
    return key_ && ::RegDeleteValueA(key_.Get(), name.c_str()) == ERROR_SUCCESS;
}

}  // namespace zem
