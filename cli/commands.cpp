#include "commands.h"

#include "job/frontdoor.h"
#include "job/job.h"
#include "job/jobchecks.h"
#include "job/jobinputs.h"
#include "job/messages.h"
#include "job/pageranges.h"
#include "job/pageselection.h"
#include "job/progressmeter.h"
#include "job/sizesplit.h"
#include "job/splitnames.h"
#include "output/outputnames.h"
#include "output/safeoutput.h"
#include "platform/platform.h"
#include "progress.h"
#include "text/filenames.h"
#include "text/strutil.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <map>
#include <optional>
#include <stdexcept>
#include <system_error>
#include <thread>
#include <utility>

namespace fs = std::filesystem;

namespace {

// A check that failed: its text goes to the error stream and the command ends
// with CLI_EXIT_REFUSED, having started nothing.
class TRefused : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Refuse(const std::string& message)
{
    throw TRefused(message);
}

void RefuseIf(const std::optional<TRefusal>& refusal)
{
    if (refusal)
        Refuse(refusal->Message());
}

// Only --force lets a job replace a file, also one that appears while it runs.
TOverwrite Overwrite(bool force)
{
    return force ? TOverwrite::Allow : TOverwrite::Refuse;
}

std::string ForceToOverwrite(const std::string& name)
{
    return AlreadyExistsText(name).Str() + ", use --force to overwrite.";
}

// The job hands its paths to Ghostscript as they stand, where a name beginning
// with "-" or "@" would be read as a switch or an argument file. Absolute paths
// never begin that way, and the folder-chain rules need them anyway.
std::string AbsolutePath(const std::string& path)
{
    if (path.empty())
        return path;
    std::error_code ec;
    const fs::path absolute = fs::absolute(plat::fsPath(path), ec);
    return ec ? path : plat::fsText(absolute);
}

std::string WithFullStop(std::string text)
{
    if (text.empty() || text.back() != '.')
        text += '.';
    return text;
}

// The first line of the password file, without its line end.
std::string FirstLineOf(const std::string& path)
{
    std::FILE* file = plat::openFile(path, "rb");
    if (!file)
        Refuse("The password file " + path + " cannot be read.\n" + std::generic_category().message(errno));
    std::string line;
    for (int c; (c = std::fgetc(file)) != EOF && c != '\n';)
        line += static_cast<char>(c);
    std::fclose(file);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.empty())
        Refuse("The password file " + path + " has no password on its first line.");
    return line;
}

// The passwords the options give, read when a protected input first needs one.
class TPasswords
{
public:
    explicit TPasswords(const TPasswordOptions& options) : m_options(options) {}

    std::optional<std::string> For(const std::string& file)
    {
        if (m_options.File) {
            if (!m_fromFile)
                m_fromFile = FirstLineOf(*m_options.File);
            return m_fromFile;
        }
        if (!m_options.Ask)
            return std::nullopt;
        std::optional<std::string> typed = plat::readHiddenLine(FillTemplate(TxtPasswordFor, {file}) + " ");
        if (!typed)
            Refuse("--ask-password: there is no terminal to ask for the password of " + file + ".");
        return typed;
    }

private:
    const TPasswordOptions& m_options;
    std::optional<std::string> m_fromFile;
};

// The front door's look at an input, opened with its password when it is
// locked and the options give one.
TListProbe ProbeInput(const std::string& file, TPasswords& passwords, std::optional<TListProbe> known = {})
{
    TListProbe probe = known ? std::move(*known) : ProbePdfForList(file);
    if (IsLocked(probe) && probe.OpenError.empty()) {
        if (const std::optional<std::string> password = passwords.For(file))
            probe = ProbePdfForList(file, *password);
    }
    return probe;
}

// Runs the filled job on a worker thread and follows its notices until GSN_DONE.
// Returns the job's result code.
int RunJob(TCall_GS_Thread_Param& param, TNoticeQueue& queue, TCliStreams& io)
{
    TProgressState progress;
    std::optional<int> shown;
    auto show = [&](int percent) {
        if (io.Quiet || shown == percent)
            return;
        shown = percent;
        const std::string text = PercentText(percent);
        if (io.ErrIsTerminal)
            io.Err << '\r' << text << std::flush;
        else
            io.Err << text << '\n';
    };

    std::thread worker;
    try {
        worker = StartGsJob(param);
    } catch (const std::system_error&) {
        return GS_RESULT_ERROR;
    }
    int result = GS_RESULT_ERROR;
    for (;;) {
        const TNotice notice = queue.WaitNext();
        if (notice.LParam == GSN_DONE) {
            result = static_cast<int>(notice.WParam);
            break;
        }
        const std::optional<int> percent =
            ApplyProgressNotice(progress, param.Kind, notice.WParam, notice.LParam);
        // Nothing to show while no total is known.
        if (percent && progress.Maximum > 0)
            show(*percent);
    }
    worker.join();
    if (shown && io.ErrIsTerminal)
        io.Err << '\n';
    return result;
}

int Finish(const TCall_GS_Thread_Param& param, int result, TCliStreams& io)
{
    const std::string message = JobEndMessage(param.Kind, result, param);
    if (result == GS_RESULT_OK) {
        // A success's warnings are shown even with --quiet.
        if (!io.Quiet)
            io.Err << message << '\n';
        else if (!param.Notes.empty())
            io.Err << param.Notes << '\n';
        return CLI_EXIT_OK;
    }
    io.Err << message << '\n';
    return CLI_EXIT_JOB_FAILED;
}

} // namespace

int InfoCommand(const std::vector<std::string>& files, TCliStreams& io)
{
    int exitCode = CLI_EXIT_OK;
    for (const std::string& file : files) {
        if (plat::isDirectory(file)) {
            io.Err << file << " is a folder, not a PDF document." << '\n';
            exitCode = CLI_EXIT_JOB_FAILED;
            continue;
        }
        const TListProbe probe = ProbePdfForList(file);
        if (!probe.OpenError.empty()) {
            io.Err << probe.OpenError << '\n';
            exitCode = CLI_EXIT_JOB_FAILED;
            continue;
        }
        // A count no reader stands behind would be a guess; a repair that kept
        // no page read nothing.
        if (!probe.Encrypted && (!probe.ReaderCount || (probe.Repaired && probe.Pages == 0))) {
            io.Err << probe.ReaderNote << '\n';
            exitCode = CLI_EXIT_JOB_FAILED;
            continue;
        }
        if (probe.Repaired)
            io.Err << probe.ReaderNote << '\n';
        const std::uint64_t size = plat::fileSize(file).value_or(0);
        io.Out << probe.Pages << '\t' << (probe.Encrypted ? "yes" : "no") << '\t' << FileSizeText(size)
               << '\t' << file << '\n';
    }
    // Output that cannot be written (a full disk, a closed pipe) is a failure.
    if (!io.Out.flush()) {
        io.Err << "The list could not be written." << '\n';
        return CLI_EXIT_JOB_FAILED;
    }
    return exitCode;
}

namespace {

// Each "N=VALUE" of an option by the input's place (from 0); a later one for the
// same input wins. Refused when N names no input.
std::map<std::size_t, std::string> ChoicesByInput(const char* option, const std::vector<std::string>& texts,
                                                  std::size_t inputs)
{
    std::map<std::size_t, std::string> choices;
    for (const std::string& text : texts) {
        const auto equals = text.find('=');
        std::size_t n = 0;
        const char* end = text.data() + (equals == std::string::npos ? text.size() : equals);
        const auto [stop, error] = std::from_chars(text.data(), end, n);
        if (equals == std::string::npos || error != std::errc() || stop != end || n < 1 || n > inputs)
            Refuse(std::string(option) + " " + text + ": N must name an input by its place, from 1 to " +
                   std::to_string(inputs) + ".");
        choices[n - 1] = text.substr(equals + 1);
    }
    return choices;
}

int Quarters(const std::string& text)
{
    for (const int degrees : {0, 90, 180, 270}) {
        if (text == std::to_string(degrees))
            return degrees;
    }
    Refuse("--rotate " + text + ": a turn is 90, 180 or 270 degrees clockwise.");
}

// Puts the options' page selection and turn for the input at `place` on its row.
void ApplyChoices(const TMergeOptions& options, std::size_t place, TMergeListRow& row)
{
    const auto selections = ChoicesByInput("--select", options.Select, options.Inputs.size());
    if (const auto it = selections.find(place); it != selections.end()) {
        const TPageSelection selection = ParsePageSelection(it->second, row.Pages);
        if (!selection.Problem.empty())
            Refuse(SelectionRefusalText(options.Inputs[place], it->second, selection.Problem).Str());
        row.Selection = it->second;
    }
    const auto rotations = ChoicesByInput("--rotate", options.Rotate, options.Inputs.size());
    if (const auto it = rotations.find(place); it != rotations.end())
        row.Rotate = Quarters(it->second);
}

// The inputs as rows, after the merge list's checks, as files added to it pass
// them. A file already listed is left out with a word.
std::vector<TMergeListRow> MergeRows(const TMergeOptions& options, TCliStreams& io)
{
    std::vector<TMergeListRow> rows;
    TPasswords passwords(options.Passwords);
    // All at once, on every core, as the window's list reads the files added.
    std::vector<TListProbe> probes = ProbePdfsForList(options.Inputs);
    for (std::size_t place = 0; place < options.Inputs.size(); ++place) {
        const std::string& input = options.Inputs[place];
        const std::string fullPath = AbsolutePath(input);
        if (IsPathListed(rows, fullPath)) {
            if (!io.Quiet)
                io.Err << input << " is already in the list, left out." << '\n';
            continue;
        }
        TMergeAddVerdict verdict =
            JudgeMergeAdd(input, ProbeInput(input, passwords, std::move(probes[place])));
        // The job would leave a file without pages out silently and still
        // report success: refused here, where the window lists it.
        if (verdict.Outcome != TMergeAddOutcome::Ok)
            Refuse(verdict.Refusal->Message());
        verdict.Row.Path = fullPath;
        ApplyChoices(options, place, verdict.Row);
        rows.push_back(std::move(verdict.Row));
    }
    return rows;
}

// The final output name, after the checks the window makes of it.
std::string MergeOutput(const TMergeOptions& options, const std::vector<TMergeListRow>& rows)
{
    RefuseIf(CheckMergeStart(rows.size(), options.Output.size()));
    std::string out = FinalMergeOutputName(options.Output);
    // Blanks alone stay relative, so that the folder check refuses them.
    if (!Trim(options.Output).empty())
        out = AbsolutePath(out);
    RefuseIf(CheckMergeOutputIsInput(IsPathListed(rows, out)));
    if (plat::pathExists(out) && !options.Force)
        Refuse(ForceToOverwrite(out));
    RefuseIf(CheckMergeOutputCreatable(out));
    return out;
}

} // namespace

int MergeCommand(const TMergeOptions& options, TCliStreams& io)
{
    std::vector<TMergeListRow> rows;
    std::string out;
    try {
        rows = MergeRows(options, io);
        out = MergeOutput(options, rows);
    } catch (const TRefused& refusal) {
        io.Err << refusal.what() << '\n';
        return CLI_EXIT_REFUSED;
    }

    TJobInputs inputs;
    TNoticeQueue queue;
    TCall_GS_Thread_Param param;
    PrepareMergeJob(param, inputs, std::move(rows), out, &queue, options.Engine, Overwrite(options.Force),
                    {options.Bookmarks, options.BlankAfterOdd});
    const int result = RunJob(param, queue, io);
    return Finish(param, result, io);
}

namespace {

// What a split is set up with, once every check has passed.
struct TSplitSetup
{
    std::string Source;
    std::int32_t PageCount = 0;
    TPageRanges Ranges;
    std::string OutputPath;
    std::string BaseName;
    std::string Password;
    std::optional<plat::FileStamp> Counted; // the source as PageCount was read
};

// The source, checked as the window checks its source field and then its split.
void CheckSource(const TSplitOptions& options, TSplitSetup& setup)
{
    setup.Source = Trim(options.Source);
    RefuseIf(CheckSplitSourceGiven(setup.Source));
    if (!plat::pathExists(setup.Source))
        Refuse(TxtSourceMissing);
    if (plat::isDirectory(setup.Source))
        Refuse(TxtInvalidPdf);
    TPasswords passwords(options.Passwords);
    const TSplitSourceVerdict verdict = JudgeSplitSource(ProbeInput(setup.Source, passwords));
    if (verdict.Refusal)
        Refuse(verdict.Refusal->Message());
    setup.PageCount = verdict.Pages;
    setup.Password = verdict.Password;
    setup.Counted = verdict.Stamp;
    RefuseIf(CheckSplitSourcePages(setup.Source, verdict.Encrypted, setup.PageCount, verdict.WhyNoPages,
                                   verdict.EncryptedCause));
}

static_assert(MinPieceMegabytes == 0.1 && MaxPieceMegabytes == 100000, "the refusal below names them");

TSplitKind MethodOf(const TSplitOptions& options)
{
    if (options.BookmarkLevel)
        return TSplitKind::Bookmarks;
    if (options.MaxSize)
        return TSplitKind::Size;
    return options.Pages ? TSplitKind::Ranges : TSplitKind::Every;
}

// The method: typed ranges (their total goes to `notify` once they pass) or
// pages per file.
void CheckMethod(const TSplitOptions& options, TSplitSetup& setup, IGsNotifySink* notify)
{
    // The pages-per-file control holds a 16-bit position.
    constexpr std::int64_t maxPagesPerFile = std::numeric_limits<std::int16_t>::max();
    if (options.Pages) {
        try {
            RefuseIf(CheckSplitRanges(Trim(*options.Pages), setup.PageCount, setup.Ranges, notify));
        } catch (const EConvertError& e) {
            Refuse(WithFullStop(e.what()));
        }
    } else if (options.Every) {
        if (*options.Every < 1 || *options.Every > maxPagesPerFile)
            Refuse("Pages per file must be from 1 to " + std::to_string(maxPagesPerFile) + ".");
    } else if (options.BookmarkLevel) {
        if (*options.BookmarkLevel < 1 || *options.BookmarkLevel > MaxBookmarkLevel)
            Refuse("Bookmark levels are from 1 to " + std::to_string(MaxBookmarkLevel) + ".");
    } else if (options.MaxSize) {
        if (!(*options.MaxSize >= MinPieceMegabytes && *options.MaxSize <= MaxPieceMegabytes))
            Refuse("Piece sizes are from 0.1 to 100000 MB.");
    } else {
        Refuse(
            "Please choose a split method: --every N, --pages RANGES, --bookmarks LEVEL or --max-size MB.");
    }
    RefuseIf(CheckSplitMethodEngine(MethodOf(options), options.Engine));
}

// The location and every piece's name.
void CheckOutputs(const TSplitOptions& options, TSplitSetup& setup)
{
    std::string folder = options.Location;
    if (!Trim(folder).empty())
        folder = AbsolutePath(folder);
    RefuseIf(CheckSplitLocation(options.Location, folder));
    setup.OutputPath = IncludeTrailingSeparator(folder);
    setup.BaseName = RemoveFileExt(ExtractFileName(setup.Source));

    // Pieces by bookmarks or size are named once the job has cut them; the job
    // then refuses a name taken unless --force.
    if (options.BookmarkLevel || options.MaxSize)
        return;
    const std::vector<std::string> pieces =
        options.Pages ? SplitPieceNames(setup.OutputPath, setup.BaseName, setup.Ranges.RangeList)
                      : SplitPieceNames(setup.OutputPath, setup.BaseName, setup.PageCount,
                                        static_cast<std::int32_t>(*options.Every));
    for (const std::string& piece : pieces) {
        // Not even --force writes over the document being split.
        if (ResolvesToSameFile(piece, setup.Source))
            Refuse(PieceIsSourceText(piece).Str());
        // Nobody is there to confirm an overwrite, so it takes --force.
        if (!options.Force && plat::pathExists(piece))
            Refuse(ForceToOverwrite(piece));
    }
}

} // namespace

int SplitCommand(const TSplitOptions& options, TCliStreams& io)
{
    TSplitSetup setup;
    TNoticeQueue queue;
    try {
        CheckSource(options, setup);
        CheckMethod(options, setup, &queue);
        CheckOutputs(options, setup);
    } catch (const TRefused& refusal) {
        io.Err << refusal.what() << '\n';
        return CLI_EXIT_REFUSED;
    }

    TJobInputs inputs;
    TCall_GS_Thread_Param param;
    const std::string source = AbsolutePath(setup.Source);
    if (options.Pages)
        PrepareSplitRangesJob(param, inputs, source, setup.OutputPath, setup.PageCount, *options.Pages,
                              setup.Ranges.RangeList, &queue, options.Engine, Overwrite(options.Force),
                              setup.Password, setup.Counted);
    else if (options.BookmarkLevel)
        PrepareSplitBookmarksJob(param, inputs, source, setup.OutputPath, setup.PageCount,
                                 *options.BookmarkLevel, &queue, options.Engine, Overwrite(options.Force),
                                 setup.Password, setup.Counted);
    else if (options.MaxSize)
        PrepareSplitSizeJob(param, inputs, source, setup.OutputPath, setup.PageCount,
                            PieceBytesOf(*options.MaxSize), &queue, options.Engine, Overwrite(options.Force),
                            setup.Password, setup.Counted);
    else
        PrepareSplitEveryJob(param, inputs, source, setup.OutputPath, setup.PageCount,
                             static_cast<std::int16_t>(*options.Every), &queue, options.Engine,
                             Overwrite(options.Force), setup.Password, setup.Counted);
    const int result = RunJob(param, queue, io);
    return Finish(param, result, io);
}
