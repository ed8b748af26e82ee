#include "pdf/pagetree.h"

#include <map>
#include <memory>
#include <qpdf/Buffer.hh>
#include <qpdf/BufferInputSource.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjGen.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFTokenizer.hh>
#include <qpdf/QPDFXRefEntry.hh>
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

class TTreeWalk
{
public:
    explicit TTreeWalk(QPDF& pdf) : m_pdf(pdf), m_xref(pdf.getXRefTable()) {}

    std::size_t countBelow(QPDFObjGen node)
    {
        if (!m_visited.insert(node).second)
            throw TNotQuick{}; // a loop, or a page listed twice
        QPDFObjectHandle dict = nodeObject(node);
        if (!dict.isDictionary())
            throw TNotQuick{};
        if (!dict.hasKey("/Kids")) {
            if (!dict.getKey("/Type").isNameAndEquals("/Page"))
                throw TNotQuick{};
            return 1;
        }
        QPDFObjectHandle kids = dict.getKey("/Kids");
        if (!kids.isArray())
            throw TNotQuick{};
        std::size_t pages = 0;
        for (const QPDFObjectHandle& kid : kids.aitems()) {
            if (!kid.isIndirect())
                throw TNotQuick{};
            pages += countBelow(kid.getObjGen());
        }
        return pages;
    }

private:
    // The node's object: parsed alone when it sits in an object stream, through
    // the parser's own cache otherwise (a plain object is read alone anyway).
    QPDFObjectHandle nodeObject(QPDFObjGen node)
    {
        const auto entry = m_xref.find(node);
        if (entry == m_xref.end())
            throw TNotQuick{};
        if (entry->second.getType() != 2)
            return m_pdf.getObject(node);
        const TObjectStream& stream = objectStream(entry->second.getObjStreamNumber());
        const auto index = static_cast<std::size_t>(entry->second.getObjStreamIndex());
        if (node.getGen() != 0 || index >= stream.Objects.size() ||
            stream.Objects[index].first != node.getObj())
            throw TNotQuick{};
        auto input = std::make_shared<BufferInputSource>("object stream", stream.Data.get());
        input->seek(stream.Objects[index].second, SEEK_SET);
        QPDFTokenizer tokenizer;
        bool empty = false;
        return QPDFObjectHandle::parse(input, "page tree node", tokenizer, empty, nullptr, &m_pdf);
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
