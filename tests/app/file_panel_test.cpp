// The file panel of the game records: made only when first shown, its three
// lists coupled, and its name row.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/board/surface_view.h"
#include "app/files/file_panel.h"
#include "game_window.h"

using testing_support::GameWindow;

namespace {

template <typename T>
T* widget(GameWindow& w, const char* name) {
    return w.window.view()->findChild<T*>(name);
}

QStringList entries(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text().trimmed();
    return out;
}

void touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}

// A folder holding records, another file and a subfolder with one more record,
// made the working folder while it lives.
struct RecordFolder {
    RecordFolder() : previous(QDir::currentPath()) {
        touch(dir.filePath("一局目.棋譜"));
        touch(dir.filePath("memo.txt"));
        QDir(dir.path()).mkdir("old");
        touch(dir.filePath("old/二局目.棋譜"));
        QDir::setCurrent(dir.path());
    }
    ~RecordFolder() { QDir::setCurrent(previous); }
    QTemporaryDir dir;
    QString previous;
};

void activate(QListWidget* list, const QString& text) {
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->text().trimmed() != text) continue;
        list->scrollToItem(list->item(i));
        QApplication::processEvents();
        const QRect r = list->visualItemRect(list->item(i));
        // As the system sends a double click: a click, then the second press.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
        return;
    }
    ADD_FAILURE() << "no entry " << text.toStdString();
}

void click(QListWidget* list, const QString& text) {
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->text() != text) continue;
        list->scrollToItem(list->item(i));
        QApplication::processEvents();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(i)).center());
        return;
    }
    ADD_FAILURE() << "no entry " << text.toStdString();
}

}  // namespace

TEST(FilePanel, NothingIsMadeUntilARecordCommandShowsIt) {
    GameWindow w;
    w.startAndShow();
    EXPECT_FALSE(w.window.filePanel().built());
    EXPECT_EQ(widget<QListWidget>(w, "File1"), nullptr);
    w.window.port().setListsVisible(false, false, false);
    w.window.port().setNameRowVisible(false);
    EXPECT_FALSE(w.window.filePanel().built());
    EXPECT_EQ(w.window.port().nameBoxText(), "");
    w.window.port().setListsVisible(true, true, false);
    EXPECT_TRUE(w.window.filePanel().built());
    EXPECT_TRUE(widget<QComboBox>(w, "Drive1")->isVisible());
    EXPECT_TRUE(widget<QListWidget>(w, "Dir1")->isVisible());
    EXPECT_FALSE(widget<QListWidget>(w, "File1")->isVisible());
    EXPECT_FALSE(widget<QLineEdit>(w, "Text1")->isVisible());
}

TEST(FilePanel, TheFileListShowsOnlyRecordsAndFollowsTheFolderList) {
    RecordFolder folder;
    GameWindow w;
    w.startAndShow();
    w.window.port().setListsVisible(true, true, true);
    auto* files = widget<QListWidget>(w, "File1");
    EXPECT_EQ(entries(files), QStringList{"一局目.棋譜"});
    EXPECT_EQ(QString::fromStdString(w.window.port().fileListFolder()), folder.dir.path());

    activate(widget<QListWidget>(w, "Dir1"), "old");
    EXPECT_EQ(entries(files), QStringList{"二局目.棋譜"});
    const QString old = folder.dir.filePath("old");
    EXPECT_EQ(QString::fromStdString(w.window.port().fileListFolder()), old);

    // A record saved meanwhile shows once the list is read again.
    touch(old + "/三局目.棋譜");
    EXPECT_EQ(files->count(), 1);
    w.window.port().refreshFileList();
    EXPECT_EQ(entries(files), (QStringList{"三局目.棋譜", "二局目.棋譜"}));

    // A click on a record hands the game its full path.
    click(files, "二局目.棋譜");
    ASSERT_EQ(w.chosenFiles.size(), 1u);
    EXPECT_EQ(QString::fromStdString(w.chosenFiles[0]), old + "/二局目.棋譜");

    // Back up through the folder list.
    activate(widget<QListWidget>(w, "Dir1"), QDir(folder.dir.path()).dirName());
    EXPECT_EQ(QString::fromStdString(w.window.port().fileListFolder()), folder.dir.path());
}

TEST(FilePanel, DrivesListTheRootAndHomeFirst) {
    QStringList drives = app::FilePanel::drives();
    ASSERT_GE(drives.size(), 2);
    EXPECT_EQ(drives[0], "/");
    EXPECT_EQ(drives[1], QDir::homePath());
    EXPECT_EQ(drives.removeDuplicates(), 0);
}

TEST(FilePanel, ADriveThatIsNotReadyIsReportedAndTheListsStay) {
    RecordFolder folder;
    GameWindow w;
    w.startAndShow();
    w.window.port().setListsVisible(true, true, true);
    auto* drive = widget<QComboBox>(w, "Drive1");
    drive->addItem("/no/such/drive");
    w.boxes.clear();
    drive->setCurrentIndex(drive->count() - 1);
    ASSERT_EQ(w.boxes.size(), 1u);
    EXPECT_EQ(w.boxes[0].text, "ﾃﾞﾊﾞｲｽが準備できていません");
    EXPECT_EQ(w.boxes[0].title, "ｴﾗｰ");
    EXPECT_EQ(drive->currentText(), "/no/such/drive");  // the drive list keeps the choice
    EXPECT_EQ(QString::fromStdString(w.window.port().fileListFolder()), folder.dir.path());
    // The root drive is always ready: both lists go there.
    drive->setCurrentIndex(0);
    EXPECT_EQ(w.boxes.size(), 1u);
    EXPECT_EQ(w.window.port().fileListFolder(), "/");
}

TEST(FilePanel, TheNameRowSitsBelowTheListsRightOfTheBoard) {
    GameWindow w;
    w.startAndShow();
    w.window.port().setListsVisible(true, true, true);
    w.window.port().setNameRowVisible(true);
    EXPECT_EQ(widget<QWidget>(w, "Label1")->property("text").toString(), "ﾌｧｲﾙ名 ：");
    EXPECT_EQ(widget<QPushButton>(w, "Command1")->text(), "RETURN");
    const app::SurfacePlacement place = w.window.view()->placement();
    const double boardRight = place.toWidget(QPointF(5100, 0)).x();
    const QRect files = widget<QWidget>(w, "File1")->geometry();
    const QRect name = widget<QWidget>(w, "Text1")->geometry();
    const QRect button = widget<QWidget>(w, "Command1")->geometry();
    EXPECT_GT(widget<QWidget>(w, "Drive1")->geometry().left(), boardRight);
    EXPECT_LT(widget<QWidget>(w, "Drive1")->geometry().bottom(),
              widget<QWidget>(w, "Dir1")->geometry().top());
    EXPECT_LT(widget<QWidget>(w, "Dir1")->geometry().bottom(), files.top());
    EXPECT_LT(files.bottom(), name.top());
    EXPECT_LT(name.right(), button.left());
    EXPECT_LE(button.right(), w.window.view()->width());
    // The panel follows the board when the window grows.
    w.resizeView(1300, 1000);
    EXPECT_GT(widget<QWidget>(w, "File1")->geometry().width(), files.width() * 3 / 2);

    QTest::keyClicks(widget<QLineEdit>(w, "Text1"), "game1");
    widget<QLineEdit>(w, "Text1")->insert("局");
    EXPECT_EQ(w.window.port().nameBoxText(), "game1局");
    w.window.port().clearNameBox();
    EXPECT_EQ(w.window.port().nameBoxText(), "");
}

// The open panel stands on one background over its whole area, so the texts
// beside the board do not show between the lists; closed, it hides too.
TEST(FilePanel, OneBackgroundCoversTheWholeOpenPanel) {
    GameWindow w;
    w.startAndShow();
    w.window.port().setListsVisible(true, true, true);
    w.window.port().setNameRowVisible(true);
    QWidget* backing = widget<QWidget>(w, "PanelBacking");
    ASSERT_NE(backing, nullptr);
    EXPECT_TRUE(backing->isVisible());
    EXPECT_TRUE(backing->autoFillBackground());
    for (const char* name : {"Drive1", "Dir1", "File1", "Label1", "Text1", "Command1"}) {
        QWidget* control = widget<QWidget>(w, name);
        EXPECT_TRUE(backing->geometry().contains(control->geometry())) << name;
        // Behind every control, never over one.
        EXPECT_LT(w.window.view()->children().indexOf(backing), w.window.view()->children().indexOf(control))
            << name;
    }
    w.window.port().setListsVisible(false, false, false);
    EXPECT_TRUE(backing->isVisible());  // the name row is still shown
    w.window.port().setNameRowVisible(false);
    EXPECT_FALSE(backing->isVisible());
}
