// The configuration store: settings, history lists and dialog-suppression flags in the
// current user's registry branch. Nothing is cached: every access opens, reads or
// writes, and closes the key again.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/strings.h"
#include "config/int_list.h"
#include "config/registry_accessor.h"

namespace zem {

inline constexpr char kAppRegistryKey[] = "Software\\Zem\\Tarvelix";

// The keys the store reads and writes; each knows how its open-key message joins
// the root and the path.
enum class StoreKey { EditorFiles, ConvertedPaths, TextSearches, Features, Edtior, BalloonTips, DontShowAgain };

// The suppressible dialogs, each with its value in the shell's DontShowMeThisDialogAgain key.
enum class SuppressibleDialog { LoadFile, NewFile, CloseApp, Startup8Dot3Info, No8Dot3ExceptSysVol, No8Dot3AllVols, GoOnline };

// The value name (the dialog's identifier) under which the dialog's suppression is kept.
const char* SuppressionValueName(SuppressibleDialog dialog);

// Packed zoom ratio: denominator in the high 16 bits, numerator in the low 16 bits.
inline constexpr uint32_t kDefaultZoomFactor = 0x00010001;

class TTarvelixAppConfig {
public:
    // `appKey` is the application's key below HKEY_CURRENT_USER.
    explicit TTarvelixAppConfig(std::string appKey = kAppRegistryKey);

    // Single settings: a missing value reads as its default, which is written back.
    bool AutoComplete() { return ReadBool(StoreKey::Features, "AutoComplete", false); }
    void SetAutoComplete(bool on) { WriteBool(StoreKey::Features, "AutoComplete", on); }
    bool FileSystemRedirection() { return ReadBool(StoreKey::Features, "FileSystemRedirection", true); }
    void SetFileSystemRedirection(bool on) { WriteBool(StoreKey::Features, "FileSystemRedirection", on); }
    std::string BasePath() { return ReadString(StoreKey::Features, "BasePath"); }
    void SetBasePath(const std::string& path) { WriteString(StoreKey::Features, "BasePath", path); }
    std::string DefEditorFile() { return ReadString(StoreKey::Edtior, "DefEditorFile"); }
    void SetDefEditorFile(const std::string& path) { WriteString(StoreKey::Edtior, "DefEditorFile", path); }
    uint32_t ZoomFactor();
    void SetZoomFactor(uint32_t factor);
    bool TipPathNotFound() { return ReadBool(StoreKey::BalloonTips, "PathNotFound", true); }
    void SetTipPathNotFound(bool on) { WriteBool(StoreKey::BalloonTips, "PathNotFound", on); }
    bool TipInvalidPathSyntax() { return ReadBool(StoreKey::BalloonTips, "InvalidPathSyntax", true); }
    void SetTipInvalidPathSyntax(bool on) { WriteBool(StoreKey::BalloonTips, "InvalidPathSyntax", on); }
    bool TipGoToInvalidLineNum() { return ReadBool(StoreKey::BalloonTips, "GoToInvalidLineNum", true); }
    void SetTipGoToInvalidLineNum(bool on) { WriteBool(StoreKey::BalloonTips, "GoToInvalidLineNum", on); }
    bool TipNoTextInLine() { return ReadBool(StoreKey::BalloonTips, "NoTextInLine", true); }
    void SetTipNoTextInLine(bool on) { WriteBool(StoreKey::BalloonTips, "NoTextInLine", on); }

    // Dialog suppression: true while the value holds "NO" in any letter case.
    bool DontShow(SuppressibleDialog dialog);
    void SetDontShow(SuppressibleDialog dialog, bool suppressed);
    bool DontShowLoadFileDlg() { return DontShow(SuppressibleDialog::LoadFile); }
    bool DontShowNewFileDlg() { return DontShow(SuppressibleDialog::NewFile); }
    bool DontShowCloseAppDlg() { return DontShow(SuppressibleDialog::CloseApp); }
    bool DontShowStartup8Dot3InfoDlg() { return DontShow(SuppressibleDialog::Startup8Dot3Info); }
    bool DontShowNo8Dot3ExceptSysVolDlg() { return DontShow(SuppressibleDialog::No8Dot3ExceptSysVol); }
    bool DontShowNo8Dot3AllVolsDlg() { return DontShow(SuppressibleDialog::No8Dot3AllVols); }
    bool DontShowGoOnlineDlg() { return DontShow(SuppressibleDialog::GoOnline); }

    // History lists.
    StringList ReadEditorFiles() { return ReadList(StoreKey::EditorFiles, kEditorFilePrefix); }
    StringList ReadConvertedPaths() { return ReadList(StoreKey::ConvertedPaths, kConvertedPathPrefix); }
    StringList ReadSearchTexts() { return ReadList(StoreKey::TextSearches, kSearchTextPrefix); }
    // The same reads without any message, for a worker thread: nothing when the key cannot be
    // opened or an entry is not text, so that the caller's own read meets and reports the fault.
    std::optional<StringList> ReadConvertedPathsQuietly() {
        return ReadListQuietly(StoreKey::ConvertedPaths, kConvertedPathPrefix);
    }
    std::optional<StringList> ReadSearchTextsQuietly() {
        return ReadListQuietly(StoreKey::TextSearches, kSearchTextPrefix);
    }
    // A null list changes nothing; an empty one deletes every entry.
    void WriteEditorFiles(const StringList* list) { WriteList(StoreKey::EditorFiles, kEditorFilePrefix, list); }
    void WriteConvertedPaths(const StringList* list) { WriteList(StoreKey::ConvertedPaths, kConvertedPathPrefix, list); }
    void WriteSearchTexts(const StringList* list) { WriteList(StoreKey::TextSearches, kSearchTextPrefix, list); }
    int ClearEditorFiles() { return ClearList(StoreKey::EditorFiles, kEditorFilePrefix); }
    int ClearLinesToGoTo() { return ClearList(StoreKey::EditorFiles, kLinesToGoToPrefix); }
    int ClearConvertedPaths() { return ClearList(StoreKey::ConvertedPaths, kConvertedPathPrefix); }
    int ClearSearchTexts() { return ClearList(StoreKey::TextSearches, kSearchTextPrefix); }

    // Go-to line numbers of the recent file at zero-based `index`.
    TZemIntList ReadLinesToGoTo(int index);
    StringList ReadLinesToGoToAsStrings(int index);
    // A null or empty list stores a zero-byte value; a negative index does nothing.
    void WriteLinesToGoTo(int index, const TZemIntList* list);
    // An empty or null list changes nothing.
    void WriteLinesToGoToFromStrings(int index, const StringList* strings);

    // The full path of a key below HKEY_CURRENT_USER.
    std::string KeyPath(StoreKey key) const;

    static constexpr char kEditorFilePrefix[] = "EditorFile";
    static constexpr char kLinesToGoToPrefix[] = "LinesToGoTo";
    static constexpr char kConvertedPathPrefix[] = "ConvertedPath";
    static constexpr char kSearchTextPrefix[] = "SearchText";

private:
    // Opens `key` (creating it); on failure shows the open-key message when `report` is set.
    bool Open(StoreKey key, bool report);
    void ShowOpenKeyMessage(StoreKey key) const;

    bool ReadBool(StoreKey key, const char* name, bool fallback);
    void WriteBool(StoreKey key, const char* name, bool value);
    std::string ReadString(StoreKey key, const char* name);
    void WriteString(StoreKey key, const char* name, const std::string& value);

    StringList ReadList(StoreKey key, const char* prefix);
    std::optional<StringList> ReadListQuietly(StoreKey key, const char* prefix);
    // The entries of the numbered list `prefix` in the open key; throws on an entry that is not text.
    StringList ListOfOpenKey(const char* prefix) const;
    void WriteList(StoreKey key, const char* prefix, const StringList* list);
    int ClearList(StoreKey key, const char* prefix);
    // Value names of the open key that belong to the numbered list `prefix`.
    StringList NumberedNames(const char* prefix) const;

    std::string appKey_;
    RegistryAccessor registry_;
};

// "EditorFile" + position 0 -> "EditorFile01"; position 99 -> "EditorFile100".
std::string NumberedValueName(const char* prefix, int position);
// The number after `prefix` when it is one (greater than 0), else 0.
int32_t ValueNameNumber(const std::string& name, const char* prefix);

}  // namespace zem
