#include "app/dialogs/how_to_play.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <cmath>
#include <vector>

#include "app/board/artwork.h"
#include "app/board/teaching_layers.h"
#include "app/language/language.h"
#include "app/window/main_window.h"
#include "display/board_drawing.h"

namespace app {

namespace {

QString pageText(const char* japanese) { return QCoreApplication::translate("HowToPlay", japanese); }

// A few squares of the board, drawn as the board draws them, each 49 by 60
// pixels (a tenth of the board's twips) times the screen's pixel ratio.
class Sketch {
public:
    Sketch(int columns, int rows, double pixelRatio, PieceSet set)
        : ratio_(pixelRatio),
          set_(set),
          image_(QSize(static_cast<int>(std::ceil((columns * kCell.width() + 2 * kMargin) * pixelRatio)),
                       static_cast<int>(std::ceil((rows * kCell.height() + 2 * kMargin) * pixelRatio))),
                 QImage::Format_ARGB32_Premultiplied),
          p_(&image_) {
        image_.fill(Qt::white);
        p_.setRenderHint(QPainter::Antialiasing, true);
        p_.scale(pixelRatio, pixelRatio);
        const QRectF board(kMargin, kMargin, columns * kCell.width(), rows * kCell.height());
        p_.fillRect(board, QColor(236, 196, 120));
        p_.setPen(QPen(QColor(52, 34, 16), 1.4));
        for (int c = 0; c <= columns; ++c) p_.drawLine(cell(c, 0).topLeft(), cell(c, rows).topLeft());
        for (int r = 0; r <= rows; ++r) p_.drawLine(cell(0, r).topLeft(), cell(columns, r).topLeft());
    }

    QRectF cell(int column, int row) const {
        return QRectF(QPointF(kMargin + column * kCell.width(), kMargin + row * kCell.height()), kCell);
    }
    QPainter& painter() { return p_; }

    void piece(int column, int row, int code, double opacity = 1.0) {
        state::ImageRef ref;
        if (!display::駒画像(code, ref)) return;
        p_.save();
        p_.setOpacity(opacity);
        paintPiece(p_, cell(column, row), faceIn(set_, ref));
        p_.restore();
    }
    // The piece of the code as a layer over its square finds it.
    std::optional<ShownPiece> shown(int column, int row, int code) const {
        state::ImageRef ref;
        if (!display::駒画像(code, ref)) return std::nullopt;
        return ShownPiece{faceIn(set_, ref), cell(column, row), QTransform()};
    }
    void tint(int column, int row, QColor colour) {
        p_.fillRect(cell(column, row).adjusted(2, 2, -2, -2), colour);
    }
    // An arrow from one square's centre to another's, with a number in a
    // circle at its start.
    void arrow(QPoint from, QPoint to, const QColor& colour, const QString& label = {}) {
        const QPointF a = cell(from.x(), from.y()).center(), b = cell(to.x(), to.y()).center();
        const QPointF d = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
        const QPointF tip = b - d * 12, side(-d.y() * 7, d.x() * 7);
        p_.setPen(QPen(colour, 4, Qt::SolidLine, Qt::RoundCap));
        p_.drawLine(a + d * 10, tip - d * 8);
        p_.setPen(Qt::NoPen);
        p_.setBrush(colour);
        p_.drawPolygon(QPolygonF({tip, tip - d * 14 + side, tip - d * 14 - side}));
        if (label.isEmpty()) return;
        const QPointF mid = (a + b) / 2 + QPointF(-d.y(), d.x()) * 14;
        p_.drawEllipse(mid, 10, 10);
        p_.setPen(Qt::white);
        QFont f(kTextFontFamily);
        f.setBold(true);
        f.setPixelSize(14);
        p_.setFont(f);
        p_.drawText(QRectF(mid - QPointF(10, 10), QSizeF(20, 20)), Qt::AlignCenter, label);
    }
    void cross(int column, int row) {
        const QRectF c = cell(column, row).adjusted(10, 14, -10, -14);
        p_.setPen(QPen(QColor(220, 30, 30), 5, Qt::SolidLine, Qt::RoundCap));
        p_.drawLine(c.topLeft(), c.bottomRight());
        p_.drawLine(c.topRight(), c.bottomLeft());
    }

    QImage done() {
        p_.end();
        image_.setDevicePixelRatio(ratio_);
        return image_;
    }

private:
    static constexpr QSizeF kCell{49, 60};
    static constexpr double kMargin = 4;
    double ratio_;
    PieceSet set_;
    QImage image_;
    QPainter p_;
};

const QColor kJumpTint(60, 130, 255, 150), kStepTint(255, 150, 0, 110), kArrow(30, 120, 60);

QImage jump(PieceSet set, double ratio) {
    Sketch s(5, 5, ratio, set);
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 5; ++r) {
            const int distance = std::max(std::abs(c - 2), std::abs(r - 2));
            if (distance > 0) s.tint(c, r, distance == 2 ? kJumpTint : kStepTint);
        }
    s.piece(1, 1, 1);  // jumped over: pieces in between do not matter
    s.piece(0, 0, 7);  // and taken where it lands
    s.piece(2, 2, -14);
    s.arrow({2, 2}, {0, 0}, kArrow);
    return s.done();
}

QImage twoSteps(PieceSet set, double ratio) {
    Sketch s(5, 4, ratio, set);
    s.piece(2, 3, -14, 0.35);  // where it started
    s.piece(2, 2, 1, 0.35);    // taken by the first step
    s.piece(3, 1, 7);          // to be taken by the second
    s.arrow({2, 3}, {2, 2}, kArrow, "1");
    s.arrow({2, 2}, {3, 1}, kArrow, "2");
    s.piece(2, 2, -14);
    return s.done();
}

QImage army(PieceSet set, double ratio) {
    // Each kind above its promoted form; gold and king do not promote.
    const int kinds[] = {-1, -3, -5, -7, -9, -12, -10, -15};
    Sketch s(8, 2, ratio, set);
    for (int i = 0; i < 8; ++i) {
        s.piece(i, 0, kinds[i]);
        if (kinds[i] != -9 && kinds[i] != -15) s.piece(i, 1, kinds[i] - 1);
    }
    return s.done();
}

QImage gameEnd(PieceSet set, double ratio) {
    Sketch s(3, 3, ratio, set);
    s.piece(1, 0, 15);
    s.piece(0, 0, 9);
    s.piece(2, 2, -14);
    s.arrow({2, 2}, {1, 0}, kArrow);
    return s.done();
}

QImage recapture(PieceSet set, double ratio) {
    Sketch s(3, 3, ratio, set);
    s.piece(1, 1, 14);  // the upper Nue King has just taken the lower one here
    s.piece(1, 2, -9);  // and the gold may not take it back at once
    s.arrow({1, 2}, {1, 1}, QColor(220, 30, 30));
    s.cross(1, 1);
    return s.done();
}

QImage marks(PieceSet set, double ratio) {
    // Teaching mode with the Nue King picked up and an upper gold near it.
    Sketch s(5, 5, ratio, set);
    QPainter& p = s.painter();
    const auto goldReaches = [](int c, int r) { return (c == 3 && r <= 1) || (c == 4 && r == 1); };
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 5; ++r) {
            const int distance = std::max(std::abs(c - 2), std::abs(r - 2));
            if (distance == 0 || (c == 4 && r == 0)) continue;
            p.setPen(QPen(distance == 1 ? QColor(255, 0, 0) : Qt::white, 2.5));
            p.setBrush(Qt::NoBrush);
            p.drawRect(s.cell(c, r).adjusted(1.5, 1.5, -1.5, -1.5));
            paintDestinationMark(p, s.cell(c, r), DestinationMark{c, r, goldReaches(c, r), false});
            if (distance == 2)
                paintDestinationMark(p, s.cell(c, r), DestinationMark{c, r, goldReaches(c, r), true});
        }
    s.piece(4, 0, 9);
    s.piece(2, 2, -14);
    p.setPen(QPen(QColor(255, 0, 0), 2.5));
    p.drawRect(s.cell(2, 2).adjusted(1.5, 1.5, -1.5, -1.5));
    return s.done();
}

QImage influence(PieceSet set, double ratio) {
    // An empty square, a gold of the lower side, a promoted silver of the upper side.
    Sketch s(3, 1, ratio, set);
    const int pieces[3] = {0, -9, 8};
    const int counts[3][2] = {{2, 1}, {1, 1}, {1, 3}};
    for (int c = 0; c < 3; ++c) {
        s.piece(c, 0, pieces[c]);
        paintInfluenceSquare(s.painter(), s.cell(c, 0), counts[c][0], counts[c][1], s.shown(c, 0, pieces[c]));
    }
    return s.done();
}

QString diagramName(Diagram d) { return "diagram" + QString::number(static_cast<int>(d)); }

struct Section {
    const char* heading;
    std::vector<const char*> paragraphs;
    std::vector<Diagram> diagrams;
};

// The page, section by section; each paragraph is one entry of the translation file.
const Section kSections[] = {
    {QT_TRANSLATE_NOOP("HowToPlay", "二つの軍"),
     {QT_TRANSLATE_NOOP(
          "HowToPlay",
          "一方は鵺王（ぬえおう）ただ一枚、もう一方は将棋の全軍です。先に指す方が鵺王を持ちます。"
          "コンピュータとの対局では、対局(COM) → 先手 で鵺王を、後手 で全軍を持ちます。"
          "あなたはいつも盤の手前（下）に座ります。"),
      QT_TRANSLATE_NOOP("HowToPlay",
                        "ｵﾌﾟｼｮﾝ → 駒 → 国際駒 では、駒を英語の棋譜と同じ字で書きます。U が鵺王で、"
                        "まわりを囲む小さな二つ点の印は、どの向きへも二桝まで行けることを示します。"
                        "全軍の駒の縁の印は、その駒が動ける向きです。")},
     {}},
    {QT_TRANSLATE_NOOP("HowToPlay", "鵺王の跳び"),
     {QT_TRANSLATE_NOOP("HowToPlay",
                        "鵺王は一手で、二桝以内のどこへでも行けます。二桝先（青）へは跳んで一度に着き、"
                        "間にある駒は関係ありません。着いた桝の敵の駒は取れます。")},
     {Diagram::Jump}},
    {QT_TRANSLATE_NOOP("HowToPlay", "鵺王の二歩"),
     {QT_TRANSLATE_NOOP("HowToPlay",
                        "隣の桝（橙）へ動かすと、鵺王はそこで止まって二歩目を待ちます。このとき下の状態表示に"
                        "「二歩目」と出ます。もう一度、その隣の桝へ動かすと手番が終わります。"
                        "元の桝へ戻ってもかまいませんが、二歩目は省けず、その場に留まることもできません。"
                        "一歩ごとに駒を取れます。")},
     {Diagram::TwoSteps}},
    {QT_TRANSLATE_NOOP("HowToPlay", "全軍の駒と成り"),
     {QT_TRANSLATE_NOOP(
          "HowToPlay",
          "全軍の駒は将棋と同じに動きます：歩、香、桂、銀、金、角、飛、王。取った駒は盤から消え、"
          "打つことはありません。"),
      QT_TRANSLATE_NOOP("HowToPlay",
                        "歩、香、桂は敵陣（向こう側の三段）の桝へ動くとき、銀、角、飛は敵陣へ動くときと"
                        "敵陣から動くときに成れます。右ボタンで置けば成り（下の段）、左ボタンなら成りません。"
                        "その先へ動けなくなる歩、香、桂は成るしかなく、左ボタンでは置けません。")},
     {Diagram::Army}},
    {QT_TRANSLATE_NOOP("HowToPlay", "勝ち負け"),
     {QT_TRANSLATE_NOOP("HowToPlay",
                        "相手の王か鵺王を取った方の勝ちです。コンピュータとの対局では、"
                        "コンピュータの王を詰ませても勝ちになります。対局 → 投了 で負けを認めます。"
                        "五百手を超えると引き分けです。")},
     {Diagram::GameEnd}},
    {QT_TRANSLATE_NOOP("HowToPlay", "先鵺子（すぐの取り返し）"),
     {QT_TRANSLATE_NOOP("HowToPlay",
                        "両方に鵺王がいる局面で自分の鵺王を取られた直後は、相手の鵺王を取れません。"
                        "ただし相手の鵺王がその一つ前の手（二歩の一歩目）でも動いていたときは取れます。")},
     {Diagram::Recapture}},
    {QT_TRANSLATE_NOOP("HowToPlay", "移動指導の印"),
     {QT_TRANSLATE_NOOP("HowToPlay",
                        "ｵﾌﾟｼｮﾝ → 移動指導 をつけて駒を持つと、動ける桝が白い枠で囲まれます。鵺王では、"
                        "二歩目を続けられる隣の桝が赤い枠です。左上の緑の丸はそこなら取られない桝、"
                        "赤い×は取られる桝です。右下の小さな◇（安全）と×（取られる）は、"
                        "二歩で行き着ける桝を示します。")},
     {Diagram::Marks}},
    {QT_TRANSLATE_NOOP("HowToPlay", "勢力表示の数"),
     {QT_TRANSLATE_NOOP("HowToPlay",
                        "ｵﾌﾟｼｮﾝ → 勢力表示 は、各桝に何枚の駒が利いているかを示します。左の青い数は手前"
                        "（下）の側、右の赤い数は奥（上）の側の数です。数は駒の字にかからないよう、駒の肩の"
                        "あたりの角に出ます。桝は多く利いている側の色になります。")},
     {Diagram::Influence}},
};

// The keys, as the menus show them.
const char* const kKeys[][2] = {
    {"← / →", QT_TRANSLATE_NOOP("HowToPlay", "戻 / 進")},
    {"Home / End", QT_TRANSLATE_NOOP("HowToPlay", "棋譜の初め / 終わりへ")},
    {"Ctrl+S / Ctrl+O", QT_TRANSLATE_NOOP("HowToPlay", "棋譜の書込 / 読込")},
    {"Ctrl+N", QT_TRANSLATE_NOOP("HowToPlay", "前と同じ種類の新しい対局")},
    {"H", QT_TRANSLATE_NOOP("HowToPlay", "ヒント")},
    {"P", QT_TRANSLATE_NOOP("HowToPlay", "持ち時間のある二人の対局を一時停止 / 再開")},
    {"Tab", QT_TRANSLATE_NOOP("HowToPlay", "キーを盤へ、次に棋譜欄へ渡す")},
    {"↑ ↓ ← →", QT_TRANSLATE_NOOP("HowToPlay", "（盤）カーソルを動かす")},
    {"Enter / Space", QT_TRANSLATE_NOOP("HowToPlay", "（盤）カーソルの桝で左ボタン")},
    {"Shift+Enter", QT_TRANSLATE_NOOP("HowToPlay", "（盤）カーソルの桝で右ボタン（成る）")},
    {"F1", QT_TRANSLATE_NOOP("HowToPlay", "このページ")},
    {"F9", QT_TRANSLATE_NOOP("HowToPlay", "サイドパネルを隠す / 出す")},
    {"F10", QT_TRANSLATE_NOOP("HowToPlay", "メニューを開く")},
    {"Esc", QT_TRANSLATE_NOOP("HowToPlay", "プログラムを終える")},
};

QString pageHtml() {
    QString html = "<h2>" + pageText(QT_TRANSLATE_NOOP("HowToPlay", "遊び方")) + "</h2>";
    for (const Section& s : kSections) {
        html += "<h3>" + pageText(s.heading) + "</h3>";
        for (const char* paragraph : s.paragraphs)
            html += "<p>" + pageText(paragraph).toHtmlEscaped() + "</p>";
        for (Diagram d : s.diagrams) html += "<p><img src=\"" + diagramName(d) + "\"></p>";
    }
    html += "<h3>" + pageText(QT_TRANSLATE_NOOP("HowToPlay", "キー")) + "</h3><table cellpadding=\"3\">";
    for (const auto& key : kKeys)
        html += "<tr><td><b>" + QString(key[0]).toHtmlEscaped() + "</b></td><td>" + pageText(key[1]) +
                "</td></tr>";
    return html + "</table>";
}

}  // namespace

QString stepStatus(const state::GameState& s) {
    if (s.stepState != 2 || s.selection != 1 || s.sideToMove == 0) return {};
    return pageText(QT_TRANSLATE_NOOP(
        "HowToPlay", "鵺王の二歩目：隣の桝へもう一歩動かしてください（元の桝へ戻ることもできます）"));
}

QImage drawDiagram(Diagram diagram, PieceSet set, double pixelRatio) {
    switch (diagram) {
        case Diagram::Jump: return jump(set, pixelRatio);
        case Diagram::TwoSteps: return twoSteps(set, pixelRatio);
        case Diagram::Army: return army(set, pixelRatio);
        case Diagram::GameEnd: return gameEnd(set, pixelRatio);
        case Diagram::Recapture: return recapture(set, pixelRatio);
        case Diagram::Marks: return marks(set, pixelRatio);
        case Diagram::Influence: return influence(set, pixelRatio);
    }
    return {};
}

HowToPlay::HowToPlay(MainWindow& window) : QDialog(&window), window_(window) {
    setObjectName("HowToPlay");
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("HowToPlayPage");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    // As tall as the screen allows, the page's width beside it.
    const QSize room = screen() ? screen()->availableGeometry().size() : QSize(800, 600);
    resize(QSize(620, 720).boundedTo(room * 0.9));
}

void HowToPlay::changeEvent(QEvent* event) {
    // A page left open follows the window's language.
    if (event->type() == QEvent::LanguageChange && isVisible()) write();
    QDialog::changeEvent(event);
}

void HowToPlay::showPage() {
    write();
    show();
    raise();
    activateWindow();
}

void HowToPlay::write() {
    setWindowTitle(pageText(QT_TRANSLATE_NOOP("HowToPlay", "遊び方")));
    QTextDocument* page = browser_->document();
    for (Diagram d : kDiagrams)
        page->addResource(QTextDocument::ImageResource, QUrl(diagramName(d)),
                          drawDiagram(d, window_.pieceSet(), devicePixelRatioF()));
    browser_->setHtml(pageHtml());
}

}  // namespace app
