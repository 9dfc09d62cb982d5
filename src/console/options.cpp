#include "console/options.h"

#include <algorithm>
#include <optional>

#include "console/texts.h"
#include "resource.h"

namespace zem {

namespace {

struct KnownOption {
    wchar_t letter;  // 0 for a long option only
    const wchar_t* name;
    bool takesValue;
};

constexpr KnownOption kKnownOptions[] = {
    {L's', L"short", false},    {L'l', L"long", false},       {L'a', L"absolute", false},
    {L'r', L"relative", true},  {0, L"base", true},           {L'p', L"path", false},
    {L'm', L"mixed", false},    {L'u', L"unix", true},        {L'F', L"folder", true},
    {0, L"folders", false},     {0, L"env", false},           {0, L"8dot3", false},
    {0, L"path-check", false},  {0, L"json", false},          {0, L"ansi", false},
    {L'0', L"null", false},     {L'h', L"help", false},       {0, L"version", false},
};

const KnownOption* FindLong(std::wstring_view name) {
    for (const KnownOption& spec : kKnownOptions) {
        if (name == spec.name) return &spec;
    }
    return nullptr;
}

const KnownOption* FindShort(wchar_t letter) {
    for (const KnownOption& spec : kKnownOptions) {
        if (spec.letter != 0 && spec.letter == letter) return &spec;
    }
    return nullptr;
}

std::optional<UnixStyle> UnixStyleNamed(std::wstring_view name) {
    if (name == L"wsl") return UnixStyle::Wsl;
    if (name == L"msys") return UnixStyle::Msys;
    if (name == L"cygwin") return UnixStyle::Cygwin;
    return std::nullopt;
}

class Parser {
public:
    explicit Parser(const std::vector<std::wstring>& arguments) : arguments_(arguments) {}

    ParsedCommandLine Parse() {
        bool optionsEnded = false;
        for (index_ = 0; index_ < arguments_.size() && result_.error.empty(); ++index_) {
            const std::wstring& argument = arguments_[index_];
            if (optionsEnded || argument.size() < 2 || argument[0] != L'-') {
                result_.options.inputs.push_back(argument);
            } else if (argument == L"--") {
                optionsEnded = true;
            } else if (argument.rfind(L"--", 0) == 0) {
                ParseLong(argument);
            } else {
                ParseShortGroup(argument);
            }
        }
        if (result_.error.empty()) CheckInputs();
        return std::move(result_);
    }

private:
    void ParseLong(const std::wstring& argument) {
        const size_t equals = argument.find(L'=');
        const std::wstring name = argument.substr(2, equals == std::wstring::npos ? std::wstring::npos : equals - 2);
        const KnownOption* spec = FindLong(name);
        if (spec == nullptr) return Fail(Text(IDS_TARV_UNKNOWN_OPTION, {argument}));
        if (equals != std::wstring::npos) {
            if (!spec->takesValue) return Fail(Text(IDS_TARV_UNEXPECTED_VALUE, {L"--" + name}));
            return Apply(*spec, L"--" + name, argument.substr(equals + 1));
        }
        Apply(*spec, argument, spec->takesValue ? NextValue(argument) : std::optional<std::wstring>());
    }

    // "-lm" holds two options; "-uwsl" an option and its value.
    void ParseShortGroup(const std::wstring& argument) {
        for (size_t i = 1; i < argument.size() && result_.error.empty(); ++i) {
            const std::wstring shown = std::wstring(L"-") + argument[i];
            const KnownOption* spec = FindShort(argument[i]);
            if (spec == nullptr) return Fail(Text(IDS_TARV_UNKNOWN_OPTION, {shown}));
            if (!spec->takesValue) {
                Apply(*spec, shown, std::nullopt);
                continue;
            }
            if (i + 1 < argument.size()) return Apply(*spec, shown, argument.substr(i + 1));
            return Apply(*spec, shown, NextValue(shown));
        }
    }

    std::optional<std::wstring> NextValue(const std::wstring& shown) {
        if (index_ + 1 < arguments_.size()) return arguments_[++index_];
        Fail(Text(IDS_TARV_MISSING_VALUE, {shown}));
        return std::nullopt;
    }

    void Apply(const KnownOption& spec, const std::wstring& shown, const std::optional<std::wstring>& value) {
        if (!result_.error.empty()) return;
        TarvOptions& options = result_.options;
        const std::wstring_view name = spec.name;
        if (name == L"short") options.form = OutputForm::Short;
        else if (name == L"long") options.form = OutputForm::Long;
        else if (name == L"absolute") options.form = OutputForm::Absolute;
        else if (name == L"relative") SetRelative(*value);
        else if (name == L"base") options.base = *value;
        else if (name == L"path") options.pathList = true;
        else if (name == L"mixed") options.mixed = true;
        else if (name == L"json") options.json = true;
        else if (name == L"null") options.nulSeparated = true;
        else if (name == L"ansi") options.ansi = true;
        else if (name == L"unix") SetUnixStyle(*value);
        else if (name == L"folder") SetFolder(*value, shown);
        else SetMode(ModeOf(name), shown);
    }

    static RunMode ModeOf(std::wstring_view name) {
        if (name == L"folders") return RunMode::Folders;
        if (name == L"env") return RunMode::Environment;
        if (name == L"8dot3") return RunMode::NameCreation;
        if (name == L"path-check") return RunMode::PathCheck;
        if (name == L"help") return RunMode::Help;
        return RunMode::Version;
    }

    void SetRelative(const std::wstring& folder) {
        result_.options.form = OutputForm::Relative;
        result_.options.relativeTo = folder;
    }

    void SetFolder(const std::wstring& id, const std::wstring& shown) {
        SetMode(RunMode::Folder, shown);
        result_.options.folderId = id;
    }

    void SetUnixStyle(const std::wstring& value) {
        const std::optional<UnixStyle> style = UnixStyleNamed(value);
        if (!style) return Fail(Text(IDS_TARV_BAD_UNIX_STYLE, {value}));
        result_.options.unixStyle = *style;
    }

    void SetMode(RunMode mode, const std::wstring& shown) {
        if (result_.options.mode != RunMode::Convert && result_.options.mode != mode) {
            return Fail(Text(IDS_TARV_CONFLICT, {modeOption_, shown}));
        }
        result_.options.mode = mode;
        modeOption_ = shown;
    }

    // Only conversion reads inputs; the listings and the check take none.
    void CheckInputs() {
        const TarvOptions& options = result_.options;
        if (options.mode == RunMode::Convert || options.mode == RunMode::Help || options.mode == RunMode::Version) {
            return;
        }
        if (!options.inputs.empty()) Fail(Text(IDS_TARV_NO_INPUT_ALLOWED, {modeOption_, options.inputs.front()}));
    }

    void Fail(std::wstring message) {
        if (result_.error.empty()) result_.error = std::move(message);
    }

    const std::vector<std::wstring>& arguments_;
    size_t index_ = 0;
    std::wstring modeOption_;
    ParsedCommandLine result_;
};

}  // namespace

bool TarvOptions::ReadsStandardInput() const {
    return inputs.empty() || std::find(inputs.begin(), inputs.end(), L"-") != inputs.end();
}

ParsedCommandLine ParseCommandLine(const std::vector<std::wstring>& arguments) { return Parser(arguments).Parse(); }

}  // namespace zem
