#include "app/keeping/kept_games_view.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "app/keeping/game_keeper.h"
#include "app/keeping/player_settings.h"
#include "app/keeping/recent_games.h"
#include "app/language/language.h"

namespace app {

namespace {

// What 最近の対局 lists.
constexpr int kRecentGames = 10;

constexpr const char* kKeptGameDamaged = QT_TRANSLATE_NOOP(
    "Window", "前回の対局のファイルが読めませんでした。新しく始めます。ファイルはこの名前で残しました：");
constexpr const char* kSettingsDamaged = QT_TRANSLATE_NOOP(
    "Window", "設定のファイルが読めませんでした。初期設定で始めます。ファイルはこの名前で残しました：");

QString setAsideWords(const char* what, const QString& newName) {
    return windowText("Window", QString::fromUtf8(what)) + "\n" + QDir::toNativeSeparators(newName);
}

}  // namespace

void fillRecentGames(QMenu& menu, const GameKeeper* keeper, const std::function<void(const QString&)>& open) {
    menu.clear();
    const QStringList games = keeper ? keeper->recentGames(kRecentGames) : QStringList{};
    if (games.isEmpty()) menu.addAction(QCoreApplication::translate("Menu", "（なし）"))->setEnabled(false);
    for (const QString& path : games) {
        QObject::connect(menu.addAction(recentGameOf(path).caption()), &QAction::triggered, &menu,
                         [open, path] { open(path); });
    }
}

QString startFolder(const GameKeeper* keeper, const PlayerSettings* settings) {
    const QString last = settings ? settings->folder() : QString();
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    if (keeper && keeper->keeping()) return keeper->recordsFolder();
    return QDir::currentPath();
}

QString keptGameSetAsideWords(const QString& newName) { return setAsideWords(kKeptGameDamaged, newName); }
QString settingsSetAsideWords(const QString& newName) { return setAsideWords(kSettingsDamaged, newName); }

const char* resumedKind(const state::GameState& s) {
    if (s.kifuMode) return QT_TRANSLATE_NOOP("Panel", "棋譜再生");
    return s.gameKind == state::kTwoPlayers ? QT_TRANSLATE_NOOP("Panel", "対局(人間)")
                                            : QT_TRANSLATE_NOOP("Panel", "対局(COM)");
}

}  // namespace app
