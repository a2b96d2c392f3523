#include "app/library/library.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "app/library/library_schema.h"

namespace library {

namespace {

constexpr const char* kFileName = "library.sqlite";

QString adaptiveKey(rating::Side side) {
    return side == rating::Side::Nue ? "adaptive-nue" : "adaptive-army";
}

}  // namespace

QString Library::fileIn(const QString& dataFolder) { return QDir(dataFolder).filePath(kFileName); }

Library::Library(const QString& databaseFile, const QString& gamesFolder)
    : connection_("nuedori-library-" + QString::number(reinterpret_cast<quintptr>(this))),
      gamesFolder_(gamesFolder) {
    QDir().mkpath(QFileInfo(databaseFile).path());
    if (!openDatabase(databaseFile)) {
        // Read again from nothing once the file is out of the way; if it
        // cannot be moved, nothing is written over it either.
        QSqlDatabase::database(connection_, false).close();
        setAside_ = setAsideDatabase(databaseFile);
        if (setAside_.isEmpty() || !openDatabase(databaseFile)) {
            fail(databaseFile + ": " + QSqlDatabase::database(connection_, false).lastError().text());
            return;
        }
    }
    open_ = true;
    importGames();
}

Library::~Library() {
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

bool Library::openDatabase(const QString& file) {
    QSqlDatabase db = QSqlDatabase::contains(connection_) ? QSqlDatabase::database(connection_, false)
                                                          : QSqlDatabase::addDatabase("QSQLITE", connection_);
    db.setDatabaseName(file);
    return db.open() && schemaReady(db);
}

QString Library::takeProblem() {
    if (problemTold_ || problem_.isEmpty()) return {};
    problemTold_ = true;
    return problem_;
}

bool Library::fail(const QString& what) {
    if (problem_.isEmpty()) problem_ = what;
    return false;
}

bool Library::recordGame(const GameRow& row, bool adaptive) {
    if (!open_) return false;
    QSqlDatabase db = QSqlDatabase::database(connection_);
    if (!db.transaction()) return fail(db.lastError().text());
    QSqlQuery known(db);
    known.prepare("UPDATE games SET reason = ?, clock = ? WHERE record_file = ?");
    known.addBindValue(reasonName(row.reason));
    known.addBindValue(textOf(row.clock));
    known.addBindValue(row.recordFile);
    const bool written = known.exec() && (known.numRowsAffected() == 1 || insertRow(row, adaptive));
    if (written && db.commit()) return true;
    const QString why = known.lastError().isValid() ? known.lastError().text() : db.lastError().text();
    db.rollback();
    return fail(row.recordFile + ": " + why);
}

bool Library::insertRow(GameRow row, bool adaptive) {
    QSqlDatabase db = QSqlDatabase::database(connection_);
    if (const std::optional<double> score = scoreOf(row)) {
        const rating::Side side = sideOf(row.humanSide);
        const rating::LevelRating level = rating::opponentAt(row.level, side);
        row.rating = rating::afterGame(rating(side), {level.rating, level.deviation, *score});
        if (adaptive && !writeMeta(db, adaptiveKey(side),
                                   adaptiveText(rating::nextAdaptive(adaptiveLevel(side), *score))))
            return false;
    }
    return insertGame(db, row);
}

bool Library::recordReview(const QString& recordFile, const ReviewFigures& f) {
    if (!open_) return false;
    QSqlDatabase db = QSqlDatabase::database(connection_);
    if (!db.transaction()) return fail(db.lastError().text());
    QSqlQuery q(db);
    q.prepare(
        "UPDATE games SET accuracy = ?, inaccuracies = ?, mistakes = ?, blunders = ? WHERE record_file = ?");
    for (const QVariant& v : {QVariant(f.accuracy), QVariant(f.inaccuracies), QVariant(f.mistakes),
                              QVariant(f.blunders), QVariant(recordFile)})
        q.addBindValue(v);
    if (q.exec() && db.commit()) return q.numRowsAffected() == 1;
    const QString why = q.lastError().text();
    db.rollback();
    return fail(recordFile + ": " + why);
}

rating::Rating Library::rating(rating::Side side) const {
    if (!open_) return rating::kFirstRating;
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.prepare(
        "SELECT rating, deviation, volatility FROM games WHERE human_side = ? AND rating IS NOT NULL "
        "ORDER BY id DESC LIMIT 1");
    q.addBindValue(sideName(side == rating::Side::Nue ? HumanSide::Nue : HumanSide::Army));
    if (!q.exec() || !q.next()) return rating::kFirstRating;
    return {q.value(0).toDouble(), q.value(1).toDouble(), q.value(2).toDouble()};
}

rating::AdaptiveLevel Library::adaptiveLevel(rating::Side side) const {
    if (!open_) return {};
    return adaptiveNamed(readMeta(QSqlDatabase::database(connection_), adaptiveKey(side)));
}

std::optional<GameRow> Library::game(const QString& recordFile) const {
    if (!open_) return std::nullopt;
    return gameNamed(QSqlDatabase::database(connection_), recordFile);
}

Statistics Library::statistics() const {
    Statistics s;
    if (!open_) return s;
    s.games = allGames(QSqlDatabase::database(connection_));
    for (const GameRow& row : s.games) {
        const std::optional<double> score = scoreOf(row);
        if (row.rating && score) {
            const auto side = static_cast<std::size_t>(sideOf(row.humanSide));
            s.ratings[side].push_back({row.finished, row.rating->rating, row.rating->deviation});
            LevelResults& r = s.byLevel[static_cast<std::size_t>(row.level - 1)][side];
            (*score == 1 ? r.wins : *score == 0 ? r.losses : r.draws) += 1;
        }
        if (row.review) s.reviews.push_back({row.finished, row.review->accuracy, row.review->blunders});
    }
    return s;
}

}  // namespace library
