#include "app/statistics/games_table.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "app/language/language.h"
#include "app/statistics/statistics_words.h"

namespace statistics {

namespace {

constexpr const char* kHeaders[] = {
    QT_TRANSLATE_NOOP("Statistics", "日時"),         QT_TRANSLATE_NOOP("Statistics", "相手"),
    QT_TRANSLATE_NOOP("Statistics", "側"),           QT_TRANSLATE_NOOP("Statistics", "結果"),
    QT_TRANSLATE_NOOP("Statistics", "終局"),         QT_TRANSLATE_NOOP("Statistics", "手数"),
    QT_TRANSLATE_NOOP("Statistics", "正確度"),       QT_TRANSLATE_NOOP("Statistics", "大悪手"),
    QT_TRANSLATE_NOOP("Statistics", "レーティング"),
};

QVariant cell(const library::GameRow& g, int column) {
    switch (column) {
        case GamesModel::When: return g.finished.toString("yyyy-MM-dd HH:mm");
        case GamesModel::Opponent: return opponentWord(g);
        case GamesModel::Side: return sideWord(g.humanSide);
        case GamesModel::Result: return resultWord(g.result);
        case GamesModel::End: return app::endReasonWords(g.reason);
        case GamesModel::Moves: return g.moves;
        case GamesModel::Accuracy:
            return g.review ? QVariant(QString::number(g.review->accuracy, 'f', 1)) : QVariant();
        case GamesModel::Blunders: return g.review ? QVariant(g.review->blunders) : QVariant();
        case GamesModel::Rating: return g.rating ? QVariant(qRound(g.rating->rating)) : QVariant();
        default: return {};
    }
}

}  // namespace

void GamesModel::setGames(std::vector<library::GameRow> games) {
    games_ = std::move(games);
    refilter();
}

void GamesModel::setFilter(const GameFilter& filter) {
    filter_ = filter;
    refilter();
}

void GamesModel::refilter() {
    beginResetModel();
    shown_.clear();
    for (int i = static_cast<int>(games_.size()) - 1; i >= 0; --i)
        if (passes(games_[static_cast<std::size_t>(i)], filter_)) shown_.push_back(i);
    endResetModel();
}

void GamesModel::retranslate() {
    beginResetModel();
    endResetModel();
}

const library::GameRow& GamesModel::game(int row) const {
    return games_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(row)])];
}

int GamesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}
int GamesModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Columns; }

QVariant GamesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return cell(game(index.row()), index.column());
}

QVariant GamesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= Columns)
        return {};
    return text(kHeaders[section]);
}

GamesTable::GamesTable(QWidget* parent) : QWidget(parent) {
    auto* filters = new QHBoxLayout;
    for (auto [label, box] :
         {std::pair{&sideLabel_, &side_}, {&levelLabel_, &level_}, {&resultLabel_, &result_}}) {
        *label = new QLabel(this);
        *box = new QComboBox(this);
        filters->addWidget(*label);
        filters->addWidget(*box);
        connect(*box, &QComboBox::currentIndexChanged, this, [this] { applyFilter(); });
    }
    daysLabel_ = new QLabel(this);
    from_ = new QDateEdit(this);
    to_ = new QDateEdit(QDate::currentDate(), this);
    for (QDateEdit* day : {from_, to_}) {
        day->setCalendarPopup(true);
        day->setDisplayFormat("yyyy-MM-dd");
        connect(day, &QDateEdit::dateChanged, this, [this] { applyFilter(); });
    }
    filters->addWidget(daysLabel_);
    filters->addWidget(from_);
    filters->addWidget(new QLabel("–", this));
    filters->addWidget(to_);
    filters->addStretch();

    view_ = new QTableView(this);
    view_->setModel(&model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->setWordWrap(false);
    view_->horizontalHeader()->setStretchLastSection(true);
    connect(view_, &QTableView::doubleClicked, this, [this] { hand(open_); });
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { selectionChanged(); });
    empty_ = new QLabel(this);
    empty_->setAlignment(Qt::AlignCenter);
    empty_->setWordWrap(true);
    stack_ = new QStackedWidget(this);
    stack_->addWidget(view_);
    stack_->addWidget(empty_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton** b : {&openButton_, &reviewButton_, &playOnButton_}) {
        *b = new QPushButton(this);
        (*b)->setEnabled(false);
        buttons->addWidget(*b);
    }
    connect(openButton_, &QPushButton::clicked, this, [this] { hand(open_); });
    connect(reviewButton_, &QPushButton::clicked, this, [this] { hand(review_); });
    connect(playOnButton_, &QPushButton::clicked, this, [this] { hand(playOn_); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(stack_, 1);
    layout->addLayout(buttons);
    retranslate();
}

void GamesTable::setGames(std::vector<library::GameRow> games) {
    // The days run from the first game's to today, as the filter starts.
    const QDate first = games.empty() ? QDate::currentDate() : games.front().finished.date();
    model_.setGames(std::move(games));
    for (QDateEdit* day : {from_, to_}) day->blockSignals(true);
    from_->setDate(first);
    to_->setDate(QDate::currentDate());
    for (QDateEdit* day : {from_, to_}) day->blockSignals(false);
    applyFilter();
}

void GamesTable::fillChoices() {
    const QString any = text(QT_TRANSLATE_NOOP("Statistics", "すべて"));
    for (QComboBox* box : {side_, level_, result_}) {
        box->blockSignals(true);
        const int chosen = std::max(box->currentIndex(), 0);
        box->clear();
        box->addItem(any);
        if (box == side_)
            for (const auto s : {library::HumanSide::Nue, library::HumanSide::Army, library::HumanSide::Both})
                box->addItem(sideWord(s), static_cast<int>(s));
        if (box == level_)
            for (int level = rating::kFirstLevel; level <= rating::kLastLevel; ++level)
                box->addItem(QString::number(level), level);
        if (box == result_)
            for (int r = 0; r <= static_cast<int>(library::Result::Unfinished); ++r)
                box->addItem(resultWord(static_cast<library::Result>(r)), r);
        box->setCurrentIndex(chosen);
        box->blockSignals(false);
    }
}

void GamesTable::applyFilter() {
    GameFilter f;
    if (side_->currentIndex() > 0) f.side = static_cast<library::HumanSide>(side_->currentData().toInt());
    if (level_->currentIndex() > 0) f.level = level_->currentData().toInt();
    if (result_->currentIndex() > 0) f.result = static_cast<library::Result>(result_->currentData().toInt());
    f.from = from_->date();
    f.to = to_->date();
    model_.setFilter(f);
    // Qt sizes the columns by the first thousand rows at most.
    view_->resizeColumnsToContents();
    stack_->setCurrentWidget(model_.anyGame() ? static_cast<QWidget*>(view_) : empty_);
    selectionChanged();
}

void GamesTable::selectionChanged() {
    const bool chosen = view_->selectionModel()->hasSelection();
    for (QPushButton* b : {openButton_, reviewButton_, playOnButton_}) b->setEnabled(chosen);
}

void GamesTable::hand(const Hook& hook) const {
    const QModelIndexList rows = view_->selectionModel()->selectedRows();
    if (hook && !rows.isEmpty()) hook(model_.game(rows.front().row()).recordFile);
}

void GamesTable::retranslate() {
    fillChoices();
    sideLabel_->setText(text(QT_TRANSLATE_NOOP("Statistics", "側：")));
    levelLabel_->setText(text(QT_TRANSLATE_NOOP("Statistics", "レベル：")));
    resultLabel_->setText(text(QT_TRANSLATE_NOOP("Statistics", "結果：")));
    daysLabel_->setText(text(QT_TRANSLATE_NOOP("Statistics", "期間：")));
    empty_->setText(text(QT_TRANSLATE_NOOP("Statistics", "対局を終えると、ここに並びます。")));
    openButton_->setText(text(QT_TRANSLATE_NOOP("Statistics", "開く")));
    reviewButton_->setText(text(QT_TRANSLATE_NOOP("Statistics", "検討")));
    playOnButton_->setText(text(QT_TRANSLATE_NOOP("Statistics", "ここから対局")));
    model_.retranslate();
}

}  // namespace statistics
