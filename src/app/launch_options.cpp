#include "app/launch_options.h"

#include "board/game_modes.h"

#include <charconv>
#include <cstring>

namespace aw {

LaunchOptions launchOptions;

namespace {

// The whole text is the number, or nothing is read.
template <class Number> bool readNumber(const char* text, Number& out) {
    const char* end = text + std::strlen(text);
    auto [p, ec] = std::from_chars(text, end, out);
    return ec == std::errc() && p == end;
}

} // namespace

LaunchOptions parseLaunchOptions(int argc, const char* const* argv, std::string& errors) {
    LaunchOptions o;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (std::strcmp(a, "--unpaced") == 0) {
            o.unpaced = true;
        } else if (std::strcmp(a, "--level") == 0) {
            int n = 0;
            if (value && readNumber(value, n) && n >= 1 && n <= 129)
                o.startLevel = n;
            else
                errors += "--level needs a level number from 1 to 129\n";
            if (value) ++i;
        } else if (std::strcmp(a, "--map") == 0) {
            o.openMap = true;
        } else if (std::strcmp(a, "--completed") == 0) {
            int n = 0;
            if (value && readNumber(value, n) && n >= 1 && n <= 129)
                o.mapCompleted = n;
            else
                errors += "--completed needs a level number from 1 to 129\n";
            if (value) ++i;
        } else if (std::strcmp(a, "--describe-board") == 0) {
            if (value && value[0]) o.describeBoardPath = value;
            else errors += "--describe-board needs a file name\n";
            if (value) ++i;
        } else if (std::strcmp(a, "--clock-speed") == 0) {
            float f = 0;
            if (value && readNumber(value, f) && f >= 1 && f <= 20)
                o.clockSpeed = f;
            else
                errors += "--clock-speed needs a factor from 1 to 20\n";
            if (value) ++i;
        } else if (std::strcmp(a, "--mode") == 0) {
            int m = modeFromKey(value);
            if (m >= 0) o.startMode = m;
            else errors += "--mode needs adventure, timeless or puzzle\n";
            if (value) ++i;
        } else {
            errors += "unknown argument ";
            errors += a;
            errors += '\n';
        }
    }
    return o;
}

} // namespace aw
