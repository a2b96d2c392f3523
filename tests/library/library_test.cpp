// The library over a temporary data folder: the games folder read in at the
// first start and at every start after, a damaged database set aside and
// built again, a game's row and rating written once, a review's figures,
// the adaptive level.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "app/library/library.h"
#include "library_games.h"

namespace {

using library::GameRow;
using library::HumanSide;
using library::Result;
using library_test::kNueKingTaken;
using library_test::kUpperGaveUp;
using library_test::writeRecord;

struct Folder {
    QTemporaryDir dir;
    QString games() const { return dir.filePath("games"); }
    QString database() const { return library::Library::fileIn(dir.path()); }
};

// Three games of the games folder: a loss with the Nue King at level 3, a
// win with it (the upper side gave up), and a game between two left unfinished.
void keepThreeGames(const Folder& f) {
    writeRecord(f.games(), "2024-05-01_09-05-03.棋譜", "先手：MAN", "後手：COM LEVEL3", kNueKingTaken);
    writeRecord(f.games(), "2024-05-02_10-00-00.棋譜", "先手：MAN", "後手：COM LEVEL3", kUpperGaveUp);
    writeRecord(f.games(), "2024-05-03_11-00-00_中断.棋譜", "先手：MAN", "後手：MAN", kUpperGaveUp);
    QFile junk(QDir(f.games()).filePath("2024-05-04_12-00-00.棋譜"));  // not a record: passed over
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a record\r\n");
}

TEST(Library, ReadsTheGamesFolderAtTheFirstStartAndWhatIsNewAfter) {
    Folder f;
    keepThreeGames(f);
    {
        library::Library lib(f.database(), f.games());
        ASSERT_TRUE(lib.isOpen());
        const std::vector<GameRow> games = lib.statistics().games;
        ASSERT_EQ(games.size(), 3u);
        struct Expected {
            library::Kind kind;
            int level;
            HumanSide side;
            Result result;
            state::EndReason reason;
            int moves;
            bool rated;
        };
        const Expected expected[] = {
            {library::Kind::Computer, 3, HumanSide::Nue, Result::Loss, state::EndReason::RoyalTaken, 6, true},
            {library::Kind::Computer, 3, HumanSide::Nue, Result::Win, state::EndReason::Untold, 5, true},
            {library::Kind::TwoPlayers, 0, HumanSide::Both, Result::Unfinished, state::EndReason::None, 5,
             false},
        };
        for (std::size_t i = 0; i < games.size(); ++i) {
            const GameRow& g = games[i];
            const Expected& e = expected[i];
            EXPECT_EQ(g.kind, e.kind) << i;
            EXPECT_EQ(g.level, e.level) << i;
            EXPECT_EQ(g.humanSide, e.side) << i;
            EXPECT_EQ(g.result, e.result) << i;
            EXPECT_EQ(g.reason, e.reason) << i;
            EXPECT_EQ(g.moves, e.moves) << i;
            EXPECT_EQ(g.rating.has_value(), e.rated) << i;
        }
        EXPECT_EQ(games[0].finished, QDateTime(QDate(2024, 5, 1), QTime(9, 5, 3)));
        // Rated in order: the loss, then the win, against level 3's army.
        const rating::LevelRating army3 = rating::levelRating(3, rating::Side::Army);
        const rating::Rating afterLoss =
            rating::afterGame(rating::kFirstRating, {army3.rating, army3.deviation, 0});
        const rating::Rating afterWin = rating::afterGame(afterLoss, {army3.rating, army3.deviation, 1});
        EXPECT_EQ(*games[0].rating, afterLoss);
        EXPECT_EQ(lib.rating(rating::Side::Nue), afterWin);
        EXPECT_EQ(lib.rating(rating::Side::Army), rating::kFirstRating);
    }
    writeRecord(f.games(), "2024-05-05_08-00-00.棋譜", "先手：MAN", "後手：COM LEVEL5", kNueKingTaken);
    library::Library again(f.database(), f.games());
    const std::vector<GameRow> games = again.statistics().games;
    ASSERT_EQ(games.size(), 4u);
    EXPECT_EQ(games.back().level, 5);
    EXPECT_TRUE(again.setAside().isEmpty());
}

TEST(Library, SetsADamagedDatabaseAsideAndBuildsItAgain) {
    struct Case {
        const char* what;
        QByteArray bytes;  // the database's content; empty: a database of a later version
    };
    const Case cases[] = {
        {"not a database", "SQLite format 3\0garbage, garbage, garbage"},
        {"a later version", {}},
    };
    for (const Case& c : cases) {
        Folder f;
        keepThreeGames(f);
        if (c.bytes.isEmpty()) {
            { library::Library made(f.database(), f.games()); }
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "later");
            db.setDatabaseName(f.database());
            ASSERT_TRUE(db.open());
            QSqlQuery(db).exec("UPDATE meta SET value = '2' WHERE key = 'version'");
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase("later");
        } else {
            QFile file(f.database());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.bytes);
        }
        QFile before(f.database());
        ASSERT_TRUE(before.open(QIODevice::ReadOnly));
        const QByteArray damaged = before.readAll();
        before.close();

        library::Library lib(f.database(), f.games());
        ASSERT_TRUE(lib.isOpen()) << c.what;
        ASSERT_FALSE(lib.setAside().isEmpty()) << c.what;
        EXPECT_TRUE(QFileInfo(lib.setAside()).fileName().startsWith("library.sqlite.damaged-")) << c.what;
        QFile kept(lib.setAside());
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << c.what;
        EXPECT_EQ(kept.readAll(), damaged) << c.what;  // set aside whole, never removed
        EXPECT_EQ(lib.statistics().games.size(), 3u) << c.what;
    }
}

TEST(Library, AFinishedGameIsOneRowWithItsRatingAndItsReview) {
    Folder f;
    library::Library lib(f.database(), f.games());
    const QString path =
        writeRecord(f.games(), "2024-06-01_10-00-00.棋譜", "先手：MAN", "後手：COM LEVEL4", kNueKingTaken);
    // The facts the game knows at its end: a win on time with the army at level 4.
    const record::RecordFacts facts{1, 4, 1, {state::Outcome::LowerWins, state::EndReason::OutOfTime}, 40};
    const GameRow row = library::rowOf(facts, QDateTime::currentDateTime(), path, "byoyomi:0:30");
    EXPECT_EQ(row.humanSide, HumanSide::Army);
    EXPECT_EQ(row.result, Result::Win);
    ASSERT_TRUE(lib.recordGame(row));
    ASSERT_TRUE(lib.recordGame(row));  // written again: still one row
    const std::vector<GameRow> games = lib.statistics().games;
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].reason, state::EndReason::OutOfTime);
    EXPECT_EQ(games[0].clock, "byoyomi:0:30");
    const rating::LevelRating nue4 = rating::levelRating(4, rating::Side::Nue);
    EXPECT_EQ(lib.rating(rating::Side::Army),
              rating::afterGame(rating::kFirstRating, {nue4.rating, nue4.deviation, 1}));

    const library::ReviewFigures review{71.5, 3, 2, 1};
    EXPECT_TRUE(lib.recordReview(path, review));
    EXPECT_EQ(lib.game(path)->review, review);
    EXPECT_FALSE(lib.recordReview(QDir(f.games()).filePath("elsewhere.棋譜"), review));
}

TEST(Library, TheAdaptiveLevelMovesAfterTwoWinsOfItsSide) {
    Folder f;
    library::Library lib(f.database(), f.games());
    const record::RecordFacts win{1, 3, -1, {state::Outcome::LowerWins, state::EndReason::RoyalTaken}, 30};
    for (int n = 0; n < 2; ++n) {
        const QString path = QDir(f.games()).filePath(QString("win-%1.棋譜").arg(n));
        ASSERT_TRUE(lib.recordGame(library::rowOf(win, QDateTime::currentDateTime(), path, "none"), true));
    }
    EXPECT_EQ(lib.adaptiveLevel(rating::Side::Nue), (rating::AdaptiveLevel{4, 0}));
    EXPECT_EQ(lib.adaptiveLevel(rating::Side::Army), rating::AdaptiveLevel{});
    // A game not played at the adaptive level leaves it.
    const QString other = QDir(f.games()).filePath("win-2.棋譜");
    ASSERT_TRUE(lib.recordGame(library::rowOf(win, QDateTime::currentDateTime(), other, "none")));
    EXPECT_EQ(lib.adaptiveLevel(rating::Side::Nue), (rating::AdaptiveLevel{4, 0}));
}

TEST(Library, AFolderItCannotWriteKeepsNothingAndSaysSo) {
    Folder f;
    const QString blocked = f.dir.filePath("blocked");
    QFile file(blocked);  // a file where the data folder should be
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    library::Library lib(library::Library::fileIn(blocked), QDir(blocked).filePath("games"));
    EXPECT_FALSE(lib.isOpen());
    EXPECT_FALSE(lib.takeProblem().isEmpty());
    EXPECT_FALSE(lib.recordGame(GameRow{}));
    EXPECT_EQ(lib.rating(rating::Side::Nue), rating::kFirstRating);
}

}  // namespace
