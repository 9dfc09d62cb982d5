// Zem Tarvelix: converts paths between their long form and their short 8.3 form.
#include <windows.h>
#include <ole2.h>

#include "app/main_window.h"
#include "base/system.h"
#include "resource.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    zem::RestrictDllSearchPath();
    ::OleInitialize(nullptr);
    zem::SetApplicationTitle(zem::ResString(IDS_APP_TITLE));

    int exitCode = 1;
    {
        zem::TForm1 form(zem::TZemCommanLineStrList::FromProcess());
        if (form.Create()) {
            form.Show(showCommand);
            exitCode = zem::RunMessageLoop(form);
        }
    }
    ::OleUninitialize();
    return exitCode;
}
