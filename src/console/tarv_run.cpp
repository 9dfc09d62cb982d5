#include "console/tarv_run.h"

#include "base/strings.h"
#include "console/input_records.h"
#include "console/json_line.h"
#include "console/listings.h"
#include "console/options.h"
#include "console/output_sink.h"
#include "console/path_check.h"
#include "console/path_conversion.h"
#include "console/texts.h"
#include "app_version.h"
#include "resource.h"

namespace zem {

namespace {

const wchar_t* KindName(PathInputKind kind) {
    switch (kind) {
        case pikLongPath: return L"LongPath";
        case pikShortPath: return L"ShortPath";
        case pikRelLongPath: return L"RelLongPath";
        case pikRelShortPath: return L"RelShortPath";
        case pikEnvString: return L"EnvString";
        case pikEnvStringInPath: return L"EnvStringInPath";
        case pikKnownFolderGUID: return L"KnownFolderGUID";
        case pikCSIDLName: return L"CSIDLName";
        case pikCSIDLNumber: return L"CSIDLNumber";
        case pikEmpty: break;
        case pikUnknown: break;
    }
    return L"Empty";
}

bool IsFolderId(PathInputKind kind) {
    return kind == pikCSIDLName || kind == pikCSIDLNumber || kind == pikKnownFolderGUID;
}

// Converts every input and writes each answer as its own record; a failed input leaves an
// empty record in NUL-separated output, so that positions stay aligned.
class ConversionRun {
public:
    ConversionRun(const TarvOptions& options, OutputSink& output, OutputSink& errors)
        : options_(options), output_(output), errors_(errors), converter_(options) {}

    int Run(const StandardHandles& handles) {
        for (const std::wstring& input : options_.inputs) {
            if (input == L"-") {
                ReadStandardInput(handles.input);
            } else {
                ConvertOne(input);
            }
            if (output_.Error() != 0) break;
        }
        if (options_.inputs.empty()) ReadStandardInput(handles.input);
        return Finish();
    }

    int RunFolder() {
        if (!IsFolderId(ClassifyPathInput(WideToMultiByte(options_.folderId), false))) {
            Fail(Text(IDS_TARV_NO_FOLDER_ID, {options_.folderId}));
            return Finish();
        }
        ConvertOne(options_.folderId);
        return Finish();
    }

private:
    void ReadStandardInput(HANDLE input) {
        InputRecords records(input, options_.nulSeparated, [this] { output_.Flush(); });
        InputRecord record;
        while (output_.Error() == 0 && records.Next(record)) {
            if (record.problem != 0) {
                Fail(Text(record.problem, {std::to_wstring(record.number)}));
            } else {
                ConvertOne(record.text);
            }
        }
        if (records.ReadError() != 0) {
            const uint32_t error = records.ReadError();
            Fail(Text(IDS_TARV_READ_FAILED, {CodeText(error), MessageText(error)}));
        }
    }

    void ConvertOne(const std::wstring& input) {
        if (input.empty() && !options_.json) return output_.WriteRecord({});  // nothing in, nothing out
        const ConvertedInput converted = input.empty() ? ConvertedInput{} : converter_.Convert(input);
        if (options_.json) output_.WriteRecord(JsonOf(input, converted));
        if (converted.error == 0) {
            if (!options_.json) output_.WriteRecord(converted.answer);
            return;
        }
        const std::wstring code = CodeText(converted.error);
        const std::wstring text = MessageText(converted.error);
        Fail(converted.failedIndex == 0
                 ? Text(IDS_TARV_INPUT_FAILED, {input, code, text})
                 : Text(IDS_TARV_ENTRY_FAILED,
                        {input, std::to_wstring(converted.failedIndex), converted.failedEntry, code, text}));
    }

    std::wstring JsonOf(const std::wstring& input, const ConvertedInput& converted) const {
        JsonLine line;
        line.Add("input", input).Add("kind", KindName(converted.kind));
        line.Add("long", converted.longPath).Add("short", converted.shortPath);
        if (options_.form == OutputForm::Absolute) line.Add("absolute", converted.answer);
        if (options_.form == OutputForm::Relative) line.Add("relative", converted.answer);
        line.AddNumber("error", converted.error);
        line.Add("errorText", converted.error == 0 ? std::wstring() : MessageText(converted.error));
        return line.Text();
    }

    void Fail(const std::wstring& message) {
        failed_ = true;
        errors_.WriteRecord(message);
        errors_.Flush();
        if (options_.nulSeparated && !options_.json) output_.WriteRecord({});
    }

    int Finish() const { return failed_ ? kExitFailure : kExitSuccess; }

    const TarvOptions& options_;
    OutputSink& output_;
    OutputSink& errors_;
    PathConverter converter_;
    bool failed_ = false;
};

int UsageError(const std::wstring& message, OutputSink& errors) {
    errors.WriteRecord(message);
    errors.WriteRecord(Text(IDS_TARV_TRY_HELP));
    return kExitUsage;
}

int WriteText(const std::wstring& text, OutputSink& output) {
    output.Write(text);
    return kExitSuccess;
}

int RunChosenMode(const TarvOptions& options, OutputSink& output, OutputSink& errors, const StandardHandles& handles) {
    switch (options.mode) {
        case RunMode::Help: return WriteText(Text(IDS_TARV_USAGE), output);
        case RunMode::Version: return WriteText(Text(IDS_TARV_VERSION, {MultiByteToWide(ZEM_FILE_VERSION_TEXT)}), output);
        case RunMode::Folders: return ListSpecialFolders(options, output);
        case RunMode::Environment: return ListEnvironmentPaths(options, output);
        case RunMode::NameCreation: return ShowNameCreationSetting(options, output);
        case RunMode::PathCheck: return CheckPathVariables(options, output);
        case RunMode::Folder: return ConversionRun(options, output, errors).RunFolder();
        case RunMode::Convert: break;
    }
    return ConversionRun(options, output, errors).Run(handles);
}

}  // namespace

int RunTarv(const std::vector<std::wstring>& arguments, const StandardHandles& handles) {
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    const TarvOptions& options = parsed.options;
    OutputSink errors(handles.error, options.ansi);
    if (!parsed.error.empty()) return UsageError(parsed.error, errors);
    if (!options.base.empty() && !::SetCurrentDirectoryW(options.base.c_str())) {
        const uint32_t error = ::GetLastError();
        return UsageError(Text(IDS_TARV_BAD_BASE, {options.base, CodeText(error), MessageText(error)}), errors);
    }
    OutputSink output(handles.output, options.ansi, options.nulSeparated ? std::wstring(1, L'\0') : L"\r\n");
    const int exitCode = RunChosenMode(options, output, errors, handles);
    if (output.Flush()) return exitCode;
    // A closed or full output: the answers are lost, and the caller must know.
    const uint32_t error = output.Error();
    errors.WriteRecord(Text(IDS_TARV_WRITE_FAILED, {CodeText(error), MessageText(error)}));
    return kExitFailure;
}

}  // namespace zem
