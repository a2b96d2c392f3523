#pragma once

#include <string>
#include <utility>

#include "state/move.h"

namespace state {

// Every fixed text the game shows: the message boxes' texts and titles, the
// names they give, and the labels on the surface. The core names a text;
// the window words it, in the game's Japanese (words/japanese.cpp) or in
// English (the translation file).
enum class Text {
    None,
    // Message box texts.
    StartWithMatch,        // 「対局」で始めて下さい
    SecondStepPending,     // 2手目移動中はできません！
    FirstToMove,           // 先手の番です
    SecondToMove,          // 後手の番です
    HumanToMove,           // MANの番です
    ComputerToMove,        // COMの番です
    IsItOk,                // OKですか？
    StepWithForward,       // 棋譜を '進 'で進めて下さい
    ResignQuestion,        // 投了しますか？
    PlayAgain,             // 続けますか？
    Drawn,                 // 引き分けです
    Won,                   // %1の勝ちです (who)
    MateGood,              // よし！!
    SecondStepComing,      // 二手目、移動します
    Check,                 // "   ** 王手 **"
    RecordEnd,             // 終わり
    NotPossible,           // できません
    NoLegalMove,           // 指せる手がありません
    NoFileName,            // ﾌｧｲﾙ名が入力されていません
    DeviceNotReady,        // ﾃﾞﾊﾞｲｽが準備できていません
    NoImmediateRecapture,  // すぐに鵺子を取り返せません
    CannotMoveThere,       // そこへ移動できません！
    UseRightButton,        // マウスの右をクリックして下さい
    NotInRecordMode,       // 棋譜ﾓｰﾄﾞではできません
    RecordEmpty,           // 棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません
    RecordWritten,         // 棋譜を書き込みました
    NoWriteAfterReversal,  // 反転後は書き込みできません
    NothingToSave,         // 保存するデータがありません
    NoSlashInName,         // ファイル名に「/」は使えません
    RecordLoaded,          // " 読み込みました"
    CannotRead,            // %1：読み込めません (name)
    BadLine,               // %1：%2行目が正しくありません (name, number)
    SaveFailed,            // 保存できませんでした：%1 (name: the reason)
    Version,               // " QXぬえどり王\nVersion %1\nMIT License" (name: the version)
    // The names a win is given.
    You,       // あなた
    Computer,  // ｺﾝﾋﾟｭｰﾀ
    First,     // 先手
    Second,    // 後手
    // Message box titles.
    TitleStart,       // 開始
    TitleSecondStep,  // 2手目移動中
    TitleMatch,       // 対局
    TitleResume,      // 再開(COM)
    TitleRecord,      // 棋譜
    TitleSave,        // 棋譜保存
    TitleWrite,       // 棋譜書込
    TitleResign,      // 投了
    TitleEnd,         // 終了
    TitleAgain,       // 再ゲーム
    TitleMate,        // 詰め ?
    TitleTwoSteps,    // 二手移動
    TitleForward,     // 進む
    TitleBack,        // 戻る
    TitleReverse,     // 反転
    TitleHint,        // ヒント
    TitleOther,       // その他
    TitleError,       // ｴﾗｰ
    TitleRecapture,   // 禁手：先鵺子(せんしし)
    TitlePromotion,   // 成り
    TitleBlank,       // " "
    TitleTwoBlanks,   // "  "
    TitleEmpty,       // ""
    // Labels on the surface.
    LabelFirst,     // 先手:
    LabelSecond,    // 後手:
    LabelHuman,     // MAN:
    LabelComputer,  // COM:
    LabelLevel,     // LEVEL
    Thinking,       // " 思考中"
    MoveCountUnit,  // 手目
};

// A message box's text: its text, and what stands in for %1 and %2.
struct Message {
    Message(Text t = Text::None) : text(t) {}  // NOLINT: a fixed text is a message
    Message(Text t, Text winner) : text(t), who(winner) {}
    Message(Text t, std::string n, int num = 0) : text(t), name(std::move(n)), number(num) {}

    Text text = Text::None;
    Text who = Text::None;  // Won: the winner's name
    std::string name;       // a file's name, a reason, the version
    int number = 0;         // a line number
};

// What a text printed on the surface says, as a fact; the window words it.
struct SurfaceText {
    enum class Kind {
        Label,          // a fixed text: `text`
        Number,         // `value` in figures
        RowNumeral,     // the name of board row `value` beside the board
        MoveCount,      // the number of moves played, `value`
        MoveCountUnit,  // the word after it (`value` the same number)
        MoveColumn,     // the parts of the text of `move`: the column it ends on,
        MoveRow,        // the row,
        MovePiece,      // and the piece it placed
        HeaderLine,     // a line of a loaded record's header, `literal`
    };
    Kind kind = Kind::Label;
    Text text = Text::None;
    int value = 0;
    state::Move move;
    std::string literal;
    // A header line the game itself wrote names a player: `value` 1 for the
    // side that moved first or 2 for the other, `computerLevel` 0 for a human.
    bool namesPlayer = false;
    int computerLevel = 0;
};

}  // namespace state
