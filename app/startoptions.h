// The window program's command line: `plicora [FILE.pdf...]`, --help and
// --version as other desktop programs have them, and Qt's own options
// (-platform, -style...), which Qt takes out before the files are read.
#pragma once

#include <QStringList>
#include <string>

enum class TEarlyAnswer
{
    None,
    Help,
    Version
};

// --help (-h) or --version among the arguments before a "--": answered before Qt
// starts, so that they work without a display.
TEarlyAnswer EarlyAnswer(int argc, const char* const* argv);
std::string HelpText();
std::string VersionText();

// The arguments left after Qt took its own options, made into the files to open:
// the first "--" is dropped and ends the options. Returns the first argument that
// looks like an option and is none of ours or Qt's ("" when there is none).
QString TakeFileArguments(QStringList& arguments);
// The one-line refusal of that option, for stderr.
std::string UnknownOptionMessage(const QString& option);

// Whether Qt will find a display to show the window on (always on Windows and
// macOS), and the one-line message when it will not, whose command works from
// where the user stands: `plicora` when that name reaches this program, else the
// path it was started by.
bool HasDisplay(int argc, const char* const* argv);
std::string NoDisplayMessage(const char* argv0);
