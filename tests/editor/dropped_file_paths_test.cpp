// The names of a drop as the shell hands them over: a DROPFILES block with the names in ANSI
// or UTF-16, each ending in a zero, the list ending in an empty name.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "base/strings.h"
#include "base/unique.h"
#include "editor/editor_hook.h"

namespace zem {
namespace {

// A drop block of the names' characters as given (list terminator included by the caller).
template <class Char>
UniqueHGlobal DropBlock(const std::basic_string<Char>& names, bool wide) {
    const size_t bytes = names.size() * sizeof(Char);
    UniqueHGlobal block(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + bytes));
    auto* header = static_cast<DROPFILES*>(::GlobalLock(block.Get()));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = wide;
    std::memcpy(header + 1, names.data(), bytes);
    ::GlobalUnlock(block.Get());
    return block;
}

HDROP AsDrop(const UniqueHGlobal& block) { return static_cast<HDROP>(block.Get()); }

TEST(DroppedFilePaths, AnsiAndWideListsGiveEveryNameInOrder) {
    const StringList names{"C:\\First Folder\\a.txt", "C:\\b", "D:\\Third name with blanks.doc"};
    std::string ansi;
    for (const std::string& name : names) ansi += name + '\0';
    ansi += '\0';
    EXPECT_EQ(DroppedFilePaths(AsDrop(DropBlock(ansi, false))), names);
    const std::wstring wide = MultiByteToWide(ansi);
    EXPECT_EQ(DroppedFilePaths(AsDrop(DropBlock(wide, true))), names);
}

TEST(DroppedFilePaths, ManyNamesAllComeBack) {
    StringList names;
    std::string list;
    for (int i = 0; i < 5000; ++i) {
        names.push_back("C:\\Dropped Folder\\File number " + std::to_string(i) + ".txt");
        list += names.back() + '\0';
    }
    list += '\0';
    EXPECT_EQ(DroppedFilePaths(AsDrop(DropBlock(list, false))), names);
}

TEST(DroppedFilePaths, EmptyAndUnterminatedListsStayWithinTheBlock) {
    EXPECT_TRUE(DroppedFilePaths(AsDrop(DropBlock(std::string(1, '\0'), false))).empty());
    // No terminating zeros: the block's end ends the last name.
    EXPECT_EQ(DroppedFilePaths(AsDrop(DropBlock(std::string("C:\\one"), false))), StringList{"C:\\one"});
    UniqueHGlobal outside = DropBlock(std::string("C:\\x\0", 5), false);
    static_cast<DROPFILES*>(::GlobalLock(outside.Get()))->pFiles = 1 << 20;  // beyond the block
    ::GlobalUnlock(outside.Get());
    EXPECT_TRUE(DroppedFilePaths(AsDrop(outside)).empty());
}

}  // namespace
}  // namespace zem
