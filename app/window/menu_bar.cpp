#include "app/window/menu_bar.h"

#include <QCoreApplication>

#include "app/board/piece_sets.h"
#include "app/dialogs/how_to_play.h"
#include "control/commands.h"
#include "control/new_game.h"
#include "control/play_on.h"
#include "control/record_jump.h"
#include "control/resign.h"
#include "state/window_port.h"

namespace app {

using namespace state;

namespace {

using state::MenuCheck;
using Kind = MenuEntry::Kind;

constexpr int checkOf(MenuCheck c) { return static_cast<int>(c); }

// The game's own items first in each menu; the window's follow a separator.
// The status line's words for the items that play on from a record.
constexpr const char* kPlayOnComTip =
    QT_TRANSLATE_NOOP("Tip", "盤の局面からコンピュータと対局します（あなたは下側、この後の手は消えます）");
constexpr const char* kPlayOnManTip =
    QT_TRANSLATE_NOOP("Tip", "盤の局面から二人で対局します（この後の手は消えます）");

constexpr const char* kFewerBoxesTip = QT_TRANSLATE_NOOP(
    "Tip", "OK だけの確認をステータス行に出し、対局を止めません（はい／いいえの質問は残ります）");

constexpr const char* kAdaptiveTip =
    QT_TRANSLATE_NOOP("Tip", "二連勝で一段上、二連敗で一段下へ、コンピュータの強さが対局ごとに動きます");

constexpr const char* kTimeControlTip = QT_TRANSLATE_NOOP(
    "Tip", "次の対局の持ち時間を、それぞれの側に決めます（二人で対局するときは P で一時停止）");

constexpr const char* kPastePositionTip =
    QT_TRANSLATE_NOOP("Tip", "局面の文字列（SFEN の形）を盤に置き、どうするか選びます");
constexpr const char* kEditPositionTip = QT_TRANSLATE_NOOP("Tip", "駒を置いて局面を作り、そこから対局します");
constexpr const char* kCopyGameTip = QT_TRANSLATE_NOOP("Tip", "この対局を KIF の文字でコピーします");
constexpr const char* kPasteGameTip = QT_TRANSLATE_NOOP("Tip", "KIF の棋譜か局面の文字列を貼り付けます");

const MenuEntry kMenuBar[] = {
    {"TAIKYOKU", QT_TRANSLATE_NOOP("Menu", "対局"), "", Kind::Menu, control::TAIKYOKU_Click},
    {"MATCH_MAN", QT_TRANSLATE_NOOP("Menu", "対局(人間)"), "TAIKYOKU", Kind::Menu},
    {"START", QT_TRANSLATE_NOOP("Menu", "スタート"), "MATCH_MAN", Kind::Item, control::START_Click},
    {"START2", QT_TRANSLATE_NOOP("Menu", "対局(COM)"), "TAIKYOKU", Kind::Menu},
    {"SENTE", QT_TRANSLATE_NOOP("Menu", "先手"), "START2", Kind::Item, control::SENTE_Click,
     WindowCommand::None, kNoCheck, 0, QKeySequence::UnknownKey, KeyRole::None, kSenteTip},
    {"GOTE", QT_TRANSLATE_NOOP("Menu", "後手"), "START2", Kind::Item, control::GOTE_Click,
     WindowCommand::None, kNoCheck, 0, QKeySequence::UnknownKey, KeyRole::None, kGoteTip},
    {"LEVEL", QT_TRANSLATE_NOOP("Menu", "COM対局ﾚﾍﾞﾙ"), "TAIKYOKU", Kind::Menu},
    {"LEVEL1", "LEVEL1", "LEVEL", Kind::Item, control::LEVEL1_Click, WindowCommand::None,
     checkOf(MenuCheck::LEVEL1)},
    {"LEVEL2", "LEVEL2", "LEVEL", Kind::Item, control::LEVEL2_Click, WindowCommand::None,
     checkOf(MenuCheck::LEVEL2)},
    {"LEVEL3", "LEVEL3", "LEVEL", Kind::Item, control::LEVEL3_Click, WindowCommand::None,
     checkOf(MenuCheck::LEVEL3)},
    {"LEVEL4", "LEVEL4", "LEVEL", Kind::Item, control::LEVEL4_Click, WindowCommand::None,
     checkOf(MenuCheck::LEVEL4)},
    {"LEVEL5", "LEVEL5", "LEVEL", Kind::Item, control::LEVEL5_Click, WindowCommand::None,
     checkOf(MenuCheck::LEVEL5)},
    {"LEVEL6", "LEVEL6", "LEVEL", Kind::Item, control::LEVEL6_Click, WindowCommand::None,
     checkOf(MenuCheck::LEVEL6)},
    {"LEVEL7", "LEVEL7", "LEVEL", Kind::Item, control::LEVEL7_Click, WindowCommand::None,
     checkOf(MenuCheck::LEVEL7)},
    {"LEVEL8", "LEVEL8", "LEVEL", Kind::Item, control::LEVEL8_Click, WindowCommand::None,
     checkOf(MenuCheck::LEVEL8)},
    {"AUTO_LEVEL", QT_TRANSLATE_NOOP("Menu", "自動"), "LEVEL", Kind::Item, nullptr,
     WindowCommand::AdaptiveLevel, kOwnCheck, 0, QKeySequence::UnknownKey, KeyRole::None, kAdaptiveTip},
    {"OWARI", QT_TRANSLATE_NOOP("Menu", "終わり"), "TAIKYOKU", Kind::Item, control::OWARI_Click},
    {"", "", "TAIKYOKU", Kind::Separator},
    {"NEW_GAME", QT_TRANSLATE_NOOP("Menu", "新しい対局"), "TAIKYOKU", Kind::Item, nullptr,
     WindowCommand::NewGame, kNoCheck, 0, QKeySequence::New, KeyRole::Shortcut},
    {"RESIGN", QT_TRANSLATE_NOOP("Menu", "投了"), "TAIKYOKU", Kind::Item, control::投了},
    {"PLAY_ON_COM", QT_TRANSLATE_NOOP("Menu", "ここから対局(COM)"), "TAIKYOKU", Kind::Item,
     control::ここから対局_COM, WindowCommand::None, kNoCheck, 0, QKeySequence::UnknownKey, KeyRole::None,
     kPlayOnComTip},
    {"PLAY_ON_MAN", QT_TRANSLATE_NOOP("Menu", "ここから対局(人間)"), "TAIKYOKU", Kind::Item,
     control::ここから対局_人間, WindowCommand::None, kNoCheck, 0, QKeySequence::UnknownKey, KeyRole::None,
     kPlayOnManTip},
    {"TIME_CONTROL", QT_TRANSLATE_NOOP("Menu", "持ち時間…"), "TAIKYOKU", Kind::Item, nullptr,
     WindowCommand::TimeControl, kNoCheck, 0, QKeySequence::UnknownKey, KeyRole::None, kTimeControlTip},
    {"STOP", QT_TRANSLATE_NOOP("Menu", "局面"), "", Kind::Menu, control::STOP_Click},
    {"CANCEL", QT_TRANSLATE_NOOP("Menu", "最初"), "STOP", Kind::Item, control::CANCEL_Click},
    {"REVERSE", QT_TRANSLATE_NOOP("Menu", "反転"), "STOP", Kind::Item, control::REVERSE_Click},
    {"", "", "STOP", Kind::Separator},
    {"SAVE_IMAGE", QT_TRANSLATE_NOOP("Menu", "画像で保存…"), "STOP", Kind::Item, nullptr,
     WindowCommand::SaveImage},
    {"COPY_POSITION", QT_TRANSLATE_NOOP("Menu", "局面をコピー"), "STOP", Kind::Item, nullptr,
     WindowCommand::CopyPosition},
    {"PASTE_POSITION", QT_TRANSLATE_NOOP("Menu", "局面を貼り付け"), "STOP", Kind::Item, nullptr,
     WindowCommand::PastePosition, kNoCheck, 0, QKeySequence::UnknownKey, KeyRole::None, kPastePositionTip},
    {"EDIT_POSITION", QT_TRANSLATE_NOOP("Menu", "局面編集…"), "STOP", Kind::Item, nullptr,
     WindowCommand::EditPosition, kNoCheck, 0, QKeySequence::UnknownKey, KeyRole::None, kEditPositionTip},
    {"", "", "STOP", Kind::Separator},
    {"STEP_BACK", QT_TRANSLATE_NOOP("Menu", "一手戻る"), "STOP", Kind::Item, control::REPLAY_Click,
     WindowCommand::None, kNoCheck, Qt::Key_Left, QKeySequence::UnknownKey, KeyRole::RecordKey},
    {"STEP_FORWARD", QT_TRANSLATE_NOOP("Menu", "一手進む"), "STOP", Kind::Item, control::AFTER_Click,
     WindowCommand::None, kNoCheck, Qt::Key_Right, QKeySequence::UnknownKey, KeyRole::RecordKey},
    {"RECORD_START", QT_TRANSLATE_NOOP("Menu", "棋譜の初めへ"), "STOP", Kind::Item, control::棋譜の初めへ,
     WindowCommand::None, kNoCheck, Qt::Key_Home, QKeySequence::UnknownKey, KeyRole::RecordKey},
    {"RECORD_END", QT_TRANSLATE_NOOP("Menu", "棋譜の終わりへ"), "STOP", Kind::Item, control::棋譜の終わりへ,
     WindowCommand::None, kNoCheck, Qt::Key_End, QKeySequence::UnknownKey, KeyRole::RecordKey},
    {"REPLAY", QT_TRANSLATE_NOOP("Menu", "戻"), "", Kind::Item, control::REPLAY_Click},
    {"AFTER", QT_TRANSLATE_NOOP("Menu", "進"), "", Kind::Item, control::AFTER_Click},
    {"KIFU", QT_TRANSLATE_NOOP("Menu", "棋譜"), "", Kind::Menu},
    {"KIFU_READ", QT_TRANSLATE_NOOP("Menu", "読込"), "KIFU", Kind::Item, control::KIFU_READ_Click,
     WindowCommand::None, kNoCheck, 0, QKeySequence::Open, KeyRole::Shortcut},
    {"KIFU_WRITE", QT_TRANSLATE_NOOP("Menu", "書込"), "KIFU", Kind::Item, control::KIFU_WRITE_Click,
     WindowCommand::None, kNoCheck, 0, QKeySequence::Save, KeyRole::Shortcut},
    {"", "", "KIFU", Kind::Separator},
    {"KIF_EXPORT", QT_TRANSLATE_NOOP("Menu", "KIF で書き出す…"), "KIFU", Kind::Item, nullptr,
     WindowCommand::ExportKif},
    {"KIF_IMPORT", QT_TRANSLATE_NOOP("Menu", "KIF で読み込む…"), "KIFU", Kind::Item, nullptr,
     WindowCommand::ImportKif},
    {"COPY_GAME", QT_TRANSLATE_NOOP("Menu", "棋譜をコピー"), "KIFU", Kind::Item, nullptr,
     WindowCommand::CopyGame, kNoCheck, 0, QKeySequence::Copy, KeyRole::Shortcut, kCopyGameTip},
    {"PASTE_GAME", QT_TRANSLATE_NOOP("Menu", "棋譜を貼り付け"), "KIFU", Kind::Item, nullptr,
     WindowCommand::PasteGame, kNoCheck, 0, QKeySequence::Paste, KeyRole::Shortcut, kPasteGameTip},
    {"", "", "KIFU", Kind::Separator},
    {"RECENT", QT_TRANSLATE_NOOP("Menu", "最近の対局"), "KIFU", Kind::Menu, nullptr,
     WindowCommand::RecentGames},
    {"REVIEW", QT_TRANSLATE_NOOP("Menu", "検討"), "KIFU", Kind::Item, nullptr, WindowCommand::Review},
    {"STATISTICS", QT_TRANSLATE_NOOP("Menu", "成績"), "KIFU", Kind::Item, nullptr, WindowCommand::Statistics},
    {"OPTION", QT_TRANSLATE_NOOP("Menu", "ｵﾌﾟｼｮﾝ"), "", Kind::Menu, control::OPTION_Click},
    {"SIDOU", QT_TRANSLATE_NOOP("Menu", "移動指導"), "OPTION", Kind::Item, control::SIDOU_Click,
     WindowCommand::None, checkOf(MenuCheck::SIDOU)},
    {"BGM", "BGM", "OPTION", Kind::Item, control::BGM_Click, WindowCommand::None, checkOf(MenuCheck::BGM)},
    {"", "", "OPTION", Kind::Separator},
    {"PIECES", QT_TRANSLATE_NOOP("Menu", "駒"), "OPTION", Kind::Menu},
    {kPieceSets[0].controlName, kPieceSets[0].caption, "PIECES", Kind::Item, nullptr,
     WindowCommand::PiecesKanji2, kWindowMark},
    {kPieceSets[1].controlName, kPieceSets[1].caption, "PIECES", Kind::Item, nullptr,
     WindowCommand::PiecesKanji1, kWindowMark},
    {kPieceSets[2].controlName, kPieceSets[2].caption, "PIECES", Kind::Item, nullptr,
     WindowCommand::PiecesInternational, kWindowMark},
    {"SIDE_PANEL", QT_TRANSLATE_NOOP("Menu", "サイドパネル"), "OPTION", Kind::Item, nullptr,
     WindowCommand::SidePanel, kWindowMark, Qt::Key_F9, QKeySequence::UnknownKey, KeyRole::Shortcut},
    {"", "", "OPTION", Kind::Separator},
    {"SEIRYOKU", QT_TRANSLATE_NOOP("Menu", "勢力表示"), "OPTION", Kind::Item, nullptr,
     WindowCommand::InfluenceView, kOwnCheck},
    {"FEWER_BOXES", QT_TRANSLATE_NOOP("Menu", "確認を減らす"), "OPTION", Kind::Item, nullptr,
     WindowCommand::FewerInterruptions, kOwnCheck, 0, QKeySequence::UnknownKey, KeyRole::None,
     kFewerBoxesTip},
    {"HINT", QT_TRANSLATE_NOOP("Menu", "ヒント"), "OPTION", Kind::Item, nullptr, WindowCommand::Hint,
     kNoCheck, Qt::Key_H, QKeySequence::UnknownKey, KeyRole::Shown},
    {"", "", "OPTION", Kind::Separator},
    {"LANGUAGE", "English", "OPTION", Kind::Item, nullptr, WindowCommand::Language},
    // その他 opens a menu: the version box first, as the bar's item showed it.
    {"OTHER", QT_TRANSLATE_NOOP("Menu", "その他"), "", Kind::Menu},
    {"VER", QT_TRANSLATE_NOOP("Menu", "バージョン情報"), "OTHER", Kind::Item, control::VER_Click},
    {"HOW_TO_PLAY", QT_TRANSLATE_NOOP("Menu", "遊び方"), "OTHER", Kind::Item, nullptr,
     WindowCommand::HowToPlay, kNoCheck, Qt::Key_F1, QKeySequence::UnknownKey, KeyRole::Shortcut},
};

}  // namespace

std::span<const MenuEntry> menuBarEntries() { return kMenuBar; }

}  // namespace app
