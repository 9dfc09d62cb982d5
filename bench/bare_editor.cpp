// The benchmarks' anchor for starting: a bare window with a bare editor that streams in the file
// named on its command line, then waits for messages. Nothing else happens at start.
#include <windows.h>

#include <cstdlib>

#include "bare_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    zem::bench::BareEditorWindow window(true);
    if (__argc > 1) window.StreamIn(__argv[1]);
    MSG message{};
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return 0;
}
