#pragma once

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;

namespace app {

// What to do with a position put on the board (from the board editor or
// pasted): play it against the computer, holding either side's pieces, at
// any level; play it between two people; see the search's view of it; get a
// hint; copy it; save its image; or leave it on the board. The ways to play
// close the dialog; the others leave it open.
class PositionChoice : public QDialog {
public:
    struct Hooks {
        std::function<void(int humanSide, int level)> playComputer;  // humanSide +1 upper, -1 lower
        std::function<void()> playTwo;
        std::function<QString()> study;  // what the search says, in words
        std::function<void()> hint;
        std::function<void()> copy;
        std::function<void()> saveImage;
    };

    PositionChoice(QWidget* parent, int level, Hooks hooks);

    QComboBox* sideBox() const { return side_; }
    QComboBox* levelBox() const { return level_; }
    QLabel* said() const { return said_; }

private:
    void add(const char* name, const QString& caption, const std::function<void()>& act);

    Hooks hooks_;
    QComboBox* side_ = nullptr;
    QComboBox* level_ = nullptr;
    QLabel* said_ = nullptr;
};

}  // namespace app
