// How converted paths are written: as the system writes them, with '/' (mixed), or in the
// path syntax of WSL, MSYS or Cygwin.
#pragma once

#include <string>

#include "console/options.h"

namespace zem {

std::wstring StyledPath(std::wstring path, bool mixed, UnixStyle style);

}  // namespace zem
