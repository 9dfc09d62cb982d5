// The configuration store's one registry accessor: at most one key open at a time,
// opened for each operation and closed right after it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/app_error.h"
#include "base/strings.h"
#include "base/unique.h"

namespace zem {

class RegistryAccessor {
public:
    RegistryAccessor() = default;

    void SetRoot(HKEY root) { root_ = root; }
    HKEY Root() const { return root_; }

    // Closes any open key, then opens `path` below the root for reading and writing,
    // creating it when `create` is set. False when the key cannot be opened.
    bool OpenKey(const std::string& path, bool create);
    void CloseKey() { key_.Reset(); }
    bool HasOpenKey() const { return key_.Valid(); }

    bool ValueExists(const std::string& name) const;
    // Value names in the order the registry enumerates them; empty without an open key.
    StringList ValueNames() const;
    // The number of values; 0 without an open key.
    DWORD ValueCount() const { return Sizes().count; }

    struct NamedValue {
        std::string name;
        bool isText = false;  // REG_SZ or REG_EXPAND_SZ
        std::string text;     // the text of a text value, as ReadString gives it
    };
    // Every value with its text, read in one pass: a list of thousands of values costs one
    // request per value instead of three.
    std::vector<NamedValue> Values() const;
    // The wrong-type error ReadString raises for the value.
    static AppError InvalidType(const std::string& name);
    // The value exists and holds a string (REG_SZ or REG_EXPAND_SZ).
    bool HoldsText(const std::string& name) const;
    // The value's size in bytes, 0 when it does not exist.
    uint32_t DataSize(const std::string& name) const;

    // Readers raise AppError "Invalid data type for '%s'" when the stored type differs.
    std::string ReadString(const std::string& name) const;
    int32_t ReadInteger(const std::string& name) const;
    bool ReadBool(const std::string& name) const { return ReadInteger(name) != 0; }
    std::vector<uint8_t> ReadBinary(const std::string& name) const;

    bool WriteString(const std::string& name, const std::string& value);
    bool WriteInteger(const std::string& name, int32_t value);
    bool WriteBool(const std::string& name, bool value) { return WriteInteger(name, value ? 1 : 0); }
    bool WriteBinary(const std::string& name, const std::vector<uint8_t>& data);
    bool DeleteValue(const std::string& name);

private:
    struct ValueSizes {
        DWORD count = 0;
        DWORD longestName = 0;
        DWORD longestData = 0;
    };
    // The number of values and the longest name and data; all 0 without an open key.
    ValueSizes Sizes() const;

    // Type and size of a value; false when it does not exist or no key is open.
    bool QueryValue(const std::string& name, DWORD& type, DWORD& size) const;
    // Raises the wrong-type error unless the value has one of the two types.
    void RequireType(const std::string& name, DWORD expected, DWORD alternative, DWORD& size) const;
    bool Write(const std::string& name, DWORD type, const void* data, DWORD size);

    HKEY root_ = HKEY_CURRENT_USER;
    UniqueHKey key_;
};

}  // namespace zem
