// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a file so that a failure never leaves it half written: the bytes go to a temporary file
// in the same folder, are flushed to the disk, and the temporary file is renamed over the target.
// Readers see either the old file or the whole new one. Every file the program writes goes
// through here, except the log, which is appended to.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Replaces (or creates) `path` with `data`; its folder must exist. A new file gets the usual permissions
// (0666 less the umask); a replaced file keeps its own. False when any step fails: the old file is then
// untouched, no temporary file is left, and `error` (when given) is one line naming the file, the
// step that failed and the system's reason ("cannot write /x/y.txt: no space left on device").
bool writeFileAtomically(const std::string& path, std::string_view data, std::string* error = nullptr);

namespace atomicfile {
// Test seam: after `bytes` more bytes have reached any temporary file, the next write fails as a
// full disk would (ENOSPC), once; a negative value (the default) turns it off.
void failWritesAfterForTesting(long long bytes);
} // namespace atomicfile
