#include "record/text_encoding.h"

#include <algorithm>
#include <array>

#include <iconv.h>

namespace record {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The well-formed UTF-8 sequences: the range of the lead byte, the length, and
// the range of the byte after the lead (the bytes after that are 80..BF). The
// narrow second ranges keep out overlong forms, surrogates and codes above
// U+10FFFF.
struct Utf8Form {
    unsigned char leadLow, leadHigh;
    std::size_t length;
    unsigned char nextLow, nextHigh;
};
constexpr std::array<Utf8Form, 9> kUtf8Forms{{
    {0x00, 0x7F, 1, 0x00, 0x00},
    {0xC2, 0xDF, 2, 0x80, 0xBF},
    {0xE0, 0xE0, 3, 0xA0, 0xBF},
    {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F},
    {0xEE, 0xEF, 3, 0x80, 0xBF},
    {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF},
    {0xF4, 0xF4, 4, 0x80, 0x8F},
}};

unsigned char byteAt(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }

bool inRange(unsigned char b, unsigned char low, unsigned char high) { return low <= b && b <= high; }

// Control characters are not text: C0 except tab, DEL, and C1 (U+0080..U+009F,
// written C2 80..C2 9F).
bool isControlCharacter(std::string_view ch) {
    const unsigned char b = byteAt(ch, 0);
    if (ch.size() == 1) return (b < 0x20 && b != '\t') || b == 0x7F;
    return ch.size() == 2 && b == 0xC2 && byteAt(ch, 1) < 0xA0;
}

// The bytes through iconv from one encoding to another; nothing when any of
// them cannot be converted.
std::optional<std::string> convert(std::string_view bytes, const char* to, const char* from) {
    const iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string in(bytes);
    std::string out(bytes.size() * 3, '\0');  // neither way takes more than three bytes for one
    char* inAt = in.data();
    std::size_t inLeft = in.size();
    char* outAt = out.data();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(converter, &inAt, &inLeft, &outAt, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace

std::size_t utf8Length(std::string_view s, std::size_t i) {
    const auto form = std::find_if(kUtf8Forms.begin(), kUtf8Forms.end(), [&](const Utf8Form& f) {
        return inRange(byteAt(s, i), f.leadLow, f.leadHigh);
    });
    if (form == kUtf8Forms.end() || i + form->length > s.size()) return 0;
    if (form->length > 1 && !inRange(byteAt(s, i + 1), form->nextLow, form->nextHigh)) return 0;
    for (std::size_t k = 2; k < form->length; ++k)
        if (!inRange(byteAt(s, i + k), 0x80, 0xBF)) return 0;
    return form->length;
}

bool isUtf8Text(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = utf8Length(s, i);
        if (n == 0 || isControlCharacter(s.substr(i, n))) return false;
        i += n;
    }
    return true;
}

// iconv's CP932 is Shift_JIS as Windows writes it (with its extra rows),
// which is what such files hold.
std::optional<std::string> shiftJisToUtf8(std::string_view bytes) { return convert(bytes, "UTF-8", "CP932"); }

std::optional<std::string> utf8ToShiftJis(std::string_view text) { return convert(text, "CP932", "UTF-8"); }

std::string writableLine(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = utf8Length(text, i);
        const std::string_view ch = text.substr(i, std::max<std::size_t>(n, 1));
        if (n == 0)
            out += '?';
        else if (isControlCharacter(ch))
            out += ' ';
        else
            out += ch;
        i += ch.size();
    }
    return out;
}

std::vector<std::string_view> splitLines(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (end != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return lines;
}

}  // namespace record
