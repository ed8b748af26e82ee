#include "pdf/pdfreader.h"

#include "engines/gsbinding.h"
#include "pdf/pdfprobe.h"
#include "platform/platform.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <qpdf/Constants.h>
#include <qpdf/InputSource.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <stdexcept>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// libqpdf's own file source opens with fopen, which waits forever on a named pipe
// and, on Windows, lets others change the file under it. This one reads through
// plat::ReadOnlyFile like every probe, with a block cache because the parser
// reads in small pieces.
class TReadOnlySource final : public InputSource
{
public:
    TReadOnlySource(const plat::ReadOnlyFile& file, std::string name)
        : m_file(file), m_name(std::move(name)), m_size(static_cast<qpdf_offset_t>(file.size()))
    {
    }

    qpdf_offset_t findAndSkipNextEOL() override
    {
        for (;;) {
            const qpdf_offset_t start = m_pos;
            char buf[4096];
            const std::size_t len = read(buf, sizeof buf);
            if (len == 0)
                return m_pos;
            const auto* eol = std::find_if(buf, buf + len, [](char c) { return c == '\r' || c == '\n'; });
            if (eol == buf + len)
                continue;
            const qpdf_offset_t result = start + (eol - buf);
            m_pos = result + 1;
            char ch = 0;
            while (read(&ch, 1) == 1) {
                if (ch != '\r' && ch != '\n') {
                    unreadCh(ch);
                    break;
                }
            }
            return result;
        }
    }

    const std::string& getName() const override { return m_name; }
    qpdf_offset_t tell() override { return m_pos; }

    void seek(qpdf_offset_t offset, int whence) override
    {
        qpdf_offset_t base = 0;
        if (whence == SEEK_CUR)
            base = m_pos;
        else if (whence == SEEK_END)
            base = m_size;
        if ((offset > 0 && base > std::numeric_limits<qpdf_offset_t>::max() - offset) || base + offset < 0)
            throw std::runtime_error(m_name + ": seek outside the file");
        m_pos = base + offset;
    }

    void rewind() override { m_pos = 0; }

    std::size_t read(char* out, std::size_t length) override
    {
        last_offset = m_pos;
        std::size_t done = 0;
        while (done < length && m_pos < m_size) {
            if (length - done >= BlockSize) {
                // Large reads (stream data) bypass the cache.
                const std::ptrdiff_t n =
                    m_file.readAt(static_cast<std::uint64_t>(m_pos), out + done, length - done);
                if (n < 0)
                    throw std::runtime_error(m_name + ": read error");
                done += static_cast<std::size_t>(n);
                m_pos += n;
                break;
            }
            if (!loadBlock(m_pos))
                break;
            const auto at = static_cast<std::size_t>(m_pos - m_blockStart);
            const std::size_t take = std::min(length - done, m_block.size() - at);
            std::memcpy(out + done, m_block.data() + at, take);
            done += take;
            m_pos += static_cast<qpdf_offset_t>(take);
        }
        return done;
    }

    void unreadCh(char /*ch*/) override
    {
        if (m_pos > 0)
            --m_pos;
    }

private:
    static constexpr std::size_t BlockSize = 64 * 1024;

    // Makes the cache hold the block around pos; false at the end of the file.
    bool loadBlock(qpdf_offset_t pos)
    {
        if (pos >= m_blockStart && pos < m_blockStart + static_cast<qpdf_offset_t>(m_block.size()))
            return true;
        m_blockStart = pos - pos % static_cast<qpdf_offset_t>(BlockSize);
        m_block.resize(BlockSize);
        const std::ptrdiff_t n =
            m_file.readAt(static_cast<std::uint64_t>(m_blockStart), m_block.data(), BlockSize);
        if (n < 0)
            throw std::runtime_error(m_name + ": read error");
        m_block.resize(static_cast<std::size_t>(n));
        return pos < m_blockStart + n;
    }

    const plat::ReadOnlyFile& m_file;
    std::string m_name;
    qpdf_offset_t m_size;
    qpdf_offset_t m_pos = 0;
    std::vector<char> m_block;
    qpdf_offset_t m_blockStart = 0;
};

using TStatus = TPdfFacts::TStatus;

TPdfFacts Facts(TStatus status, std::string reason)
{
    TPdfFacts facts;
    facts.Status = status;
    facts.Reason = std::move(reason);
    return facts;
}

// Parsers look for the header within the first kilobyte.
bool HasPdfHeader(const plat::ReadOnlyFile& file)
{
    char head[1024];
    const std::ptrdiff_t n = file.readAt(0, head, sizeof head);
    return n > 0 &&
           std::string_view(head, static_cast<std::size_t>(n)).find("%PDF-") != std::string_view::npos;
}

std::int32_t ClampCount(std::size_t pages)
{
    return static_cast<std::int32_t>(std::min<std::size_t>(pages, std::numeric_limits<std::int32_t>::max()));
}

// Opens and walks the page tree; the caller has checked the file opens.
TPdfFacts ReadOpenFile(const plat::ReadOnlyFile& file, const std::string& path, bool repair)
{
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.setAttemptRecovery(repair);
    try {
        pdf.processInputSource(std::make_shared<TReadOnlySource>(file, path), "");
        // The walk, not the root's /Count, which a producer may have got wrong.
        const std::size_t pages = pdf.getAllPages().size();
        TPdfFacts facts = Facts(TStatus::Ok, {});
        facts.Pages = ClampCount(pages);
        if (pdf.anyWarnings()) {
            facts.Repaired = true;
            const std::vector<QPDFExc> warnings = pdf.getWarnings();
            facts.Reason = warnings.front().getMessageDetail();
        }
        return facts;
    } catch (const QPDFExc& e) {
        if (e.getErrorCode() == qpdf_e_password)
            return Facts(TStatus::NeedsPassword, "needs a password");
        return Facts(TStatus::Damaged, e.getMessageDetail());
    } catch (const std::bad_alloc&) {
        return Facts(TStatus::Damaged, "out of memory");
    } catch (const std::exception& e) {
        return Facts(TStatus::Damaged, e.what());
    }
}

TPdfFacts ReadFacts(const std::string& path, bool repair)
{
    try {
        const plat::ReadOnlyFile file(path);
        if (!file.isOpen())
            return Facts(TStatus::CannotOpen, plat::errorText(file.error()));
        if (!file.isRegular())
            return Facts(TStatus::CannotOpen, "not a regular file");
        if (!HasPdfHeader(file))
            return Facts(TStatus::NotPdf, "not a PDF document");
        return ReadOpenFile(file, path, repair);
    } catch (const std::exception& e) {
        return Facts(TStatus::CannotOpen, e.what());
    }
}

} // namespace

TPdfFacts ReadPdfFacts(const std::string& path)
{
    return ReadFacts(path, true);
}

TEngineResult VerifyPdfOutput(const std::string& path, std::int32_t expectedPages)
{
    const TPdfFacts facts = ReadFacts(path, false);
    switch (facts.Status) {
    case TStatus::Ok:
        break;
    case TStatus::NeedsPassword:
        return TEngineResult::Failure(path + ": needs a password");
    case TStatus::Damaged:
    case TStatus::NotPdf:
        return TEngineResult::Failure(path + ": not a complete PDF (" + facts.Reason + ")");
    case TStatus::CannotOpen:
        return TEngineResult::Failure(path + ": cannot be read (" + facts.Reason + ")");
    }
    if (facts.Repaired)
        return TEngineResult::Failure(path + ": not a complete PDF (" + facts.Reason + ")");
    if (facts.Pages != expectedPages)
        return TEngineResult::Failure(path + ": " + std::to_string(facts.Pages) + " pages written, " +
                                      std::to_string(expectedPages) + " expected");
    return TEngineResult::Success();
}

TListProbe ProbePdfForList(const std::string& path)
{
    TListProbe probe;
    probe.Encrypted = IsPdfEncrypted(path);
    try {
        if (!CheckPdfTail(path))
            return probe; // not a PDF by the light probe's rule, whatever a repair could find
    } catch (const EPdfOpenError& e) {
        probe.OpenError = e.what();
        return probe;
    }
    const TPdfFacts facts = ReadPdfFacts(path);
    if (facts.Status == TStatus::Ok) {
        probe.Pages = facts.Pages;
        probe.ReaderCount = true;
        probe.Repaired = facts.Repaired;
        if (facts.Repaired)
            probe.ReaderNote = path + ": repaired (" + facts.Reason + ")";
        return probe;
    }
    if (facts.Status == TStatus::NeedsPassword)
        probe.Encrypted = true;
    else
        probe.ReaderNote = path + ": damaged, cannot be read (" + facts.Reason + ")";
    probe.Pages = ScanPdfPageLines(path);
    // Ghostscript wants a PDF header as much as the reader does.
    if (probe.Pages == 0 && !probe.Encrypted && facts.Status != TStatus::NotPdf) {
        try {
            probe.Pages = std::max<std::int32_t>(GsCountPages(path), 0);
        } catch (...) {
            probe.Pages = 0;
        }
    }
    return probe;
}

std::int32_t CountPdfPages(const std::string& path)
{
    const TListProbe probe = ProbePdfForList(path);
    if (!probe.OpenError.empty())
        throw EPdfOpenError(probe.OpenError);
    return probe.Pages;
}

std::vector<TListProbe> ProbePdfsForList(const std::vector<std::string>& paths, unsigned workers)
{
    std::vector<TListProbe> probes(paths.size());
    if (workers == 0)
        workers = std::clamp(std::thread::hardware_concurrency(), 1U, 4U);
    workers = static_cast<unsigned>(std::min<std::size_t>(workers, paths.size()));
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i; (i = next.fetch_add(1)) < paths.size();)
            probes[i] = ProbePdfForList(paths[i]);
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
