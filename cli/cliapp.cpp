#include "cliapp.h"

#include "commands.h"
#include "engines/pdfengine.h"

#include <CLI/CLI.hpp>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#ifndef PLICORA_VERSION
#error "PLICORA_VERSION must be defined by the build"
#endif

namespace {

// --engine on a subcommand: one of the core's engine names, the default when absent.
CLI::Option* AddEngineOption(CLI::App* command, std::string& engine)
{
    const std::string exact = EngineName(TEngineKind::Exact);
    const std::string ghostscript = EngineName(TEngineKind::Ghostscript);
    const std::string help = "How pages are written. " + exact + ": copies them; " +
                             EngineEffect(TEngineKind::Exact) + ". " + ghostscript +
                             ": rewrites them with the Ghostscript library, which it needs; " +
                             EngineEffect(TEngineKind::Ghostscript) + ".";
    engine = EngineName(DefaultEngine);
    return command->add_option("--engine", engine, help)
        ->check(CLI::IsMember({exact, ghostscript}))
        ->capture_default_str();
}

// Where passwords come from: never the arguments.
struct TPasswordChoice
{
    std::string File;
    bool Ask = false;
    CLI::Option* FileOption = nullptr;

    TPasswordOptions Options() const
    {
        TPasswordOptions options;
        if (FileOption && FileOption->count() > 0)
            options.File = File;
        options.Ask = Ask;
        return options;
    }
};

// --password-file and --ask-password on a subcommand.
void AddPasswordOptions(CLI::App* command, TPasswordChoice& choice)
{
    choice.FileOption =
        command->add_option("--password-file", choice.File,
                            "A file whose first line is the password tried on every protected input");
    CLI::Option* ask = command->add_flag("--ask-password", choice.Ask,
                                         "Ask on the terminal for each protected input's password");
    choice.FileOption->excludes(ask);
}

TEngineKind EngineOf(const std::string& name)
{
    return ParseEngineName(name).value_or(DefaultEngine);
}

// What the command line chose, filled in by parsing.
struct TCliChoices
{
    bool Quiet = false;
    CLI::App* Info = nullptr;
    std::vector<std::string> InfoFiles;
    CLI::App* Merge = nullptr;
    TMergeOptions MergeOptions;
    std::string MergeEngine;
    std::string Bookmarks = BookmarkPolicyName(TBookmarkPolicy::FilesAndOwn);
    TPasswordChoice MergePasswords;
    TSplitOptions SplitOptions;
    std::string SplitEngine;
    TPasswordChoice SplitPasswords;
    CLI::Option* Every = nullptr;
    std::int64_t EveryValue = 0;
    CLI::Option* Pages = nullptr;
    std::string PagesValue;
    CLI::Option* Chapters = nullptr;
    std::int32_t ChapterLevel = 0;
    CLI::Option* MaxSize = nullptr;
    double MaxSizeValue = 0;
};

void AddInfo(CLI::App& app, TCliChoices& c)
{
    c.Info = app.add_subcommand(
        "info", "One line per file, tab-separated: page count, encrypted (yes/no), size, path");
    c.Info->add_option("FILE", c.InfoFiles, "PDF files to look at")->required();
}

// What a merge takes of each input, and for all of them.
void AddMergeChoices(CLI::App* merge, TCliChoices& c)
{
    merge
        ->add_option("--select", c.MergeOptions.Select,
                     "N=RANGES: only these pages of the Nth input, e.g. 2=1-3,7 (N- to the last page, z the "
                     "last page); repeatable")
        ->allow_extra_args(false);
    merge
        ->add_option("--rotate", c.MergeOptions.Rotate,
                     "N=DEGREES: turn the Nth input's pages 90, 180 or 270 clockwise")
        ->allow_extra_args(false);
    merge
        ->add_option(
            "--bookmarks", c.Bookmarks,
            "files+own: one per file, its own beneath; own: the files' own only; files: one per file "
            "only; none")
        ->check(CLI::IsMember({"files+own", "own", "files", "none"}))
        ->capture_default_str();
    merge->add_flag("--blank-after-odd", c.MergeOptions.BlankAfterOdd,
                    "A blank page after each file with an odd number of pages, for double-sided printing");
}

void AddMerge(CLI::App& app, TCliChoices& c)
{
    c.Merge = app.add_subcommand("merge", "Join two or more PDF files into one, in the given order");
    c.Merge->add_option("-o,--output", c.MergeOptions.Output,
                        "Output file (\".pdf\" is appended when missing)");
    c.Merge->add_flag("-f,--force", c.MergeOptions.Force, "Overwrite an existing output file");
    AddEngineOption(c.Merge, c.MergeEngine);
    AddMergeChoices(c.Merge, c);
    AddPasswordOptions(c.Merge, c.MergePasswords);
    c.Merge->add_option("IN", c.MergeOptions.Inputs, "PDF files to join");
}

void AddSplit(CLI::App& app, TCliChoices& c)
{
    CLI::App* split = app.add_subcommand("split", "Cut a PDF file into several");
    c.Every = split->add_option("--every", c.EveryValue, "A file for every N pages");
    c.Pages = split->add_option("--pages", c.PagesValue, "A file for each page range, e.g. \"1,2-5,4,6\"");
    c.Chapters = split->add_option("--bookmarks", c.ChapterLevel,
                                   "A file for each bookmark at this level (1: the top ones, chapters)");
    c.MaxSize = split->add_option("--max-size", c.MaxSizeValue,
                                  "Files of at most this many MB (1 MB = 1024 KB), as many pages as fit");
    c.Every->excludes(c.Pages);
    c.Chapters->excludes(c.Every)->excludes(c.Pages);
    c.MaxSize->excludes(c.Every)->excludes(c.Pages)->excludes(c.Chapters);
    split->add_option("-o,--output", c.SplitOptions.Location, "Output folder (created when missing)");
    split->add_flag("-f,--force", c.SplitOptions.Force, "Overwrite existing output files");
    AddEngineOption(split, c.SplitEngine);
    AddPasswordOptions(split, c.SplitPasswords);
    split->add_option("SRC", c.SplitOptions.Source, "PDF file to split");
}

int RunChosen(TCliChoices& c, TCliStreams& io)
{
    if (c.Info->parsed())
        return InfoCommand(c.InfoFiles, io);
    if (c.Merge->parsed()) {
        c.MergeOptions.Engine = EngineOf(c.MergeEngine);
        c.MergeOptions.Bookmarks = ParseBookmarkPolicy(c.Bookmarks).value_or(TBookmarkPolicy::FilesAndOwn);
        c.MergeOptions.Passwords = c.MergePasswords.Options();
        return MergeCommand(c.MergeOptions, io);
    }
    c.SplitOptions.Engine = EngineOf(c.SplitEngine);
    c.SplitOptions.Passwords = c.SplitPasswords.Options();
    if (*c.Every)
        c.SplitOptions.Every = c.EveryValue;
    if (*c.Pages)
        c.SplitOptions.Pages = c.PagesValue;
    if (*c.Chapters)
        c.SplitOptions.BookmarkLevel = c.ChapterLevel;
    if (*c.MaxSize)
        c.SplitOptions.MaxSize = c.MaxSizeValue;
    return SplitCommand(c.SplitOptions, io);
}

} // namespace

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err, bool errIsTerminal)
{
    CLI::App app{"Joins and cuts PDF files.", "plicora-cli"};
    app.set_version_flag("--version", "plicora-cli " PLICORA_VERSION);
    app.footer("Exit codes: 0 success, 1 the job failed, 2 the input was refused.");
    app.require_subcommand(1);
    app.fallthrough(); // --quiet may follow the subcommand too
    // "/data/a.pdf" is a file, on Windows as well; set before the subcommands,
    // which take it over.
    app.allow_windows_style_options(false);

    TCliChoices choices;
    app.add_flag("-q,--quiet", choices.Quiet, "No progress and no completion message on stderr");
    AddInfo(app, choices);
    AddMerge(app, choices);
    AddSplit(app, choices);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e, out, err);
        return code == 0 ? CLI_EXIT_OK : CLI_EXIT_REFUSED;
    }

    TCliStreams io{out, err, choices.Quiet, errIsTerminal};
    try {
        return RunChosen(choices, io);
    } catch (const std::exception& e) {
        // Something unforeseen (out of memory, a file-system error): a failure, not a refusal.
        err << e.what() << '\n';
        return CLI_EXIT_JOB_FAILED;
    }
}
