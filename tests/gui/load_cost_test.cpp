// Every way into a document must cost the same few questions to the editor, whatever the
// document's length: a handler that runs per line or per streamed chunk, or that asks the
// control for its lines while the text goes in, makes a long file take minutes. Each way is
// taken with a short file and with one six times as long, and what the editors were asked
// and what they notified is compared.
#include <richedit.h>

#include <functional>
#include <map>

#include "main_window_fixture.h"
#include "resource.h"

namespace zem::test {
namespace {

constexpr int kShortLines = 1000;  // one chunk of the stream
constexpr int kLongLines = 6000;   // six chunks

// The questions about text and positions, counted when sent to a rich-edit control, and the
// change notifications such a control sends.
constexpr UINT kQuestions[] = {EM_GETLINECOUNT, EM_EXLINEFROMCHAR, EM_LINEFROMCHAR, EM_LINEINDEX,  EM_LINELENGTH,
                               EM_GETLINE,      EM_GETTEXTLENGTHEX, WM_GETTEXTLENGTH, WM_GETTEXT, EM_GETTEXTEX,
                               EM_GETTEXTRANGE, EM_GETSELTEXT,     EM_POSFROMCHAR,  EM_CHARFROMPOS, EM_SCROLLCARET,
                               EM_EXGETSEL,     EM_GETSEL};

bool IsEditor(HWND window) {
    char name[32] = {};
    ::GetClassNameA(window, name, sizeof(name));
    return lstrcmpiA(name, RICHEDIT_CLASSA) == 0;
}

// Counts what this thread sends while it lives: questions by message, notifications by code
// (offset so that they cannot be mistaken for messages), and zooms of an editor that holds
// text, which lay all of it out again (the header alone is not worth counting).
class EditorTraffic {
public:
    static constexpr UINT kNotification = 0x10000;
    static constexpr UINT kZoomOverText = 0x20000;
    static constexpr int kLongerThanAnyHeader = 20000;

    EditorTraffic() : watch_([this](const CWPSTRUCT& sent) { Count(sent); }) {}
    const std::map<UINT, int>& Counts() const { return counts_; }

private:
    void Count(const CWPSTRUCT& sent) {
        if (looking_) return;  // the counter's own question
        if (sent.message == EM_SETZOOM && IsEditor(sent.hwnd)) {
            looking_ = true;
            if (::GetWindowTextLengthA(sent.hwnd) > kLongerThanAnyHeader) ++counts_[kZoomOverText];
            looking_ = false;
        } else if (sent.message == WM_NOTIFY) {
            const auto* header = reinterpret_cast<const NMHDR*>(sent.lParam);
            if (IsEditor(header->hwndFrom)) ++counts_[kNotification + header->code];
        } else if (sent.message == WM_COMMAND && sent.lParam != 0) {
            if (IsEditor(reinterpret_cast<HWND>(sent.lParam))) ++counts_[kNotification + HIWORD(sent.wParam)];
        } else if (std::find(std::begin(kQuestions), std::end(kQuestions), sent.message) != std::end(kQuestions) &&
                   IsEditor(sent.hwnd)) {
            ++counts_[sent.message];
        }
    }

    bool looking_ = false;
    std::map<UINT, int> counts_;
    SentMessageWatch watch_;  // last: it calls Count while the counts live
};

std::string Document(int lines) {
    std::string text;
    for (int line = 1; line <= lines; ++line) {
        text += Format("Line %05d: C:\\Program Files\\Zem Output\\A Long File Name.txt\r\n", line);
    }
    return text;
}

class LoadCostTest : public MainWindowTest {
protected:
    static constexpr uint32_t kStoredZoom = 0x00020003;  // 150 %

    void SetUp() override {
        MainWindowTest::SetUp();
        shortFile_ = temp_.MakeFile("Short Document.txt", Document(kShortLines));
        longFile_ = temp_.MakeFile("Long Document.txt", Document(kLongLines));
    }

    // What the editors were asked and notified; never nothing, or the counting is blind.
    static std::map<UINT, int> TrafficOf(const std::function<void()>& work) {
        const EditorTraffic traffic;
        work();
        EXPECT_FALSE(traffic.Counts().empty());
        return traffic.Counts();
    }

    // The file's whole text is shown, its paragraphs ending in a CR.
    void ExpectShown(const std::string& path, int lines) {
        std::string text = Document(lines);
        for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) text.erase(++at, 1);
        EXPECT_EQ(form_->CurrentFileName, path);
        EXPECT_TRUE(form_->Memo1().WideText() == MultiByteToWide(text)) << path;
    }

    // The start file comes into an editor zoomed as stored, and the text is not zoomed again.
    void ExpectZoomedOnce(const std::map<UINT, int>& start) {
        EXPECT_EQ(form_->Memo1().Zoom(), kStoredZoom);
        EXPECT_EQ(start.count(EditorTraffic::kZoomOverText), 0u);
    }

    // Starts the window as the program does with this command line.
    void StartWith(const StringList& commandLine) {
        form_ = std::make_unique<TForm1>(TZemCommanLineStrList(commandLine));
        ASSERT_TRUE(form_->Create());
        form_->Show(SW_SHOWNORMAL);
        PumpMessages();
    }

    // Ends the window and forgets what it stored, so that the next start finds what the first did.
    void End() {
        form_.reset();
        PumpMessages();
        DeleteUserKey(kAppRegistryKey);
        store_.SetZoomFactor(kStoredZoom);
    }

    void LoadThroughTheDialog(const std::string& path) {
        FileDialogAnswerer answerer(ResString(IDS_LOAD_TITLE), path);
        Click(*form_, MMFileLoad);
        EXPECT_EQ(answerer.Title(), ResString(IDS_LOAD_TITLE));
    }

    TempFolder temp_;
    std::string shortFile_;
    std::string longFile_;
};

TEST_F(LoadCostTest, AStartFileOnTheCommandLine) {
    store_.SetZoomFactor(kStoredZoom);
    const auto shortStart = TrafficOf([&] { StartWith({"ZemTarvelix.exe", shortFile_}); });
    ExpectShown(shortFile_, kShortLines);
    End();
    const auto longStart = TrafficOf([&] { StartWith({"ZemTarvelix.exe", longFile_}); });
    ExpectShown(longFile_, kLongLines);
    ExpectZoomedOnce(longStart);
    EXPECT_EQ(shortStart, longStart);
}

TEST_F(LoadCostTest, TheDefaultOutputFileAtStartUp) {
    store_.SetZoomFactor(kStoredZoom);
    store_.SetDefEditorFile(shortFile_);
    const auto shortStart = TrafficOf([&] { Start(); });
    ExpectShown(shortFile_, kShortLines);
    End();
    store_.SetDefEditorFile(longFile_);
    const auto longStart = TrafficOf([&] { Start(); });
    ExpectShown(longFile_, kLongLines);
    ExpectZoomedOnce(longStart);
    EXPECT_EQ(shortStart, longStart);
}

// Each load replaces a document already shown: the one before it, of the other length.
TEST_F(LoadCostTest, FileLoadAndRecentItemsOverALoadedDocument) {
    StartWith({"ZemTarvelix.exe", longFile_});
    const auto shortLoad = TrafficOf([&] { LoadThroughTheDialog(shortFile_); });
    ExpectShown(shortFile_, kShortLines);
    const auto longLoad = TrafficOf([&] { LoadThroughTheDialog(longFile_); });
    ExpectShown(longFile_, kLongLines);
    EXPECT_EQ(shortLoad, longLoad);

    // Recent now lists the long file first and the short one second; the second item swaps them.
    const auto shortRecent = TrafficOf([&] { Click(*form_, MMRecentFileFirst + 1); });
    ExpectShown(shortFile_, kShortLines);
    const auto longRecent = TrafficOf([&] { Click(*form_, MMRecentFileFirst + 1); });
    ExpectShown(longFile_, kLongLines);
    EXPECT_EQ(shortRecent, longRecent);
}

}  // namespace
}  // namespace zem::test
