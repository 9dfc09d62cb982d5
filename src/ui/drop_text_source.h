// TDropTextSource: dragging a text out of a field through OLE, as plain text and as a text
// file ("Text Scrap File.txt") for the shell's folders.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <cstdint>
#include <functional>
#include <string>

#include "base/owned_com.h"

namespace zem {

// What Execute reports.
enum class DropResult : int { Copied = 0, Moved = 1, Linked = 2, Cancelled = 3, OutOfMemory = 4, Failed = 5 };

// The data object that carries `text`: plain text, "FileContents" and "FileGroupDescriptor".
// Its reference count is its owner: it is freed by its last Release. Null when out of memory.
IDataObject* CreateTextDataObject(const std::string& text);

// Registers the shell's clipboard formats that drag and drop uses; once per process.
void RegisterDragFormats();

class TDropTextSource : public OwnedComObject<IDropSource> {
public:
    explicit TDropTextSource(DWORD dragTypes) : OwnedComObject(IID_IDropSource), dragTypes_(dragTypes) {}

    std::string Text;
    // Asked when the button is released: false cancels the drop.
    std::function<bool()> OnDrop;

    // Runs the drag; how it ended.
    DropResult Execute();

    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override;

private:
    DWORD dragTypes_;
};

// The drop result for how the drag loop ended: its answer and the effect the target chose.
DropResult DropResultFor(HRESULT answer, DWORD effect, DWORD allowed);

}  // namespace zem
