// nuedori-cli: the analysis command line. With no arguments it answers
// commands read from standard input, one per line (the position, the
// computer's moves, and "rating"/"rated", the player's Glicko-2 rating, as
// the README lists them); "selfplay" lets the computer play itself; "review"
// grades the moves of a saved record; "convert" turns a record into KIF and back.
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "cli/convert_command.h"
#include "cli/review_command.h"
#include "cli/selfplay.h"
#include "cli/session.h"

int main(int argc, char** argv) {
    if (argc > 1 && std::string_view(argv[1]) == "review") return cli::reviewMain(argc, argv);
    if (argc > 1 && std::string_view(argv[1]) == "convert") return cli::convertMain(argc, argv);
    if (argc > 1) return cli::selfplayMain(argc, argv);
    std::ios::sync_with_stdio(false);
    cli::Session session;
    std::string line;
    while (!session.finished() && std::getline(std::cin, line)) {
        const std::string answer = session.handle(line);
        if (!answer.empty()) {
            std::fwrite(answer.data(), 1, answer.size(), stdout);
            std::fflush(stdout);
        }
    }
    return 0;
}
