#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

#include "record/record_facts.h"

namespace app {

// How the games folder names a record: its date and time, "_中断" added for a
// game left unfinished, and the record file's ending.
inline constexpr const char* kGameStampFormat = "yyyy-MM-dd_HH-mm-ss";
inline constexpr const char* kUnfinishedMark = "_中断";
inline constexpr const char* kRecordEnding = ".棋譜";

// A record of the games folder as 最近の対局 names it: when it was played,
// whether it was left unfinished, and what the facts kept beside it say (or,
// for a game kept before them, the record's own header and moves).
struct RecentGame {
    QDateTime when;  // from the file's name; invalid when it names none
    QString name;    // the file's name without its ending
    bool unfinished = false;
    std::optional<record::RecordFacts> facts;  // none when neither file can be read

    // The menu item's text, in the window's language: the date, the
    // opponent, the person's side, the result and the length.
    // 例: "12/08 14:37 LEVEL1 全軍 勝ち 12手" ("12/08 14:37 LEVEL1 army win 12")
    QString caption() const;
};

// The facts a record file of the games folder has beside it: the same name
// with ".game.txt" for ".棋譜".
// 例: factsFileOf("games/2024-05-01_09-05-03.棋譜") == "games/2024-05-01_09-05-03.game.txt"
QString factsFileOf(const QString& recordPath);

// Reads the facts beside the record, or the record alone; a file that cannot
// be read leaves what it would have told unknown.
RecentGame recentGameOf(const QString& path);

}  // namespace app
