#pragma once

#include <string>
#include <string_view>

namespace rules {

// The names the game writes moves with: full-width digits for columns, kanji
// numerals for rows, and a piece name per kind. Promoted lance, knight and
// silver have no name of their own: their moves show the square alone.

inline constexpr std::string_view kFullWidthDigits[] = {"",   "１", "２", "３", "４",
                                                        "５", "６", "７", "８", "９"};
inline constexpr std::string_view kKanjiNumerals[] = {"",   "一", "二", "三", "四",
                                                      "五", "六", "七", "八", "九"};
inline constexpr std::string_view kPieceNames[] = {"", "歩", "と", "香", "",   "桂", "",     "銀",
                                                   "", "金", "飛", "龍", "角", "馬", "鵺王", "王"};

// 例: 全角数字(7) == "７"; 0 and 10 give "".
constexpr std::string_view 全角数字(int v) {
    return v >= 1 && v <= 9 ? kFullWidthDigits[v] : std::string_view{};
}
// 例: 漢数字(6) == "六"
constexpr std::string_view 漢数字(int v) { return v >= 1 && v <= 9 ? kKanjiNumerals[v] : std::string_view{}; }
// A square as the game writes it: the column counted from the right, then
// the row. 例: 升目名(3, 6) == "７六"
inline std::string 升目名(int x, int y) { return std::string(全角数字(10 - x)) + std::string(漢数字(y)); }
// Either sign. 例: 駒名(-14) == "鵺王", 駒名(4) == ""
constexpr std::string_view 駒名(int code) {
    const int m = code < 0 ? -code : code;
    return m <= 15 ? kPieceNames[m] : std::string_view{};
}

}  // namespace rules
