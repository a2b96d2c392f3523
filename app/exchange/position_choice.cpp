#include "app/exchange/position_choice.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace app {

PositionChoice::PositionChoice(QWidget* parent, int level, Hooks hooks)
    : QDialog(parent), hooks_(std::move(hooks)) {
    setObjectName("PositionChoice");
    setWindowTitle(QCoreApplication::translate("Editor", "この局面で"));
    auto* grid = new QGridLayout(this);  // the dialog owns its parts
    grid->addWidget(
        new QLabel(QCoreApplication::translate("Editor", "局面を盤に置きました。どうしますか？"), this), 0, 0,
        1, 3);
    side_ = new QComboBox(this);
    side_->setObjectName("HumanSide");
    side_->addItem(QCoreApplication::translate("Editor", "下側の駒を持つ"), -1);
    side_->addItem(QCoreApplication::translate("Editor", "上側の駒を持つ"), 1);
    level_ = new QComboBox(this);
    level_->setObjectName("Level");
    for (int l = 1; l <= 8; ++l) level_->addItem(QString("LEVEL%1").arg(l), l);
    level_->setCurrentIndex(std::clamp(level, 1, 8) - 1);
    auto* play = new QPushButton(QCoreApplication::translate("Editor", "コンピュータと対局"), this);
    play->setObjectName("PlayComputer");
    play->setDefault(true);
    connect(play, &QPushButton::clicked, this, [this] {
        const int humanSide = side_->currentData().toInt(), chosen = level_->currentData().toInt();
        accept();
        if (hooks_.playComputer) hooks_.playComputer(humanSide, chosen);
    });
    grid->addWidget(play, 1, 0);
    grid->addWidget(side_, 1, 1);
    grid->addWidget(level_, 1, 2);
    add("PlayTwo", QCoreApplication::translate("Editor", "二人で対局"), [this] {
        accept();
        if (hooks_.playTwo) hooks_.playTwo();
    });
    add("Study", QCoreApplication::translate("Editor", "検討"), [this] {
        if (hooks_.study) said_->setText(hooks_.study());
    });
    add("Hint", QCoreApplication::translate("Editor", "ヒント"), [this] {
        accept();
        if (hooks_.hint) hooks_.hint();
    });
    add("CopyPosition", QCoreApplication::translate("Editor", "局面をコピー"), [this] {
        if (hooks_.copy) hooks_.copy();
        said_->setText(QCoreApplication::translate("Editor", "局面の文字列をコピーしました"));
    });
    add("SaveImage", QCoreApplication::translate("Editor", "画像で保存…"), [this] {
        if (hooks_.saveImage) hooks_.saveImage();
    });
    add("Close", QCoreApplication::translate("Editor", "閉じる"), [this] { reject(); });
    said_ = new QLabel(this);
    said_->setObjectName("ChoiceSaid");
    said_->setWordWrap(true);
    grid->addWidget(said_, grid->rowCount(), 0, 1, 3);
}

void PositionChoice::add(const char* name, const QString& caption, const std::function<void()>& act) {
    auto* grid = static_cast<QGridLayout*>(layout());
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, act);
    const int count = grid->count() - 4;  // the buttons after the first row of the computer's game
    grid->addWidget(b, 2 + count / 3, count % 3);
}

}  // namespace app
