// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/text_codec.h"

namespace gfx {

namespace {
// Unicode of the bytes 0x80-0x9F; 0 marks the five bytes that Windows-1252 leaves undefined,
// shown as U+FFFD.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};
} // namespace

QString fromWindows1252(std::string_view bytes) {
    QString out;
    out.reserve(qsizetype(bytes.size()));
    for (unsigned char c : bytes) {
        if (c >= 0x80 && c < 0xA0) {
            const char16_t u = kHigh[c - 0x80];
            out.append(QChar(u ? u : char16_t(0xFFFD)));
        } else {
            out.append(QChar(char16_t(c)));
        }
    }
    return out;
}

std::string toWindows1252(const QString& text) {
    std::string out;
    out.reserve(size_t(text.size()));
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.push_back(char(u));
            continue;
        }
        char b = '?';
        for (int k = 0; k < 32; ++k)
            if (kHigh[k] == u && u != 0) b = char(0x80 + k);
        out.push_back(b);
    }
    return out;
}

} // namespace gfx
