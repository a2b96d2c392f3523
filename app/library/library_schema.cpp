#include "app/library/library_schema.h"

#include <QDateTime>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace library {

namespace {

constexpr const char* kVersion = "1";

constexpr const char* kColumns =
    "id, finished, kind, level, human_side, result, reason, moves, record_file, clock, accuracy, "
    "inaccuracies, mistakes, blunders, rating, deviation, volatility";

constexpr const char* kCreate[] = {
    "CREATE TABLE meta (key TEXT PRIMARY KEY, value TEXT NOT NULL)",
    "CREATE TABLE games (id INTEGER PRIMARY KEY, finished TEXT NOT NULL, kind TEXT NOT NULL, level INTEGER, "
    "human_side TEXT NOT NULL, result TEXT NOT NULL, reason TEXT NOT NULL, moves INTEGER NOT NULL, "
    "record_file TEXT NOT NULL UNIQUE, clock TEXT NOT NULL, accuracy REAL, inaccuracies INTEGER, "
    "mistakes INTEGER, blunders INTEGER, rating REAL, deviation REAL, volatility REAL)",
    // The player's rating of a side is read from its last rated game.
    "CREATE INDEX games_rated ON games (human_side, id) WHERE rating IS NOT NULL",
};

bool exec(QSqlDatabase& db, const QString& sql) {
    QSqlQuery q(db);
    return q.exec(sql);
}

bool create(QSqlDatabase& db) {
    if (!db.transaction()) return false;
    for (const char* sql : kCreate)
        if (!exec(db, sql)) {
            db.rollback();
            return false;
        }
    return writeMeta(db, "version", kVersion) && db.commit();
}

QVariant orNull(bool has, const QVariant& v) { return has ? v : QVariant(); }

GameRow rowAt(const QSqlQuery& q) {
    GameRow row;
    row.id = q.value(0).toLongLong();
    row.finished = QDateTime::fromString(q.value(1).toString(), Qt::ISODate);
    row.kind = kindNamed(q.value(2).toString()).value_or(Kind::TwoPlayers);
    row.level = q.value(3).toInt();
    row.humanSide = sideNamed(q.value(4).toString()).value_or(HumanSide::Both);
    row.result = resultNamed(q.value(5).toString()).value_or(Result::Unfinished);
    row.reason = reasonNamed(q.value(6).toString());
    row.moves = q.value(7).toInt();
    row.recordFile = q.value(8).toString();
    row.clock = q.value(9).toString();
    if (!q.isNull(10))
        row.review = ReviewFigures{q.value(10).toDouble(), q.value(11).toInt(), q.value(12).toInt(),
                                   q.value(13).toInt()};
    if (!q.isNull(14))
        row.rating = rating::Rating{q.value(14).toDouble(), q.value(15).toDouble(), q.value(16).toDouble()};
    return row;
}

}  // namespace

bool schemaReady(QSqlDatabase& db) {
    QSqlQuery check(db);
    // A file that is not a database opens, and fails its first query.
    if (!check.exec("PRAGMA quick_check") || !check.next() || check.value(0).toString() != "ok") return false;
    check.finish();
    // A write-ahead log, pushed to the disk at every commit: a game's row
    // and rating took about 0.14 ms here (bench/library).
    exec(db, "PRAGMA journal_mode = WAL");
    exec(db, "PRAGMA synchronous = FULL");
    if (db.tables().isEmpty()) return create(db);
    QSqlQuery columns(db);
    return readMeta(db, "version") == kVersion &&
           columns.exec(QString("SELECT %1 FROM games LIMIT 0").arg(kColumns));
}

QString setAsideDatabase(const QString& file) {
    const QString stem = file + ".damaged-" + QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss");
    QString name = stem;
    for (int n = 2; QFile::exists(name); ++n) name = stem + "-" + QString::number(n);
    if (!QFile::exists(file) || !QFile::rename(file, name)) return {};
    for (const char* journal : {"-wal", "-shm", "-journal"})
        if (QFile::exists(file + journal)) QFile::rename(file + journal, name + journal);
    return name;
}

bool writeMeta(QSqlDatabase& db, const QString& key, const QString& value) {
    QSqlQuery q(db);
    q.prepare(
        "INSERT INTO meta (key, value) VALUES (?, ?) ON CONFLICT (key) DO UPDATE SET value = excluded.value");
    q.addBindValue(key);
    q.addBindValue(value);
    return q.exec();
}

QString readMeta(const QSqlDatabase& db, const QString& key) {
    QSqlQuery q(db);
    q.prepare("SELECT value FROM meta WHERE key = ?");
    q.addBindValue(key);
    return q.exec() && q.next() ? q.value(0).toString() : QString();
}

QString textOf(const QString& s) { return s.isNull() ? QString("") : s; }

QString adaptiveText(const rating::AdaptiveLevel& a) { return QString("%1 %2").arg(a.level).arg(a.run); }

rating::AdaptiveLevel adaptiveNamed(const QString& text) {
    const QStringList words = text.split(' ');
    rating::AdaptiveLevel a;
    bool levelRead = false, runRead = false;
    if (words.size() != 2) return a;
    const int level = words[0].toInt(&levelRead), run = words[1].toInt(&runRead);
    if (!levelRead || !runRead || level < rating::kFirstLevel || level > rating::kLastLevel || run < -1 ||
        run > 1)
        return a;
    return {level, run};
}

bool insertGame(QSqlDatabase& db, const GameRow& row) {
    QSqlQuery q(db);
    q.prepare(
        "INSERT INTO games (finished, kind, level, human_side, result, reason, moves, record_file, clock, "
        "accuracy, inaccuracies, mistakes, blunders, rating, deviation, volatility) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const ReviewFigures review = row.review.value_or(ReviewFigures{});
    const rating::Rating r = row.rating.value_or(rating::Rating{});
    const bool reviewed = row.review.has_value(), rated = row.rating.has_value();
    for (const QVariant& v :
         {QVariant(row.finished.toString(Qt::ISODate)), QVariant(kindName(row.kind)),
          orNull(row.kind == Kind::Computer, row.level), QVariant(sideName(row.humanSide)),
          QVariant(resultName(row.result)), QVariant(reasonName(row.reason)), QVariant(row.moves),
          QVariant(row.recordFile), QVariant(textOf(row.clock)), orNull(reviewed, review.accuracy),
          orNull(reviewed, review.inaccuracies), orNull(reviewed, review.mistakes),
          orNull(reviewed, review.blunders), orNull(rated, r.rating), orNull(rated, r.deviation),
          orNull(rated, r.volatility)})
        q.addBindValue(v);
    return q.exec();
}

std::optional<GameRow> gameNamed(const QSqlDatabase& db, const QString& recordFile) {
    QSqlQuery q(db);
    q.prepare(QString("SELECT %1 FROM games WHERE record_file = ?").arg(kColumns));
    q.addBindValue(recordFile);
    if (!q.exec() || !q.next()) return std::nullopt;
    return rowAt(q);
}

std::vector<GameRow> allGames(const QSqlDatabase& db) {
    std::vector<GameRow> rows;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QString("SELECT %1 FROM games ORDER BY id").arg(kColumns))) return rows;
    while (q.next()) rows.push_back(rowAt(q));
    return rows;
}

}  // namespace library
