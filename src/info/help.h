// The compiled help file: the context-number map, finding the file and showing its topics
// in the platform's HTML Help viewer.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace zem {

inline constexpr char kHelpFileName[] = "TarvelixHelpEn.chm";
inline constexpr char kHelpFileReference[] = "ms-its:TarvelixHelpEn.chm";
inline constexpr char kTableOfContentsTopic[] = "::/TableOfContents/TableOfContents.htm";

// What the program needs from a help viewer; the tests put a recorder in its place.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Shows `target` (a file reference followed by a topic); the viewer's window or null.
    virtual HWND DisplayTopic(HWND owner, const std::string& target) = 0;
    // The description of the viewer's last error; empty when it has none.
    virtual std::string LastErrorText() = 0;
};

// The platform's HTML Help viewer from the system folder's Hhctrl.ocx. The library stays
// loaded while the object lives, since the viewer's windows run inside this process.
std::unique_ptr<HelpViewer> CreateHtmlHelpViewer();

// The topic mapped to a help context number; the table of contents for a number without one.
std::string HelpTopicFor(DWORD context);

// The folders searched for the help file, separated by ";": the program's folder, its "Help"
// subfolder when it exists, the "Path" variable, the Windows folder and the system folder.
std::string HelpSearchList(const std::string& programFolder);

// The help file as given (relative to the current folder), else the first one found in the
// folders of `searchList`; empty when there is none.
std::string FindHelpFile(const std::string& searchList);

// Shows `topic` from the help file found through the search list; the viewer's window or null.
HWND ShowHelpFromSearchPath(HelpViewer& viewer, HWND owner, const std::string& programFolder,
                            const std::string& topic);

// Help > Help: the table of contents, at first without an owner window; when the viewer cannot
// find the file by its name, from the search list and owned by `owner`.
void ShowHelpContents(HelpViewer& viewer, HWND owner, const std::string& programFolder);

// The topic of a help context number, owned by `owner`; when nothing can be shown, the
// viewer's error description (if any) in a message box.
void ShowHelpTopic(HelpViewer& viewer, HWND owner, const std::string& programFolder, DWORD context);

}  // namespace zem
