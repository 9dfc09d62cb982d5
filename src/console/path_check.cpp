#include "console/path_check.h"

#include <shlwapi.h>

#include <unordered_map>

#include "base/status_codes.h"
#include "base/strings.h"
#include "base/unicode.h"
#include "base/unique.h"
#include "catalogue/known_folders.h"
#include "console/json_line.h"
#include "console/tarv_run.h"
#include "console/texts.h"
#include "engine/input_resolution.h"
#include "engine/path_forms.h"
#include "resource.h"

namespace zem {

namespace {

constexpr UINT kLimitTexts[] = {IDS_TARV_PC_OVER_2047, IDS_TARV_PC_OVER_8191, IDS_TARV_PC_OVER_32767};

std::wstring Expanded(const std::wstring& text) {
    if (text.find(L'%') == std::wstring::npos) return text;
    WideExpandedText expansion = ExpandEnvironmentText(text);
    return expansion.error == 0 ? std::move(expansion.text) : text;
}

std::wstring_view TrimBlanks(std::wstring_view text) {
    const size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos) return {};
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

// A "%name%" that is still there after expansion names no variable.
bool HasUnexpandedVariable(std::wstring_view text) {
    const size_t first = text.find(L'%');
    return first != std::wstring_view::npos && text.find(L'%', first + 2) != std::wstring_view::npos;
}

std::wstring Unquoted(std::wstring_view text) {
    std::wstring result;
    for (const wchar_t c : text) {
        if (c != L'"') result += c;
    }
    return result;
}

// The same folder however it is written: compared as the folder searches compare, in upper case.
std::wstring CanonicalKey(const std::wstring& path) { return UpperCaseKey(ComparablePath(path)); }

class EntryChecker {
public:
    EntryCheck Check(const std::wstring& stored, size_t position, size_t& saving) {
        EntryCheck entry{stored, Expanded(stored), {}};
        if (stored.empty()) return Problem(entry, EntryProblem::Empty);
        if (TrimBlanks(stored).size() != stored.size()) Problem(entry, EntryProblem::Padded);
        if (stored.find(L'"') != std::wstring::npos) Problem(entry, EntryProblem::Quoted);
        if (HasUnexpandedVariable(entry.expanded)) return Problem(entry, EntryProblem::Unexpanded);
        const std::wstring path = Unquoted(TrimBlanks(entry.expanded));
        if (path.empty()) return Problem(entry, EntryProblem::Empty);
        if (::PathIsRelativeW(path.c_str())) return Problem(entry, EntryProblem::Relative);
        const auto [earlier, isNew] = seen_.try_emplace(CanonicalKey(path), position);
        if (!isNew) {
            entry.duplicateOf = earlier->second;
            return Problem(entry, EntryProblem::Duplicate);  // dropped rather than shortened
        }
        if (!PathExists(path)) return Problem(entry, EntryProblem::Missing);
        const std::wstring shortPath = GetShortPathForm(path);
        if (!shortPath.empty() && shortPath.size() < stored.size()) saving += stored.size() - shortPath.size();
        return entry;
    }

private:
    static EntryCheck& Problem(EntryCheck& entry, EntryProblem problem) {
        entry.problems.push_back(problem);
        return entry;
    }

    std::unordered_map<std::wstring, size_t> seen_;  // canonical path -> 1-based position
};

std::wstring RegistryPath(HKEY root, const wchar_t* key, uint32_t& error) {
    UniqueHKey opened;
    error = static_cast<uint32_t>(::RegOpenKeyExW(root, key, 0, KEY_QUERY_VALUE, opened.Put()));
    if (error != 0) return {};
    DWORD type = 0;
    DWORD size = 0;
    error = static_cast<uint32_t>(::RegQueryValueExW(opened.Get(), L"Path", nullptr, &type, nullptr, &size));
    if (error != 0) return {};
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        error = ERROR_UNSUPPORTED_TYPE;
        return {};
    }
    std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    error = static_cast<uint32_t>(
        ::RegQueryValueExW(opened.Get(), L"Path", nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size));
    return error == 0 ? std::wstring(value.c_str()) : std::wstring();
}

std::wstring ProcessPath(uint32_t& error) {
    const DWORD size = ::GetEnvironmentVariableW(L"PATH", nullptr, 0);
    if (size == 0) {
        error = LastErrorOr(ERROR_ENVVAR_NOT_FOUND);
        return {};
    }
    std::wstring value(size, L'\0');
    value.resize(::GetEnvironmentVariableW(L"PATH", value.data(), size));
    error = 0;
    return value;
}

bool IsNotSet(uint32_t error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_ENVVAR_NOT_FOUND; }

// The problem as the table names it.
std::wstring ProblemText(EntryProblem problem, const EntryCheck& entry) {
    switch (problem) {
        case EntryProblem::Missing: return Text(IDS_TARV_PC_MISSING);
        case EntryProblem::Duplicate: return Text(IDS_TARV_PC_DUPLICATE, {std::to_wstring(entry.duplicateOf)});
        case EntryProblem::Relative: return Text(IDS_TARV_PC_RELATIVE);
        case EntryProblem::Quoted: return Text(IDS_TARV_PC_QUOTED);
        case EntryProblem::Padded: return Text(IDS_TARV_PC_PADDED);
        case EntryProblem::Empty: return Text(IDS_TARV_PC_EMPTY);
        case EntryProblem::Unexpanded: break;
    }
    return Text(IDS_TARV_PC_UNEXPANDED);
}

// The problem as JSON names it: one word each.
const wchar_t* ProblemKey(EntryProblem problem) {
    switch (problem) {
        case EntryProblem::Missing: return L"missing";
        case EntryProblem::Duplicate: return L"duplicate";
        case EntryProblem::Relative: return L"relative";
        case EntryProblem::Quoted: return L"quoted";
        case EntryProblem::Padded: return L"padded";
        case EntryProblem::Empty: return L"empty";
        case EntryProblem::Unexpanded: break;
    }
    return L"unexpanded";
}

std::wstring EntryLine(size_t position, const EntryCheck& entry) {
    std::wstring line = L"  " + std::to_wstring(position) + L"  " + entry.stored;
    if (entry.expanded != entry.stored) line += L"  ->  " + entry.expanded;
    for (size_t i = 0; i < entry.problems.size(); ++i) {
        line += (i == 0 ? L"  [" : L", ") + ProblemText(entry.problems[i], entry);
    }
    if (!entry.problems.empty()) line += L"]";
    return line;
}

void WriteTable(const PathVariable& variable, const VariableCheck& check, OutputSink& output) {
    output.WriteRecord(Text(variable.title));
    if (variable.readError != 0) {
        output.WriteRecord(IsNotSet(variable.readError)
                               ? Text(IDS_TARV_PC_NOT_SET)
                               : Text(IDS_TARV_PC_UNREADABLE,
                                      {CodeText(variable.readError), MessageText(variable.readError)}));
        output.WriteRecord({});
        return;
    }
    for (size_t i = 0; i < check.entries.size(); ++i) output.WriteRecord(EntryLine(i + 1, check.entries[i]));
    output.WriteRecord(Text(IDS_TARV_PC_LENGTH,
                            {std::to_wstring(variable.value.size()), std::to_wstring(check.expandedLength)}));
    for (const size_t limit : check.limitsPassed) {
        for (size_t i = 0; i < std::size(kPathLimits); ++i) {
            if (kPathLimits[i] == limit) output.WriteRecord(L"  " + Text(kLimitTexts[i]));
        }
    }
    output.WriteRecord(Text(IDS_TARV_PC_SAVING, {std::to_wstring(check.shortSaving)}));
    output.WriteRecord({});
}

JsonLine JsonOf(const PathVariable& variable, const VariableCheck& check) {
    JsonLine line;
    line.Add("variable", variable.key).AddBool("set", variable.readError == 0);
    line.AddNumber("error", variable.readError);
    line.Add("errorText", variable.readError == 0 ? L"" : MessageText(variable.readError));
    line.Add("stored", variable.value).AddNumber("length", static_cast<int64_t>(variable.value.size()));
    line.AddNumber("expandedLength", static_cast<int64_t>(check.expandedLength));
    std::vector<std::wstring> limits;
    for (const size_t limit : check.limitsPassed) limits.push_back(std::to_wstring(limit));
    line.AddList("limitsPassed", limits).AddNumber("shortSaving", static_cast<int64_t>(check.shortSaving));
    std::vector<JsonLine> entries;
    for (const EntryCheck& entry : check.entries) {
        std::vector<std::wstring> problems;
        for (const EntryProblem problem : entry.problems) problems.push_back(ProblemKey(problem));
        entries.push_back(JsonLine().Add("stored", entry.stored).Add("expanded", entry.expanded));
        entries.back().AddList("problems", problems);
        if (entry.duplicateOf != 0) entries.back().AddNumber("duplicateOf", static_cast<int64_t>(entry.duplicateOf));
    }
    line.AddObjects("entries", entries).AddNumber("problems", static_cast<int64_t>(check.problemCount));
    return line;
}

}  // namespace

VariableCheck CheckPathVariable(const PathVariable& variable) {
    VariableCheck check;
    if (variable.readError != 0) {
        check.problemCount = IsNotSet(variable.readError) ? 0 : 1;
        return check;
    }
    std::vector<std::wstring> entries = SplitEntries(variable.value);
    // One ";" at the very end is common and harmless.
    if (entries.size() > 1 && entries.back().empty()) entries.pop_back();
    EntryChecker checker;
    for (size_t i = 0; i < entries.size(); ++i) {
        check.entries.push_back(checker.Check(entries[i], i + 1, check.shortSaving));
        check.problemCount += check.entries.back().problems.size();
    }
    check.expandedLength = Expanded(variable.value).size();
    const size_t length = std::max(variable.value.size(), check.expandedLength);
    for (const size_t limit : kPathLimits) {
        if (length > limit) check.limitsPassed.push_back(limit);
    }
    check.problemCount += check.limitsPassed.size();
    return check;
}

std::vector<PathVariable> ReadPathVariables() {
    std::vector<PathVariable> variables(3);
    variables[0] = {IDS_TARV_PC_MACHINE, L"machine", 0, {}};
    variables[0].value = RegistryPath(
        HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment", variables[0].readError);
    variables[1] = {IDS_TARV_PC_USER, L"user", 0, {}};
    variables[1].value = RegistryPath(HKEY_CURRENT_USER, L"Environment", variables[1].readError);
    variables[2] = {IDS_TARV_PC_PROCESS, L"process", 0, {}};
    variables[2].value = ProcessPath(variables[2].readError);
    return variables;
}

int CheckPathVariables(const TarvOptions& options, OutputSink& output) {
    size_t problems = 0;
    for (const PathVariable& variable : ReadPathVariables()) {
        const VariableCheck check = CheckPathVariable(variable);
        problems += check.problemCount;
        if (options.json) {
            output.WriteRecord(JsonOf(variable, check).Text());
        } else {
            WriteTable(variable, check, output);
        }
    }
    if (!options.json) {
        output.WriteRecord(problems == 0 ? Text(IDS_TARV_PC_NO_PROBLEMS)
                                         : Text(IDS_TARV_PC_PROBLEMS, {std::to_wstring(problems)}));
    }
    return problems == 0 ? kExitSuccess : kExitFailure;
}

}  // namespace zem
