#include "engine/dos_devices.h"

#include <windows.h>
#include <shlwapi.h>

#include <new>

namespace zem {

namespace {

constexpr char kObjectPrefix[] = "\\??\\";
constexpr size_t kObjectPrefixLength = 4;
constexpr DWORD kInitialBuffer = 261;
constexpr DWORD kLargestBuffer = 32768;

bool HasObjectPrefix(const std::string& text) { return text.compare(0, kObjectPrefixLength, kObjectPrefix) == 0; }

// The first string of the device's targets; a target longer than the buffer is asked again
// with a larger one rather than dropped.
std::string QueryFirstTarget(const std::string& device, std::string& buffer) {
    for (DWORD size = kInitialBuffer; size <= kLargestBuffer; size *= 2) {
        buffer.assign(size, '\0');
        if (::QueryDosDeviceA(device.c_str(), buffer.data(), size) != 0) return std::string(buffer.c_str());
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER) break;
    }
    return {};
}

}  // namespace

int TZemDOSDrvDevicesStrList::RefreshDriveDevices() {
    std::string buffer;
    try {
        buffer.reserve(kInitialBuffer);
    } catch (const std::bad_alloc&) {
        return -1;
    }
    entries_.clear();
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        std::string target = QueryFirstTarget(std::string(1, letter) + ":", buffer);
        if (!target.empty()) entries_.push_back(Entry{std::move(target), letter});
    }
    return Count();
}

int TZemDOSDrvDevicesStrList::IndexOfDrive(char letter) const {
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].letter == letter) return static_cast<int>(i);
    }
    return -1;
}

bool TZemDOSDrvDevicesStrList::IsDriveRootAlias(int index) const { return IsDriveRootAliasText((*this)[index].text); }

bool TZemDOSDrvDevicesStrList::IsFolderAlias(int index) const { return IsFolderAliasText((*this)[index].text); }

std::string TZemDOSDrvDevicesStrList::DriveTarget(int index) const { return DriveTargetText((*this)[index].text); }

bool IsDriveRootAliasText(const std::string& text) {
    if (!HasObjectPrefix(text)) return false;
    const std::string rest = text.substr(kObjectPrefixLength);
    const char first = rest.empty() ? '\0' : rest[0];
    const bool asciiLetter = (first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z');
    return rest.size() == 2 && asciiLetter && rest[1] == ':';
}

bool IsFolderAliasText(const std::string& text) {
    if (!HasObjectPrefix(text)) return false;
    const std::string rest = text.substr(kObjectPrefixLength);
    if (::PathIsRelativeA(rest.c_str()) || DrivePart(rest).empty()) return false;
    const char* belowRoot = ::PathSkipRootA(rest.c_str());
    return belowRoot && *belowRoot != '\0';
}

std::string DriveTargetText(std::string text) {
    // The shell's case-insensitive substring search.
    if (const char* device = ::StrStrIA(text.c_str(), "\\Device\\")) {
        return text.erase(static_cast<size_t>(device - text.c_str()), 8);
    }
    const size_t object = text.find(kObjectPrefix);
    if (object != std::string::npos) return text.erase(object, kObjectPrefixLength);
    return {};
}

std::string DrivePart(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
    if (path.compare(0, 2, "\\\\") != 0) return {};
    // Server and share: up to the backslash after the share.
    const size_t serverEnd = path.find('\\', 2);
    if (serverEnd == std::string::npos) return path;
    const size_t shareEnd = path.find('\\', serverEnd + 1);
    return path.substr(0, shareEnd);
}

SubstDriveAlias ResolveSubstDrive(const std::string& path) {
    TZemDOSDrvDevicesStrList devices;
    if (devices.RefreshDriveDevices() <= 0) return {};
    const std::string drive = DrivePart(path);
    if (drive.size() != 2) return {};
    const int index = devices.IndexOfDrive(drive[0]);
    if (index < 0) return {};
    if (!devices.IsDriveRootAlias(index) && !devices.IsFolderAlias(index)) return {};
    return {true, devices.DriveTarget(index)};
}

}  // namespace zem
