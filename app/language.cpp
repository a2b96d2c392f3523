#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

namespace app {

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

// The surface's texts: the move texts' numbers and pieces, and the labels.
[[maybe_unused]] constexpr const char* kSurfaceTexts[] = {
    QT_TRANSLATE_NOOP("Surface", "１"),    QT_TRANSLATE_NOOP("Surface", "２"),
    QT_TRANSLATE_NOOP("Surface", "３"),    QT_TRANSLATE_NOOP("Surface", "４"),
    QT_TRANSLATE_NOOP("Surface", "５"),    QT_TRANSLATE_NOOP("Surface", "６"),
    QT_TRANSLATE_NOOP("Surface", "７"),    QT_TRANSLATE_NOOP("Surface", "８"),
    QT_TRANSLATE_NOOP("Surface", "９"),    QT_TRANSLATE_NOOP("Surface", "一"),
    QT_TRANSLATE_NOOP("Surface", "二"),    QT_TRANSLATE_NOOP("Surface", "三"),
    QT_TRANSLATE_NOOP("Surface", "四"),    QT_TRANSLATE_NOOP("Surface", "五"),
    QT_TRANSLATE_NOOP("Surface", "六"),    QT_TRANSLATE_NOOP("Surface", "七"),
    QT_TRANSLATE_NOOP("Surface", "八"),    QT_TRANSLATE_NOOP("Surface", "九"),
    QT_TRANSLATE_NOOP("Surface", "歩"),    QT_TRANSLATE_NOOP("Surface", "と"),
    QT_TRANSLATE_NOOP("Surface", "香"),    QT_TRANSLATE_NOOP("Surface", "桂"),
    QT_TRANSLATE_NOOP("Surface", "銀"),    QT_TRANSLATE_NOOP("Surface", "金"),
    QT_TRANSLATE_NOOP("Surface", "飛"),    QT_TRANSLATE_NOOP("Surface", "龍"),
    QT_TRANSLATE_NOOP("Surface", "角"),    QT_TRANSLATE_NOOP("Surface", "馬"),
    QT_TRANSLATE_NOOP("Surface", "鵺王"),  QT_TRANSLATE_NOOP("Surface", "王"),
    QT_TRANSLATE_NOOP("Surface", "手目"),  QT_TRANSLATE_NOOP("Surface", "先手:"),
    QT_TRANSLATE_NOOP("Surface", "後手:"), QT_TRANSLATE_NOOP("Surface", "思考中"),
};

QString message(const QString& japanese) {
    return QCoreApplication::translate("Message", japanese.toUtf8().constData());
}

// A whole text first, then the texts the core builds around a name or a number.
QString patterned(const QString& japanese) {
    const QString whole = message(japanese);
    if (whole != japanese) return whole;
    struct Pattern {
        const char* source;
        const char* expression;
    };
    static const Pattern patterns[] = {
        {"%1：%2行目が正しくありません", "^(.*)：(\\d+)行目が正しくありません$"},
        {"%1：読み込めません", "^(.*)：読み込めません$"},
        {"保存できませんでした：%1", "^保存できませんでした：(.*)$"},
        {"%1の勝ちです", "^(.*)の勝ちです$"},
    };
    for (const Pattern& p : patterns) {
        const QRegularExpressionMatch m = QRegularExpression(QString::fromUtf8(p.expression)).match(japanese);
        if (!m.hasMatch()) continue;
        QString text = QCoreApplication::translate("Message", p.source);
        for (int i = 1; i <= m.lastCapturedIndex(); ++i) text = text.arg(message(m.captured(i)));
        return text;
    }
    return japanese;
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

std::string messageText(std::string_view japanese) {
    if (!inEnglish()) return std::string(japanese);
    const QString text = QString::fromUtf8(japanese.data(), static_cast<qsizetype>(japanese.size()));
    const QString core = text.trimmed();
    if (core.isEmpty()) return std::string(japanese);
    const qsizetype lead = text.indexOf(core);
    return (text.left(lead) + patterned(core) + text.mid(lead + core.size())).toStdString();
}

QString surfaceText(const QString& japanese) {
    if (!inEnglish()) return japanese;
    const QString core = japanese.trimmed();
    if (core.isEmpty()) return japanese;
    const qsizetype lead = japanese.indexOf(core);
    return japanese.left(lead) + QCoreApplication::translate("Surface", core.toUtf8().constData()) +
           japanese.mid(lead + core.size());
}

QString windowText(const char* context, const QString& japanese) {
    if (!inEnglish()) return japanese;
    return QCoreApplication::translate(context, japanese.toUtf8().constData());
}

}  // namespace app
