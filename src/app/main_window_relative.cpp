// Create Relative Path(s) and the Base Path submenu that chooses where relative paths start.
#include "app/main_window.h"

#include "folders/relative_path.h"
#include "resource.h"
#include "ui/folder_browser.h"

namespace zem {
namespace {

// File-system folders only, an edit field, the newer dialog style.
constexpr UINT kBrowseBaseFolder = 0x51;

}  // namespace

void TForm1::CreateRelativePath() {
    RelativePathRequest request;
    request.input = FileNameComboBox1().Text();
    if (MenuChecked(MMCurrentBasePath)) request.basePath = UserBasePath;
    request.owner = Handle();
    const RelativePathResult result = CreateRelativePaths(request);
    ReportBatch batch(output_);
    if (!result.baseToTarget.empty()) output_.AppendOutputLine(result.baseToTarget);
    if (!result.targetToBase.empty()) output_.AppendOutputLine(result.targetToBase);
    if (result.error != 0) {
        batch.Finish();
        ShowConversionError(result.error);
        return;
    }
    AddToConvertedPaths(request.input);
    output_.AppendOutputLine({});
    batch.Finish();
}

void TForm1::SelectBasePath() {
    const std::string path = BrowseForFileOrFolder(Handle(), ResString(IDS_BASE_PATH_INSTRUCTION), kBrowseBaseFolder);
    if (path.empty()) return;
    UserBasePath = path;
    storeRead_.basePath = true;  // chosen by the user: written back even over an unreadable value
    ShowUserBasePath();
}

void TForm1::ShowUserBasePath() {
    currentBasePathItem_.SetVisible(true);
    SetMenuItemCaption(mainMenu_, MMCurrentBasePath, MenuText(CompactPath(UserBasePath)));
    SetMenuEnabled(MMCurrentBasePath, true);
    CheckRadioItem(mainMenu_, MMCurrentBasePath);
    SetMenuEnabled(MMResetBasePath, true);
}

void TForm1::ResetBasePath() {
    UserBasePath.clear();
    SetMenuItemCaption(mainMenu_, MMCurrentBasePath, {});
    CheckRadioItem(mainMenu_, MMBasePathExeDir);
    currentBasePathItem_.SetVisible(false);
    SetMenuEnabled(MMResetBasePath, false);
}

void TForm1::SetBasePathToAppPath() { CheckRadioItem(mainMenu_, MMBasePathExeDir); }

void TForm1::SetBasePathToUserPath() { CheckRadioItem(mainMenu_, MMCurrentBasePath); }

}  // namespace zem
