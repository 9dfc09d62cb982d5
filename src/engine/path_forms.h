// The long/short conversion primitives, existence, environment expansion and system messages.
// Failures come back as codes or empty results with the thread's last-error value set.
// Each primitive comes for ANSI text and, as its wide twin, for UTF-16 text. The ANSI ones
// take the wide system calls for paths the ANSI calls refuse (MAX_PATH characters or more).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace zem {

// An existing file or, failing that, an existing folder. When neither, the last-error value
// is the folder test's (2, 3, 123 ...).
bool PathExists(const std::string& path);
bool PathExists(const std::wstring& path);

class FolderListings;

// The system's short form, however long; empty on failure (see the last-error value).
// A short form whose long form names another file is a failure, ErrAmbiguousShortName.
// `listings`, when given, answers that check for many paths in few folders at once.
std::string GetShortPathForm(const std::string& path, FolderListings* listings = nullptr);
std::wstring GetShortPathForm(const std::wstring& path, FolderListings* listings = nullptr);

// The short form, or the text a report shows in its place: the ambiguous-name line for
// ErrAmbiguousShortName, `failureText` for any other failure.
std::string ShortPathFormOr(const std::string& path, const std::string& failureText);

template <class Text>
struct BasicLongPathForm {
    uint32_t error = 0;
    Text path;  // the long form when error is 0
};
using LongPathForm = BasicLongPathForm<std::string>;
using WideLongPathForm = BasicLongPathForm<std::wstring>;

// The system's long form; 87 for no path, the system's error (never 0) on failure.
// `listings`, when given, answer for many paths in few folders without a folder scan each.
LongPathForm GetLongPathForm(const std::string& path, FolderListings* listings = nullptr);
WideLongPathForm GetLongPathForm(const std::wstring& path, FolderListings* listings = nullptr);

// The path made absolute against the current directory (".", ".." and a leading "\" resolved);
// empty on failure.
std::string GetFullPathForm(const std::string& path);
std::wstring GetFullPathForm(const std::wstring& path);

template <class Text>
struct BasicExpandedText {
    uint32_t error = 0;
    Text text;  // the expansion when error is 0
};
using ExpandedText = BasicExpandedText<std::string>;
using WideExpandedText = BasicExpandedText<std::wstring>;

// The text with its environment variables expanded. 87 for no text, 1627 when the system could
// not expand it, ErrExpansionTooLong when the expansion does not fit the system's limit.
ExpandedText ExpandEnvironmentText(const std::string& text);
WideExpandedText ExpandEnvironmentText(const std::wstring& text);
// The same, empty on failure with the last-error value set to the code.
std::string ExpandEnvStrings(const std::string& text);

// The shell's relative path from one path to another (attributes: FILE_ATTRIBUTE_DIRECTORY
// for a folder, 0 for a file). 0 and the path, or the error.
uint32_t RelativePathTo(const std::string& from, DWORD fromAttributes, const std::string& to, DWORD toAttributes,
                        std::string& relative);
uint32_t RelativePathTo(const std::wstring& from, DWORD fromAttributes, const std::wstring& to, DWORD toAttributes,
                        std::wstring& relative);

// The system's message for the code, line break included; for the program's codes that have
// a text of their own that text, also with a line break; empty otherwise.
std::string SystemErrorText(uint32_t code);

}  // namespace zem
