// SPDX-License-Identifier: GPL-3.0-or-later
// The one place where the program's Windows-1252 byte strings become screen text and back.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace gfx {

QString fromWindows1252(std::string_view bytes);
// Characters outside Windows-1252 become '?'.
std::string toWindows1252(const QString& text);

} // namespace gfx
