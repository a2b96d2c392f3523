#include "words/japanese.h"

#include <array>
#include <cstddef>
#include <utility>

#include "record/notation.h"

namespace words {

using namespace state;

namespace {

using state::Text;

struct Entry {
    Text text;
    std::string_view japanese;
};

// clang-format off
constexpr Entry kTable[] = {
    {Text::None, ""},
    {Text::StartWithMatch, "「対局」で始めて下さい"},
    {Text::SecondStepPending, "2手目移動中はできません！"},
    {Text::FirstToMove, "先手の番です"},
    {Text::SecondToMove, "後手の番です"},
    {Text::HumanToMove, "MANの番です"},
    {Text::ComputerToMove, "COMの番です"},
    {Text::IsItOk, "OKですか？"},
    {Text::StepWithForward, "棋譜を '進 'で進めて下さい"},
    {Text::ResignQuestion, "投了しますか？"},
    {Text::PlayAgain, "続けますか？"},
    {Text::Drawn, "引き分けです"},
    {Text::Won, "%1の勝ちです"},
    {Text::MateGood, "よし！!"},
    {Text::SecondStepComing, "二手目、移動します"},
    {Text::Check, "   ** 王手 **"},
    {Text::RecordEnd, "終わり"},
    {Text::NotPossible, "できません"},
    {Text::NoLegalMove, "指せる手がありません"},
    {Text::NoFileName, "ﾌｧｲﾙ名が入力されていません"},
    {Text::DeviceNotReady, "ﾃﾞﾊﾞｲｽが準備できていません"},
    {Text::NoImmediateRecapture, "すぐに鵺子を取り返せません"},
    {Text::CannotMoveThere, "そこへ移動できません！"},
    {Text::UseRightButton, "マウスの右をクリックして下さい"},
    {Text::NotInRecordMode, "棋譜ﾓｰﾄﾞではできません"},
    {Text::RecordEmpty, "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"},
    {Text::RecordWritten, "棋譜を書き込みました"},
    {Text::NoWriteAfterReversal, "反転後は書き込みできません"},
    {Text::NothingToSave, "保存するデータがありません"},
    {Text::NoSlashInName, "ファイル名に「/」は使えません"},
    {Text::RecordLoaded, " 読み込みました"},
    {Text::CannotRead, "%1：読み込めません"},
    {Text::BadLine, "%1：%2行目が正しくありません"},
    {Text::SaveFailed, "保存できませんでした：%1"},
    {Text::Version, " QXぬえどり王\nVersion %1\nMIT License"},
    {Text::You, "あなた"},
    {Text::Computer, "ｺﾝﾋﾟｭｰﾀ"},
    {Text::First, "先手"},
    {Text::Second, "後手"},
    {Text::TitleStart, "開始"},
    {Text::TitleSecondStep, "2手目移動中"},
    {Text::TitleMatch, "対局"},
    {Text::TitleResume, "再開(COM)"},
    {Text::TitleRecord, "棋譜"},
    {Text::TitleSave, "棋譜保存"},
    {Text::TitleWrite, "棋譜書込"},
    {Text::TitleResign, "投了"},
    {Text::TitleEnd, "終了"},
    {Text::TitleAgain, "再ゲーム"},
    {Text::TitleMate, "詰め ?"},
    {Text::TitleTwoSteps, "二手移動"},
    {Text::TitleForward, "進む"},
    {Text::TitleBack, "戻る"},
    {Text::TitleReverse, "反転"},
    {Text::TitleHint, "ヒント"},
    {Text::TitleOther, "その他"},
    {Text::TitleError, "ｴﾗｰ"},
    {Text::TitleRecapture, "禁手：先鵺子(せんしし)"},
    {Text::TitlePromotion, "成り"},
    {Text::TitleBlank, " "},
    {Text::TitleTwoBlanks, "  "},
    {Text::TitleEmpty, ""},
    {Text::LabelFirst, "先手:"},
    {Text::LabelSecond, "後手:"},
    {Text::LabelHuman, "MAN:"},
    {Text::LabelComputer, "COM:"},
    {Text::LabelLevel, "LEVEL"},
    {Text::Thinking, " 思考中"},
    {Text::MoveCountUnit, "手目"},
};
// clang-format on

// The table is in the order of the ids, so an id finds its text at once.
constexpr bool inOrder() {
    for (std::size_t i = 0; i < std::size(kTable); ++i)
        if (static_cast<std::size_t>(kTable[i].text) != i) return false;
    return static_cast<std::size_t>(Text::MoveCountUnit) + 1 == std::size(kTable);
}
static_assert(inOrder(), "every text once, in the order of its id");

}  // namespace

std::string_view 原文(state::Text t) {
    const auto i = static_cast<std::size_t>(t);
    return i < std::size(kTable) ? kTable[i].japanese : std::string_view{};
}

std::string 差し込み(std::string_view text, std::string_view first, std::string_view second) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            out += text[i + 1] == '1' ? first : second;
            ++i;
            continue;
        }
        out += text[i];
    }
    return out;
}

std::string 日本語(const state::Message& m) {
    const std::string_view text = 原文(m.text);
    if (m.text == Text::Won) return 差し込み(text, 原文(m.who));
    return 差し込み(text, m.name, std::to_string(m.number));
}

std::string 日本語(const state::SurfaceText& t) {
    using Kind = state::SurfaceText::Kind;
    switch (t.kind) {
        case Kind::Label: return std::string(原文(t.text));
        case Kind::Number:
        case Kind::MoveCount: return std::to_string(t.value);
        case Kind::RowNumeral: return std::string(record::漢数字(t.value));
        case Kind::MoveCountUnit: return std::string(原文(Text::MoveCountUnit));
        case Kind::MoveColumn: return std::string(record::全角数字(10 - t.move.lastX()));
        case Kind::MoveRow: return std::string(record::漢数字(t.move.lastY()));
        case Kind::MovePiece: return std::string(record::駒名(t.move.placed));
        case Kind::HeaderLine: return t.literal;
    }
    return {};
}

}  // namespace words
