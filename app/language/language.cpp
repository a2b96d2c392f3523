#include "app/language/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "record/notation.h"
#include "words/japanese.h"

namespace app {

using namespace state;

namespace {

constexpr const char* kTranslatorsName = "nuedori-translators";

// The message boxes' texts and titles. The game's core writes them; they
// are listed here so the translation tools know them.
[[maybe_unused]] constexpr const char* kMessages[] = {
    QT_TRANSLATE_NOOP("Message", "「対局」で始めて下さい"),
    QT_TRANSLATE_NOOP("Message", "開始"),
    QT_TRANSLATE_NOOP("Message", "2手目移動中はできません！"),
    QT_TRANSLATE_NOOP("Message", "2手目移動中"),
    QT_TRANSLATE_NOOP("Message", "先手の番です"),
    QT_TRANSLATE_NOOP("Message", "後手の番です"),
    QT_TRANSLATE_NOOP("Message", "MANの番です"),
    QT_TRANSLATE_NOOP("Message", "COMの番です"),
    QT_TRANSLATE_NOOP("Message", "OKですか？"),
    QT_TRANSLATE_NOOP("Message", "再開(COM)"),
    QT_TRANSLATE_NOOP("Message", "対局"),
    QT_TRANSLATE_NOOP("Message", "棋譜"),
    QT_TRANSLATE_NOOP("Message", "棋譜保存"),
    QT_TRANSLATE_NOOP("Message", "棋譜書込"),
    QT_TRANSLATE_NOOP("Message", "投了"),
    QT_TRANSLATE_NOOP("Message", "投了しますか？"),
    QT_TRANSLATE_NOOP("Message", "終了"),
    QT_TRANSLATE_NOOP("Message", "続けますか？"),
    QT_TRANSLATE_NOOP("Message", "再ゲーム"),
    QT_TRANSLATE_NOOP("Message", "引き分けです"),
    QT_TRANSLATE_NOOP("Message", "詰め ?"),
    QT_TRANSLATE_NOOP("Message", "よし！!"),
    QT_TRANSLATE_NOOP("Message", "二手移動"),
    QT_TRANSLATE_NOOP("Message", "二手目、移動します"),
    QT_TRANSLATE_NOOP("Message", "** 王手 **"),
    QT_TRANSLATE_NOOP("Message", "棋譜を '進 'で進めて下さい"),
    QT_TRANSLATE_NOOP("Message", "できません"),
    QT_TRANSLATE_NOOP("Message", "進む"),
    QT_TRANSLATE_NOOP("Message", "戻る"),
    QT_TRANSLATE_NOOP("Message", "終わり"),
    QT_TRANSLATE_NOOP("Message", "反転"),
    QT_TRANSLATE_NOOP("Message", "ヒント"),
    QT_TRANSLATE_NOOP("Message", "その他"),
    QT_TRANSLATE_NOOP("Message", "指せる手がありません"),
    QT_TRANSLATE_NOOP("Message", "ﾌｧｲﾙ名が入力されていません"),
    QT_TRANSLATE_NOOP("Message", "ﾃﾞﾊﾞｲｽが準備できていません"),
    QT_TRANSLATE_NOOP("Message", "ｴﾗｰ"),
    QT_TRANSLATE_NOOP("Message", "禁手：先鵺子(せんしし)"),
    QT_TRANSLATE_NOOP("Message", "すぐに鵺子を取り返せません"),
    QT_TRANSLATE_NOOP("Message", "そこへ移動できません！"),
    QT_TRANSLATE_NOOP("Message", "マウスの右をクリックして下さい"),
    QT_TRANSLATE_NOOP("Message", "成り"),
    QT_TRANSLATE_NOOP("Message", "棋譜ﾓｰﾄﾞではできません"),
    QT_TRANSLATE_NOOP("Message", "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"),
    QT_TRANSLATE_NOOP("Message", "棋譜を書き込みました"),
    QT_TRANSLATE_NOOP("Message", "反転後は書き込みできません"),
    QT_TRANSLATE_NOOP("Message", "保存するデータがありません"),
    QT_TRANSLATE_NOOP("Message", "ファイル名に「/」は使えません"),
    QT_TRANSLATE_NOOP("Message", "読み込みました"),
    QT_TRANSLATE_NOOP("Message", "Direct Soundインターフェースが作成できません。"),
    QT_TRANSLATE_NOOP("Message", "%1：読み込めません"),
    QT_TRANSLATE_NOOP("Message", "%1：%2行目が正しくありません"),
    QT_TRANSLATE_NOOP("Message", "保存できませんでした：%1"),
    QT_TRANSLATE_NOOP("Message", "%1の勝ちです"),
    QT_TRANSLATE_NOOP("Message", "あなたの勝ちです"),
    QT_TRANSLATE_NOOP("Message", "ｺﾝﾋﾟｭｰﾀの勝ちです"),
    QT_TRANSLATE_NOOP("Message", "先手の勝ちです"),
    QT_TRANSLATE_NOOP("Message", "後手の勝ちです"),
    QT_TRANSLATE_NOOP("Message", "あなた"),
    QT_TRANSLATE_NOOP("Message", "ｺﾝﾋﾟｭｰﾀ"),
    QT_TRANSLATE_NOOP("Message", "先手"),
    QT_TRANSLATE_NOOP("Message", "後手"),
};

// The surface's labels and the words the window puts around the game's facts.
// The file panel's label and button, and the hint's lead.
[[maybe_unused]] constexpr const char* kWindowTexts[] = {
    QT_TRANSLATE_NOOP("Window", "ﾌｧｲﾙ名 ："),
    QT_TRANSLATE_NOOP("Window", "RETURN"),
    QT_TRANSLATE_NOOP("Window", "ヒント："),
};

[[maybe_unused]] constexpr const char* kSurfaceTexts[] = {
    QT_TRANSLATE_NOOP("Surface", "先手:"),
    QT_TRANSLATE_NOOP("Surface", "後手:"),
    QT_TRANSLATE_NOOP("Surface", "MAN:"),
    QT_TRANSLATE_NOOP("Surface", "COM:"),
    QT_TRANSLATE_NOOP("Surface", "LEVEL"),
    QT_TRANSLATE_NOOP("Surface", "思考中"),
    QT_TRANSLATE_NOOP("Surface", "%1手目"),
    QT_TRANSLATE_NOOP("Surface", "先手：%1"),
    QT_TRANSLATE_NOOP("Surface", "後手：%1"),
    QT_TRANSLATE_NOOP("Surface", "人間"),
    QT_TRANSLATE_NOOP("Surface", "コンピュータ %1"),
};

QString translated(const char* context, std::string_view japanese) {
    const std::string source(japanese);
    return QCoreApplication::translate(context, source.c_str());
}

// A text translated with the blanks around it kept: " 思考中" reads " thinking".
QString keepingBlanks(const char* context, std::string_view japanese) {
    const QString text = QString::fromUtf8(japanese.data(), static_cast<qsizetype>(japanese.size()));
    const QString core = text.trimmed();
    if (core.isEmpty()) return text;
    const qsizetype lead = text.indexOf(core);
    return text.left(lead) + QCoreApplication::translate(context, core.toUtf8().constData()) +
           text.mid(lead + core.size());
}

// A win is told as a whole sentence ("You win", "The computer wins"), for
// "%1の勝ちです" with "You" put in would not agree; a winner with no sentence
// of its own is put into the template.
QString wonInEnglish(const state::Message& m) {
    const QString whole = translated("Message", words::日本語(m));
    if (whole != QString::fromStdString(words::日本語(m))) return whole;
    return keepingBlanks("Message", words::原文(m.text)).arg(translated("Message", words::原文(m.who)));
}

QString englishMessage(const state::Message& m) {
    using state::Text;
    const QString text = keepingBlanks("Message", words::原文(m.text));
    switch (m.text) {
        case Text::Won: return wonInEnglish(m);
        case Text::CannotRead:
        case Text::SaveFailed:
        case Text::Version: return text.arg(QString::fromStdString(m.name));
        case Text::BadLine: return text.arg(QString::fromStdString(m.name)).arg(m.number);
        default: return text;
    }
}

// The players a header line of the game's own names.
QString englishPlayer(const state::SurfaceText& t) {
    const QString player =
        t.computerLevel == 0 ? QCoreApplication::translate("Surface", "人間")
                             : QCoreApplication::translate("Surface", "コンピュータ %1").arg(t.computerLevel);
    return (t.value == 1 ? QCoreApplication::translate("Surface", "先手：%1")
                         : QCoreApplication::translate("Surface", "後手：%1"))
        .arg(player);
}

}  // namespace

Language startLanguage(const QStringList& arguments, const std::function<QString(const char*)>& env) {
    const qsizetype at = arguments.indexOf("--lang");
    if (at >= 0 && at + 1 < arguments.size()) {
        if (arguments[at + 1] == "en") return Language::English;
        if (arguments[at + 1] == "ja") return Language::Japanese;
    }
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = env(name);
        if (value.isEmpty()) continue;
        return value.startsWith("en") ? Language::English : Language::Japanese;
    }
    return Language::Japanese;
}

Translators::Translators(QCoreApplication& application) : QObject(&application) {
    setObjectName(kTranslatorsName);
    qtJapanese_ = new QTranslator(this);
    if (!qtJapanese_->load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qtJapanese_;
        qtJapanese_ = nullptr;
    }
    english_ = new QTranslator(this);
    if (!english_->load(":/i18n/nuedori_en.qm")) {
        delete english_;
        english_ = nullptr;
    }
    if (qtJapanese_) QCoreApplication::installTranslator(qtJapanese_);
}

Translators* Translators::of() {
    QCoreApplication* application = QCoreApplication::instance();
    return application ? application->findChild<Translators*>(kTranslatorsName, Qt::FindDirectChildrenOnly)
                       : nullptr;
}

void Translators::use(Language language) {
    if (language == language_) return;
    language_ = language;
    const bool english = language == Language::English;
    if (qtJapanese_) {
        if (english)
            QCoreApplication::removeTranslator(qtJapanese_);
        else
            QCoreApplication::installTranslator(qtJapanese_);
    }
    if (english_) {
        if (english)
            QCoreApplication::installTranslator(english_);
        else
            QCoreApplication::removeTranslator(english_);
    }
    for (const auto& told : listeners_) told();
}

bool inEnglish() {
    const Translators* t = Translators::of();
    return t && t->language() == Language::English;
}

std::string messageWords(const state::Message& m) {
    if (!inEnglish()) return words::日本語(m);
    return englishMessage(m).toStdString();
}

std::string titleWords(state::Text title) {
    if (!inEnglish()) return std::string(words::原文(title));
    return keepingBlanks("Message", words::原文(title)).toStdString();
}

QString japaneseWords(const state::SurfaceText& t) { return QString::fromStdString(words::日本語(t)); }

QString englishWords(const state::SurfaceText& t) {
    using Kind = state::SurfaceText::Kind;
    switch (t.kind) {
        case Kind::Label: return keepingBlanks("Surface", words::原文(t.text));
        case Kind::Number: return QString::number(t.value);
        case Kind::RowNumeral:
            return t.value >= 1 && t.value <= 9 ? QString(QChar('a' + t.value - 1)) : QString();
        case Kind::MoveCount: return QString();  // the unit says it: "Move 12"
        case Kind::MoveCountUnit: return QCoreApplication::translate("Surface", "%1手目").arg(t.value);
        case Kind::MoveColumn:
            return QString::fromStdString(record::指し手表記(t.move, record::Notation::Western));
        case Kind::MoveRow:
        case Kind::MovePiece: return QString();  // the column's place holds the whole move
        case Kind::HeaderLine: return t.namesPlayer ? englishPlayer(t) : japaneseWords(t);
    }
    return {};
}

QString surfaceWords(const state::SurfaceText& t) { return inEnglish() ? englishWords(t) : japaneseWords(t); }

std::string soundWarningWords(std::string_view japanese) {
    if (!inEnglish()) return std::string(japanese);
    return keepingBlanks("Message", japanese).toStdString();
}

QString windowText(const char* context, const QString& japanese) {
    if (!inEnglish()) return japanese;
    return QCoreApplication::translate(context, japanese.toUtf8().constData());
}

QString endReasonWords(state::EndReason reason) {
    const char* words = "";
    switch (reason) {
        case state::EndReason::Resignation: words = QT_TRANSLATE_NOOP("Outcome", "投了"); break;
        case state::EndReason::OutOfTime: words = QT_TRANSLATE_NOOP("Outcome", "時間切れ"); break;
        case state::EndReason::RoyalTaken: words = QT_TRANSLATE_NOOP("Outcome", "王を取った"); break;
        case state::EndReason::MateAsked: words = QT_TRANSLATE_NOOP("Outcome", "詰み"); break;
        case state::EndReason::NoLegalMove: words = QT_TRANSLATE_NOOP("Outcome", "指せる手がない"); break;
        case state::EndReason::RecordFull: words = QT_TRANSLATE_NOOP("Outcome", "五百手"); break;
        case state::EndReason::Untold: words = QT_TRANSLATE_NOOP("Outcome", "投了か時間切れ"); break;
        case state::EndReason::None: return {};
    }
    return QCoreApplication::translate("Outcome", words);
}

}  // namespace app
