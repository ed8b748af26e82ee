#include "pdf/pagetree.h"

#include "pdf/pdfbounds.h"

#include <map>
#include <memory>
#include <qpdf/Buffer.hh>
#include <qpdf/BufferInputSource.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjGen.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFTokenizer.hh>
#include <qpdf/QPDFXRefEntry.hh>
#include <qpdf/QUtil.hh>
#include <set>
#include <sstream>
#include <vector>

namespace {

// Thrown inside the walk when the quick way cannot answer for sure.
struct TNotQuick
{
};

// One object stream's decoded data and where each of its objects starts.
struct TObjectStream
{
    std::shared_ptr<Buffer> Data;
    std::vector<std::pair<int, qpdf_offset_t>> Objects; // number, offset in Data
};

// What the walk needs of one node.
struct TNodeKeys
{
    bool HasKids = false;
    bool IsPage = false; // its /Type is /Page
    std::vector<QPDFObjGen> Kids;
};

// Reads one dictionary token by token for its /Type and /Kids, building no
// objects: the parser's objects cost an allocation each, and a page holds
// many (resources, boxes, links). Throws TNotQuick on anything unusual.
class TNodeScanner
{
public:
    explicit TNodeScanner(std::shared_ptr<InputSource> input) : m_input(std::move(input)) {}

    TNodeKeys Scan()
    {
        if (Next().getType() != QPDFTokenizer::tt_dict_open)
            throw TNotQuick{};
        TNodeKeys keys;
        for (;;) {
            const QPDFTokenizer::Token key = Next();
            if (key.getType() == QPDFTokenizer::tt_dict_close)
                return keys;
            // The rest of a reference ("5 0 R") that SkipValue left.
            if (key.isInteger() || key.isWord("R"))
                continue;
            if (key.getType() != QPDFTokenizer::tt_name)
                throw TNotQuick{};
            const QPDFTokenizer::Token value = Next();
            if (key.getValue() == "/Type" && value.getType() == QPDFTokenizer::tt_name)
                keys.IsPage = value.getValue() == "/Page";
            else if (key.getValue() == "/Kids")
                ReadKids(value, keys);
            else
                SkipValue(value);
        }
    }

private:
    QPDFTokenizer::Token Next() { return m_tokenizer.readToken(m_input, "page tree node", true); }

    // Only an array of references: anything else is left to the full walk.
    void ReadKids(const QPDFTokenizer::Token& open, TNodeKeys& keys)
    {
        if (open.getType() != QPDFTokenizer::tt_array_open)
            throw TNotQuick{};
        keys.HasKids = true;
        for (QPDFTokenizer::Token t = Next(); t.getType() != QPDFTokenizer::tt_array_close; t = Next()) {
            const QPDFTokenizer::Token gen = Next();
            const QPDFTokenizer::Token r = Next();
            if (!t.isInteger() || !gen.isInteger() || !r.isWord("R"))
                throw TNotQuick{};
            keys.Kids.emplace_back(QUtil::string_to_int(t.getValue().c_str()),
                                   QUtil::string_to_int(gen.getValue().c_str()));
        }
    }

    // Skips a value that starts with `first`; a reference is two integers and R,
    // which need no lookahead here as the next key is a name.
    void SkipValue(const QPDFTokenizer::Token& first)
    {
        int depth = 0;
        for (QPDFTokenizer::Token t = first;; t = Next()) {
            switch (t.getType()) {
            case QPDFTokenizer::tt_dict_open:
            case QPDFTokenizer::tt_array_open:
                ++depth;
                break;
            case QPDFTokenizer::tt_dict_close:
            case QPDFTokenizer::tt_array_close:
                --depth;
                break;
            case QPDFTokenizer::tt_bad:
            case QPDFTokenizer::tt_eof:
            case QPDFTokenizer::tt_brace_open:
            case QPDFTokenizer::tt_brace_close:
                throw TNotQuick{};
            default:
                break;
            }
            if (depth < 0)
                throw TNotQuick{};
            if (depth == 0)
                return;
        }
    }

    std::shared_ptr<InputSource> m_input;
    QPDFTokenizer m_tokenizer;
};

class TTreeWalk
{
public:
    explicit TTreeWalk(QPDF& pdf) : m_pdf(pdf), m_xref(pdf.getXRefTable()) {}

    std::size_t countBelow(QPDFObjGen node, int depth = 0)
    {
        // Deeper than any real tree: the full walk refuses it as damaged.
        if (depth > MaxPageTreeDepth || !m_visited.insert(node).second)
            throw TNotQuick{}; // a loop, or a page listed twice
        const TNodeKeys keys = nodeKeys(node);
        if (!keys.HasKids) {
            if (!keys.IsPage)
                throw TNotQuick{};
            return 1;
        }
        std::size_t pages = 0;
        for (const QPDFObjGen& kid : keys.Kids)
            pages += countBelow(kid, depth + 1);
        return pages;
    }

private:
    // A node in an object stream is scanned in the stream's decoded data; any
    // other through the parser, which reads a plain object alone anyway.
    TNodeKeys nodeKeys(QPDFObjGen node)
    {
        const auto entry = m_xref.find(node);
        if (entry == m_xref.end())
            throw TNotQuick{};
        if (entry->second.getType() != 2)
            return parsedKeys(m_pdf.getObject(node));
        const TObjectStream& stream = objectStream(entry->second.getObjStreamNumber());
        const auto index = static_cast<std::size_t>(entry->second.getObjStreamIndex());
        if (node.getGen() != 0 || index >= stream.Objects.size() ||
            stream.Objects[index].first != node.getObj())
            throw TNotQuick{};
        auto input = std::make_shared<BufferInputSource>("object stream", stream.Data.get());
        input->seek(stream.Objects[index].second, SEEK_SET);
        return TNodeScanner(input).Scan();
    }

    static TNodeKeys parsedKeys(QPDFObjectHandle dict)
    {
        if (!dict.isDictionary())
            throw TNotQuick{};
        TNodeKeys keys;
        keys.IsPage = dict.getKey("/Type").isNameAndEquals("/Page");
        keys.HasKids = dict.hasKey("/Kids");
        if (!keys.HasKids)
            return keys;
        QPDFObjectHandle kids = dict.getKey("/Kids");
        if (!kids.isArray())
            throw TNotQuick{};
        for (const QPDFObjectHandle& kid : kids.aitems()) {
            if (!kid.isIndirect())
                throw TNotQuick{};
            keys.Kids.push_back(kid.getObjGen());
        }
        return keys;
    }

    const TObjectStream& objectStream(int number)
    {
        auto found = m_streams.find(number);
        if (found != m_streams.end())
            return found->second;
        QPDFObjectHandle stream = m_pdf.getObject(number, 0);
        if (!stream.isStream())
            throw TNotQuick{};
        QPDFObjectHandle dict = stream.getDict();
        if (!dict.getKey("/N").isInteger() || !dict.getKey("/First").isInteger())
            throw TNotQuick{};
        TObjectStream parsed;
        parsed.Data = stream.getStreamData(qpdf_dl_generalized);
        const long long first = dict.getKey("/First").getIntValue();
        const long long count = dict.getKey("/N").getIntValue();
        if (first < 0 || count < 0 || static_cast<std::size_t>(first) > parsed.Data->getSize())
            throw TNotQuick{};
        std::istringstream header(std::string(reinterpret_cast<const char*>(parsed.Data->getBuffer()),
                                              static_cast<std::size_t>(first)));
        for (long long i = 0; i < count; ++i) {
            long long objectNumber = 0;
            long long offset = 0;
            if (!(header >> objectNumber >> offset) || offset < 0)
                throw TNotQuick{};
            parsed.Objects.emplace_back(static_cast<int>(objectNumber), first + offset);
        }
        return m_streams.emplace(number, std::move(parsed)).first->second;
    }

    QPDF& m_pdf;
    std::map<QPDFObjGen, QPDFXRefEntry> m_xref;
    std::map<int, TObjectStream> m_streams;
    std::set<QPDFObjGen> m_visited;
};

} // namespace

std::optional<std::size_t> CountPagesByTree(QPDF& pdf)
{
    try {
        QPDFObjectHandle pages = pdf.getRoot().getKey("/Pages");
        // A root that is not the top of its tree is one the full walk mends.
        if (!pages.isIndirect() || !pages.isDictionary() || pages.hasKey("/Parent"))
            return std::nullopt;
        return TTreeWalk(pdf).countBelow(pages.getObjGen());
    } catch (const TNotQuick&) {
        return std::nullopt;
    } catch (const std::exception&) {
        // Whatever failed here, the full walk meets it again and says so.
        return std::nullopt;
    }
}
