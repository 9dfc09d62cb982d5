// The listings tarv prints instead of converting inputs: the special folders, the environment
// variables that hold paths, and the 8.3 name-creation setting. Each returns the exit code.
#pragma once

#include "console/options.h"
#include "console/output_sink.h"

namespace zem {

// One record per folder: id (the CSIDL number, or -1), CSIDL name, GUID, category, current
// path, default path and the short form of the current path, separated by tabs.
int ListSpecialFolders(const TarvOptions& options, OutputSink& output);
// One record per existing path of each variable whose value, or its first entry, is one:
// name, long form and short form, separated by tabs.
int ListEnvironmentPaths(const TarvOptions& options, OutputSink& output);
// The value of the setting and what it means.
int ShowNameCreationSetting(const TarvOptions& options, OutputSink& output);

}  // namespace zem
