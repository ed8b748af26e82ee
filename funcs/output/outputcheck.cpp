#include "output/outputcheck.h"

#include "pdf/pagetree.h"
#include "pdf/pdfbounds.h"
#include "pdf/pdfreader.h"
#include "platform/platform.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <qpdf/Constants.h>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFWriter.hh>
#include <string_view>
#include <vector>

namespace {

using TXRef = std::map<QPDFObjGen, QPDFXRefEntry>;

bool IsSpace(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

bool IsDelimiter(char c)
{
    return std::string_view("()<>[]{}/%").find(c) != std::string_view::npos;
}

// The file read forwards in large blocks: the objects' headers are visited in
// offset order, so each block is read once.
class TBlockReader
{
public:
    explicit TBlockReader(const plat::ReadOnlyFile& file) : m_file(file) {}

    // Up to HeaderBytes bytes from offset; fewer at the end of the file.
    std::string_view At(std::uint64_t offset)
    {
        if (offset < m_start || offset + HeaderBytes > m_start + m_length) {
            // Never larger than the file: a split's pieces are small, and
            // there are thousands of them.
            if (!m_block) {
                m_capacity = static_cast<std::size_t>(std::min<std::uint64_t>(BlockSize, m_file.size() + 1));
                m_block = std::make_unique_for_overwrite<char[]>(m_capacity);
            }
            const std::ptrdiff_t n = m_file.readAt(offset, m_block.get(), m_capacity);
            m_length = n > 0 ? static_cast<std::size_t>(n) : 0;
            m_start = offset;
        }
        const std::size_t at = static_cast<std::size_t>(offset - m_start);
        return std::string_view(m_block.get(), m_length).substr(std::min(at, m_length), HeaderBytes);
    }

private:
    static constexpr std::size_t BlockSize = 1 << 20;
    static constexpr std::size_t HeaderBytes = 128;
    const plat::ReadOnlyFile& m_file;
    std::unique_ptr<char[]> m_block;
    std::size_t m_capacity = 0;
    std::size_t m_length = 0;
    std::uint64_t m_start = 0;
};

// Blanks and comments, as a PDF reader skips them between tokens.
void SkipSpace(std::string_view text, std::size_t& at)
{
    while (at < text.size()) {
        if (text[at] == '%') {
            while (at < text.size() && text[at] != '\n' && text[at] != '\r')
                ++at;
        } else if (IsSpace(text[at])) {
            ++at;
        } else {
            return;
        }
    }
}

// The token at `at` is exactly `word`, followed by a blank or a delimiter.
bool Token(std::string_view text, std::size_t& at, std::string_view word)
{
    SkipSpace(text, at);
    if (text.substr(at, word.size()) != word)
        return false;
    at += word.size();
    return at < text.size() && (IsSpace(text[at]) || IsDelimiter(text[at]));
}

// What a reader resolving the object reads first: "<number> <generation> obj"
// and a value. "" when so, else what is wrong.
std::string HeaderProblem(std::string_view text, QPDFObjGen og, qpdf_offset_t offset)
{
    std::size_t at = 0;
    if (offset <= 0 || !Token(text, at, std::to_string(og.getObj())) ||
        !Token(text, at, std::to_string(og.getGen())) || !Token(text, at, "obj"))
        return "damaged cross-reference table: object " + og.unparse(' ') + " is not at offset " +
               std::to_string(offset);
    // pdfwrite has been seen to write one so; readers take it as null.
    if (Token(text, at, "endobj"))
        return "object " + og.unparse(' ') + " is empty";
    return {};
}

// The first object the cross-reference data places where it is not ("" when
// none): in an object stream that is not listed, or not at its offset; or an
// empty one. Only the headers are read, in offset order.
std::string ListedObjectProblem(const TXRef& xref, const plat::ReadOnlyFile& file)
{
    std::vector<std::pair<qpdf_offset_t, QPDFObjGen>> offsets;
    offsets.reserve(xref.size());
    for (const auto& [og, entry] : xref) {
        if (entry.getType() == 1) {
            offsets.emplace_back(entry.getOffset(), og);
        } else if (entry.getType() == 2) {
            const auto stream = xref.find(QPDFObjGen(entry.getObjStreamNumber(), 0));
            if (stream == xref.end() || stream->second.getType() != 1)
                return "object " + og.unparse(' ') + " is in object stream " +
                       std::to_string(entry.getObjStreamNumber()) + ", which is not in the file";
        }
    }
    std::sort(offsets.begin(), offsets.end());
    TBlockReader reader(file);
    for (const auto& [offset, og] : offsets) {
        const std::string_view header =
            offset > 0 ? reader.At(static_cast<std::uint64_t>(offset)) : std::string_view();
        if (std::string problem = HeaderProblem(header, og, offset); !problem.empty())
            return problem;
    }
    return {};
}

TOutputCheck Damaged(const std::string& path, const std::string& reason)
{
    return {path + ": not a complete PDF (" + reason + ")", true, reason};
}

// Where the check's stages end, in percent of it, as a 12,300-page merged file
// took them: reading the cross-reference data, walking the pages (which reads
// most objects), the objects' headers; letting the parsed file go takes the rest.
constexpr int XRefRead = 4;
constexpr int PagesWalked = 65;
constexpr int HeadersRead = 67;

void Report(const TCheckReport& onProgress, int percent)
{
    if (onProgress)
        onProgress(percent);
}

TOutputCheck Check(const std::string& path, const plat::ReadOnlyFile& file, std::int32_t expectedPages,
                   const TCheckReport& onProgress)
{
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.setAttemptRecovery(false);
    pdf.processInputSource(MakeReadOnlySource(file, path), "");
    Report(onProgress, XRefRead);
    // The walk, not the root's /Count, which a producer may have got wrong;
    // through the tree's nodes alone, which leaves the rest of the objects
    // (on a merge, nearly all of them) unparsed. Anything it cannot vouch for
    // is walked the full way, which warns where a reader would repair.
    std::optional<std::size_t> walked = CountPagesByTree(pdf);
    if (!walked) {
        if (const std::string problem = PageTreeProblem(pdf); !problem.empty())
            return Damaged(path, problem);
        walked = pdf.getAllPages().size();
    }
    const std::size_t pages = *walked;
    Report(onProgress, PagesWalked);
    if (pdf.anyWarnings())
        return Damaged(path, pdf.getWarnings().front().getMessageDetail());
    if (const std::string misplaced = ListedObjectProblem(pdf.getXRefTable(), file); !misplaced.empty())
        return Damaged(path, misplaced);
    Report(onProgress, HeadersRead);
    if (pages != static_cast<std::size_t>(std::max<std::int32_t>(expectedPages, 0)))
        return {path + ": " + std::to_string(pages) + " pages written, " + std::to_string(expectedPages) +
                    " expected",
                false,
                {}};
    return {};
}

} // namespace

TOutputCheck CheckOutputPdf(const std::string& path, std::int32_t expectedPages,
                            const TCheckReport& onProgress)
{
    const plat::ReadOnlyFile file(path);
    if (!file.isOpen())
        return {path + ": cannot be read (" + plat::errorText(file.error()) + ")", false, {}};
    if (!file.isRegular())
        return {path + ": cannot be read (not a regular file)", false, {}};
    try {
        return Check(path, file, expectedPages, onProgress);
    } catch (const QPDFExc& e) {
        if (e.getErrorCode() == qpdf_e_password)
            return {path + ": needs a password", false, {}};
        return Damaged(path, e.getMessageDetail());
    } catch (const std::bad_alloc&) {
        return {path + ": cannot be read (out of memory)", false, {}};
    } catch (const std::exception& e) {
        return Damaged(path, e.what());
    }
}

std::string OutputPdfProblem(const std::string& path, std::int32_t expectedPages)
{
    return CheckOutputPdf(path, expectedPages).Problem;
}

std::string RewritePdf(const std::string& path, const std::string& scratch)
{
    try {
        {
            QPDF pdf;
            pdf.setSuppressWarnings(true);
            pdf.processFile(path.c_str());
            QPDFWriter writer(pdf, scratch.c_str());
            writer.write();
        }
        // Copied, not renamed: the scratch folder may be on another file system.
        std::ifstream in(plat::fsPath(scratch), std::ios::binary);
        std::ofstream out(plat::fsPath(path), std::ios::binary | std::ios::trunc);
        out << in.rdbuf();
        out.flush();
        if (!in || !out)
            return path + ": cannot be written again";
        return {};
    } catch (const std::exception& e) {
        return e.what();
    }
}
