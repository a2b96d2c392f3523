#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "state/outcome.h"
#include "state/texts.h"

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

// The words of what the game says, in the language chosen. The game names
// its texts and passes its moves as values; only here do they become words:
// the game's Japanese byte for byte (words/japanese.h), or English from the
// translation file.

// A message box's text and title. In Japanese a file's name keeps its bytes,
// whatever they are.
std::string messageWords(const state::Message& m);
std::string titleWords(state::Text title);

// A text of the surface, in Japanese and in English. In English a move's
// text is its Western notation, written whole at the column's place (its
// row and piece places stay empty), the board's rows are letters, the move
// counter reads "Move 12", and a header line the game wrote names its
// player in English.
QString japaneseWords(const state::SurfaceText& t);
QString englishWords(const state::SurfaceText& t);
QString surfaceWords(const state::SurfaceText& t);

// A sentence of the sound layer's (the box it shows when no sound device
// opens), likewise: translated whole, the blanks around it kept.
std::string soundWarningWords(std::string_view japanese);

// A menu caption, a label of the window, or a spoken name, likewise.
QString windowText(const char* context, const QString& japanese);

// Why a game ended, in words: "詰み", "checkmate"; empty for a game that goes on.
QString endReasonWords(state::EndReason reason);

}  // namespace app
