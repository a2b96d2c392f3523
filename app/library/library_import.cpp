// The games folder read into the library: every record file the table does
// not hold yet, oldest first, in one transaction.
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSqlQuery>

#include "app/library/library.h"
#include "record/kifu_format.h"
#include "record/record_facts.h"

namespace library {

namespace {

// As the game keeper names its records: the date and time of the end
// (2024-05-01_09-05-03.棋譜), "_中断" for a game replaced while it ran.
constexpr const char* kStampFormat = "yyyy-MM-dd_HH-mm-ss";
constexpr const char* kUnfinished = "_中断";
constexpr const char* kExtension = "*.棋譜";

QDateTime finishedOf(const QFileInfo& file) {
    const QDateTime stamp = QDateTime::fromString(file.completeBaseName().left(19), kStampFormat);
    return stamp.isValid() ? stamp : file.lastModified();
}

QSet<QString> knownFiles(const QSqlDatabase& db) {
    QSet<QString> known;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (q.exec("SELECT record_file FROM games"))
        while (q.next()) known.insert(q.value(0).toString());
    return known;
}

}  // namespace

bool Library::importGames() {
    if (gamesFolder_.isEmpty()) return true;
    QSqlDatabase db = QSqlDatabase::database(connection_);
    const QSet<QString> known = knownFiles(db);
    const QDir folder(gamesFolder_);
    // The names begin with the date and time: in order of name, oldest first.
    const QStringList names = folder.entryList({kExtension}, QDir::Files, QDir::Name);
    bool begun = false;
    for (const QString& name : names) {
        const QFileInfo file(folder.filePath(name));
        if (known.contains(file.filePath())) continue;
        const record::ReadResult read = record::readKifuFile(file.filePath().toStdString());
        const auto* kifu = std::get_if<record::Kifu>(&read);
        const std::optional<record::RecordFacts> facts =
            kifu ? record::棋譜の事実(*kifu, !name.contains(kUnfinished)) : std::nullopt;
        if (!facts) continue;  // not a game the library can tell anything of
        if (!begun && !(begun = db.transaction())) return fail(gamesFolder_);
        if (!insertRow(rowOf(*facts, finishedOf(file), file.filePath(), QString()), false)) {
            db.rollback();
            return fail(file.filePath());
        }
    }
    return !begun || db.commit() || fail(gamesFolder_);
}

}  // namespace library
