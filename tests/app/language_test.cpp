// English: the language chosen at start, the translation file, the window
// and its message boxes in English, Western notation in the move list, and
// the switch in the menu back to the very Japanese of before.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#include <map>
#include <string>
#include <vector>

#include "app/board/teaching_layers.h"
#include "app/language/language.h"
#include "app/panel/beside_board.h"
#include "app/panel/side_panel.h"
#include "play_window.h"
#include "record/notation.h"
#include "record/record_moves.h"

using namespace state;

namespace {

using app::Language;
using state::Answer;
using testing_support::PlayWindow;
using Strings = std::vector<std::string>;

Language startWith(const QStringList& arguments, const std::map<std::string, QString>& env) {
    return app::startLanguage(arguments, [&env](const char* name) {
        const auto found = env.find(name);
        return found == env.end() ? QString() : found->second;
    });
}

TEST(Language, JapaneseUnlessTheCommandLineOrTheFirstLocaleVariableSetAsksForEnglish) {
    EXPECT_EQ(startWith({"nuedori"}, {}), Language::Japanese);
    EXPECT_EQ(startWith({"nuedori"}, {{"LANG", "ja_JP.UTF-8"}}), Language::Japanese);
    EXPECT_EQ(startWith({"nuedori"}, {{"LANG", "de_DE.UTF-8"}}), Language::Japanese);
    EXPECT_EQ(startWith({"nuedori"}, {{"LANG", "C.UTF-8"}}), Language::Japanese);
    EXPECT_EQ(startWith({"nuedori"}, {{"LANG", "en_US.UTF-8"}}), Language::English);
    EXPECT_EQ(startWith({"nuedori"}, {{"LC_MESSAGES", "en_GB.UTF-8"}, {"LANG", "ja_JP.UTF-8"}}),
              Language::English);
    EXPECT_EQ(startWith({"nuedori"}, {{"LC_ALL", "ja_JP.UTF-8"}, {"LC_MESSAGES", "en_GB"}}),
              Language::Japanese);
    EXPECT_EQ(startWith({"nuedori"}, {{"LANGUAGE", "en"}, {"LC_ALL", "ja_JP.UTF-8"}}), Language::English);
    EXPECT_EQ(startWith({"nuedori", "--lang", "en"}, {{"LANG", "ja_JP.UTF-8"}}), Language::English);
    EXPECT_EQ(startWith({"nuedori", "--lang", "ja"}, {{"LANG", "en_US.UTF-8"}}), Language::Japanese);
}

TEST(Language, EveryEntryOfTheEnglishFileIsTranslated) {
    QFile ts(NUEDORI_TS_FILE);
    ASSERT_TRUE(ts.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&ts);
    int entries = 0;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"source") source = xml.readElementText();
        if (xml.name() != u"translation") continue;
        ++entries;
        EXPECT_NE(xml.attributes().value("type"), u"unfinished") << source.toStdString();
        const QString text = xml.readElementText();
        EXPECT_FALSE(text.trimmed().isEmpty()) << source.toStdString();
        for (const QChar c : text) EXPECT_LT(c.unicode(), 0x3000) << source.toStdString();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(entries, 90);
}

bool hasJapanese(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() > 0x3000) return true;  // the full-width blank lays out, it says nothing
    return false;
}

// Every text of the window a player reads, but the game's name and the item that switches back.
Strings japaneseLeft(PlayWindow& w) {
    Strings left;
    for (const QAction* a : w.window.menuBar()->findChildren<QAction*>())
        if (a->objectName() != "LANGUAGE" && hasJapanese(a->text())) left.push_back(a->text().toStdString());
    for (const QLabel* l : w.window.findChildren<QLabel*>())
        if (hasJapanese(l->text())) left.push_back(l->text().toStdString());
    const QListWidget* list = w.window.besideBoard().panel().moveList();
    for (int i = 0; i < list->count(); ++i)
        if (hasJapanese(list->item(i)->text())) left.push_back(list->item(i)->text().toStdString());
    return left;
}

// English for one test: the application's shared translators go back to Japanese after it.
struct InEnglish {
    InEnglish() { app::Translators::of()->use(Language::English); }
    ~InEnglish() { app::Translators::of()->use(Language::Japanese); }
};

void record(state::MoveRecord& r, int fromX, int fromY, int toX, int toY, int moved, int placed,
            int captured) {
    const int k = ++r.last;
    r.counter = k;
    r.fromX[k] = fromX, r.fromY[k] = fromY, r.toX[k] = toX, r.toY[k] = toY;
    r.moved[k] = moved, r.placed[k] = placed, r.captured[k] = captured;
    record::二手目を読む(r);  // a Nue King's second step marked, as the game marks it
}

TEST(Language, WesternNotationCountsColumnsFromTheRightAndRowsFromTheTop) {
    state::MoveRecord r;
    record(r, 3, 7, 3, 6, -1, -1, 0);    // a pawn
    record(r, 8, 2, 8, 8, 12, 13, -7);   // a bishop takes and promotes
    record(r, 6, 3, 5, 2, -7, -7, 0);    // a silver declines
    record(r, 5, 9, 5, 8, -14, -14, 0);  // the Nue King's two steps,
    record(r, 5, 8, 5, 7, -14, -14, 1);  // the second a capture
    Strings lines;
    for (const record::NotationLine& line : record::棋譜表記(r, -1, record::Notation::Western))
        lines.push_back(line.text);
    EXPECT_EQ(lines, (Strings{"▲P-7f", "△Bx2h+", "▲S-5b=", "▲U-5hx5g"}));
    EXPECT_EQ(record::棋譜表記(r, -1).front().text, "▲７六歩");
}

TEST(Language, TheBoardsMoveTextReadsAsOneWesternMoveFromTheColumnsPlace) {
    state::MoveRecord r;
    record(r, 5, 9, 5, 8, -14, -14, 0);
    record(r, 5, 8, 5, 7, -14, -14, 1);
    const auto part = [](state::SurfaceText::Kind kind, const state::Move& m) {
        state::SurfaceText t;
        t.kind = kind;
        t.move = m;
        return t;
    };
    using Kind = state::SurfaceText::Kind;
    const state::Move both = record::記録の手(r, 1);
    EXPECT_EQ(app::englishWords(part(Kind::MoveColumn, both)).toStdString(), "U-5hx5g");
    EXPECT_EQ(app::japaneseWords(part(Kind::MoveColumn, both)).toStdString(), "５");
    EXPECT_TRUE(app::englishWords(part(Kind::MoveRow, both)).isEmpty());
    EXPECT_TRUE(app::englishWords(part(Kind::MovePiece, both)).isEmpty());
    EXPECT_EQ(app::japaneseWords(part(Kind::MovePiece, both)).toStdString(), "鵺王");
    // The first step alone, as it shows while the second is to come.
    EXPECT_EQ(app::englishWords(part(Kind::MoveColumn, record::記録の項(r, 1))).toStdString(), "U-5h");
}

TEST(Language, TheMoveCounterReadsMoveAndItsNumber) {
    state::SurfaceText count;
    count.kind = state::SurfaceText::Kind::MoveCount;
    count.value = 12;
    state::SurfaceText unit = count;
    unit.kind = state::SurfaceText::Kind::MoveCountUnit;
    {
        InEnglish english;
        EXPECT_EQ(app::surfaceWords(unit).toStdString(), "Move 12");
        EXPECT_TRUE(app::surfaceWords(count).isEmpty());
    }
    EXPECT_EQ(app::surfaceWords(unit).toStdString(), "手目");
    EXPECT_EQ(app::surfaceWords(count).toStdString(), "12");
}

TEST(Language, TheWindowAndItsMessagesInEnglish) {
    InEnglish english;
    PlayWindow w;
    w.start();
    EXPECT_EQ(w.window.menuItem("TAIKYOKU")->text().toStdString(), "Game");
    EXPECT_EQ(w.window.menuItem("LANGUAGE")->text().toStdString(), "日本語");
    w.click(5, 9);
    EXPECT_EQ(w.messages(), Strings{"Start a game from \"Game\"|Start|禁止"});
    w.forget();
    w.choose("SENTE");
    w.click(5, 9);
    w.click(5, 8);
    w.forget();
    w.choose("RESIGN");
    EXPECT_EQ(w.messages(), Strings{"Not during the second step!|Resign|禁止"});
    w.click(5, 7);
    EXPECT_EQ(japaneseLeft(w), Strings{});
    EXPECT_EQ(w.window.besideBoard().panel().moveList()->accessibleName().toStdString(), "Moves");
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(w.window.view());
    EXPECT_EQ(board->child(board->childCount() - 81 + 6 * 9 + 4)->text(QAccessible::Name).toStdString(),
              "5g Nue King, lower");
    const QListWidget* list = w.window.besideBoard().panel().moveList();
    ASSERT_GE(list->count(), 2);
    EXPECT_TRUE(list->item(1)->text().contains("▲U-5h-5g")) << list->item(1)->text().toStdString();
    w.forget();
    w.script = {Answer::Yes, Answer::Ok, Answer::No};
    w.choose("RESIGN");
    EXPECT_EQ(w.messages(),
              (Strings{"Resign this game?|Resign", "The computer wins|Game over", "Play again?|New game"}));
}

TEST(Language, TheMenuItemSwitchesAtOnceAndBackToTheSameJapanese) {
    PlayWindow w;
    w.start();
    std::map<std::string, std::string> japanese;
    for (const QAction* a : w.window.menuBar()->findChildren<QAction*>())
        japanese[a->objectName().toStdString()] = a->text().toStdString();
    w.choose("START");
    w.click(5, 9);
    w.click(5, 7);
    w.choose("LANGUAGE");
    ASSERT_TRUE(app::inEnglish());
    EXPECT_EQ(w.window.menuItem("KIFU")->text().toStdString(), "Record");
    EXPECT_EQ(japaneseLeft(w), Strings{});
    const QListWidget* list = w.window.besideBoard().panel().moveList();
    ASSERT_GE(list->count(), 2);
    EXPECT_TRUE(list->item(1)->text().contains("▲U-5g")) << list->item(1)->text().toStdString();
    QTest::keyClick(&w.window, Qt::Key_H);  // the upper army's hint, as the move list writes moves
    EXPECT_TRUE(QRegularExpression("^Hint: \\+?[PLNSGRBK][-x][1-9][a-i][+=]?$")
                    .match(w.window.teaching().hintText())
                    .hasMatch())
        << w.window.teaching().hintText().toStdString();
    w.choose("LANGUAGE");
    ASSERT_FALSE(app::inEnglish());
    for (const QAction* a : w.window.menuBar()->findChildren<QAction*>())
        EXPECT_EQ(a->text().toStdString(), japanese[a->objectName().toStdString()]);
    EXPECT_TRUE(list->item(1)->text().contains("▲５七鵺王")) << list->item(1)->text().toStdString();
}

// Every text a player reads in English, the surface's included: the game
// names its texts and the window words them, so nothing Japanese is left but
// the pieces and the title, which are pictures.
Strings japaneseOnTheSurface(PlayWindow& w) {
    Strings left;
    for (const app::DrawOp& op : w.window.drawingSurface().calls())
        if (op.kind == app::DrawOp::Kind::Text && hasJapanese(app::englishWords(op.said)))
            left.push_back(app::englishWords(op.said).toStdString());
    return left;
}

TEST(Language, EveryTextTheGameNamesHasItsEnglish) {
    InEnglish english;
    // The message boxes' texts and titles, then the surface's labels.
    for (int i = 1; i <= static_cast<int>(state::Text::TitleEmpty); ++i) {
        const auto text = static_cast<state::Text>(i);
        if (text == state::Text::Version) continue;  // the game's name is its name in any language
        const std::string words = app::messageWords(state::Message{text, "a.kifu", 3});
        EXPECT_FALSE(hasJapanese(QString::fromStdString(words))) << i << " " << words;
    }
    for (int i = static_cast<int>(state::Text::LabelFirst); i <= static_cast<int>(state::Text::Thinking);
         ++i) {
        state::SurfaceText label;
        label.text = static_cast<state::Text>(i);
        EXPECT_FALSE(hasJapanese(app::surfaceWords(label)))
            << i << " " << app::surfaceWords(label).toStdString();
    }
}

TEST(Language, AWinIsToldInASentenceThatAgrees) {
    InEnglish english;
    using state::Text;
    EXPECT_EQ(app::messageWords({Text::Won, Text::You}), "You win");
    EXPECT_EQ(app::messageWords({Text::Won, Text::Computer}), "The computer wins");
    EXPECT_EQ(app::messageWords({Text::Won, Text::First}), "The first player wins");
}

TEST(Language, AWholeGameInEnglishShowsNoJapanese) {
    InEnglish english;
    testing_support::WorkingFolder folder;
    PlayWindow w;
    w.start();
    w.choose("SENTE");
    w.click(5, 9);  // the Nue King's two steps: the list shows the first as pending
    w.click(5, 8);
    const QListWidget* list = w.window.besideBoard().panel().moveList();
    ASSERT_GE(list->count(), 2);
    EXPECT_TRUE(list->item(1)->text().contains("U-5h-…")) << list->item(1)->text().toStdString();
    w.click(5, 7);  // the computer replies, thinking
    w.choose("REPLAY");
    w.choose("KIFU_WRITE");
    w.saveAs("english");
    w.choose("KIFU_READ");
    ASSERT_TRUE(w.clickFile("english.棋譜"));
    w.choose("AFTER");
    w.choose("AFTER");
    // The loaded record's header names its players in English.
    QStringList words;
    for (const app::DrawOp& op : w.window.drawingSurface().calls())
        if (op.kind == app::DrawOp::Kind::Text) words << app::englishWords(op.said);
    EXPECT_TRUE(words.contains("First: Human")) << words.join('|').toStdString();
    Strings seen = japaneseOnTheSurface(w);
    for (const std::string& t : japaneseLeft(w)) seen.push_back(t);
    for (const std::string& m : w.messages())
        if (hasJapanese(QString::fromStdString(m)) && m.find(".棋譜") == std::string::npos) seen.push_back(m);
    EXPECT_EQ(seen, Strings{});
}

}  // namespace
