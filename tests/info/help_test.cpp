// The help-context map against the compiled help file, finding the file, and what the help
// requests ask of the viewer.
#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "app/help_contexts.h"
#include "base/strings.h"
#include "base/system.h"
#include "info/help.h"
#include "resource.h"
#include "test_support.h"

namespace zem {
namespace {

using test::TempFolder;

// Help context numbers live in these ranges of the string table.
std::map<UINT, std::string> HelpMapEntries() {
    std::map<UINT, std::string> entries;
    for (UINT id = 7000; id < 8000; ++id) {
        if (std::string text = ResString(id); !text.empty()) entries[id] = text;
    }
    for (UINT id = 16000; id < 18000; ++id) {
        if (std::string text = ResString(id); !text.empty()) entries[id] = text;
    }
    return entries;
}

TEST(HelpMap, EveryEntryIsATopicOfAPageOfTheHelpFile) {
    // That each page and anchor exists in the compiled file is checked by the build's help test.
    const auto entries = HelpMapEntries();
    ASSERT_EQ(entries.size(), 230u);
    EXPECT_EQ(entries.at(16386), "Help not available yet !");
    const std::regex topicForm(R"(::/Description/\w+\.htm(#\d+)?)");
    for (const auto& [id, topic] : entries) {
        if (id != 16386) {
            EXPECT_TRUE(std::regex_match(topic, topicForm)) << id << ": " << topic;
        }
    }
}

TEST(HelpMap, SharedSectionsAndUnmappedNumbers) {
    EXPECT_EQ(HelpTopicFor(7100), "::/Description/MainWindow.htm#7100");
    EXPECT_EQ(HelpTopicFor(7000), "::/Description/Description.htm");
    EXPECT_EQ(HelpTopicFor(7803), "::/Description/MainWindow.htm#7800");
    EXPECT_EQ(HelpTopicFor(17699), "::/Description/UsageDialog.htm#17690");
    EXPECT_EQ(HelpTopicFor(17830), "::/Description/QueryOKToGoOnlineDialog.htm#17930");
    // Numbers that name other texts of the string table are no topics either.
    for (DWORD unmapped : {0u, 7099u, 16386u, 20000u, 65536u, 70000u}) {
        EXPECT_EQ(HelpTopicFor(unmapped), kTableOfContentsTopic) << unmapped;
    }
}

TEST(HelpMap, EveryMenuItemAndControlOfTheMainWindowHasAMappedNumber) {
    const auto entries = HelpMapEntries();
    for (UINT id = 1000; id <= 1093; ++id) {
        const DWORD context = HelpContextOfCommand(id);
        if (context != 0) {
            EXPECT_TRUE(entries.count(context)) << id;
        }
    }
    for (UINT id : {MMFileNew, MMFilePrint, MMEditReadOnly, MMActionListEnvVarPaths, MMHistClearLineNums,
                    MMZoom25Pct, MMOptionsPreferences, MMHelpAbout, RichEditPMUndo, RichEditPMReadOnly,
                    MMRecentFileLast}) {
        EXPECT_TRUE(entries.count(HelpContextOfCommand(id))) << id;
    }
    EXPECT_EQ(HelpContextOfCommand(MMHelpHelp), 7191u);
    EXPECT_EQ(HelpContextOfCommand(MMHelpAbout), 7199u);
    EXPECT_EQ(HelpContextOfControl(IDC_MEMO1), 7351u);
    for (int id = IDC_PANEL1; id <= IDC_STATUSBAR1; ++id) {
        const DWORD context = HelpContextOfControl(id);
        if (context != 0) {
            EXPECT_TRUE(entries.count(context)) << id;
        }
    }
}

// Records what the program asks of the viewer; shows a window only for targets it accepts.
class RecordingViewer : public HelpViewer {
public:
    explicit RecordingViewer(std::string accepted = {}, std::string error = {})
        : accepted_(std::move(accepted)), error_(std::move(error)) {}

    HWND DisplayTopic(HWND owner, const std::string& target) override {
        calls.push_back({owner, target});
        return !accepted_.empty() && target == accepted_ ? ::GetDesktopWindow() : nullptr;
    }
    std::string LastErrorText() override { return error_; }

    struct Call {
        HWND owner;
        std::string target;
    };
    std::vector<Call> calls;

private:
    std::string accepted_;
    std::string error_;
};

const HWND kOwner = reinterpret_cast<HWND>(0x1234);

TEST(HelpRequests, TheViewerFindsTheFileByItsName) {
    TempFolder program;
    RecordingViewer viewer("ms-its:TarvelixHelpEn.chm::/Description/MainWindow.htm#7351");
    ShowHelpTopic(viewer, kOwner, program.Path(), 7351);
    ASSERT_EQ(viewer.calls.size(), 1u);
    EXPECT_EQ(viewer.calls[0].owner, kOwner);

    RecordingViewer contents("ms-its:TarvelixHelpEn.chm::/TableOfContents/TableOfContents.htm");
    ShowHelpContents(contents, kOwner, program.Path());
    ASSERT_EQ(contents.calls.size(), 1u);
    EXPECT_EQ(contents.calls[0].owner, nullptr);  // the contents have no owner
}

TEST(HelpRequests, OtherwiseTheFileIsTakenFromTheProgramsHelpFolder) {
    TempFolder program;
    const std::string file = program.MakeFile("Help\\TarvelixHelpEn.chm");
    const std::string topic = "::/Description/OpenFileErrorDialog.htm#17900";
    RecordingViewer viewer(file + topic);
    ShowHelpTopic(viewer, kOwner, program.Path(), 17900);
    ASSERT_EQ(viewer.calls.size(), 2u);
    EXPECT_EQ(viewer.calls[0].target, kHelpFileReference + topic);
    EXPECT_EQ(viewer.calls[1].target, file + topic);
    EXPECT_EQ(viewer.calls[1].owner, kOwner);

    RecordingViewer contents(file + kTableOfContentsTopic);
    ShowHelpContents(contents, kOwner, program.Path());
    ASSERT_EQ(contents.calls.size(), 2u);
    EXPECT_EQ(contents.calls[1].owner, kOwner);
}

TEST(HelpRequests, ATopicTheViewerRefusesFallsBackToTheContents) {
    TempFolder program;
    const std::string file = program.MakeFile("TarvelixHelpEn.chm");
    RecordingViewer viewer(file + kTableOfContentsTopic);
    ShowHelpTopic(viewer, kOwner, program.Path(), 7100);
    ASSERT_EQ(viewer.calls.size(), 3u);
    EXPECT_EQ(viewer.calls[1].target, file + "::/Description/MainWindow.htm#7100");
}

TEST(HelpRequests, WithoutAFileTheViewersErrorIsShownWhenItHasOne) {
    TempFolder program;
    {
        RecordingViewer viewer({}, "The help file cannot be found.");
        test::MessageBoxAnswerer answerer(IDOK);
        ShowHelpTopic(viewer, nullptr, program.Path(), 7100);
        ASSERT_TRUE(answerer.Wait());
        EXPECT_EQ(answerer.Text(), "The help file cannot be found.");
        EXPECT_EQ(viewer.calls.size(), 1u);  // the file is nowhere to search
    }
    RecordingViewer silent;
    test::WindowCounter windows;
    ShowHelpTopic(silent, nullptr, program.Path(), 7100);
    EXPECT_EQ(windows.Count(), 0);
}

TEST(HelpSearch, TheListAndTheFirstFolderHoldingTheFile) {
    TempFolder program;
    EXPECT_EQ(HelpSearchList(program.Path()).rfind(program.Path() + ";", 0), 0u);
    EXPECT_EQ(HelpSearchList(program.Path()).find(program.Path() + "\\Help"), std::string::npos);
    program.MakeFolder("Help");
    const std::string list = HelpSearchList(program.Path());
    EXPECT_EQ(list.rfind(program.Path() + ";" + program.Path() + "\\Help;", 0), 0u);
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    EXPECT_NE(list.find(std::string(";") + windows + ";"), std::string::npos);

    EXPECT_EQ(FindHelpFile(list), "");
    const std::string second = program.MakeFile("B\\TarvelixHelpEn.chm");
    program.MakeFile("C\\TarvelixHelpEn.chm");
    const std::string folders = program.Path() + "\\A;" + program.Path() + "\\B\\;" + program.Path() + "\\C";
    EXPECT_EQ(FindHelpFile(folders), second);  // no doubled backslash after a folder ending in one
}

}  // namespace
}  // namespace zem
