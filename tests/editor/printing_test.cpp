// The print job's title and the page loop's guard against a layout that makes no progress.
#include <gtest/gtest.h>

#include <richedit.h>

#include <vector>

#include "editor/printing.h"

namespace zem {
namespace {

TEST(PrintJobTitle, TheDocumentsPathOrTheUnnamedTitle) {
    EXPECT_EQ(PrintJobTitle(""), "Tarvelix, Unnamed Text File");
    EXPECT_EQ(PrintJobTitle("C:\\Output\\Report.txt"), "C:\\Output\\Report.txt");
}

TEST(PrintPages, PagesFollowEachOtherToTheEnd) {
    std::vector<long> firsts;
    const uint32_t error = PrintPages(250, [&](long first) {
        firsts.push_back(first);
        return std::min(first + 100, 250L);
    });
    EXPECT_EQ(error, 0u);
    EXPECT_EQ(firsts, (std::vector<long>{0, 100, 200}));
}

TEST(PrintPages, AnEmptyTextPrintsOnePage) {
    int pages = 0;
    EXPECT_EQ(PrintPages(0, [&](long) { return ++pages, 0L; }), 0u);
    EXPECT_EQ(pages, 1);
}

TEST(PrintPages, APageWithoutProgressStopsTheJob) {
    int pages = 0;
    // The layout of the second page does not move on, as a control that cannot print does.
    const uint32_t error = PrintPages(500, [&](long first) {
        ++pages;
        return first == 0 ? 120L : first;
    });
    EXPECT_EQ(error, static_cast<uint32_t>(ERROR_NOT_SUPPORTED));
    EXPECT_EQ(pages, 2);
}

TEST(PrintEditorText, ADeviceThatCannotStartAJobReportsAnError) {
    const HMODULE library = ::LoadLibraryA("riched20.dll");
    ASSERT_NE(library, nullptr);
    const HWND editor = ::CreateWindowExA(0, RICHEDIT_CLASSA, "text", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                          nullptr, nullptr);
    ASSERT_NE(editor, nullptr);
    const HDC memory = ::CreateCompatibleDC(nullptr);  // not a printer
    EXPECT_NE(PrintEditorText(editor, memory, "Test"), 0u);
    ::DeleteDC(memory);
    ::DestroyWindow(editor);
}

}  // namespace
}  // namespace zem
