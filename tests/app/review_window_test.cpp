// 棋譜 → 検討 in the window: the grades, the summary and the win chances it
// shows are the command line's at one budget; the graph and the list go to
// a move; 中止 stops the worker at once.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/panel/beside_board.h"
#include "app/panel/side_panel.h"
#include "app/review/evaluation_graph.h"
#include "app/review/game_review.h"
#include "play_window.h"

namespace {

using testing_support::PlayWindow;
using testing_support::WorkingFolder;

constexpr int kNodes = 20000;

// The README's self-play game, loaded from the file list.
void loadGame(PlayWindow& w, const WorkingFolder& folder) {
    std::ifstream in(NUEDORI_REVIEW_RECORD, std::ios::binary);
    folder.write("game.棋譜", std::string(std::istreambuf_iterator<char>(in), {}));
    w.start();
    w.choose("KIFU_READ");
    ASSERT_TRUE(w.clickFile("game.棋譜"));
}

std::vector<std::string> cliReview(const std::string& path) {
    QProcess cli;
    cli.start(NUEDORI_CLI, {"review", QString::fromStdString(path), "--nodes", QString::number(kNodes)});
    EXPECT_TRUE(cli.waitForFinished(120000));
    std::istringstream out(cli.readAllStandardOutput().toStdString());
    std::vector<std::string> lines;
    for (std::string line; std::getline(out, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> wordsOf(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

QString markOf(const std::string& grade) {
    return grade == "inaccuracy" ? " ?!" : grade == "mistake" ? " ?" : grade == "blunder" ? " ??" : "";
}

}  // namespace

TEST(ReviewWindow, ShowsTheCommandLinesReviewAtOneBudget) {
    WorkingFolder folder;
    PlayWindow w;
    loadGame(w, folder);
    app::GameReview& review = w.window.review();
    review.setNodes(kNodes);
    w.choose("REVIEW");
    const std::optional<review::Result> r = review.waitForWorker();
    ASSERT_TRUE(r && r->status == review::Result::Status::Done);
    const std::vector<std::string> lines = cliReview(folder.path + "/game.棋譜");
    ASSERT_EQ(lines.size(), r->moves.size() + 1);
    const QListWidget* list = w.window.besideBoard().panel().moveList();
    ASSERT_EQ(list->count(), static_cast<int>(lines.size()));  // the start, then one line a move
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        const std::vector<std::string> cli = wordsOf(lines[i]);
        const QString shown = list->item(static_cast<int>(i) + 1)->text();
        const QString mark = markOf(cli[13]);
        EXPECT_TRUE(mark.isEmpty() ? !shown.endsWith("?") && !shown.endsWith("?!") : shown.endsWith(mark))
            << lines[i] << " / " << shown.toStdString();
        EXPECT_EQ(QString::number(r->moves[i].win, 'f', 3).toStdString(), cli[9]) << lines[i];
    }
    const std::vector<std::string> s = wordsOf(lines.back());  // the lower side moved first: ▲
    const auto side = [&](const char* mark, std::size_t at) {
        return QString("%1 疑問手 %2　悪手 %3　大悪手 %4　正確度 %5%")
            .arg(mark, s[at].c_str(), s[at + 1].c_str(), s[at + 2].c_str(), s[at + 3].c_str());
    };
    EXPECT_EQ(review.summaryLabel()->text(), side("▲", 2) + "\n" + side("△", 7));

    // A click on the graph goes to the move there, and names its better move.
    app::EvaluationGraph* graph = review.graph();
    QTest::mouseClick(graph, Qt::LeftButton, {},
                      QPoint(static_cast<int>(graph->xOf(10)), graph->height() / 2));
    EXPECT_EQ(w.game().record.counter, r->moves[9].last);
    EXPECT_EQ(w.window.besideBoard().panel().currentLine(), 10);
    EXPECT_TRUE(review.bestLabel()->text().startsWith("最善：△")) << review.bestLabel()->text().toStdString();

    // At a mistake or a blunder, ここから対局 hands its hook the position before it.
    const auto bad = std::find_if(r->moves.begin(), r->moves.end(), [](const review::MoveReview& m) {
        return m.grade >= review::Grade::Mistake;
    });
    ASSERT_NE(bad, r->moves.end());
    int tryFrom = -1;
    review.onTryAgain([&](int entry) { tryFrom = entry; });
    QTest::mouseClick(graph, Qt::LeftButton, {}, QPoint(static_cast<int>(graph->xOf(bad->ply)), 1));
    ASSERT_FALSE(review.tryAgainButton()->isHidden());
    QTest::mouseClick(review.tryAgainButton(), Qt::LeftButton);
    EXPECT_EQ(tryFrom, bad->first - 1);
}

TEST(ReviewWindow, CancelStopsTheWorkerAtOnce) {
    WorkingFolder folder;
    PlayWindow w;
    loadGame(w, folder);
    app::GameReview& review = w.window.review();
    constexpr std::uint64_t kEndless = 1000000000;  // minutes a position
    review.setNodes(kEndless);
    w.choose("REVIEW");
    ASSERT_TRUE(review.running());
    EXPECT_FALSE(review.progress()->isHidden());
    QTest::mouseClick(review.cancelButton(), Qt::LeftButton);
    const std::optional<review::Result> r = review.waitForWorker();
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->status, review::Result::Status::Stopped);
    EXPECT_LT(r->nodes, kEndless);
    EXPECT_FALSE(review.result().has_value());
    EXPECT_TRUE(review.progress()->isHidden());
}
