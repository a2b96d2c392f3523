// Feeds arbitrary lines to one analysis session: every line gets its answer
// and nothing may crash.
#include <cstdint>
#include <string_view>

#include "cli/session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    cli::Session session;
    while (!text.empty() && !session.finished()) {
        const std::size_t end = text.find('\n');
        session.handle(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return 0;
}
