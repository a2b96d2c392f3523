#include "port_recorder.h"

#include "words/japanese.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace testing_support {

namespace {

std::string number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

}  // namespace

namespace {

// The names the log prints, so a test reads which image or mark it asserts.
constexpr std::array<std::string_view, 24> kImageNames{
    "KARA_MASU", "TITLE",    "UE_HU",    "UE_TO",    "UE_KYOU",   "UE_KEI",    "UE_GIN",   "UE_KIN",
    "UE_SYA",    "UE_RYUU",  "UE_KAKU",  "UE_UMA",   "UE_OU",     "SITA_HU",   "SITA_TO",  "SITA_KYOU",
    "SITA_KEI",  "SITA_GIN", "SITA_KIN", "SITA_SYA", "SITA_RYUU", "SITA_KAKU", "SITA_UMA", "SITA_OU"};
constexpr std::array<std::string_view, state::kMenuCheckCount> kMenuCheckNames{
    "LEVEL1", "LEVEL2", "LEVEL3", "SIDOU", "BGM", "LEVEL4", "LEVEL5", "LEVEL6", "LEVEL7", "LEVEL8"};

std::string_view imageName(state::Image image) { return kImageNames.at(static_cast<std::size_t>(image)); }
std::string_view menuCheckName(state::MenuCheck item) {
    return kMenuCheckNames.at(static_cast<std::size_t>(item));
}

}  // namespace

void PortRecorder::outlineCell(int colour, int x, int y) {
    if (logDrawing)
        log.push_back("outline " + std::to_string(colour) + " " + std::to_string(x) + " " +
                      std::to_string(y));
}

void PortRecorder::fillRect(double x, double y, int width, int height, int colour) {
    if (logDrawing)
        log.push_back("rect " + number(x) + " " + number(y) + " " + std::to_string(width) + " " +
                      std::to_string(height) + " " + std::to_string(colour));
}

void PortRecorder::drawImage(state::ImageRef image, double x, double y) {
    if (logDrawing)
        log.push_back("image " + std::string(imageName(image.name)) + "." + std::to_string(image.element) +
                      " piece " + std::to_string(image.piece) + " at " + number(x) + " " + number(y));
}

void PortRecorder::printText(double x, double y, const state::SurfaceText& text, state::TextStyle style) {
    printed.push_back(text);
    if (logDrawing)
        log.push_back("text " + number(x) + " " + number(y) + " size " + std::to_string(style.size) +
                      " colour " + std::to_string(style.colour) + (style.bold ? " bold " : " ") +
                      words::日本語(text));
}

void PortRecorder::thinking(bool on) { facts.push_back(std::string("thinking ") + (on ? "1" : "0")); }

void PortRecorder::gameFacts(const state::GameFacts& f) {
    facts.push_back("facts first " + std::to_string(f.firstMover) + " human " + std::to_string(f.humanSide) +
                    " level " + std::to_string(f.level) + (f.replaying ? " replaying" : ""));
}

void PortRecorder::gameOver(state::Outcome o) {
    const char* names[] = {"continues", "upper", "lower", "draw"};
    facts.push_back(std::string("over ") + names[static_cast<int>(o.result)]);
}

void PortRecorder::refresh() {
    if (logDrawing) log.push_back("refresh");
}

state::Answer PortRecorder::messageBox(const state::Message& text, state::Text title, state::Buttons buttons,
                                       state::Icon icon) {
    log.push_back("msg " + words::日本語(text) + "|" + std::string(words::原文(title)) +
                  (buttons == state::Buttons::YesNo ? "|yesno" : "") +
                  (icon == state::Icon::Exclamation ? "|!" : ""));
    if (!answers.empty()) {
        const state::Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == state::Buttons::YesNo ? state::Answer::Yes : state::Answer::Ok;
}

void PortRecorder::soundStartup() { log.push_back("sound startup"); }

int PortRecorder::loadSound(std::string_view fileName, int flags) {
    log.push_back("load " + std::string(fileName) + " " + std::to_string(flags));
    return nextSoundHandle++;
}

void PortRecorder::playSound(int handle) { log.push_back("play " + std::to_string(handle)); }
void PortRecorder::loopSound(int handle) { log.push_back("loop " + std::to_string(handle)); }
void PortRecorder::stopSound(int handle) { log.push_back("stop " + std::to_string(handle)); }
void PortRecorder::freeSound(int handle) { log.push_back("free " + std::to_string(handle)); }
void PortRecorder::soundShutdown() { log.push_back("sound shutdown"); }
void PortRecorder::wait(double seconds) { log.push_back("wait " + number(seconds)); }

void PortRecorder::setListsVisible(bool drive, bool folderList, bool files) {
    log.push_back(std::string("lists ") + (drive ? "1" : "0") + (folderList ? "1" : "0") +
                  (files ? "1" : "0"));
}

void PortRecorder::setNameRowVisible(bool visible) {
    log.push_back(std::string("namerow ") + (visible ? "1" : "0"));
}

void PortRecorder::clearNameBox() {
    nameBox.clear();
    log.push_back("namebox cleared");
}

std::string PortRecorder::nameBoxText() { return nameBox; }
std::string PortRecorder::fileListFolder() { return folder; }
void PortRecorder::refreshFileList() { log.push_back("filelist refreshed"); }

void PortRecorder::setMenuChecked(state::MenuCheck item, bool checked) {
    log.push_back("check " + std::string(menuCheckName(item)) + " " + (checked ? "1" : "0"));
}

void PortRecorder::quit() {
    quitCalled = true;
    log.push_back("quit");
}

std::vector<std::string> PortRecorder::linesStartingWith(std::string_view prefix) const {
    std::vector<std::string> out;
    for (const auto& line : log)
        if (line.rfind(prefix, 0) == 0) out.push_back(line);
    return out;
}

std::vector<std::string> PortRecorder::messages() const {
    std::vector<std::string> out;
    for (const auto& line : linesStartingWith("msg ")) out.push_back(line.substr(4));
    return out;
}

}  // namespace testing_support
