#include "app/exchange/exchange_commands.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>

#include <algorithm>
#include <filesystem>

#include "app/board/surface_view.h"
#include "app/board/teaching_layers.h"
#include "app/exchange/board_editor.h"
#include "app/exchange/exchange_words.h"
#include "app/exchange/position_choice.h"
#include "app/exchange/review_comments.h"
#include "app/language/language.h"
#include "app/review/game_review.h"
#include "app/window/main_window.h"
#include "app/window/window_commands.h"
#include "control/commands.h"
#include "control/file_panel.h"
#include "control/game_exchange.h"
#include "control/strong_move.h"
#include "record/notation.h"
#include "record/position_check.h"
#include "record/record_moves.h"
#include "record/safe_file.h"
#include "review/grades.h"
#include "state/game.h"

namespace app {

using namespace state;

namespace {

bool isKifName(std::string_view name) { return name.ends_with(".kifu") || name.ends_with(".kif"); }

record::KifEncoding encodingOf(const QString& path) {
    return path.endsWith(".kif") ? record::KifEncoding::ShiftJis : record::KifEncoding::Utf8;
}

// How a game ended beyond what its moves show.
record::KifEnd endOf(Outcome o) {
    if (!o.over()) return record::KifEnd::AsPlayed;
    if (o.reason == EndReason::Resignation) return record::KifEnd::Resigned;
    if (o.reason == EndReason::OutOfTime) return record::KifEnd::OutOfTime;
    return record::KifEnd::AsPlayed;
}

// The same start and the same moves.
bool sameGame(const record::KifGame& a, const record::KifGame& b) {
    if (!(a.start == b.start) || a.record.last != b.record.last) return false;
    for (int k = 1; k <= a.record.last; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (!(record::記録の項(a.record, k) == record::記録の項(b.record, k)) ||
            a.record.secondStep[i] != b.record.secondStep[i])
            return false;
    }
    return true;
}

// A point of the surface (twips) right of the board, below the title.
constexpr QPointF kBesideBoard{5650, 1500};

// Which pieces the side leads, for its chance to win: the Nue King, the
// army against it, or neither.
review::Army armyOf(const Board& b, int side) {
    bool own = false, other = false;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (magnitude(b(x, y)) == 鵺王) ((b(x, y) > 0) == (side > 0) ? own : other) = true;
    return own == other ? review::Army::Even : (own ? review::Army::Nue : review::Army::Full);
}

}  // namespace

ExchangeCommands::ExchangeCommands(MainWindow& window, FilePathAsker filePath)
    : QObject(&window), window_(window), filePath_(std::move(filePath)) {}

BoardEditor* ExchangeCommands::editor() const { return editor_; }
PositionChoice* ExchangeCommands::choice() const { return choice_; }

bool ExchangeCommands::run(WindowCommand command) {
    switch (command) {
        case WindowCommand::CopyPosition: copyPosition(); return true;
        case WindowCommand::PastePosition: paste(false); return true;
        case WindowCommand::EditPosition: editPosition(); return true;
        case WindowCommand::CopyGame: copyGame(); return true;
        case WindowCommand::PasteGame: paste(true); return true;
        case WindowCommand::ExportKif: exportKif(); return true;
        case WindowCommand::ImportKif: importKif(); return true;
        default: return false;
    }
}

// ---- What is on the board ----

int ExchangeCommands::sideWithoutGame() const {
    const Board& b = window_.game().board;
    if (placed_ && placed_->board == b) return placed_->side;
    // As スタート would begin: the side that holds the Nue King.
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (b(x, y) == 鵺王) return 1;
    return -1;
}

record::TextPosition ExchangeCommands::positionNow() const {
    const Game& g = window_.game();
    record::TextPosition p = control::対局の局面(g, sideWithoutGame());
    // A game from a position put on the board counts on from its move number.
    if (placed_ && control::対局のKIF(g).start == placed_->board)
        p.moveNumber = std::min(p.moveNumber + placed_->moveNumber - 1, record::kMaxMoveNumber);
    return p;
}

record::KifGame ExchangeCommands::gameNow() const {
    const Game& g = window_.game();
    record::KifGame k = control::対局のKIF(g);
    if (k.record.last == 0 && !control::手番の側(g)) k.firstMover = sideWithoutGame();
    if (loaded_ && sameGame(*loaded_, k)) {
        k.startedAt = loaded_->startedAt;
        k.lowerPlayer = loaded_->lowerPlayer;
        k.upperPlayer = loaded_->upperPlayer;
        k.clocks = loaded_->clocks;
        k.end = loaded_->end;
        k.comments = loaded_->comments;
    } else if (k.record.last >= 1 && !g.state.kifuMode) {
        k.end = endOf(window_.lastOutcome());
    }
    const GameReview& review = window_.review();
    if (review.result()) addReviewComments(k, *review.result(), review.heldMoves());
    return k;
}

// ---- The clipboard ----

void ExchangeCommands::copyPosition() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(record::positionText(positionNow())));
}

void ExchangeCommands::copyGame() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(record::kifText(gameNow())));
}

void ExchangeCommands::paste(bool gamesToo) {
    const QString text = QGuiApplication::clipboard()->text().trimmed();
    if (text.isEmpty())
        return window_.boxes().tell(
            QCoreApplication::translate("Exchange", "クリップボードに文字がありません"));
    if (gamesToo && text.contains('\n'))
        return open(record::parseKif(text.toStdString()),
                    QCoreApplication::translate("Exchange", "貼り付けた棋譜"));
    const record::PositionRead read = record::readPosition(text.toStdString());
    if (const auto* e = std::get_if<record::PositionError>(&read))
        return window_.boxes().tell(QCoreApplication::translate("Exchange", "貼り付けた局面を読めません：%1")
                                        .arg(positionRefusalWords(*e)));
    place(std::get<record::TextPosition>(read));
}

// ---- KIF files ----

void ExchangeCommands::open(const record::KifRead& read, const QString& where) {
    if (const auto* e = std::get_if<record::KifError>(&read))
        return window_.boxes().tell(
            QCoreApplication::translate("Exchange", "%1：%2").arg(where, kifRefusalWords(*e)));
    const record::KifGame& game = std::get<record::KifGame>(read);
    if (game.record.last == 0) return place({game.start, game.firstMover, 1});
    loaded_ = game;
    window_.run([&game](Game& g) {
        control::ファイルパネル_非表示(g);
        control::KIFを読込(g, game);
    });
}

std::optional<QString> ExchangeCommands::writeKif(const QString& path) const {
    const std::optional<std::string> bytes = record::kifBytes(gameNow(), encodingOf(path));
    if (!bytes)
        return QCoreApplication::translate("Exchange",
                                           "Shift_JIS で書けない文字があります（.kifu なら書けます）");
    if (const auto failed = record::saveFile(*bytes, std::filesystem::path(path.toStdString())))
        return QString::fromStdString(failed->reason);
    return std::nullopt;
}

QString ExchangeCommands::askPath(bool saving, const QString& suggested) {
    if (filePath_) return filePath_(&window_, saving, suggested);
    const QString filter = QCoreApplication::translate("Exchange", "KIF 棋譜 (*.kifu *.kif)");
    if (saving)
        return QFileDialog::getSaveFileName(
            &window_, QCoreApplication::translate("Exchange", "KIF で書き出す"), suggested, filter);
    return QFileDialog::getOpenFileName(&window_, QCoreApplication::translate("Exchange", "KIF で読み込む"),
                                        suggested, filter);
}

void ExchangeCommands::exportKif() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = askPath(true, QDir(folder).filePath("nuedori.kifu"));
    if (path.isEmpty()) return;
    if (!isKifName(path.toStdString())) path += ".kifu";
    if (const std::optional<QString> failed = writeKif(path))
        window_.boxes().tell(
            QDir::toNativeSeparators(path) + "\n" +
            QCoreApplication::translate("Exchange", "保存できませんでした：%1").arg(*failed));
}

void ExchangeCommands::importKif() {
    const QString path = askPath(false, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (path.isEmpty()) return;
    open(record::readKifFile(std::filesystem::path(path.toStdString())), QFileInfo(path).fileName());
}

bool ExchangeCommands::fileChosen(const std::string& path) {
    if (!isKifName(path)) return false;
    window_.run([](Game& g) { control::描画_可視(g, false, false, false); });
    const QString name = QFileInfo(QString::fromStdString(path)).fileName();
    open(record::readKifFile(std::filesystem::path(path)), name);
    return true;
}

bool ExchangeCommands::returnPressed() {
    const std::string name = window_.port().nameBoxText();
    const bool plainName = !name.empty() && name.find('/') == std::string::npos;
    if (!plainName) return false;  // the game's own refusals
    if (!isKifName(name)) {
        // A record file starts where the side that moved first always starts.
        if (window_.game().record.last == 0 || control::記録ファイルに残せる(window_.game())) return false;
        window_.boxes().tell(
            QCoreApplication::translate("Exchange",
                                        "この対局は初形から始まっていないので棋譜ファイルに残せません。"
                                        "名前の終わりを .kifu にすると KIF で保存します"));
        return true;
    }
    const QString path =
        QDir(QString::fromStdString(window_.port().fileListFolder())).filePath(QString::fromStdString(name));
    const std::optional<QString> failed = writeKif(path);
    window_.run([&failed](Game& g) {
        if (failed) {  // the panel stays open to try another name or folder
            g.port.messageBox(Message{Text::SaveFailed, failed->toStdString()}, Text::TitleSave, Buttons::Ok,
                              Icon::None);
            return;
        }
        control::ファイルパネル_非表示(g);
        g.port.refreshFileList();
        g.port.messageBox(Message{Text::RecordWritten}, Text::TitleTwoBlanks, Buttons::Ok, Icon::None);
    });
    return true;
}

// ---- Positions ----

void ExchangeCommands::editPosition() {
    if (editor_) return editor_->raise();
    editor_ = new BoardEditor(&window_, positionNow(), window_.pieceSet(),
                              [this](const QString& faults) { window_.boxes().tell(faults); });
    editor_->setAttribute(Qt::WA_DeleteOnClose);
    connect(editor_, &QDialog::accepted, this, [this] { place(editor_->position()); });
    editor_->open();
}

void ExchangeCommands::place(const record::TextPosition& p) {
    const std::vector<record::SetupProblem> faults = record::局面の問題(p.board);
    if (!faults.empty())
        return window_.boxes().tell(
            QCoreApplication::translate("Exchange", "この局面からは対局できません：\n%1")
                .arg(setupProblemsWords(faults)));
    placed_ = p;
    window_.run([&p](Game& g) {
        control::ファイルパネル_非表示(g);
        control::局面を置く(g, p.board);
    });
    offerChoice();
}

void ExchangeCommands::offerChoice() {
    if (choice_) choice_->close();
    const auto play = [this](int kind, int humanSide, int level) {
        if (!placed_) return;
        const record::TextPosition p = *placed_;
        window_.run([&](Game& g) {
            if (kind == kAgainstComputer) control::LEVELn_Click(g, level);
            control::局面から対局(g, p.board, p.side, kind, humanSide);
        });
    };
    PositionChoice::Hooks hooks;
    hooks.playComputer = [play](int humanSide, int level) { play(kAgainstComputer, humanSide, level); };
    hooks.playTwo = [play] { play(kTwoPlayers, -1, 0); };
    hooks.study = [this] { return study(); };
    hooks.hint = [this, play] {
        play(kTwoPlayers, -1, 0);
        window_.teaching().askHint();
    };
    hooks.copy = [this] { copyPosition(); };
    hooks.saveImage = [this] { saveBoardImage(window_); };
    choice_ = new PositionChoice(&window_, window_.game().state.level, std::move(hooks));
    choice_->setAttribute(Qt::WA_DeleteOnClose);
    // Right of the board, below the title, where the file panel stands: the board stays in sight.
    const SurfaceView* view = window_.view();
    choice_->move(view->mapToGlobal(view->placement().toWidget(kBesideBoard).toPoint()));
    choice_->open();
}

QString ExchangeCommands::study() {
    const record::TextPosition p = positionNow();
    search::Limits limits;
    limits.nodes = review::kDefaultNodes;  // the review's budget: the same answer every time
    search::Choice c;
    window_.run([&](Game& g) { c = control::考慮中探索(g, p.side, limits); });
    if (!c.found)
        return QCoreApplication::translate("Exchange", "%1に指せる手がありません").arg(sideName(p.side));
    const double chance = review::勝率(c.score, armyOf(p.board, p.side));
    const record::Notation n = inEnglish() ? record::Notation::Western : record::Notation::Japanese;
    return QCoreApplication::translate("Exchange", "%1の手番：勝つ見込み %2%　最善手 %3")
        .arg(sideName(p.side), QString::number(chance * 100, 'f', 0),
             QString::fromStdString(record::指し手表記(c.played, n)));
}

}  // namespace app
