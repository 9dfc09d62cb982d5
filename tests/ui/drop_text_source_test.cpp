// The dragged text's data object, the drag's answers and how its end is reported.
#include <gtest/gtest.h>

#include <shlobj.h>

#include "ui/drop_text_source.h"

namespace zem {
namespace {

std::string BytesOf(IDataObject* data, CLIPFORMAT format, HRESULT& result) {
    FORMATETC request{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    result = data->GetData(&request, &medium);
    if (FAILED(result)) return {};
    const auto* bytes = static_cast<const char*>(::GlobalLock(medium.hGlobal));
    std::string copy(bytes, ::GlobalSize(medium.hGlobal));
    ::GlobalUnlock(medium.hGlobal);
    ::ReleaseStgMedium(&medium);
    return copy;
}

TEST(TextDataObject, OffersTheTextAndATextScrapFile) {
    IDataObject* data = CreateTextDataObject("C:\\Some Folder");
    ASSERT_NE(data, nullptr);
    HRESULT result = E_FAIL;
    EXPECT_EQ(BytesOf(data, CF_TEXT, result).c_str(), std::string("C:\\Some Folder"));
    EXPECT_EQ(result, S_OK);
    const auto contents = static_cast<CLIPFORMAT>(::RegisterClipboardFormatA("FileContents"));
    EXPECT_EQ(BytesOf(data, contents, result).c_str(), std::string("C:\\Some Folder"));
    const auto group = static_cast<CLIPFORMAT>(::RegisterClipboardFormatA("FileGroupDescriptor"));
    const std::string descriptor = BytesOf(data, group, result);
    ASSERT_GE(descriptor.size(), 336u);
    const auto* files = reinterpret_cast<const FILEGROUPDESCRIPTORA*>(descriptor.data());
    EXPECT_EQ(files->cItems, 1u);
    EXPECT_EQ(files->fgd[0].dwFlags, 0x8000u);
    EXPECT_STREQ(files->fgd[0].cFileName, "Text Scrap File.txt");
    BytesOf(data, CF_UNICODETEXT, result);
    EXPECT_EQ(result, static_cast<HRESULT>(0x80040064));  // not offered
    IEnumFORMATETC* formats = nullptr;
    ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, &formats), S_OK);
    FORMATETC first{};
    EXPECT_EQ(formats->Next(1, &first, nullptr), S_OK);
    EXPECT_EQ(first.cfFormat, CF_TEXT);
    formats->Release();
    EXPECT_EQ(data->Release(), 0u);
}

TEST(TDropTextSource, EscapeCancelsAndTheOwnerMayRefuseTheDrop) {
    TDropTextSource source(DROPEFFECT_COPY | DROPEFFECT_MOVE);
    EXPECT_EQ(source.QueryContinueDrag(TRUE, MK_LBUTTON), DRAGDROP_S_CANCEL);
    EXPECT_EQ(source.QueryContinueDrag(FALSE, MK_LBUTTON), S_OK);
    EXPECT_EQ(source.QueryContinueDrag(FALSE, 0), DRAGDROP_S_DROP);
    source.OnDrop = [] { return false; };  // over the dragged text itself
    EXPECT_EQ(source.QueryContinueDrag(FALSE, 0), DRAGDROP_S_CANCEL);
    EXPECT_EQ(source.GiveFeedback(DROPEFFECT_COPY), DRAGDROP_S_USEDEFAULTCURSORS);
}

TEST(DropResultFor, TheEffectTheTargetChoseWithinTheAllowedOnes) {
    const DWORD copyMove = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(DropResultFor(DRAGDROP_S_DROP, DROPEFFECT_COPY, copyMove), DropResult::Copied);
    EXPECT_EQ(DropResultFor(DRAGDROP_S_DROP, DROPEFFECT_MOVE, copyMove), DropResult::Moved);
    EXPECT_EQ(DropResultFor(DRAGDROP_S_DROP, DROPEFFECT_LINK, copyMove), DropResult::Cancelled);
    EXPECT_EQ(DropResultFor(DRAGDROP_S_CANCEL, DROPEFFECT_NONE, copyMove), DropResult::Cancelled);
    EXPECT_EQ(DropResultFor(E_OUTOFMEMORY, DROPEFFECT_NONE, copyMove), DropResult::OutOfMemory);
    EXPECT_EQ(DropResultFor(E_UNEXPECTED, DROPEFFECT_NONE, copyMove), DropResult::Failed);
}

}  // namespace
}  // namespace zem
