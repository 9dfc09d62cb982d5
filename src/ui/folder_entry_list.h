// The auto-complete's source of the program's own: the entries of the folder being typed.
// The shell's folder-based list cannot be rooted everywhere (Wine's has no IPersistFolder);
// this list needs nothing but the file system. The auto-complete names the folder through
// IACList::Expand when a backslash is typed, and then reads the entries through IEnumString
// as full paths ("folder\name"), which it matches against the whole text typed.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <string>
#include <vector>

namespace zem {

// The entries of the folder named by `typed` up to its last backslash, each as that part of
// the text followed by the entry's name, sorted without regard to case. A leading quote is
// kept in the texts but not looked for; relative text is taken from the current folder.
// Empty when the text has no backslash or the folder cannot be read.
std::vector<std::wstring> TypedFolderEntries(const std::wstring& typed, bool foldersOnly);

// Creates an empty list and hands out its interface `id` (IUnknown, IEnumString, IACList or
// IACList2). The reference count owns the list: the last Release frees it.
HRESULT CreateFolderEntryList(REFIID id, void** object) noexcept;

}  // namespace zem
