#include "app/exchange/exchange_words.h"

#include <QCoreApplication>
#include <QStringList>

#include "app/language/language.h"
#include "record/notation.h"
#include "state/pieces.h"

namespace app {

namespace {

QString rankWords(int rank) {
    return inEnglish() ? QString(QChar('a' + rank - 1)) : QString::fromUtf8(record::漢数字(rank).data());
}

QString boardWords(const record::PositionError& e) {
    using R = record::PositionRefusal;
    const QString letter = QString(QChar(e.letter));
    switch (e.refusal) {
        case R::RankCount:
            return QCoreApplication::translate("Exchange", "盤の段が %1 段あります（9 段です）").arg(e.count);
        case R::RankLength:
            return QCoreApplication::translate("Exchange", "%1段目が %2 マスあります（9 マスです）")
                .arg(rankWords(e.rank))
                .arg(e.count);
        case R::UnknownLetter:
            return QCoreApplication::translate("Exchange", "%1段目の「%2」は駒の文字ではありません")
                .arg(rankWords(e.rank), letter);
        case R::CannotPromote:
            if (e.letter == '+')
                return QCoreApplication::translate("Exchange", "%1段目の + の後に駒がありません")
                    .arg(rankWords(e.rank));
            return QCoreApplication::translate("Exchange", "%1段目の「+%2」：その駒は成れません")
                .arg(rankWords(e.rank), letter);
        default: return QCoreApplication::translate("Exchange", "盤の書き方が正しくありません");
    }
}

QString fieldWords(record::PositionField f) {
    switch (f) {
        case record::PositionField::Board: return QCoreApplication::translate("Exchange", "盤");
        case record::PositionField::Side: return QCoreApplication::translate("Exchange", "手番");
        case record::PositionField::Hands: return QCoreApplication::translate("Exchange", "持ち駒");
        case record::PositionField::MoveNumber: return QCoreApplication::translate("Exchange", "手数");
    }
    return {};
}

}  // namespace

QString positionRefusalWords(const record::PositionError& e) {
    using R = record::PositionRefusal;
    switch (e.refusal) {
        case R::MissingField:
            return QCoreApplication::translate("Exchange", "%1がありません").arg(fieldWords(e.field));
        case R::ExtraField: return QCoreApplication::translate("Exchange", "手数の後に余分な文字があります");
        case R::UnknownSide: return QCoreApplication::translate("Exchange", "手番は b か w です");
        case R::PiecesInHand:
            return QCoreApplication::translate("Exchange",
                                               "持ち駒は - です（このゲームに持ち駒はありません）");
        case R::NotANumber: return QCoreApplication::translate("Exchange", "手数が数ではありません");
        case R::NumberOutOfRange: return QCoreApplication::translate("Exchange", "手数は 1 から 500 です");
        default: return boardWords(e);
    }
}

QString moveRefusalWords(record::TokenRefusal r) {
    using R = record::TokenRefusal;
    switch (r) {
        case R::NoLegalMove: return QCoreApplication::translate("Exchange", "手番の側に指せる手がありません");
        case R::NoPiece: return QCoreApplication::translate("Exchange", "移動元に手番の側の駒がありません");
        case R::NotNueKing: return QCoreApplication::translate("Exchange", "二手で動けるのは鵺王だけです");
        case R::CannotReach: return QCoreApplication::translate("Exchange", "その駒はそこへ動けません");
        case R::MustPromote: return QCoreApplication::translate("Exchange", "そこでは成らなければなりません");
        case R::CannotPromote: return QCoreApplication::translate("Exchange", "その手では成れません");
        default: return QCoreApplication::translate("Exchange", "指し手の書き方が正しくありません");
    }
}

QString kifRefusalWords(const record::KifError& e) {
    using R = record::KifRefusal;
    QString why;
    switch (e.refusal) {
        case R::Unreadable: return QCoreApplication::translate("Exchange", "読み込めません");
        case R::Encoding:
            why = QCoreApplication::translate("Exchange", "UTF-8 でも Shift_JIS でもありません");
            break;
        case R::UnknownLine:
            why = QCoreApplication::translate("Exchange", "KIF の棋譜の行ではありません");
            break;
        case R::UnknownHeader:
            why = QCoreApplication::translate("Exchange", "このゲームの知らない見出しです");
            break;
        case R::RepeatedHeader:
            why = QCoreApplication::translate("Exchange", "同じ見出しが二度あります");
            break;
        case R::Handicap: why = QCoreApplication::translate("Exchange", "手合割は「その他」です"); break;
        case R::Variant: why = QCoreApplication::translate("Exchange", "変則は「鵺王」です"); break;
        case R::TimeControl:
            why = QCoreApplication::translate("Exchange", "このゲームの持ち時間ではありません");
            break;
        case R::PiecesInHand:
            why = QCoreApplication::translate("Exchange", "このゲームに持駒はありません");
            break;
        case R::Board: why = QCoreApplication::translate("Exchange", "盤面図の行が正しくありません"); break;
        case R::NoBoard:
            why = QCoreApplication::translate("Exchange", "指し手の前に盤面図がありません");
            break;
        case R::MoveNumber:
            why = QCoreApplication::translate("Exchange", "次の手の番号ではありません");
            break;
        case R::MoveText:
            why = QCoreApplication::translate("Exchange", "KIF の指し手として読めません");
            break;
        case R::WrongPiece:
            why = QCoreApplication::translate("Exchange", "移動元にその駒がありません");
            break;
        case R::IllegalMove:
            why = QCoreApplication::translate("Exchange", "指せない手です：%1").arg(moveRefusalWords(e.move));
            break;
        case R::RecordFull:
            why = QCoreApplication::translate("Exchange", "棋譜に入りきらない数の手があります");
            break;
        case R::AfterEnd: why = QCoreApplication::translate("Exchange", "終局の後に手があります"); break;
        case R::EndLine:
            why = QCoreApplication::translate("Exchange", "終局の書き方がこの棋譜の終わり方と違います");
            break;
    }
    if (e.line <= 0) return why;
    return QCoreApplication::translate("Exchange", "%1行目：%2").arg(e.line).arg(why);
}

QString sideName(int side) {
    return side > 0 ? QCoreApplication::translate("Exchange", "上側")
                    : QCoreApplication::translate("Exchange", "下側");
}

QString pieceName(int code) {
    static const char* const kNames[] = {
        "",
        QT_TRANSLATE_NOOP("Exchange", "歩"),
        QT_TRANSLATE_NOOP("Exchange", "と"),
        QT_TRANSLATE_NOOP("Exchange", "香"),
        QT_TRANSLATE_NOOP("Exchange", "成香"),
        QT_TRANSLATE_NOOP("Exchange", "桂"),
        QT_TRANSLATE_NOOP("Exchange", "成桂"),
        QT_TRANSLATE_NOOP("Exchange", "銀"),
        QT_TRANSLATE_NOOP("Exchange", "成銀"),
        QT_TRANSLATE_NOOP("Exchange", "金"),
        QT_TRANSLATE_NOOP("Exchange", "飛"),
        QT_TRANSLATE_NOOP("Exchange", "龍"),
        QT_TRANSLATE_NOOP("Exchange", "角"),
        QT_TRANSLATE_NOOP("Exchange", "馬"),
        QT_TRANSLATE_NOOP("Exchange", "鵺王"),
        QT_TRANSLATE_NOOP("Exchange", "王"),
    };
    return QCoreApplication::translate("Exchange", kNames[state::magnitude(code)]);
}

QString squareName(int x, int y) {
    if (inEnglish()) return QString::number(10 - x) + QChar('a' + y - 1);
    return QString(QChar(0xFF10 + 10 - x)) + rankWords(y);
}

QString setupProblemWords(const record::SetupProblem& p) {
    using F = record::SetupFault;
    switch (p.fault) {
        case F::NoRoyal:
            return QCoreApplication::translate("Exchange", "%1に王も鵺王もありません").arg(sideName(p.side));
        case F::TwoRoyals:
            return QCoreApplication::translate("Exchange", "%1に王と鵺王が合わせて %2 枚あります（1 枚です）")
                .arg(sideName(p.side))
                .arg(p.count);
        case F::StrandedPiece:
            return QCoreApplication::translate("Exchange", "%1の%2（%3）はもう動けません")
                .arg(sideName(p.side), pieceName(p.piece), squareName(p.x, p.y));
        case F::TooMany:
            return QCoreApplication::translate("Exchange", "%1が %2 枚あります（一組に %3 枚です）")
                .arg(pieceName(p.piece))
                .arg(p.count)
                .arg(p.limit);
    }
    return {};
}

QString setupProblemsWords(const std::vector<record::SetupProblem>& problems) {
    QStringList lines;
    for (const record::SetupProblem& p : problems) lines << setupProblemWords(p);
    return lines.join('\n');
}

}  // namespace app
