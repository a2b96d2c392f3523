#include "app/window/game_main.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QMessageBox>
#include <QStandardPaths>

#include <cstdio>
#include <filesystem>

#include "app/board/artwork.h"
#include "app/board/image_export.h"
#include "app/board/surface_view.h"
#include "app/keeping/game_keeper.h"
#include "app/keeping/player_settings.h"
#include "app/language/language.h"
#include "app/statistics/player_record.h"
#include "app/window/quit_signals.h"
#include "sound/sound_layer.h"

namespace app {

state::Answer askWithMessageBox(QWidget* parent, const BoxRequest& request) {
    QMessageBox box(parent);
    // An empty title would make the window system show the program's file name.
    box.setWindowTitle(request.title.empty() ? QString("QXぬえどり王")
                                             : QString::fromStdString(request.title));
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(request.text));
    box.setIcon(request.icon == state::Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
    if (request.buttons == state::Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? state::Answer::Yes : state::Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return state::Answer::Ok;
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

namespace {

// A board image is made on no screen and with no sound.
void startHeadless() {
    // Offscreen with the caller's options (a screen of a given size), if any.
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith("offscreen"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
}

// A box the game shows while it makes a board image (a record loaded, a
// sound not ready) is answered unseen: the command tells only its own errors.
state::Answer answerUnseen(QWidget*, const BoxRequest& request) {
    return request.buttons == state::Buttons::YesNo ? state::Answer::Yes : state::Answer::Ok;
}

}  // namespace

namespace {

// The player's data folder (~/.local/share/nuedori) and settings file
// (~/.config/nuedori/nuedori.conf), or, for a picture of the board, none:
// it neither reads nor writes the player's games.
QString dataFolder(bool exporting) {
    return exporting ? QString() : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}
QString settingsFile(bool exporting) {
    if (exporting) return {};
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath("nuedori.conf");
}

// --lang first, then the language the player last chose, then the locale.
Language languageAtStart(const PlayerSettings& settings) {
    const QStringList arguments = QCoreApplication::arguments();
    const std::optional<Language> remembered = settings.language();
    if (!arguments.contains("--lang") && remembered) return *remembered;
    return startLanguage(arguments, [](const char* name) { return qEnvironmentVariable(name); });
}

}  // namespace

int runGame(int argc, char** argv, const StartOptions& options) {
    QStringList given;
    for (int i = 0; i < argc; ++i) given << QString::fromLocal8Bit(argv[i]);
    const bool exporting = asksForImage(given);
    if (exporting) startHeadless();
    QApplication application(argc, argv);
    setUpApplication(application);
    PlayerSettings settings(settingsFile(exporting));
    GameKeeper keeper(dataFolder(exporting));
    // The library reads the games folder: only where games are kept.
    std::unique_ptr<statistics::PlayerRecord> player;
    if (keeper.keeping())
        player = std::make_unique<statistics::PlayerRecord>(dataFolder(exporting), keeper.gamesFolder());
    Translators::of()->use(languageAtStart(settings));
    const auto answer = exporting ? answerUnseen : askWithMessageBox;

    sound::SoundLayer sound(waveFolders(), [answer](std::string_view text, std::string_view caption) {
        answer(nullptr, BoxRequest{soundWarningWords(text), std::string(caption), state::Buttons::Ok,
                                   state::Icon::Exclamation});
    });
    WindowServices services;
    services.answer = answer;
    services.quit = [] { QCoreApplication::exit(0); };
    services.keeper = &keeper;
    services.settings = &settings;
    services.player = player.get();
    MainWindow window(sound, std::move(services));
    new QuitSignals(&window, [&window] { window.leave(); });  // the window owns it
    QString unknown;
    if (const std::optional<PieceSet> set = piecesAsked(QCoreApplication::arguments(), &unknown))
        window.setPieceSet(*set);
    else if (!unknown.isNull())
        std::fprintf(stderr, "nuedori: no piece set \"%s\"\n", unknown.toLocal8Bit().constData());
    if (options.firstPaint) window.view()->onFirstPaint(options.firstPaint);
    window.start();
    if (exporting) return exportImage(window, QCoreApplication::arguments());
    if (window.game().state.quitRequested) return 0;
    window.show();
    return QApplication::exec();
}

}  // namespace app
