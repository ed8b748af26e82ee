#include "job/frontdoor.h"

#include "engines/gsbinding.h"
#include "job/messages.h"
#include "pdf/pdfprobe.h"
#include "pdf/pdfreader.h"
#include "platform/platform.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

// Ghostscript's count, 0 when it has none (or fails in any way).
std::int32_t GhostscriptCount(const std::string& path)
{
    try {
        return std::max<std::int32_t>(GsCountPages(path), 0);
    } catch (...) {
        return 0;
    }
}

// What the reader said of a file it could not read without a password.
void TakeReaderFailure(TListProbe& probe, const std::string& path, const TPdfFacts& facts)
{
    if (facts.Status == TPdfFacts::TStatus::NeedsPassword) {
        probe.Encrypted = true;
        return;
    }
    probe.ReaderReason = facts.Reason;
    switch (facts.Status) {
    case TPdfFacts::TStatus::NotPdf:
        probe.ReaderNote = path + ": not a PDF document";
        break;
    case TPdfFacts::TStatus::CannotOpen:
        probe.ReaderNote = path + ": cannot be read (" + facts.Reason + ")";
        break;
    default:
        probe.ReaderNote = path + ": damaged, cannot be read (" + facts.Reason + ")";
    }
}

} // namespace

TListProbe ProbePdfForList(const std::string& path, const std::string& password)
{
    TListProbe probe;
    // Taken before any read: a change while the file is read shows later.
    probe.Stamp = plat::fileStamp(path);
    probe.Folder = plat::isDirectory(path);
    probe.Size = plat::fileSize(path).value_or(0);
    probe.Encrypted = IsPdfEncrypted(path);
    try {
        if (!CheckPdfTail(path)) {
            // Not a PDF by the light probe's rule, whatever a repair could find.
            probe.ReaderNote = path + ": " + TailRefusalReason(path);
            return probe;
        }
    } catch (const EPdfOpenError& e) {
        probe.OpenError = e.what();
        return probe;
    }
    TPdfFacts facts = ReadPdfFacts(path, true, TPageWalk::TreeOnly);
    // The password is tried only where one is needed; restrictions alone lock a
    // file too, whatever its layout.
    const bool encrypted = probe.Encrypted || facts.Status == TPdfFacts::TStatus::NeedsPassword ||
                           (facts.Status == TPdfFacts::TStatus::Ok && facts.Encrypted);
    if (encrypted && !password.empty()) {
        const TPdfFacts opened = ReadPdfFacts(path, true, TPageWalk::TreeOnly, password);
        probe.WrongPassword = opened.Status == TPdfFacts::TStatus::NeedsPassword;
        if (opened.Status == TPdfFacts::TStatus::Ok) {
            probe.Password = password;
            facts = opened;
        }
    }
    probe.Encrypted = encrypted;
    if (facts.Status == TPdfFacts::TStatus::Ok) {
        probe.Pages = facts.Pages;
        probe.ReaderCount = true;
        probe.Repaired = facts.Repaired;
        if (facts.Repaired) {
            probe.ReaderReason = facts.Reason;
            probe.ReaderNote = RepairedNote(path, facts.Reason);
        }
        return probe;
    }
    TakeReaderFailure(probe, path, facts);
    probe.Pages = ScanPdfPageLines(path);
    // Ghostscript wants a PDF header as much as the reader does.
    if (probe.Pages == 0 && !probe.Encrypted && facts.Status != TPdfFacts::TStatus::NotPdf)
        probe.Pages = GhostscriptCount(path);
    return probe;
}

bool IsLocked(const TListProbe& probe)
{
    return probe.Encrypted && probe.Password.empty();
}

TCoreText LockedCause(const TListProbe& probe)
{
    return probe.WrongPassword ? TCoreText(TxtWrongPassword) : TCoreText();
}

std::vector<TListProbe> ProbePdfsForList(const std::vector<std::string>& paths, unsigned workers,
                                         const TProbeReport& onEach)
{
    std::vector<TListProbe> probes(paths.size());
    if (workers == 0)
        workers = std::clamp(plat::usableCores(), 1U, 4U);
    workers = static_cast<unsigned>(std::min<std::size_t>(workers, paths.size()));
    std::atomic<std::size_t> next{0};
    std::mutex reporting;
    const auto work = [&] {
        for (std::size_t i; (i = next.fetch_add(1)) < paths.size();) {
            probes[i] = ProbePdfForList(paths[i]);
            if (onEach) {
                const std::lock_guard lock(reporting);
                onEach(i, probes[i]);
            }
        }
    };
    std::vector<std::jthread> helpers;
    try {
        for (unsigned i = 1; i < workers; ++i)
            helpers.emplace_back(work);
    } catch (const std::system_error&) {
        // Fewer helpers then; this thread does the rest.
    }
    work();
    return probes;
}

std::int32_t GetPdfPageCount(const std::string& fileName)
{
    if (!CheckPdfTail(fileName))
        return 0;
    if (const std::int32_t lines = ScanPdfPageLines(fileName); lines != 0)
        return lines;
    // Page dictionaries packed into compressed object streams leave no page lines.
    return GhostscriptCount(fileName);
}

namespace {

TRowStatus RowStatus(const TListProbe& probe)
{
    if (probe.Pages <= 0)
        return TRowStatus::NotPdf;
    if (!probe.ReaderCount)
        return TRowStatus::Guessed;
    return probe.Repaired ? TRowStatus::Repaired : TRowStatus::Counted;
}

TMergeAddVerdict Refused(TMergeAddOutcome outcome, TRefusal refusal)
{
    TMergeAddVerdict verdict;
    verdict.Outcome = outcome;
    verdict.Refusal = std::move(refusal);
    return verdict;
}

} // namespace

TMergeAddVerdict JudgeMergeAdd(const std::string& path, const TListProbe& probe)
{
    if (IsLocked(probe))
        return Refused(
            TMergeAddOutcome::Encrypted,
            {CapInfo, {TxtEncryptedCannotMerge, {path}}, TRefusalIcon::Information, LockedCause(probe)});
    if (probe.Folder)
        return Refused(TMergeAddOutcome::Folder, {{}, {TxtFolderCannotMerge, {path}}});
    if (!probe.OpenError.empty())
        return Refused(TMergeAddOutcome::CannotOpen,
                       {CapError, TCoreText::Verbatim(probe.OpenError), TRefusalIcon::Error});
    TMergeAddVerdict verdict;
    verdict.Row = {
        path,       std::max<std::int32_t>(probe.Pages, 0), probe.Size, RowStatus(probe), probe.ReaderReason,
        probe.Stamp};
    verdict.Row.Password = probe.Password;
    if (verdict.Row.Status == TRowStatus::NotPdf) {
        verdict.Outcome = TMergeAddOutcome::NotPdf;
        verdict.Refusal = TRefusal{{}, {TxtNotPdfCannotMerge, {path}}};
    }
    return verdict;
}

TSplitSourceVerdict JudgeSplitSource(const TListProbe& probe)
{
    TSplitSourceVerdict verdict;
    if (!probe.OpenError.empty()) {
        verdict.Outcome = TSplitSourceOutcome::CannotOpen;
        verdict.Refusal =
            TRefusal{CapTip, TxtInvalidPdf, TRefusalIcon::Warning, TCoreText::Verbatim(probe.OpenError)};
    } else if (!IsLocked(probe) && !probe.ReaderCount && probe.Pages > 0) {
        verdict.Outcome = TSplitSourceOutcome::Unreadable;
        verdict.Refusal =
            TRefusal{CapTip, TxtInvalidPdf, TRefusalIcon::Warning, TCoreText::Verbatim(probe.ReaderNote)};
    } else {
        verdict.Pages = probe.Pages;
        verdict.Encrypted = IsLocked(probe);
        verdict.Password = probe.Password;
        verdict.EncryptedCause = LockedCause(probe);
        if (probe.Pages < 1)
            verdict.WhyNoPages = probe.ReaderNote;
        if (probe.ReaderCount && !probe.Repaired)
            verdict.Stamp = probe.Stamp;
    }
    return verdict;
}

TCoreText WhyNoPictures(const std::string& name, const TListProbe& probe)
{
    if (!probe.OpenError.empty())
        return TCoreText::Verbatim(probe.OpenError);
    if (probe.Encrypted)
        return {TxtEncryptedNoPictures, {name}};
    if (probe.Folder || probe.Pages == 0)
        return {TxtNotPdfNoPictures, {name}};
    if (!probe.ReaderCount)
        return TCoreText::Verbatim(probe.ReaderNote);
    return {};
}
