#include "pdf/pdfreader.h"

#include "pdf/pagetree.h"
#include "pdf/pdfbounds.h"
#include "platform/platform.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <qpdf/Constants.h>
#include <qpdf/InputSource.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <stdexcept>
#include <string_view>
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
TPdfFacts ReadOpenFile(const plat::ReadOnlyFile& file, const std::string& path, bool repair, TPageWalk walk,
                       const std::string& password)
{
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.setAttemptRecovery(repair);
    try {
        pdf.processInputSource(std::make_shared<TReadOnlySource>(file, path), password.c_str());
        // The walk, not the root's /Count, which a producer may have got wrong.
        std::optional<std::size_t> pages;
        if (walk == TPageWalk::TreeOnly)
            pages = CountPagesByTree(pdf); // bounded as the check below
        if (!pages) {
            if (const std::string problem = PageTreeProblem(pdf); !problem.empty())
                return Facts(TStatus::Damaged, problem);
            pages = pdf.getAllPages().size();
        }
        TPdfFacts facts = Facts(TStatus::Ok, {});
        facts.Pages = ClampCount(*pages);
        facts.Encrypted = pdf.isEncrypted();
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

TPdfFacts ReadFacts(const std::string& path, bool repair, TPageWalk walk, const std::string& password)
{
    QuietQpdf();
    try {
        const plat::ReadOnlyFile file(path);
        if (!file.isOpen())
            return Facts(TStatus::CannotOpen, plat::errorText(file.error()));
        if (!file.isRegular())
            return Facts(TStatus::CannotOpen, "not a regular file");
        if (!HasPdfHeader(file))
            return Facts(TStatus::NotPdf, "not a PDF document");
        return ReadOpenFile(file, path, repair, walk, password);
    } catch (const std::exception& e) {
        return Facts(TStatus::CannotOpen, e.what());
    }
}

} // namespace

TPdfFacts ReadPdfFacts(const std::string& path, bool repair, TPageWalk walk, const std::string& password)
{
    return ReadFacts(path, repair, walk, password);
}

std::string TailRefusalReason(const std::string& path)
{
    const plat::ReadOnlyFile file(path);
    if (!file.isOpen())
        return "cannot be read (" + plat::errorText(file.error()) + ")";
    if (!file.isRegular())
        return "not a regular file";
    if (file.size() == 0)
        return "empty";
    if (!HasPdfHeader(file))
        return "not a PDF document";
    return "damaged, its end is missing (no \"startxref\" or \"%%EOF\")";
}

std::string RepairedNote(const std::string& path, const std::string& reason)
{
    return path + ": repaired" + (reason.empty() ? "" : " (" + reason + ")");
}

std::shared_ptr<InputSource> MakeReadOnlySource(const plat::ReadOnlyFile& file, const std::string& name)
{
    return std::make_shared<TReadOnlySource>(file, name);
}
