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
            return MergeCommand(merge, io);
        }
        split.Engine = EngineOf(splitEngine);
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
