#include "app/keeping/player_settings.h"

#include <QDateTime>
#include <QFile>
#include <QSettings>

#include "search/levels.h"

namespace app {

namespace {

constexpr const char* kLanguage = "language";
constexpr const char* kLevel = "level";
constexpr const char* kTeaching = "teaching";
constexpr const char* kInfluence = "influence";
constexpr const char* kFewerInterruptions = "fewer-interruptions";
constexpr const char* kAdaptiveLevel = "adaptive-level";
constexpr const char* kMusic = "music";
constexpr const char* kPieces = "pieces";
constexpr const char* kGeometry = "window/geometry";
constexpr const char* kFolder = "records/folder";
constexpr const char* kUpperClock = "clock/upper";
constexpr const char* kLowerClock = "clock/lower";

// A window smaller than this was never one the player made.
constexpr int kSmallestSide = 100;

}  // namespace

QString setAsideDamaged(const QString& path) {
    const QString stem = path + ".damaged-" + QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss");
    QString name = stem;
    for (int n = 2; QFile::exists(name); ++n) name = stem + "-" + QString::number(n);
    return QFile::rename(path, name) ? name : QString();
}

PlayerSettings::PlayerSettings(const QString& file) {
    if (file.isEmpty()) return;
    settings_ = std::make_unique<QSettings>(file, QSettings::IniFormat);
    if (settings_->status() == QSettings::NoError) return;
    // Read again from nothing once the file is out of the way; if it cannot
    // be moved, nothing is written over it either.
    settings_.reset();
    setAside_ = setAsideDamaged(file);
    if (!setAside_.isEmpty()) settings_ = std::make_unique<QSettings>(file, QSettings::IniFormat);
}

PlayerSettings::~PlayerSettings() = default;

std::optional<bool> PlayerSettings::flag(const char* key) const {
    if (!settings_) return std::nullopt;
    const QString v = settings_->value(key).toString();
    if (v == "true") return true;
    if (v == "false") return false;
    return std::nullopt;
}

std::optional<Language> PlayerSettings::language() const {
    if (!settings_) return std::nullopt;
    const QString v = settings_->value(kLanguage).toString();
    if (v == "en") return Language::English;
    if (v == "ja") return Language::Japanese;
    return std::nullopt;
}

std::optional<int> PlayerSettings::level() const {
    if (!settings_) return std::nullopt;
    bool ok = false;
    const int v = settings_->value(kLevel).toInt(&ok);
    if (!ok || v < 1 || v > search::kStrongestLevel) return std::nullopt;
    return v;
}

std::optional<bool> PlayerSettings::teaching() const { return flag(kTeaching); }
std::optional<bool> PlayerSettings::influence() const { return flag(kInfluence); }
std::optional<bool> PlayerSettings::fewerInterruptions() const { return flag(kFewerInterruptions); }
std::optional<bool> PlayerSettings::adaptiveLevel() const { return flag(kAdaptiveLevel); }
std::optional<bool> PlayerSettings::music() const { return flag(kMusic); }

std::optional<PieceSet> PlayerSettings::pieces() const {
    if (!settings_) return std::nullopt;
    return pieceSetNamed(settings_->value(kPieces).toString());
}

std::optional<QRect> PlayerSettings::geometry() const {
    if (!settings_) return std::nullopt;
    const QRect r = settings_->value(kGeometry).toRect();
    if (r.width() < kSmallestSide || r.height() < kSmallestSide) return std::nullopt;
    return r;
}

QString PlayerSettings::folder() const {
    return settings_ ? settings_->value(kFolder).toString() : QString();
}

void PlayerSettings::put(const char* key, const QVariant& value) {
    if (!settings_ || settings_->value(key) == value) return;
    settings_->setValue(key, value);
    settings_->sync();  // now: a process killed later keeps it
}

void PlayerSettings::setLanguage(Language language) {
    put(kLanguage, language == Language::English ? "en" : "ja");
}

void PlayerSettings::setOptions(int level, bool teaching, bool music) {
    put(kLevel, level);
    put(kTeaching, teaching);
    put(kMusic, music);
}

void PlayerSettings::setInfluence(bool on) { put(kInfluence, on); }
void PlayerSettings::setFewerInterruptions(bool on) { put(kFewerInterruptions, on); }
void PlayerSettings::setAdaptiveLevel(bool on) { put(kAdaptiveLevel, on); }

void PlayerSettings::setPieces(PieceSet set) {
    for (const PieceSetInfo& info : kPieceSets)
        if (info.set == set) put(kPieces, QString::fromLatin1(info.name));
}

void PlayerSettings::setGeometry(const QRect& frame) { put(kGeometry, frame); }

void PlayerSettings::setFolder(const QString& folder) { put(kFolder, folder); }

std::optional<state::TimeControl> PlayerSettings::clock(int side) const {
    if (!settings_) return std::nullopt;
    return state::timeControlNamed(
        settings_->value(side > 0 ? kUpperClock : kLowerClock).toString().toStdString());
}

void PlayerSettings::setClock(int side, const state::TimeControl& control) {
    put(side > 0 ? kUpperClock : kLowerClock, QString::fromStdString(state::timeControlName(control)));
}

}  // namespace app
