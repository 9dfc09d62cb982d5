// tarv converting paths from standard input with its output redirected to a file, as a script
// runs it: from the start of the process until it has ended, against a bare GetShortPathNameW
// loop over the same paths in this process.
#include <cstdio>

#include "base/unicode.h"
#include "bench_support.h"

namespace zem::bench {
namespace {

UniqueFileHandle OpenInheritable(const std::string& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    return UniqueFileHandle(::CreateFileA(path.c_str(), access, FILE_SHARE_READ, &inherit, disposition,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
}

// The span of `tarv -s < input > output`; negative when it did not run or not to the end.
double MeasureTarv(const std::string& inputPath, const std::string& outputPath) {
    const std::string exe = ExeBesideThisOne("tarv.exe");
    const UniqueFileHandle input = OpenInheritable(inputPath, GENERIC_READ, OPEN_EXISTING);
    const UniqueFileHandle output = OpenInheritable(outputPath, GENERIC_WRITE, CREATE_ALWAYS);
    std::string commandLine = Quoted(exe) + " -s";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input.Get();
    startup.hStdOutput = output.Get();
    startup.hStdError = output.Get();
    PROCESS_INFORMATION info{};
    const double start = NowMs();
    if (!::CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                          &startup, &info)) {
        return -1;
    }
    const UniqueHandle process(info.hProcess);
    const UniqueHandle thread(info.hThread);
    ::WaitForSingleObject(process.Get(), INFINITE);
    const double span = NowMs() - start;
    DWORD exitCode = 1;
    ::GetExitCodeProcess(process.Get(), &exitCode);
    return Check(exitCode == 0, Format("tarv ended with exit code %lu", exitCode)) ? span : -1;
}

double MeasureBareLoop(const std::vector<std::wstring>& paths, std::string& shortForms) {
    const double start = NowMs();
    wchar_t buffer[MAX_PATH];
    for (const std::wstring& path : paths) {
        const DWORD length = ::GetShortPathNameW(path.c_str(), buffer, MAX_PATH);
        shortForms.append(WideToUtf8(std::wstring_view(buffer, length))).append("\r\n");
    }
    return NowMs() - start;
}

std::string ReadBytes(const std::string& path) {
    std::string bytes(static_cast<size_t>(std::max(0LL, FileSize(path))), '\0');
    const UniqueFileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                              nullptr));
    DWORD read = 0;
    if (!bytes.empty()) ::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    bytes.resize(read);
    return bytes;
}

}  // namespace

void BenchConsole(ResultTable& table, const BenchFolder& folder, int paths) {
    Progress("Creating %d files with long names in folders of 200", paths);
    const LongNameTree tree(folder, paths);
    std::vector<std::wstring> widePaths;
    std::string input;
    for (const std::string& path : tree.Files()) {
        widePaths.push_back(MultiByteToWide(path));
        input.append(path).append("\n");
    }
    const std::string inputPath = folder.File("tarv input.txt");
    const std::string outputPath = folder.File("tarv output.txt");
    WriteBytes(inputPath, input);

    Progress("tarv -s over %d paths: the bare GetShortPathNameW loop", paths);
    std::string expected;
    const double bare = MeasureBareLoop(widePaths, expected);
    Progress("tarv -s over %d paths: tarv", paths);
    double program = MeasureTarv(inputPath, outputPath);
    if (!Check(ReadBytes(outputPath) == expected, "tarv wrote the system's short form of every path")) program = -1;
    table.Add(Format("tarv -s over %d paths from standard input", paths), program, bare, 1.3);
    ::DeleteFileA(inputPath.c_str());
    ::DeleteFileA(outputPath.c_str());
}

}  // namespace zem::bench
