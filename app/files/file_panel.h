#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <string>

#include "app/board/surface_geometry.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace app {

// The controls of the game-record commands, over the area right of the
// board: the drive list Drive1, the folder list Dir1 and the file list File1
// ("*.棋譜", and KIF: "*.kifu", "*.kif") stacked, and at the bottom the name row: Label1, the name
// box Text1 and the button Command1. All hidden until a record command shows
// them; the controls and their lists are made only then, so start-up does
// not pay for them. They open on the folder the window gives, and read the
// folder afresh every time they open. While the name row is shown without
// the file list (saving), the records already in the folder are listed in
// the file list's place; a click on one puts its name in the name box.
// Enter in the name box is RETURN.
class FilePanel {
public:
    struct Hooks {
        std::function<void(const std::string& path)> fileChosen;  // a click in File1
        std::function<void()> returnPressed;                      // Command1, or Enter in Text1
        std::function<void()> driveNotReady;                      // Drive1 chose a dead drive
        std::function<QString()> startFolder;                     // where the lists open first
        std::function<void(const QString&)> folderChanged;        // Dir1 went to another folder
    };

    FilePanel(QWidget* host, Hooks hooks);

    void setListsVisible(bool drive, bool folder, bool files);
    void setNameRowVisible(bool visible);
    void clearNameBox();
    QString nameBoxText() const;
    QString fileListFolder() const { return filesFolder_; }
    void refreshFileList();

    // The label and the button in the language chosen now.
    void retranslate();

    // Follows the surface when the window changes size.
    void place(const SurfacePlacement& placement);

    bool built() const { return drive_ != nullptr; }
    // Any of its controls shown.
    bool isOpen() const;

    // Drives offered by Drive1: the root and the home folder first, then
    // every other mounted file system.
    static QStringList drives();

private:
    void build();
    void showDrives();
    void driveChanged();                  // Drive1_Change
    void setFolder(const QString& path);  // Dir1's path changes: Dir1_Change
    void showFolder();
    void showFiles();
    void showBacking();  // the background stands while any control is shown
    void showSaved();    // the records of the folder, while saving
    void opened(bool wasOpen);

    QWidget* host_;
    Hooks hooks_;
    SurfacePlacement placement_;
    QString folder_;       // Dir1's path
    QString filesFolder_;  // File1's path
    QWidget* backing_ = nullptr;
    QComboBox* drive_ = nullptr;
    QListWidget* folders_ = nullptr;
    QListWidget* files_ = nullptr;
    QListWidget* saved_ = nullptr;  // the records of the folder, while saving
    QLabel* label_ = nullptr;
    QLineEdit* name_ = nullptr;
    QPushButton* button_ = nullptr;
};

}  // namespace app
