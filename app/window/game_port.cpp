#include "app/window/game_port.h"

#include "app/board/surface_view.h"
#include "app/files/file_panel.h"
#include "app/panel/beside_board.h"
#include "app/window/message_boxes.h"
#include "app/window/pause.h"
#include "app/window/window_menus.h"
#include "sound/sound_layer.h"

namespace app {

void GamePort::attach(SurfaceView& view, BesideBoard& beside, FilePanel& files, WindowMenus& menus) {
    view_ = &view;
    beside_ = &beside;
    files_ = &files;
    menus_ = &menus;
}

void GamePort::draw(DrawOp op) {
    parts_.surface.add(std::move(op));
    view_->update();
}

void GamePort::refresh() {
    beside_->follow();
    view_->update();
}

state::Answer GamePort::messageBox(const state::Message& text, state::Text title, state::Buttons buttons,
                                   state::Icon icon) {
    return parts_.boxes.ask(text, title, buttons, icon);
}

void GamePort::thinking(bool on) { beside_->setThinking(on); }

void GamePort::soundStartup() { parts_.sound.startup(); }
int GamePort::loadSound(std::string_view fileName, int flags) { return parts_.sound.load(fileName, flags); }
void GamePort::playSound(int handle) { parts_.sound.play(handle); }
void GamePort::loopSound(int handle) { parts_.sound.loop(handle); }
void GamePort::stopSound(int handle) { parts_.sound.stop(handle); }
void GamePort::freeSound(int handle) { parts_.sound.free(handle); }
void GamePort::soundShutdown() { parts_.sound.shutdown(); }

void GamePort::wait(double seconds) {
    beside_->follow();  // the panel shows the game as it stands while it waits
    parts_.pause.run(seconds * parts_.waitFactor);
}

void GamePort::setListsVisible(bool drive, bool folder, bool files) {
    files_->setListsVisible(drive, folder, files);
}
void GamePort::setNameRowVisible(bool visible) { files_->setNameRowVisible(visible); }
void GamePort::clearNameBox() { files_->clearNameBox(); }
std::string GamePort::nameBoxText() { return files_->nameBoxText().toStdString(); }
std::string GamePort::fileListFolder() { return files_->fileListFolder().toStdString(); }
void GamePort::refreshFileList() { files_->refreshFileList(); }
void GamePort::setMenuChecked(state::MenuCheck item, bool checked) { menus_->setChecked(item, checked); }

}  // namespace app
