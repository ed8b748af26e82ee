// XMP edits keep the packet as it is but for the properties set or removed,
// wherever and however the packet writes them.
#include "engines/xmppacket.h"

#include <gtest/gtest.h>

namespace {

const TXmpProperty Producer{"http://ns.adobe.com/pdf/1.3/", "pdf", "Producer"};
const TXmpProperty PdfaPart{"http://www.aiim.org/pdfa/ns/id/", "pdfaid", "part"};

std::string Packet(const std::string& descriptions)
{
    return "<?xpacket begin=\"\"?><x:xmpmeta xmlns:x=\"adobe:ns:meta/\">"
           "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">" +
           descriptions + "</rdf:RDF></x:xmpmeta><?xpacket end=\"w\"?>";
}

// A description binding prefix to the PDF schema.
std::string Pdf(const std::string& body, const std::string& prefix = "pdf",
                const std::string& attributes = "")
{
    return "<rdf:Description rdf:about=\"\" xmlns:" + prefix + "=\"http://ns.adobe.com/pdf/1.3/\"" +
           attributes + ">" + body + "</rdf:Description>";
}

std::string Pdfa(const std::string& body, const std::string& attributes = "")
{
    return "<rdf:Description rdf:about=\"\" xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\"" + attributes +
           ">" + body + "</rdf:Description>";
}

struct TXmpCase
{
    std::string Name;
    std::string In;
    std::string Out;
    bool Changed = true;
};

void PrintTo(const TXmpCase& c, std::ostream* os)
{
    *os << c.Name;
}

class XmpSetTest : public ::testing::TestWithParam<TXmpCase>
{
};

TEST_P(XmpSetTest, SetsTheProducerWhereverItStands)
{
    std::string packet = GetParam().In;
    EXPECT_EQ(SetXmpProperty(packet, Producer, "A & B"), GetParam().Changed);
    EXPECT_EQ(packet, GetParam().Out);
}

const std::string Set = "<pdf:Producer>A &amp; B</pdf:Producer>";

INSTANTIATE_TEST_SUITE_P(
    Forms, XmpSetTest,
    ::testing::Values(
        TXmpCase{"element", Packet(Pdf("<pdf:Producer>old</pdf:Producer><pdf:Keywords>k</pdf:Keywords>")),
                 Packet(Pdf(Set + "<pdf:Keywords>k</pdf:Keywords>"))},
        TXmpCase{"empty element", Packet(Pdf("<pdf:Producer />")), Packet(Pdf(Set))},
        TXmpCase{"attribute", Packet(Pdf("", "pdf", " pdf:Producer='old'")),
                 Packet(Pdf("", "pdf", " pdf:Producer='A &amp; B'"))},
        TXmpCase{"own prefix", Packet(Pdf("<p1:Producer>old</p1:Producer>", "p1")),
                 Packet(Pdf("<p1:Producer>A &amp; B</p1:Producer>", "p1"))},
        // The name in text is not the property.
        TXmpCase{"absent", Packet(Pdf("<pdf:Keywords>pdf:Producer = 'x'</pdf:Keywords>")),
                 Packet(Pdf("<pdf:Keywords>pdf:Producer = 'x'</pdf:Keywords>") +
                        "<rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">" + Set +
                        "</rdf:Description>\n")},
        TXmpCase{"no RDF", "<x:xmpmeta/>", "<x:xmpmeta/>", false}));

class XmpRemoveTest : public ::testing::TestWithParam<TXmpCase>
{
};

TEST_P(XmpRemoveTest, RemovesTheClaimWhereverItStands)
{
    std::string packet = GetParam().In;
    EXPECT_EQ(RemoveXmpProperty(packet, PdfaPart), GetParam().Changed);
    EXPECT_EQ(packet, GetParam().Out);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, XmpRemoveTest,
    ::testing::Values(
        TXmpCase{"element",
                 Packet(Pdfa("<pdfaid:part>2</pdfaid:part><pdfaid:conformance>B</pdfaid:conformance>")),
                 Packet(Pdfa("<pdfaid:conformance>B</pdfaid:conformance>"))},
        TXmpCase{"attribute", Packet(Pdfa("", " pdfaid:part=\"2\" pdfaid:conformance=\"B\"")),
                 Packet(Pdfa("", " pdfaid:conformance=\"B\""))},
        // An extension schema that describes the property is no claim.
        TXmpCase{"schema", Packet(Pdf("<pdfaSchema:prefix>pdfaid</pdfaSchema:prefix><p:name>part</p:name>")),
                 Packet(Pdf("<pdfaSchema:prefix>pdfaid</pdfaSchema:prefix><p:name>part</p:name>")), false}));

} // namespace
