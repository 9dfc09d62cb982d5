#include "engine/name_creation_setting.h"

#include <windows.h>

#include "base/unique.h"

namespace zem {

namespace {

constexpr char kFileSystemKey[] = "SYSTEM\\CurrentControlSet\\Control\\FileSystem";
constexpr char kNameCreationValue[] = "NtfsDisable8dot3NameCreation";

}  // namespace

NameCreationSetting Read8Dot3Setting() {
    NameCreationSetting setting;
    UniqueHKey key;
    setting.status = static_cast<uint32_t>(::RegOpenKeyA(HKEY_LOCAL_MACHINE, kFileSystemKey, key.Put()));
    if (setting.status != ERROR_SUCCESS) return setting;
    DWORD type = REG_DWORD;
    DWORD value = 0;
    DWORD size = sizeof(value);
    setting.status = static_cast<uint32_t>(
        ::RegQueryValueExA(key.Get(), kNameCreationValue, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size));
    if (setting.status == ERROR_SUCCESS && type != REG_DWORD) setting.status = ERROR_UNSUPPORTED_TYPE;
    if (setting.status == ERROR_SUCCESS) setting.value = value;
    return setting;
}

uint32_t Write8Dot3Setting(uint32_t value) {
    UniqueHKey key;
    const LONG opened = ::RegOpenKeyA(HKEY_LOCAL_MACHINE, kFileSystemKey, key.Put());
    if (opened != ERROR_SUCCESS) return static_cast<uint32_t>(opened);
    const DWORD data = value;
    return static_cast<uint32_t>(::RegSetValueExA(key.Get(), kNameCreationValue, 0, REG_DWORD,
                                                  reinterpret_cast<const BYTE*>(&data), sizeof(data)));
}

}  // namespace zem
