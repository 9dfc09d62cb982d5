// The report of the environment variables whose values are existing paths, with their
// short forms: one string per line, for the output editor.
#pragma once

#include "base/strings.h"
#include "catalogue/environment.h"

namespace zem {

// Nothing for an empty list. Otherwise a head, then every variable whose value, or the
// first element of its path list, exists: its name, a rule, and each path with its short
// form. Values are shown as held, neither expanded nor lengthened.
StringList EnvironmentReportLines(const TZemEnvironmentStrList& list);

// The report of the process's own environment.
StringList ListEnvironmentVarPathsLines();

}  // namespace zem
