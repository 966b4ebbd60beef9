// Writing a file so that a failure never leaves it half written: the bytes go to a temporary file
// in the same folder, are flushed to the disk, and the temporary file is renamed over the target.
// Readers see either the old file or the whole new one.
#pragma once

#include <string>
#include <string_view>

// Replaces (or creates) `path` with `data`; its folder must exist. A new file gets the usual permissions
// (0666 less the umask); a replaced file keeps its own. False when any step fails: the old file is then
// untouched, no temporary file is left, and `error` (when given) says which step failed and why.
bool writeFileAtomically(const std::string& path, std::string_view data, std::string* error = nullptr);
