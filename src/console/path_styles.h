// How converted paths are written: as the system writes them, with '/' (mixed), or in the
// path syntax of WSL, MSYS or Cygwin.
#pragma once

#include <string>
#include <utility>

#include "console/options.h"

namespace zem {

std::wstring StyledPath(std::wstring path, bool mixed, UnixStyle style);
// In the style the command line asks for.
inline std::wstring StyledPath(std::wstring path, const TarvOptions& options) {
    return StyledPath(std::move(path), options.mixed, options.unixStyle);
}

}  // namespace zem
