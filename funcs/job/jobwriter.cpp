#include "job/jobwriter.h"

#include "output/outputcheck.h"
#include "pdf/pdfreader.h"
#include "platform/platform.h"

#include <vector>

void Fail(const std::string& reason, int result)
{
    throw TJobFailure(reason, result);
}

std::string JoinLines(const std::string& a, const std::string& b)
{
    if (a.empty())
        return b;
    return b.empty() ? a : a + "\n" + b;
}

namespace {

// An input as a reader sees it now: one that needs a password or cannot be read
// fails the job before anything is written, naming the file.
TPdfFacts ReadableInput(const std::string& path, std::string& notes, const std::string& password)
{
    TPdfFacts facts = ReadPdfFacts(path, true, TPageWalk::TreeOnly, password);
    switch (facts.Status) {
    case TPdfFacts::TStatus::Ok:
        if (facts.Repaired)
            notes = JoinLines(notes, RepairedNote(path, facts.Reason));
        return facts;
    case TPdfFacts::TStatus::NeedsPassword:
        Fail(path + ": needs a password");
    default:
        // The reader names the file in its reasons, except for a failed open.
        if (facts.Reason.rfind(path, 0) == 0)
            Fail(facts.Reason);
        Fail(path + ": cannot be read" + (facts.Reason.empty() ? "" : " (" + facts.Reason + ")"));
    }
}

// The check names the temporary file; the user knows the final name.
std::string ShownReason(std::string reason, const TSafeOutput& out)
{
    for (auto at = reason.find(out.TempPath()); at != std::string::npos;
         at = reason.find(out.TempPath(), at + out.FinalPath().size()))
        reason.replace(at, out.TempPath().size(), out.FinalPath());
    return reason;
}

} // namespace

std::int32_t ConfirmedPages(const TMergeListRow& input, std::string& notes, TInputStamps& stamps)
{
    if (!RowCountHolds(input)) {
        stamps.Take(input.Path, plat::fileStamp(input.Path));
        return ReadableInput(input.Path, notes, input.Password).Pages;
    }
    stamps.Take(input.Path, input.Stamp);
    if (input.Status == TRowStatus::Repaired)
        notes = JoinLines(notes, RepairedNote(input.Path, input.Reason));
    return input.Pages;
}

TJobFolder::TJobFolder() : m_base(SystemTempFolder()) {}

TPrivateFolder& TJobFolder::Folder()
{
    if (!m_folder)
        m_folder.emplace(m_base);
    return *m_folder;
}

std::string TSafeWriter::EngineName(const std::string& path)
{
    if (EngineCanTakeName(path))
        return path;
    const std::lock_guard lock(m_folderLock);
    TPrivateFolder& folder = m_folder.Folder();
    if (!folder.Ok())
        Fail(folder.Reason());
    std::string reason;
    std::string name = SafeInputName(path, folder, &reason);
    if (name.empty())
        Fail(reason);
    return name;
}

void TSafeWriter::Check(TSafeOutput& out, IPdfEngine& engine, std::int32_t pages,
                        const TEngineResult& written)
{
    // Whatever the engine or the check made of it, an input that changed
    // under the job is the cause.
    if (const std::string changed = m_inputs.FirstChange(); !changed.empty())
        Fail(changed);
    if (!written.Ok)
        Fail(ShownReason(written.Reason, out));
    // An engine that did not notice its writes failing: what the disk shows.
    if (const std::string problem = CheckedOrRepaired(out, engine, pages); !problem.empty())
        Fail(JoinLines(JoinLines(ShownReason(problem, out), OutputWriteProblem(out.TempPath())),
                       engine.OutputMessages()));
}

std::string TSafeWriter::CheckedOrRepaired(const TSafeOutput& out, const IPdfEngine& engine,
                                           std::int32_t pages)
{
    const TEngineControl& control = engine.Control();
    const TOutputCheck check = CheckOutputPdf(out.TempPath(), pages, [&control](int percent) {
        control.ReportWrite(TWriteStage::Checking, percent);
    });
    control.ReportWrite(TWriteStage::Checking, 100);
    if (check.Problem.empty() || !check.Repairable || !engine.OutputMayNeedRewrite())
        return check.Problem;
    std::string scratch;
    {
        const std::lock_guard lock(m_folderLock);
        TPrivateFolder& folder = m_folder.Folder();
        if (!folder.Ok())
            return check.Problem;
        scratch = folder.NewName(".pdf");
    }
    const std::string failed = RewritePdf(out.TempPath(), scratch);
    plat::removeFile(scratch);
    if (!failed.empty() || !OutputPdfProblem(out.TempPath(), pages).empty())
        return check.Problem;
    const std::lock_guard lock(m_folderLock); // the notes, from several threads
    m_notes = JoinLines(m_notes, RepairedNote(out.FinalPath(), check.Damage));
    return {};
}

void TSafeWriter::Commit(TSafeOutput& out, IPdfEngine& engine, std::size_t& warningsSeen)
{
    const std::lock_guard lock(m_folderLock);
    // Pieces of another thread wait their turn: an input may change meanwhile.
    if (const std::string changed = m_inputs.FirstChange(); !changed.empty())
        Fail(changed);
    // A name this job wrote before (a range listed twice) is its own to replace.
    const std::string& finalPath = out.FinalPath();
    if (!out.Commit(m_written.contains(finalPath) ? TOverwrite::Allow : m_overwrite, m_flush))
        Fail(out.Reason());
    m_written.insert(finalPath);
    if (out.FlushedLater())
        m_unflushed.push_back(finalPath);
    TakeEngineWarnings(engine, warningsSeen);
}

std::string TSafeWriter::FlushCommitted()
{
    const std::lock_guard lock(m_folderLock);
    if (m_unflushed.empty())
        return {};
    const int error = plat::flushAllToDisk(m_unflushed);
    const std::string first = m_unflushed.front();
    m_unflushed.clear();
    return error == 0 ? std::string() : WriteFailureText(error, first);
}

void TSafeWriter::TakeEngineWarnings(IPdfEngine& engine, std::size_t& warningsSeen)
{
    const std::vector<std::string> warnings = engine.Warnings();
    if (warnings.size() < warningsSeen)
        warningsSeen = 0; // a new merge or source started over
    for (std::size_t i = warningsSeen; i < warnings.size() && m_shownWarnings < MaxWarningLines; ++i) {
        const std::string& line = warnings[i];
        // "<file>: <what>"; a Windows path has a colon of its own after the drive.
        const auto colon = line.find(": ");
        const std::string file = colon == std::string::npos ? std::string() : line.substr(0, colon);
        if (!file.empty() && m_notes.find(file + ": repaired") != std::string::npos)
            continue;
        if (m_notes.find(line) != std::string::npos)
            continue;
        m_notes = JoinLines(m_notes, line);
        ++m_shownWarnings;
    }
    warningsSeen = warnings.size();
}
