// The texts of the Convert command's reports and error texts: pure functions of their values.
// Lines inside one text are separated by CR LF.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "engine/path_input.h"

namespace zem {

// "...equivalent of the file system path" (or "of the environment string (input) path")
// followed by the quoted long form, then the short form.
std::string BuildShortFormReport(bool environment, const std::string& input, const std::string& shortPath,
                                 const std::string& longPath);
std::string BuildLongFormReport(const std::string& longPath, const std::string& shortPath);
std::string BuildRelativePathReport(bool longWanted, const std::string& input, const std::string& basePath,
                                    const std::string& shortPath, const std::string& longPath);
std::string BuildKnownFolderGUIDReport(const std::string& input, const std::string& longPath,
                                       const std::string& shortPath);
// The head names `name` and, for the numbers 1 to 61, the number in hex.
std::string BuildCSIDLReport(const std::string& name, uint16_t number, const std::string& shortPath,
                             const std::string& longPath);
std::string BuildEnvListReport(const std::string& input, const std::string& listText);
// "\r\n" + the alias line + "\r\n" + alias; empty without an alias.
std::string BuildAliasLines(const std::string& alias);
std::string BuildKnownFolderNote(bool child, const GUID& folder, const std::string& folderPath);

std::string BuildShortFormError(const std::string& path, uint32_t code);
std::string BuildLongFormError(const std::string& path, uint32_t code);
// The text of the conversion error balloon.
std::string BuildConversionErrorText(uint32_t code);

}  // namespace zem
