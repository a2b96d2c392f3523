#include "app/panel/side_panel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace app {

namespace {

constexpr const char* kStartLine = QT_TRANSLATE_NOOP("Panel", "開始局面");
constexpr const char* kMarker = "▶ ";
constexpr const char* kNoMarker = "　 ";
QColor dimmed() { return QColor(150, 150, 150); }

QString turnText(const state::GameState& s, bool thinking) {
    if (s.sideToMove == 0) return QCoreApplication::translate("Panel", "手番：―");
    // While the computer thinks the turn is its own, whatever the state still says.
    return QCoreApplication::translate("Panel", "手番：") +
           playerWords(s, thinking ? s.comToken : s.sideToMove);
}

QString kindText(const state::GameState& s) {
    QString kind;
    if (s.kifuMode)
        kind = QCoreApplication::translate("Panel", "棋譜再生");
    else if (s.sideToMove == 0)
        kind = QCoreApplication::translate("Panel", "対局前");
    else
        kind = s.gameKind == state::kTwoPlayers ? QCoreApplication::translate("Panel", "対局(人間)")
                                                : QCoreApplication::translate("Panel", "対局(COM)");
    return kind + QCoreApplication::translate("Panel", "　LEVEL") + QString::number(s.level);
}

}  // namespace

QString playerWords(const state::GameState& s, int token) {
    // Token 1 always stands for the side that moved first.
    const QString mark = token == 1 ? "▲" : "△";
    if (s.gameKind == state::kAgainstComputer && !s.kifuMode)
        return mark + (token == s.humanToken ? QCoreApplication::translate("Panel", "あなた")
                                             : QCoreApplication::translate("Panel", "コンピュータ"));
    return mark + (token == 1 ? QCoreApplication::translate("Panel", "先手")
                              : QCoreApplication::translate("Panel", "後手"));
}

SidePanel::SidePanel(QWidget* parent) : QWidget(parent) {
    setObjectName("SidePanel");
    setFixedWidth(kWidth);
    turn_ = new QLabel(this);
    turn_->setObjectName("TurnLabel");
    turn_->setAccessibleName("手番");
    kind_ = new QLabel(this);
    kind_->setObjectName("GameLabel");
    thinking_ = new QLabel(this);
    thinking_->setObjectName("ThinkingSign");
    thinking_->setStyleSheet("color: #c00000; font-weight: bold;");
    notice_ = new QLabel(this);
    notice_->setObjectName("NoticeLine");
    notice_->setWordWrap(true);
    notice_->hide();
    list_ = new QListWidget(this);
    list_->setObjectName("MoveList");
    list_->setAccessibleName("棋譜");
    // The arrow keys step the record, never the list's own cursor.
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    for (QWidget* w :
         {static_cast<QWidget*>(turn_), static_cast<QWidget*>(kind_), static_cast<QWidget*>(thinking_),
          static_cast<QWidget*>(notice_), static_cast<QWidget*>(list_)})
        layout->addWidget(w);
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = list_->row(item);
        if (clicked_ && row >= 0 && row < static_cast<int>(entries_.size()))
            clicked_(entries_[static_cast<std::size_t>(row)]);
    });
    showLines({});
}

void SidePanel::follow(const state::Game& g, const std::vector<record::NotationLine>& lines, bool thinking) {
    turn_->setText(turnText(g.state, thinking));
    kind_->setText(kindText(g.state));
    // Kept in the layout while hidden, so the list does not jump.
    thinking_->setText(thinking ? QCoreApplication::translate("Panel", "コンピュータ思考中…") : QString());
    showLines(lines);
    markLine(record::表記行(lines, g.record.counter));
}

void SidePanel::setNotice(const QString& text) {
    notice_->setText(text);
    notice_->setVisible(!text.isEmpty());
}

void SidePanel::showLines(const std::vector<record::NotationLine>& lines) {
    std::vector<QString> texts;
    texts.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        texts.push_back(QString::number(i + 1) + "  " + QString::fromStdString(lines[i].text));
    if (texts == texts_ && list_->count() > 0) return;
    texts_ = std::move(texts);
    entries_.assign(1, 0);
    for (const record::NotationLine& line : lines) entries_.push_back(line.last);
    list_->clear();
    list_->addItem(kNoMarker + QCoreApplication::translate("Panel", kStartLine));
    for (const QString& t : texts_) list_->addItem(kNoMarker + t);
    current_ = -1;
}

void SidePanel::setLineNotes(std::vector<LineNote> notes) {
    notes_ = std::move(notes);
    markLine(current_);
}

void SidePanel::addBelowList(QWidget* w) { layout()->addWidget(w); }

void SidePanel::addAboveList(QWidget* w) {
    auto* column = static_cast<QVBoxLayout*>(layout());
    column->insertWidget(column->indexOf(list_), w);
}

void SidePanel::markLine(int line) {
    for (int row = 0; row < list_->count(); ++row) {
        QListWidgetItem* item = list_->item(row);
        const QString body = row == 0 ? QCoreApplication::translate("Panel", kStartLine)
                                      : texts_[static_cast<std::size_t>(row - 1)];
        const LineNote note = row >= 1 && row <= static_cast<int>(notes_.size())
                                  ? notes_[static_cast<std::size_t>(row - 1)]
                                  : LineNote{};
        item->setText((row == line ? kMarker : kNoMarker) + body + note.mark);
        item->setBackground(note.tint.isValid() ? QBrush(note.tint) : QBrush());
        QFont font = item->font();
        font.setBold(row == line);
        item->setFont(font);
        // The moves after the position on the board can still be replayed.
        item->setForeground(row > line ? dimmed() : palette().color(QPalette::Text));
    }
    if (line != current_ && line < list_->count()) list_->scrollToItem(list_->item(line));
    current_ = line;
}

}  // namespace app
