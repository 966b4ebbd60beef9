# SPDX-License-Identifier: GPL-3.0-or-later
"""A byte-exact emulation of the C library's formatted scan (fscanf) for the conversions the data
readers use: %d, %s, %f, %lf, literal bytes and white space. `Scanner.scan` returns the number of
fields assigned, or -1 (EOF) when the input ends before the first conversion, as fscanf does; a
byte that fails to match is left unread."""

WS = b" \t\n\r\v\f"
DIGITS = b"0123456789"


class Scanner:
    def __init__(self, data):
        self.data = data
        self.pos = 0
        self.total = 0  # sum of (fields read - 1) over all scans

    def at_end(self):
        return self.pos >= len(self.data)

    def _skip_ws(self):
        while self.pos < len(self.data) and self.data[self.pos] in WS:
            self.pos += 1

    def _int(self):
        start = self.pos
        d = self.data
        if self.pos < len(d) and d[self.pos] in b"+-":
            self.pos += 1
        digits = self.pos
        while self.pos < len(d) and d[self.pos] in DIGITS:
            self.pos += 1
        if self.pos == digits:
            return None  # the sign, if any, is consumed as by glibc
        return int(d[start:self.pos])

    def _float(self):
        d = self.data
        start = self.pos
        if self.pos < len(d) and d[self.pos] in b"+-":
            self.pos += 1
        ndig = 0
        while self.pos < len(d) and d[self.pos] in DIGITS:
            self.pos += 1
            ndig += 1
        if self.pos < len(d) and d[self.pos:self.pos + 1] == b".":
            self.pos += 1
            while self.pos < len(d) and d[self.pos] in DIGITS:
                self.pos += 1
                ndig += 1
        if ndig == 0:
            return None
        if self.pos < len(d) and d[self.pos] in b"eE":
            save = self.pos
            self.pos += 1
            if self.pos < len(d) and d[self.pos] in b"+-":
                self.pos += 1
            if self.pos < len(d) and d[self.pos] in DIGITS:
                while self.pos < len(d) and d[self.pos] in DIGITS:
                    self.pos += 1
            else:
                self.pos = save
        return float(d[start:self.pos])

    def _word(self):
        start = self.pos
        while self.pos < len(self.data) and self.data[self.pos] not in WS:
            self.pos += 1
        return self.data[start:self.pos]

    def scan(self, fmt):
        """Scans one pattern (str, encoded as Windows-1252); returns (count, values) and adds
        count - 1 to `total`."""
        f = fmt.encode("cp1252")
        values = []
        n = 0
        i = 0
        result = None
        while i < len(f):
            c = f[i]
            if c in WS:
                self._skip_ws()
                i += 1
                continue
            if c == ord("%"):
                j = i + 1
                while f[j] in b"l":
                    j += 1
                conv = chr(f[j])
                i = j + 1
                self._skip_ws()
                if self.at_end():
                    result = n if n else -1
                    break
                if conv == "d":
                    v = self._int()
                elif conv == "f":
                    v = self._float()
                elif conv == "s":
                    v = self._word()
                else:
                    raise ValueError(f"conversion %{conv} not emulated")
                if v is None:
                    result = n
                    break
                values.append(v)
                n += 1
                continue
            if self.at_end():
                result = n if n else -1
                break
            if self.data[self.pos] != c:
                result = n
                break
            self.pos += 1
            i += 1
        if result is None:
            result = n
        self.total += result - 1
        return result, values
