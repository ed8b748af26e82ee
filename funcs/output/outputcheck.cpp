#include "output/outputcheck.h"

#include "platform/platform.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <memory>
#include <qpdf/Constants.h>
#include <qpdf/FileInputSource.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFTokenizer.hh>
#include <qpdf/QPDFWriter.hh>
#include <vector>

namespace {

using TXRef = std::map<QPDFObjGen, QPDFXRefEntry>;

// What a reader resolving the object would read first: "<number> <generation> obj".
bool HeaderMatches(const std::shared_ptr<InputSource>& src, QPDFTokenizer& tokenizer, QPDFObjGen og,
                   qpdf_offset_t offset)
{
    if (offset <= 0)
        return false;
    src->seek(offset, SEEK_SET);
    const QPDFTokenizer::Token number = tokenizer.readToken(src, src->getName(), true, 20);
    const QPDFTokenizer::Token generation = tokenizer.readToken(src, src->getName(), true, 20);
    const QPDFTokenizer::Token word = tokenizer.readToken(src, src->getName(), true, 20);
    return number.isInteger() && generation.isInteger() && word.isWord("obj") &&
           number.getValue() == std::to_string(og.getObj()) &&
           generation.getValue() == std::to_string(og.getGen());
}

// The first object the cross-reference data places where it is not ("" when
// none): an object stream that is not listed, or a header that is not there.
// In offset order, so the file is read forwards.
std::string MisplacedObject(const TXRef& xref, const std::shared_ptr<InputSource>& src)
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
    QPDFTokenizer tokenizer;
    for (const auto& [offset, og] : offsets) {
        if (!HeaderMatches(src, tokenizer, og, offset))
            return "damaged cross-reference table: object " + og.unparse(' ') + " is not at offset " +
                   std::to_string(offset) + "";
    }
    return {};
}

TOutputCheck Damaged(const std::string& path, const std::string& reason)
{
    return {path + ": not a complete PDF (" + reason + ")", true, reason};
}

TOutputCheck Check(const std::string& path, std::int32_t expectedPages)
{
    const auto src = std::make_shared<FileInputSource>(path.c_str());
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.setAttemptRecovery(false);
    pdf.processInputSource(src, "");
    // The walk, not the root's /Count, which a producer may have got wrong.
    const std::size_t pages = pdf.getAllPages().size();
    if (pdf.anyWarnings())
        return Damaged(path, pdf.getWarnings().front().getMessageDetail());
    if (const std::string misplaced = MisplacedObject(pdf.getXRefTable(), src); !misplaced.empty())
        return Damaged(path, misplaced);
    if (pages != static_cast<std::size_t>(std::max<std::int32_t>(expectedPages, 0)))
        return {path + ": " + std::to_string(pages) + " pages written, " + std::to_string(expectedPages) +
                    " expected",
                false,
                {}};
    return {};
}

} // namespace

TOutputCheck CheckOutputPdf(const std::string& path, std::int32_t expectedPages)
{
    {
        const plat::ReadOnlyFile file(path);
        if (!file.isOpen())
            return {path + ": cannot be read (" + plat::errorText(file.error()) + ")", false, {}};
        if (!file.isRegular())
            return {path + ": cannot be read (not a regular file)", false, {}};
    }
    try {
        return Check(path, expectedPages);
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
