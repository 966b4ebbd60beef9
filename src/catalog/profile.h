// SPDX-License-Identifier: GPL-3.0-or-later
// The INI profile of "Nalvo.ini": sections in brackets, "key=value" lines. Section and key names
// are compared byte for byte except for ASCII case (the file is Windows-1252: "N\xB0 ville" and
// "Images plan\xE8tes" hold the bytes 0xB0 and 0xE8). Every read opens the file afresh; a write
// rewrites the file through a temporary file and a rename, keeping every other line as it was.
#pragma once

#include <string>

// The leading decimal integer of the key's value (an optional sign, then digits; "12abc" is 12,
// a value without digits is 0); `defaultValue` when the file, section or key is missing.
int profileReadInt(const std::string& iniPath, const std::string& section, const std::string& key,
                   int defaultValue);
// The key's value without surrounding blanks, cut to `maxChars` bytes; `defaultValue` (also cut)
// when the file, section or key is missing.
std::string profileReadString(const std::string& iniPath, const std::string& section, const std::string& key,
                              const std::string& defaultValue, std::size_t maxChars = 255);
// Sets the key to `value`: replaces its line, or adds it at the end of its section, or adds the
// section at the end of the file. Creates the file and its directory when missing. False when the
// file cannot be written (the old file is then left untouched), with the reason in `error`.
bool profileWriteString(const std::string& iniPath, const std::string& section, const std::string& key,
                        const std::string& value, std::string* error = nullptr);
// Writes an integer as "%d".
bool profileWriteInt(const std::string& iniPath, const std::string& section, const std::string& key,
                     int value, std::string* error = nullptr);
