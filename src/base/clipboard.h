#pragma once

namespace zem {

// True when the clipboard holds plain text that is not empty.
bool ClipboardHasText();

}  // namespace zem
