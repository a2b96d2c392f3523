#include "app/game_main.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QMessageBox>

#include <filesystem>

#include "app/artwork.h"
#include "app/language.h"
#include "app/surface_view.h"
#include "sound/sound_layer.h"

namespace app {

control::Answer askWithMessageBox(QWidget* parent, const BoxRequest& request) {
    QMessageBox box(parent);
    // An empty title would make the window system show the program's file name.
    box.setWindowTitle(request.title.empty() ? QString("QXぬえどり王")
                                             : QString::fromStdString(request.title));
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(request.text));
    box.setIcon(request.icon == control::Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
    if (request.buttons == control::Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? control::Answer::Yes : control::Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return control::Answer::Ok;
}

namespace {

// Where the wave files are looked for: the working folder, the program's own
// folder (the build writes them there), then the installed data folder.
std::vector<std::filesystem::path> waveFolders() {
    const std::filesystem::path program = QCoreApplication::applicationDirPath().toStdString();
    std::error_code ec;
    return {std::filesystem::current_path(ec), program, program / ".." / "share" / "nuedori",
            std::filesystem::path(NUEDORI_DATA_DIR)};
}

}  // namespace

void setUpApplication(QApplication& application) {
    QApplication::setApplicationName("nuedori");
    // Window captions are the game's own, with nothing added after them.
    QApplication::setApplicationDisplayName(QString());
    QApplication::setFont(QFont(kTextFontFamily, 10));
    // The game speaks Japanese, はい/いいえ included, until English is chosen.
    new Translators(application);  // the application owns it
}

int runGame(int argc, char** argv, const StartOptions& options) {
    QApplication application(argc, argv);
    setUpApplication(application);
    Translators::of()->use(startLanguage(QCoreApplication::arguments(),
                                         [](const char* name) { return qEnvironmentVariable(name); }));

    sound::SoundLayer sound(waveFolders(), [](std::string_view text, std::string_view caption) {
        askWithMessageBox(nullptr, BoxRequest{soundWarningWords(text), std::string(caption),
                                              control::Buttons::Ok, control::Icon::Exclamation});
    });
    WindowServices services;
    services.answer = askWithMessageBox;
    services.quit = [] { QCoreApplication::exit(0); };
    MainWindow window(sound, std::move(services));
    if (options.firstPaint) window.view()->onFirstPaint(options.firstPaint);
    window.start();
    if (window.game().state.quitRequested) return 0;
    window.show();
    return QApplication::exec();
}

}  // namespace app
