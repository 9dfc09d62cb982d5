#include "info/url_info.h"

#include <shellapi.h>
#include <shlobj.h>

#include <memory>

namespace zem {
namespace {

// The maker's web site; the product's pages are below it.
constexpr char kMakerWebSite[] = "https://www.zem-software.example";
constexpr char kHomePagePath[] = "/en/products/applications/tarvelix/Index.htm";

// What the thread works on: its own copy, so that a window closed meanwhile frees nothing it uses.
struct OpenerJob {
    HWND owner;
    std::string address;
    TZemURLInfo::OpenFunction open;
};

DWORD WINAPI OpenerThread(void* parameter) {
    INT_PTR result = 0;
    try {
        const std::unique_ptr<OpenerJob> job(static_cast<OpenerJob*>(parameter));
        if (::IsWindow(job->owner)) {
            result = job->open(job->address);
            ::PostMessageA(job->owner, kURLThreadDoneMessage, result > 32 ? 1 : 0, 0);
        }
    } catch (...) {
        result = 0;
    }
    return static_cast<DWORD>(result);
}

}  // namespace

std::string TarvelixHomePageAddress() { return std::string(kMakerWebSite) + kHomePagePath; }

INT_PTR ShellOpenAddress(const std::string& address) {
    const auto result =
        reinterpret_cast<INT_PTR>(::ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWDEFAULT));
    if (result > 32) ::SHAddToRecentDocs(SHARD_PATHA, address.c_str());
    return result;
}

bool StartURLOpener(TZemURLInfo& info, HWND owner, const std::string& address) {
    if (info.Busy()) return false;
    info.owner = owner;
    info.address = address;
    auto job = std::make_unique<OpenerJob>(OpenerJob{owner, address, info.open});
    DWORD threadId = 0;
    // A small stack is asked for: the thread only calls the shell.
    HANDLE thread = ::CreateThread(nullptr, 512, OpenerThread, job.get(), 0, &threadId);
    if (!thread) {
        info.Clear();
        return false;
    }
    job.release();  // the thread owns it now
    info.thread.Reset(thread);
    info.threadId = threadId;
    return true;
}

}  // namespace zem
