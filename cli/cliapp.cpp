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

// --password-file and --ask-password: passwords never come from the arguments.
void AddPasswordOptions(CLI::App* command, std::string& file, bool& ask)
{
    CLI::Option* fileOpt = command->add_option(
        "--password-file", file, "A file whose first line is the password tried on every protected input");
    CLI::Option* askOpt =
        command->add_flag("--ask-password", ask, "Ask on the terminal for each protected input's password");
    fileOpt->excludes(askOpt);
}

TPasswordOptions PasswordsOf(CLI::App* command, const std::string& file, bool ask)
{
    TPasswordOptions options;
    if (command->count("--password-file") > 0)
        options.File = file;
    options.Ask = ask;
    return options;
}

TEngineKind EngineOf(const std::string& name)
{
    return ParseEngineName(name).value_or(DefaultEngine);
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

    bool quiet = false;
    app.add_flag("-q,--quiet", quiet, "No progress and no completion message on stderr");

    std::vector<std::string> infoFiles;
    CLI::App* info = app.add_subcommand(
        "info", "One line per file, tab-separated: page count, encrypted (yes/no), size, path");
    info->add_option("FILE", infoFiles, "PDF files to look at")->required();

    TMergeOptions merge;
    CLI::App* mergeCmd =
        app.add_subcommand("merge", "Join two or more PDF files into one, in the given order");
    mergeCmd->add_option("-o,--output", merge.Output, "Output file (\".pdf\" is appended when missing)");
    mergeCmd->add_flag("-f,--force", merge.Force, "Overwrite an existing output file");
    std::string mergeEngine;
    AddEngineOption(mergeCmd, mergeEngine);
    mergeCmd
        ->add_option("--select", merge.Select,
                     "N=RANGES: only these pages of the Nth input, e.g. 2=1-3,7 (N- to the last page, z the "
                     "last page); repeatable")
        ->allow_extra_args(false);
    mergeCmd
        ->add_option("--rotate", merge.Rotate,
                     "N=DEGREES: turn the Nth input's pages 90, 180 or 270 clockwise")
        ->allow_extra_args(false);
    std::string bookmarks = BookmarkPolicyName(TBookmarkPolicy::FilesAndOwn);
    mergeCmd
        ->add_option(
            "--bookmarks", bookmarks,
            "files+own: one per file, its own beneath; own: the files' own only; files: one per file "
            "only; none")
        ->check(CLI::IsMember({"files+own", "own", "files", "none"}))
        ->capture_default_str();
    mergeCmd->add_flag("--blank-after-odd", merge.BlankAfterOdd,
                       "A blank page after each file with an odd number of pages, for double-sided printing");
    std::string mergePasswordFile;
    bool mergeAsk = false;
    AddPasswordOptions(mergeCmd, mergePasswordFile, mergeAsk);
    mergeCmd->add_option("IN", merge.Inputs, "PDF files to join");

    TSplitOptions split;
    std::int64_t every = 0;
    std::string pages;
    CLI::App* splitCmd = app.add_subcommand("split", "Cut a PDF file into several");
    CLI::Option* everyOpt = splitCmd->add_option("--every", every, "A file for every N pages");
    CLI::Option* pagesOpt =
        splitCmd->add_option("--pages", pages, "A file for each page range, e.g. \"1,2-5,4,6\"");
    everyOpt->excludes(pagesOpt);
    splitCmd->add_option("-o,--output", split.Location, "Output folder (created when missing)");
    splitCmd->add_flag("-f,--force", split.Force, "Overwrite existing output files");
    std::string splitEngine;
    AddEngineOption(splitCmd, splitEngine);
    std::string splitPasswordFile;
    bool splitAsk = false;
    AddPasswordOptions(splitCmd, splitPasswordFile, splitAsk);
    splitCmd->add_option("SRC", split.Source, "PDF file to split");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e, out, err);
        return code == 0 ? CLI_EXIT_OK : CLI_EXIT_REFUSED;
    }

    TCliStreams io{out, err, quiet, errIsTerminal};
    try {
        if (info->parsed())
            return InfoCommand(infoFiles, io);
        if (mergeCmd->parsed()) {
            merge.Engine = EngineOf(mergeEngine);
            merge.Bookmarks = ParseBookmarkPolicy(bookmarks).value_or(TBookmarkPolicy::FilesAndOwn);
            merge.Passwords = PasswordsOf(mergeCmd, mergePasswordFile, mergeAsk);
            return MergeCommand(merge, io);
        }
        split.Engine = EngineOf(splitEngine);
        split.Passwords = PasswordsOf(splitCmd, splitPasswordFile, splitAsk);
        if (*everyOpt)
            split.Every = every;
        if (*pagesOpt)
            split.Pages = pages;
        return SplitCommand(split, io);
    } catch (const std::exception& e) {
        // Something unforeseen (out of memory, a file-system error): a failure, not a refusal.
        err << e.what() << '\n';
        return CLI_EXIT_JOB_FAILED;
    }
}
