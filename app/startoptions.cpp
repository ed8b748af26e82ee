#include "startoptions.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace {

constexpr std::string_view EndOfOptions = "--";

// Not asked on Windows, where the desktop is always there.
[[maybe_unused]] bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

// A word the shell passes on as it is, or the word in single quotes.
std::string ShellWord(const std::string& word)
{
    if (!word.empty() && word.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                                "0123456789/._+-") == std::string::npos)
        return word;
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string CommandForThisProgram(const char* argv0)
{
    const std::string started = argv0 ? argv0 : "";
#ifdef __linux__
    namespace fs = std::filesystem;
    const fs::path self("/proc/self/exe");
    std::error_code error;
    const char* path = std::getenv("PATH");
    for (std::string_view rest = path ? path : ""; !rest.empty();) {
        const std::size_t colon = rest.find(':');
        const std::string_view folder = rest.substr(0, colon);
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        const fs::path found = fs::path(folder.empty() ? "." : folder) / "plicora";
        // The first one found is the one the name starts.
        if (fs::is_regular_file(found, error)) {
            if (fs::equivalent(found, self, error))
                return "plicora";
            break;
        }
    }
    if (started.find('/') == std::string::npos) {
        const fs::path target = fs::read_symlink(self, error);
        if (!error)
            return ShellWord(target.string());
    }
#endif
    return ShellWord(started.empty() ? std::string("plicora") : started);
}

} // namespace

TEarlyAnswer EarlyAnswer(int argc, const char* const* argv)
{
    for (int i = 1; i < argc && argv[i] != EndOfOptions; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h")
            return TEarlyAnswer::Help;
        if (arg == "--version")
            return TEarlyAnswer::Version;
    }
    return TEarlyAnswer::None;
}

std::string HelpText()
{
    return "Usage: plicora [FILE.pdf...]\n"
           "Joins PDF files into one, or cuts one PDF file into several, in a window.\n"
           "Two or more files start in the merge list; one file opens on the split side.\n"
           "\n"
           "  -h, --help     show this help and exit\n"
           "      --version  show the version and exit\n"
           "      --         every argument after it names a file\n"
           "\n"
           "Qt's own options work too, such as -platform NAME, -style NAME and -reverse.\n"
           "The same from a terminal or a script: plicora-cli --help\n";
}

std::string VersionText()
{
    return "plicora " PLICORA_VERSION "\n";
}

QString TakeFileArguments(QStringList& arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i) == QStringLiteral("--")) {
            arguments.removeAt(i);
            break;
        }
        if (arguments.at(i).startsWith(QLatin1Char('-')))
            return arguments.at(i);
    }
    return {};
}

std::string UnknownOptionMessage(const QString& option)
{
    return "plicora: unknown option '" + option.toStdString() + "' (plicora --help lists the options)\n";
}

bool HasDisplay(int argc, const char* const* argv)
{
#if defined(_WIN32) || defined(__APPLE__)
    (void)argc;
    (void)argv;
    return true; // the desktop is always there
#else
    if (IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
#endif
}

std::string NoDisplayMessage(const char* argv0)
{
    return "plicora: no display to show its window on (DISPLAY and WAYLAND_DISPLAY are unset); "
           "start it in a desktop session, or on a virtual X server: xvfb-run " +
           CommandForThisProgram(argv0) + " [FILE.pdf...]\n";
}
