#include "commands.h"

#include "job/job.h"
#include "job/jobchecks.h"
#include "job/jobinputs.h"
#include "job/messages.h"
#include "job/pageranges.h"
#include "job/progressmeter.h"
#include "job/splitnames.h"
#include "output/outputnames.h"
#include "output/safeoutput.h"
#include "pdf/pdfprobe.h"
#include "pdf/pdfreader.h"
#include "platform/platform.h"
#include "progress.h"
#include "text/filenames.h"
#include "text/strutil.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <stdexcept>
#include <system_error>
#include <thread>

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
        Refuse(refusal->Text);
}

// Only --force lets a job replace a file, also one that appears while it runs.
TOverwrite Overwrite(bool force)
{
    return force ? TOverwrite::Allow : TOverwrite::Refuse;
}

std::string ForceToOverwrite(const std::string& name)
{
    return AlreadyExistsText(name) + ", use --force to overwrite.";
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

// Whether writing `output` would overwrite the input `input`: the same name as
// the merge list compares names, or the same file reached another way.
bool IsSameFile(const std::string& output, const std::string& input)
{
    const auto normal = [](const std::string& p) { return plat::fsText(plat::fsPath(p).lexically_normal()); };
    if (SameTextAscii(normal(output), normal(input)))
        return true;
    std::error_code ec;
    return fs::equivalent(plat::fsPath(output), plat::fsPath(input), ec) && !ec;
}

std::string WithFullStop(std::string text)
{
    if (text.empty() || text.back() != '.')
        text += '.';
    return text;
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

int MergeCommand(const TMergeOptions& options, TCliStreams& io)
{
    std::vector<TMergeRow> rows;
    std::string out;
    try {
        // The inputs pass the merge list's checks first, as files added to it do.
        for (const std::string& input : options.Inputs) {
            const std::string fullPath = AbsolutePath(input);
            const bool listed = std::any_of(rows.begin(), rows.end(), [&](const TMergeRow& row) {
                return SameTextAscii(row.FullPath, fullPath);
            });
            if (listed) {
                if (!io.Quiet)
                    io.Err << input << " is already in the list, left out." << '\n';
                continue;
            }
            const TListProbe probe = ProbePdfForList(input);
            if (probe.Encrypted)
                Refuse(input + TxtEncryptedCannotMerge);
            if (plat::isDirectory(input))
                Refuse(input + " is a folder, cannot be merged!");
            if (!probe.OpenError.empty())
                Refuse(probe.OpenError);
            const std::int32_t pages = probe.Pages;
            // The job would leave it out silently and still report success.
            if (pages <= 0)
                Refuse(input + " is not a PDF document, cannot be merged!");
            rows.push_back({ExtractFileName(input), std::to_string(pages),
                            FileSizeText(plat::fileSize(input).value_or(0)), fullPath});
        }

        RefuseIf(CheckMergeStart(rows.size(), options.Output.size()));
        out = FinalMergeOutputName(options.Output);
        // Blanks alone stay relative, so that the folder check refuses them.
        if (!Trim(options.Output).empty())
            out = AbsolutePath(out);
        RefuseIf(CheckMergeOutputIsInput(std::any_of(
            rows.begin(), rows.end(), [&](const TMergeRow& row) { return IsSameFile(out, row.FullPath); })));
        if (plat::pathExists(out) && !options.Force)
            Refuse(ForceToOverwrite(out));
        RefuseIf(CheckMergeOutputCreatable(out));
    } catch (const TRefused& refusal) {
        io.Err << refusal.what() << '\n';
        return CLI_EXIT_REFUSED;
    }

    TJobInputs inputs;
    TNoticeQueue queue;
    TCall_GS_Thread_Param param;
    PrepareMergeJob(param, inputs, std::move(rows), out, &queue, options.Engine, Overwrite(options.Force));
    const int result = RunJob(param, queue, io);
    return Finish(param, result, io);
}

int SplitCommand(const TSplitOptions& options, TCliStreams& io)
{
    // The pages-per-file control holds a 16-bit position.
    constexpr std::int64_t maxPagesPerFile = std::numeric_limits<std::int16_t>::max();

    std::string source;
    std::int32_t pageCount = 0;
    TPageRanges ranges;
    std::string outputPath;
    std::string baseName;
    TNoticeQueue queue;
    try {
        source = Trim(options.Source);
        RefuseIf(CheckSplitSourceGiven(source));
        if (!plat::pathExists(source))
            Refuse(TxtSourceMissing);
        if (plat::isDirectory(source))
            Refuse(TxtInvalidPdf);
        const TListProbe probe = ProbePdfForList(source);
        if (!probe.OpenError.empty())
            Refuse(std::string(TxtInvalidPdf) + "\n" + probe.OpenError);
        // Pieces are cut by the reader's count only: a guessed one loses or invents pages.
        if (!probe.Encrypted && !probe.ReaderCount && probe.Pages > 0)
            Refuse(std::string(TxtInvalidPdf) + "\n" + probe.ReaderNote);
        pageCount = probe.Pages;
        RefuseIf(CheckSplitSourcePages(source, probe.Encrypted, pageCount, probe.ReaderNote));

        if (options.Pages) {
            try {
                RefuseIf(CheckSplitRanges(Trim(*options.Pages), pageCount, ranges, &queue));
            } catch (const EConvertError& e) {
                Refuse(WithFullStop(e.what()));
            }
        } else if (options.Every) {
            if (*options.Every < 1 || *options.Every > maxPagesPerFile)
                Refuse("Pages per file must be from 1 to " + std::to_string(maxPagesPerFile) + ".");
        } else {
            Refuse("Please choose a split method: --every N or --pages RANGES.");
        }

        std::string folder = options.Location;
        if (!Trim(folder).empty())
            folder = AbsolutePath(folder);
        RefuseIf(CheckSplitLocation(options.Location, folder));
        outputPath = IncludeTrailingSeparator(folder);
        baseName = RemoveFileExt(ExtractFileName(source));

        const std::vector<std::string> pieces =
            options.Pages
                ? SplitPieceNames(outputPath, baseName, ranges.RangeList)
                : SplitPieceNames(outputPath, baseName, pageCount, static_cast<std::int32_t>(*options.Every));
        for (const std::string& piece : pieces) {
            // Not even --force writes over the document being split.
            if (ResolvesToSameFile(piece, source))
                Refuse(PieceIsSourceText(piece));
            // Nobody is there to confirm an overwrite, so it takes --force.
            if (!options.Force && plat::pathExists(piece))
                Refuse(ForceToOverwrite(piece));
        }
    } catch (const TRefused& refusal) {
        io.Err << refusal.what() << '\n';
        return CLI_EXIT_REFUSED;
    }

    TJobInputs inputs;
    TCall_GS_Thread_Param param;
    if (options.Pages)
        PrepareSplitRangesJob(param, inputs, AbsolutePath(source), outputPath, pageCount, *options.Pages,
                              ranges.RangeList, &queue, options.Engine, Overwrite(options.Force));
    else
        PrepareSplitEveryJob(param, inputs, AbsolutePath(source), outputPath, pageCount,
                             static_cast<std::int16_t>(*options.Every), &queue, options.Engine,
                             Overwrite(options.Force));
    const int result = RunJob(param, queue, io);
    return Finish(param, result, io);
}
