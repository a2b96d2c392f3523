#pragma once

#include <QAbstractTableModel>
#include <QWidget>

#include <functional>
#include <vector>

#include "app/library/game_row.h"
#include "app/statistics/game_filter.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTableView;

namespace statistics {

// The games as a table, newest first: those the filter lets through.
class GamesModel : public QAbstractTableModel {
public:
    enum Column { When, Opponent, Side, Result, End, Moves, Accuracy, Blunders, Rating, Columns };

    void setGames(std::vector<library::GameRow> games);
    void setFilter(const GameFilter& filter);
    const library::GameRow& game(int row) const;
    bool anyGame() const { return !games_.empty(); }
    // After a change of language.
    void retranslate();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void refilter();

    std::vector<library::GameRow> games_;  // oldest first, as the library reads them
    GameFilter filter_;
    std::vector<int> shown_;  // indices into games_, newest first
};

// The games tab: the filters (side, level, result, days), the table, and
// 開く / 検討 / ここから対局 for the game selected, each handing its hook the
// game's record file (a double click opens it).
class GamesTable : public QWidget {
public:
    using Hook = std::function<void(const QString& recordFile)>;

    explicit GamesTable(QWidget* parent = nullptr);

    void setGames(std::vector<library::GameRow> games);
    void onOpen(Hook f) { open_ = std::move(f); }
    void onReview(Hook f) { review_ = std::move(f); }
    void onPlayOn(Hook f) { playOn_ = std::move(f); }
    void retranslate();

    GamesModel& model() { return model_; }
    QTableView* view() const { return view_; }
    QComboBox* sideBox() const { return side_; }
    QComboBox* levelBox() const { return level_; }
    QComboBox* resultBox() const { return result_; }
    QLabel* emptyLabel() const { return empty_; }
    QPushButton* openButton() const { return openButton_; }

private:
    void fillChoices();
    void applyFilter();
    void hand(const Hook& hook) const;
    void selectionChanged();

    GamesModel model_;
    QComboBox* side_ = nullptr;
    QComboBox* level_ = nullptr;
    QComboBox* result_ = nullptr;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QLabel* sideLabel_ = nullptr;
    QLabel* levelLabel_ = nullptr;
    QLabel* resultLabel_ = nullptr;
    QLabel* daysLabel_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QTableView* view_ = nullptr;
    QLabel* empty_ = nullptr;
    QPushButton* openButton_ = nullptr;
    QPushButton* reviewButton_ = nullptr;
    QPushButton* playOnButton_ = nullptr;
    Hook open_, review_, playOn_;
};

}  // namespace statistics
