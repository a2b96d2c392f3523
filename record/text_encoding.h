#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace record {

// The texts of the game's files: UTF-8 as the game writes them, and
// Shift_JIS (the Japanese code page of Windows) as older record files and
// KIF files from elsewhere hold them.

// The length of the well-formed UTF-8 character that starts at s[i], 0 when
// none does (a stray byte, an overlong form, a surrogate, a code above
// U+10FFFF, or a character cut off by the end).
// 例: utf8Length("鵺", 0) == 3
std::size_t utf8Length(std::string_view s, std::size_t i);

// One line of text: well-formed UTF-8 without control characters (C0 but
// tab, DEL, C1).
bool isUtf8Text(std::string_view s);

// Shift_JIS to UTF-8 and back, through glibc's iconv (code page 932);
// nothing when the bytes are not whole text of the one, or the text holds a
// character the other cannot write.
// 例: utf8ToShiftJis("鵺") == "\xEA\x4B"
std::optional<std::string> shiftJisToUtf8(std::string_view bytes);
std::optional<std::string> utf8ToShiftJis(std::string_view text);

// The text as one line a file can hold: a control character becomes a space
// and a byte that is no UTF-8 a '?', so the line stays one line of text.
std::string writableLine(std::string_view text);

// The lines of a file without their ends (LF or CR LF). A line end after the
// last line starts no further line; a UTF-8 byte-order mark before the first
// is dropped.
std::vector<std::string_view> splitLines(std::string_view bytes);

}  // namespace record
