// XMP edits keep the packet as it is but for the property set or removed,
// wherever and however the packet writes it.
#include "engines/xmppacket.h"

#include <gtest/gtest.h>

namespace {

// A packet with one description, binding prefix to the PDF schema's namespace.
std::string Packet(const std::string& body, const std::string& attributes = "",
                   const std::string& prefix = "pdf")
{
    return "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
           "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">"
           "<rdf:Description rdf:about=\"\" xmlns:" +
           prefix + "=\"http://ns.adobe.com/pdf/1.3/\"" + attributes + ">" + body +
           "</rdf:Description></rdf:RDF></x:xmpmeta>";
}

struct TXmpCase
{
    const char* Name;
    bool Remove; // pdf:Keywords; else pdf:Producer set to "A & B"
    std::string In;
    std::string Out;
    bool Changed = true;
};

void PrintTo(const TXmpCase& c, std::ostream* os)
{
    *os << c.Name;
}

class XmpTest : public ::testing::TestWithParam<TXmpCase>
{
};

TEST_P(XmpTest, EditsThePropertyWhereverItStands)
{
    const TXmpCase& c = GetParam();
    std::string packet = c.In;
    EXPECT_EQ(c.Remove ? RemoveXmpProperty(packet, {"http://ns.adobe.com/pdf/1.3/", "pdf", "Keywords"})
                       : SetXmpProperty(packet, {"http://ns.adobe.com/pdf/1.3/", "pdf", "Producer"}, "A & B"),
              c.Changed);
    EXPECT_EQ(packet, c.Out);
}

const std::string Set = "<pdf:Producer>A &amp; B</pdf:Producer>";

INSTANTIATE_TEST_SUITE_P(
    Forms, XmpTest,
    ::testing::Values(
        TXmpCase{"element", false, Packet("<pdf:Producer>old</pdf:Producer><pdf:Keywords/>"),
                 Packet(Set + "<pdf:Keywords/>")},
        TXmpCase{"empty element", false, Packet("<pdf:Producer />"), Packet(Set)},
        TXmpCase{"attribute", false, Packet("", " pdf:Producer='old'"),
                 Packet("", " pdf:Producer='A &amp; B'")},
        TXmpCase{"own prefix", false, Packet("<p:Producer>old</p:Producer>", "", "p"),
                 Packet("<p:Producer>A &amp; B</p:Producer>", "", "p")},
        // The name in text is no property: a description of its own is added.
        TXmpCase{
            "absent", false, Packet("<pdf:Keywords>pdf:Producer = 'x'</pdf:Keywords>"),
            "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/"
            "22-rdf-syntax-ns#\"><rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">"
            "<pdf:Keywords>pdf:Producer = 'x'</pdf:Keywords></rdf:Description><rdf:Description "
            "rdf:about=\"\" "
            "xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">" +
                Set + "</rdf:Description>\n</rdf:RDF></x:xmpmeta>"},
        TXmpCase{"no RDF", false, "<x:xmpmeta/>", "<x:xmpmeta/>", false},
        TXmpCase{"removed element", true, Packet("<pdf:Keywords>k</pdf:Keywords><pdf:Trapped/>"),
                 Packet("<pdf:Trapped/>")},
        TXmpCase{"removed attribute", true, Packet("", " pdf:Keywords=\"k\" pdf:Trapped=\"False\""),
                 Packet("", " pdf:Trapped=\"False\"")},
        // A schema description that names the property is none.
        TXmpCase{"nothing to remove", true, Packet("<s:prefix>pdf</s:prefix><s:name>Keywords</s:name>"),
                 Packet("<s:prefix>pdf</s:prefix><s:name>Keywords</s:name>"), false}));

} // namespace
