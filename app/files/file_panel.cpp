#include "app/files/file_panel.h"

#include "app/language/language.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>

#include <cmath>

namespace app {

namespace {

// Where each control stands, in twips of the surface.
constexpr QRectF kDriveArea{5650, 300, 3050, 330};
constexpr QRectF kFolderArea{5650, 660, 3050, 2190};
constexpr QRectF kFileArea{5650, 2920, 3050, 2250};
constexpr QRectF kLabelArea{5650, 5260, 800, 400};
constexpr QRectF kNameArea{6480, 5260, 1450, 400};
constexpr QRectF kButtonArea{7980, 5260, 720, 400};
// The whole panel: one background behind every control, so the texts beside
// the board do not show through the gaps between them.
constexpr QRectF kPanelArea{5650, 300, 3050, 5360};

constexpr int kPathRole = Qt::UserRole;
constexpr const char* kExtension = ".棋譜";

// Enter in the name box does what RETURN does, and goes no further (the
// board would take it for a press).
class EnterKey : public QObject {
public:
    EnterKey(QObject* box, std::function<void()> enter) : QObject(box), enter_(std::move(enter)) {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const int key = static_cast<const QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        if (enter_) enter_();
        return true;
    }

private:
    std::function<void()> enter_;
};

bool ready(const QString& path) {
    const QFileInfo info(path);
    return info.isDir() && info.isReadable() && QStorageInfo(path).isReady();
}

}  // namespace

FilePanel::FilePanel(QWidget* host, Hooks hooks) : host_(host), hooks_(std::move(hooks)) {}

QStringList FilePanel::drives() {
    QStringList list{QDir::rootPath(), QDir::homePath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (!volume.isValid() || list.contains(root)) continue;
        // Kernel and runtime file systems hold no records.
        if (root.startsWith("/proc") || root.startsWith("/sys") || root.startsWith("/dev") ||
            root.startsWith("/run"))
            continue;
        list.push_back(root);
    }
    return list;
}

void FilePanel::build() {
    if (built()) return;
    backing_ = new QWidget(host_);  // made first, so it stands behind the controls
    backing_->setObjectName("PanelBacking");
    backing_->setAutoFillBackground(true);
    backing_->hide();
    drive_ = new QComboBox(host_);  // the host window owns the controls
    drive_->setObjectName("Drive1");
    folders_ = new QListWidget(host_);
    folders_->setObjectName("Dir1");
    files_ = new QListWidget(host_);
    files_->setObjectName("File1");
    saved_ = new QListWidget(host_);
    saved_->setObjectName("SavedRecords");
    label_ = new QLabel(host_);
    label_->setObjectName("Label1");
    label_->setAutoFillBackground(true);
    name_ = new QLineEdit(host_);
    name_->setObjectName("Text1");
    button_ = new QPushButton(host_);
    button_->setObjectName("Command1");
    retranslate();
    for (QWidget* w :
         {static_cast<QWidget*>(drive_), static_cast<QWidget*>(folders_), static_cast<QWidget*>(files_),
          static_cast<QWidget*>(saved_), static_cast<QWidget*>(label_), static_cast<QWidget*>(name_),
          static_cast<QWidget*>(button_)})
        w->hide();
    folder_ = QDir(hooks_.startFolder ? hooks_.startFolder() : QDir::currentPath()).absolutePath();
    filesFolder_ = folder_;

    showDrives();
    QObject::connect(drive_, &QComboBox::currentIndexChanged, host_, [this] { driveChanged(); });
    QObject::connect(folders_, &QListWidget::itemActivated, host_,
                     [this](QListWidgetItem* item) { setFolder(item->data(kPathRole).toString()); });
    QObject::connect(files_, &QListWidget::itemClicked, host_, [this](QListWidgetItem* item) {
        if (hooks_.fileChosen) hooks_.fileChosen(QDir(filesFolder_).filePath(item->text()).toStdString());
    });
    QObject::connect(saved_, &QListWidget::itemClicked, host_, [this](QListWidgetItem* item) {
        // A record file's name without its ending; a KIF file's whole, so that it is written as KIF again.
        const QString name = item->text();
        name_->setText(name.endsWith(kExtension) ? name.chopped(static_cast<int>(QString(kExtension).size()))
                                                 : name);
        name_->setFocus();
    });
    QObject::connect(button_, &QPushButton::clicked, host_, [this] {
        if (hooks_.returnPressed) hooks_.returnPressed();
    });
    new EnterKey(name_, [this] {
        if (hooks_.returnPressed) hooks_.returnPressed();
    });
    showFolder();
    showFiles();
    place(placement_);
}

void FilePanel::retranslate() {
    if (!built()) return;
    label_->setText(windowText("Window", QStringLiteral("ﾌｧｲﾙ名 ：")));
    button_->setText(windowText("Window", QStringLiteral("RETURN")));
}

void FilePanel::showDrives() {
    const QSignalBlocker quiet(drive_);
    drive_->clear();
    drive_->addItems(drives());
    // The drive that holds the current folder is the one shown.
    int best = 0;
    for (int i = 0; i < drive_->count(); ++i) {
        const QString root = drive_->itemText(i);
        if ((folder_ == root || folder_.startsWith(root.endsWith('/') ? root : root + '/')) &&
            root.size() > drive_->itemText(best).size())
            best = i;
    }
    drive_->setCurrentIndex(best);
}

void FilePanel::driveChanged() {
    const QString drive = drive_->currentText();
    // The drive list keeps the chosen drive even when it cannot be read.
    if (!ready(drive)) {
        if (hooks_.driveNotReady) hooks_.driveNotReady();
        return;
    }
    setFolder(drive);
}

void FilePanel::setFolder(const QString& path) {
    folder_ = QDir(path).absolutePath();
    showFolder();
    // Dir1_Change: the file list follows the folder list.
    filesFolder_ = folder_;
    showFiles();
    if (hooks_.folderChanged) hooks_.folderChanged(folder_);
}

void FilePanel::showFolder() {
    folders_->clear();
    const QStyle* style = host_->style();
    const QIcon open = style->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style->standardIcon(QStyle::SP_DirIcon);
    // The folders from the root down to the current one, then its subfolders,
    // each indented one step further.
    QStringList chain;
    for (QDir d(folder_);;) {
        chain.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp()) break;
    }
    int depth = 0;
    for (const QString& path : chain) {
        const QString name = depth == 0 ? path : QFileInfo(path).fileName();
        auto* item = new QListWidgetItem(open, QString(depth * 2, ' ') + name, folders_);
        item->setData(kPathRole, path);
        ++depth;
    }
    const QDir dir(folder_);
    for (const QString& sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        auto* item = new QListWidgetItem(closed, QString(depth * 2, ' ') + sub, folders_);
        item->setData(kPathRole, dir.filePath(sub));
    }
    folders_->setCurrentRow(static_cast<int>(chain.size()) - 1);
}

void FilePanel::showFiles() {
    const QStringList records =
        QDir(filesFolder_)
            .entryList(QStringList{QString("*") + kExtension, "*.kifu", "*.kif"}, QDir::Files, QDir::Name);
    files_->clear();
    files_->addItems(records);
    saved_->clear();
    saved_->addItems(records);
}

bool FilePanel::isOpen() const { return built() && !backing_->isHidden(); }

// The lists as they are on the disk now, each time the panel opens.
void FilePanel::opened(bool wasOpen) {
    if (wasOpen || !isOpen()) return;
    showFolder();
    showFiles();
}

void FilePanel::showSaved() {
    saved_->setVisible(!label_->isHidden() && files_->isHidden() && !folders_->isHidden());
}

void FilePanel::setListsVisible(bool drive, bool folder, bool files) {
    if (!built()) {
        if (!drive && !folder && !files) return;
        build();
    }
    const bool wasOpen = isOpen();
    drive_->setVisible(drive);
    folders_->setVisible(folder);
    files_->setVisible(files);
    showSaved();
    showBacking();
    opened(wasOpen);
}

void FilePanel::showBacking() {
    const bool open =
        !drive_->isHidden() || !folders_->isHidden() || !files_->isHidden() || !label_->isHidden();
    backing_->setVisible(open);
    if (open) backing_->stackUnder(drive_);
}

void FilePanel::setNameRowVisible(bool visible) {
    if (!built()) {
        if (!visible) return;
        build();
    }
    const bool wasOpen = isOpen();
    label_->setVisible(visible);
    name_->setVisible(visible);
    button_->setVisible(visible);
    showSaved();
    showBacking();
    opened(wasOpen);
    if (visible) name_->setFocus();
}

void FilePanel::clearNameBox() {
    if (built()) name_->clear();
}

QString FilePanel::nameBoxText() const { return built() ? name_->text() : QString(); }

void FilePanel::refreshFileList() {
    if (built()) showFiles();
}

void FilePanel::place(const SurfacePlacement& placement) {
    placement_ = placement;
    if (!built()) return;
    const auto put = [&](QWidget* w, const QRectF& twips) {
        w->setGeometry(placement.toWidget(twips).toAlignedRect());
    };
    put(backing_, kPanelArea);
    put(drive_, kDriveArea);
    put(folders_, kFolderArea);
    put(files_, kFileArea);
    put(saved_, kFileArea);
    put(label_, kLabelArea);
    put(name_, kNameArea);
    put(button_, kButtonArea);
    // The controls' lettering grows and shrinks with the board.
    QFont font = QApplication::font();
    font.setPixelSize(std::max(8, static_cast<int>(std::lround(12 * placement.scale))));
    for (QWidget* w :
         {static_cast<QWidget*>(drive_), static_cast<QWidget*>(folders_), static_cast<QWidget*>(files_),
          static_cast<QWidget*>(saved_), static_cast<QWidget*>(label_), static_cast<QWidget*>(name_),
          static_cast<QWidget*>(button_)})
        w->setFont(font);
    const int icon = font.pixelSize() + 2;
    folders_->setIconSize(QSize(icon, icon));
}

}  // namespace app
