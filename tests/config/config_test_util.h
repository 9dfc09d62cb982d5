// Raw registry access for the configuration store tests: values are set up and checked
// with the registry functions directly, never through the store under test.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "base/app_error.h"
#include "base/strings.h"
#include "base/unique.h"
#include "config/app_config.h"
#include "test_support.h"

namespace zem::test {

inline const std::string kEditorFilesKey = "Software\\Zem\\Tarvelix\\Recent\\EditorFiles";
inline const std::string kConvertedPathsKey = "Software\\Zem\\Tarvelix\\Recent\\ConvertedPaths";
inline const std::string kTextSearchesKey = "Software\\Zem\\Tarvelix\\Recent\\TextSearches";
inline const std::string kFeaturesKey = "Software\\Zem\\Tarvelix\\Features";
inline const std::string kEdtiorKey = "Software\\Zem\\Tarvelix\\Edtior";
inline const std::string kBalloonTipsKey = "Software\\Zem\\Tarvelix\\BalloonTips";
inline const std::string kDontShowKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\DontShowMeThisDialogAgain";

inline constexpr SuppressibleDialog kAllDialogs[] = {
    SuppressibleDialog::LoadFile, SuppressibleDialog::NewFile, SuppressibleDialog::CloseApp,
    SuppressibleDialog::Startup8Dot3Info, SuppressibleDialog::No8Dot3ExceptSysVol, SuppressibleDialog::No8Dot3AllVols,
    SuppressibleDialog::GoOnline};

inline std::vector<uint8_t> Bytes(const std::vector<int32_t>& ints) {
    std::vector<uint8_t> bytes(ints.size() * 4);
    if (!bytes.empty()) std::memcpy(bytes.data(), ints.data(), bytes.size());
    return bytes;
}

inline void PutValue(const std::string& key, const std::string& name, DWORD type, const void* data, DWORD size) {
    UniqueHKey handle;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, handle.Put(), nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(::RegSetValueExA(handle.Get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
}
inline void PutString(const std::string& key, const std::string& name, const std::string& text) {
    PutValue(key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}
inline void PutDword(const std::string& key, const std::string& name, DWORD value) {
    PutValue(key, name, REG_DWORD, &value, sizeof(value));
}
inline void PutBytes(const std::string& key, const std::string& name, const std::vector<uint8_t>& bytes) {
    PutValue(key, name, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
}
inline void PutInts(const std::string& key, const std::string& name, const std::vector<int32_t>& ints) {
    PutBytes(key, name, Bytes(ints));
}

// A value as "sz:<text>", "dword:<number>" or "binary:<int>,<int>,..." (with "+<n>" for n bytes
// after the last whole integer), or "missing".
inline std::string Stored(const std::string& key, const std::string& name) {
    UniqueHKey handle;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, handle.Put()) != ERROR_SUCCESS) return "missing";
    DWORD type = 0, size = 0;
    std::vector<uint8_t> data;
    LONG status = ::RegQueryValueExA(handle.Get(), name.c_str(), nullptr, &type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        data.resize(size);
        status = ::RegQueryValueExA(handle.Get(), name.c_str(), nullptr, nullptr, data.data(), &size);
    }
    if (status != ERROR_SUCCESS) return "missing";
    std::vector<int32_t> ints(data.size() / 4);
    if (!ints.empty()) std::memcpy(ints.data(), data.data(), ints.size() * 4);
    if (type == REG_SZ) {
        std::string text(data.begin(), data.end());
        while (!text.empty() && text.back() == '\0') text.pop_back();
        return "sz:" + text;
    }
    if (type == REG_DWORD && data.size() == 4) return Format("dword:%u", static_cast<unsigned>(ints[0]));
    if (type != REG_BINARY) return Format("type %lu", type);
    std::string text = "binary:";
    for (size_t i = 0; i < ints.size(); ++i) text += Format(i ? ",%d" : "%d", ints[i]);
    if (data.size() % 4) text += Format("+%u", static_cast<unsigned>(data.size() % 4));
    return text;
}

// Value names in the order the registry enumerates them.
inline std::vector<std::string> ValueNamesOf(const std::string& key) {
    std::vector<std::string> names;
    UniqueHKey handle;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, handle.Put()) != ERROR_SUCCESS) return names;
    char name[512];
    DWORD length = sizeof(name);
    for (DWORD i = 0; ::RegEnumValueA(handle.Get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         ++i, length = sizeof(name)) {
        names.emplace_back(name, length);
    }
    return names;
}

inline void RemoveValue(const std::string& key, const std::string& name) {
    UniqueHKey handle;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_WRITE, handle.Put()) != ERROR_SUCCESS) return;
    ::RegDeleteValueA(handle.Get(), name.c_str());
}

// The text of the AppError that `action` raises, or "<no error>".
inline std::string AppErrorText(const std::function<void()>& action) {
    try {
        action();
    } catch (const AppError& error) {
        return error.what();
    }
    return "<no error>";
}

// A clean application key and no suppression value of ours in the shell's key.
class ConfigStoreTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveSuppressionValues(); }
    void TearDown() override { RemoveSuppressionValues(); }
    static void RemoveSuppressionValues() {
        for (SuppressibleDialog dialog : kAllDialogs) RemoveValue(kDontShowKey, SuppressionValueName(dialog));
    }

    CleanAppKey clean_;
    TTarvelixAppConfig config_;
};

}  // namespace zem::test
