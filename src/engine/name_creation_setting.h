// The system-wide NTFS setting that decides whether new files get short 8.3 names.
#pragma once

#include <cstdint>

namespace zem {

// Values of NtfsDisable8dot3NameCreation as the program treats them.
inline constexpr uint32_t k8Dot3OnAllVolumes = 0;
inline constexpr uint32_t k8Dot3OnNoVolume = 1;
inline constexpr uint32_t k8Dot3PerVolume = 2;  // only ever read
inline constexpr uint32_t k8Dot3OnSystemVolumeOnly = 3;

struct NameCreationSetting {
    uint32_t status = 0;  // 0 when the value was read, else the system's error
    uint32_t value = 0;
};

// HKLM\SYSTEM\CurrentControlSet\Control\FileSystem, NtfsDisable8dot3NameCreation (REG_DWORD).
// The key is opened with what the user may have and never created. A value of another type
// than REG_DWORD reads as ERROR_UNSUPPORTED_TYPE.
NameCreationSetting Read8Dot3Setting();
// 0, or the system's error (2 without the key, 5 without administrator rights).
uint32_t Write8Dot3Setting(uint32_t value);

}  // namespace zem
