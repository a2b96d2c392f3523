#pragma once

#include <QRect>
#include <QString>

#include <memory>
#include <optional>

#include "app/board/piece_sets.h"
#include "app/language/language.h"
#include "state/clock.h"

class QSettings;

namespace app {

// What the game remembers of its player between runs, in one settings file
// (INI, written through a temporary file by QSettings): the language, the
// computer's level, 移動指導 and 勢力表示, the music, the piece set, the
// time controls of the next game (each side's, as rules::timeControlName
// words them), the
// window's place and size, and the folder the file panel last showed. A file
// that cannot be read is set aside under a new name and the defaults are
// used; a value that is not right is that setting's default. An empty file
// name remembers nothing.
class PlayerSettings {
public:
    explicit PlayerSettings(const QString& file);
    ~PlayerSettings();
    PlayerSettings(const PlayerSettings&) = delete;
    PlayerSettings& operator=(const PlayerSettings&) = delete;

    // The new name of a damaged file set aside as the settings were read;
    // empty when none was.
    QString setAside() const { return setAside_; }

    std::optional<Language> language() const;
    std::optional<int> level() const;
    std::optional<bool> teaching() const;
    std::optional<bool> influence() const;
    std::optional<bool> fewerInterruptions() const;
    std::optional<bool> adaptiveLevel() const;
    std::optional<bool> music() const;
    std::optional<PieceSet> pieces() const;
    std::optional<QRect> geometry() const;
    QString folder() const;
    // The time control of a side's clock (+1 upper, -1 lower).
    std::optional<state::TimeControl> clock(int side) const;

    void setLanguage(Language language);
    void setOptions(int level, bool teaching, bool music);
    void setInfluence(bool on);
    void setFewerInterruptions(bool on);
    void setAdaptiveLevel(bool on);
    void setPieces(PieceSet set);
    void setGeometry(const QRect& frame);
    void setFolder(const QString& folder);
    void setClock(int side, const state::TimeControl& control);

private:
    std::optional<bool> flag(const char* key) const;
    void put(const char* key, const QVariant& value);

    std::unique_ptr<QSettings> settings_;
    QString setAside_;
};

// Renames a damaged file so that nothing writes over it: "<name>.damaged-
// <date and time>", with a number added when that is taken. Answers the new
// name, or an empty string when it could not be renamed.
QString setAsideDamaged(const QString& path);

}  // namespace app
