#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QCoreApplication;
class QTranslator;

namespace app {

// The window speaks Japanese, as the game always has, or English.
enum class Language { Japanese, English };

// The language the game starts in: "--lang en" or "--lang ja" on the
// command line; else English when the first of LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG that is set begins with "en"; else Japanese.
// `env` reads a variable (empty when unset).
Language startLanguage(const QStringList& arguments, const std::function<QString(const char*)>& env);

// The application's translators: Qt's own Japanese button texts (はい,
// いいえ) for Japanese, the game's English and none of Qt's for English.
// The application owns it; whoever shows texts asks to be told of a change.
class Translators : public QObject {
public:
    explicit Translators(QCoreApplication& application);
    // The application's translators, or null when none were made (Japanese then).
    static Translators* of();

    Language language() const { return language_; }
    void use(Language language);
    void onChanged(std::function<void()> f) { listeners_.push_back(std::move(f)); }

private:
    QTranslator* qtJapanese_ = nullptr;  // owned by this object
    QTranslator* english_ = nullptr;
    Language language_ = Language::Japanese;
    std::vector<std::function<void()>> listeners_;
};

bool inEnglish();

// A message box's text or title as the player reads it: the game's
// Japanese byte for byte (a file's name included, whatever its bytes), or
// its English, the blanks around it kept.
std::string messageText(std::string_view japanese);
// A text the game prints on its surface, likewise: in English the move
// texts beside the board and the board's row and column numbers in Western
// notation (７ 六 歩 becomes 7 f P), and the labels around them.
QString surfaceText(const QString& japanese);
// A menu caption, a label of the window, or a spoken name, likewise.
QString windowText(const char* context, const QString& japanese);

}  // namespace app
