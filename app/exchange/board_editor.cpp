#include "app/exchange/board_editor.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/board/artwork.h"
#include "app/board/surface_geometry.h"
#include "app/exchange/editor_board.h"
#include "app/exchange/exchange_words.h"
#include "display/board_drawing.h"
#include "record/position_check.h"

namespace app {

using namespace state;

namespace {

// The palette's kinds, in the order a set is counted.
constexpr int kPaletteKinds[] = {歩, 香, 桂, 銀, 金, 角, 飛, 王, 鵺王};

// A palette button's picture: the piece as the board shows it.
QIcon pieceIcon(int code, PieceSet set) {
    QPixmap picture(QSize(33, 40));
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    ImageRef image;
    if (display::駒画像(code, image)) paintPiece(p, QRectF(picture.rect()), faceIn(set, image));
    return QIcon(picture);
}

record::TextPosition startNamed(std::string_view text) {
    return std::get<record::TextPosition>(record::readPosition(text));
}

}  // namespace

BoardEditor::BoardEditor(QWidget* parent, const record::TextPosition& start, PieceSet set,
                         std::function<void(const QString&)> tell)
    : QDialog(parent), tell_(std::move(tell)) {
    setObjectName("BoardEditor");
    setWindowTitle(QCoreApplication::translate("Editor", "局面編集"));
    board_ = new EditorBoard(this);  // the dialog owns its parts
    board_->setObjectName("EditorBoard");
    board_->setPieceSet(set);
    board_->setAccessibleName(QCoreApplication::translate("Editor", "盤"));
    auto* side = new QVBoxLayout;
    side->addWidget(makePalette(set));
    side->addWidget(makeSideAndStarts());
    side->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(board_, 1);
    top->addLayout(side);

    text_ = new QLineEdit(this);
    text_->setObjectName("PositionText");
    text_->setAccessibleName(QCoreApplication::translate("Editor", "局面の文字列"));
    auto* textLabel = new QLabel(QCoreApplication::translate("Editor", "局面："), this);
    textLabel->setBuddy(text_);
    auto* textRow = new QHBoxLayout;
    textRow->addWidget(textLabel);
    textRow->addWidget(text_, 1);
    textFault_ = new QLabel(this);
    textFault_->setObjectName("PositionTextFault");
    problems_ = new QLabel(this);
    problems_->setObjectName("PositionProblems");
    problems_->setWordWrap(true);
    auto* keys = new QLabel(
        QCoreApplication::translate(
            "Editor",
            "マウス：左で駒を置く・取る、右で成る　キー：矢印、P L N S G B R K U で下側の駒（Shift で上側）、"
            "+ で成る、Delete で消す"),
        this);
    keys->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QCoreApplication::translate("Editor", "この局面にする"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("Editor", "キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addLayout(top, 1);
    column->addLayout(textRow);
    column->addWidget(textFault_);
    column->addWidget(problems_);
    column->addWidget(keys);
    column->addWidget(buttons);

    board_->onChanged([this] { boardChanged(); });
    connect(text_, &QLineEdit::textEdited, this, [this](const QString& t) { textEdited(t); });
    setPosition(start);
    board_->setFocus();
}

QWidget* BoardEditor::makePalette(PieceSet set) {
    auto* box = new QGroupBox(QCoreApplication::translate("Editor", "駒"), this);
    auto* grid = new QGridLayout(box);
    tools_ = new QButtonGroup(box);  // the box owns the group and the buttons
    tools_->setExclusive(true);
    const auto add = [&](int code, int row, int column, const QString& tip) {
        auto* b = new QToolButton(box);
        b->setObjectName(QString("Tool%1").arg(code));
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setIconSize(QSize(33, 40));
        if (code != 空) b->setIcon(pieceIcon(code, set));
        b->setText(tip);
        b->setToolTip(tip);
        b->setAccessibleName(tip);
        if (code == 空) b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        tools_->addButton(b, code + 100);
        grid->addWidget(b, row, column);
    };
    for (int i = 0; i < 9; ++i) {
        const int kind = kPaletteKinds[i];
        add(kind, i / 5, i % 5, QCoreApplication::translate("Editor", "上側の%1").arg(pieceName(kind)));
        add(-kind, 2 + i / 5, i % 5, QCoreApplication::translate("Editor", "下側の%1").arg(pieceName(kind)));
    }
    add(空, 3, 4, QCoreApplication::translate("Editor", "消す"));
    tools_->button(-歩 + 100)->setChecked(true);
    connect(tools_, &QButtonGroup::idClicked, this, [this](int id) {
        board_->setTool(id - 100);
        board_->setFocus();
    });
    return box;
}

QWidget* BoardEditor::makeSideAndStarts() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    auto* turn = new QGroupBox(QCoreApplication::translate("Editor", "手番"), box);
    auto* turnRow = new QHBoxLayout(turn);
    lowerToMove_ = new QRadioButton(QCoreApplication::translate("Editor", "下側（b）"), turn);
    lowerToMove_->setObjectName("LowerToMove");
    upperToMove_ = new QRadioButton(QCoreApplication::translate("Editor", "上側（w）"), turn);
    upperToMove_->setObjectName("UpperToMove");
    turnRow->addWidget(lowerToMove_);
    turnRow->addWidget(upperToMove_);
    column->addWidget(turn);
    connect(lowerToMove_, &QRadioButton::toggled, this, [this] { boardChanged(); });
    const auto button = [&](const char* name, const QString& caption, const std::function<void()>& act) {
        auto* b = new QPushButton(caption, box);
        b->setObjectName(name);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, act);
        column->addWidget(b);
    };
    button("ClearBoard", QCoreApplication::translate("Editor", "盤を空にする"), [this] {
        Board empty;
        board_->setBoard(empty);
        boardChanged();
    });
    button("NueKingBelow", QCoreApplication::translate("Editor", "初形（鵺王が下）"),
           [this] { setPosition(startNamed(record::kNueKingBelow)); });
    button("NueKingAbove", QCoreApplication::translate("Editor", "初形（鵺王が上）"),
           [this] { setPosition(startNamed(record::kNueKingAbove)); });
    return box;
}

record::TextPosition BoardEditor::position() const {
    return {board_->board(), upperToMove_->isChecked() ? 1 : -1, moveNumber_};
}

void BoardEditor::setPosition(const record::TextPosition& p) {
    moveNumber_ = p.moveNumber;
    board_->setBoard(p.board);
    {
        const QSignalBlocker quiet(lowerToMove_);
        (p.side > 0 ? upperToMove_ : lowerToMove_)->setChecked(true);
    }
    boardChanged();
}

void BoardEditor::boardChanged() {
    const record::TextPosition p = position();
    text_->setText(QString::fromStdString(record::positionText(p)));
    textFault_->clear();
    const std::vector<record::SetupProblem> faults = record::局面の問題(p.board);
    problems_->setText(faults.empty() ? QCoreApplication::translate("Editor", "この局面から対局できます")
                                      : setupProblemsWords(faults));
}

void BoardEditor::textEdited(const QString& text) {
    const record::PositionRead read = record::readPosition(text.toStdString());
    if (const auto* e = std::get_if<record::PositionError>(&read)) {
        textFault_->setText(positionRefusalWords(*e));
        return;
    }
    const record::TextPosition& p = std::get<record::TextPosition>(read);
    const int cursor = text_->cursorPosition();
    setPosition(p);
    // The player's own text stays as typed while it reads as this position.
    text_->setText(text);
    text_->setCursorPosition(cursor);
}

void BoardEditor::done(int result) {
    if (result == QDialog::Accepted) {
        const std::vector<record::SetupProblem> faults = record::局面の問題(board_->board());
        if (!faults.empty()) {
            if (tell_) tell_(setupProblemsWords(faults));
            return;
        }
    }
    QDialog::done(result);
}

}  // namespace app
