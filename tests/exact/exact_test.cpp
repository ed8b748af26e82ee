// The exact engine keeps what users keep PDFs for: each output is checked with
// qpdf (structure, bookmarks, links, fields) and pdftotext (text per page).
#include "engines/exactengine.h"
#include "exactfixtures.h"
#include "util/testtools.h"

#include <fstream>
#include <gtest/gtest.h>
#include <memory>

using namespace testutil;

namespace {

struct TFixtures
{
    TempDir Dir;
    std::string Structured, FormA, FormB, Packed, Shared, Plain;
    bool Ok = false;

    TFixtures()
        : Structured(Dir.str() + "structured.pdf"), FormA(Dir.str() + "form-a.pdf"),
          FormB(Dir.str() + "form-b.pdf"), Packed(Dir.str() + "packed.pdf"), Shared(Dir.str() + "shared.pdf"),
          Plain(Dir.str() + "plain.pdf")
    {
        Ok = MakeStructuredPdf(Structured) && MakeFormPdf(Dir.str(), FormA, "Alice") &&
             MakeFormPdf(Dir.str(), FormB, "Bob") && MakePackedPdf(Structured, Packed) &&
             MakeSharedResourcesPdf(Shared) && MakeTestPdf(Plain, 3);
    }
};

TFixtures& Fixtures()
{
    static TFixtures fixtures;
    return fixtures;
}

class ExactTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (const std::string why = MissingTestTools(); !why.empty())
            GTEST_SKIP() << why;
#ifdef _WIN32
        if (TestFixture("structured.pdf").empty())
            GTEST_SKIP() << "no structured.pdf made by Ghostscript: run through scripts/test-windows.sh";
#endif
        ASSERT_TRUE(Fixtures().Ok) << "could not make the test PDFs";
    }

    // An output as the job hands it over: a file that already exists.
    std::string Output(const std::string& name) const
    {
        return m_out.write(name, "left over");
    }

    TempDir m_out;
};

std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST_F(ExactTest, MergeKeepsTextBookmarksLinksDestinationsAndFields)
{
    const TFixtures& f = Fixtures();
    const std::string out = Output("merged.pdf");
    std::vector<std::int32_t> reported;
    const TEngineResult result = MakeExactEngine()->Merge(
        {{f.Structured, "structured"}, {f.FormA, "form a"}, {f.Packed, "packed"}, {f.FormB, "form b"}}, out,
        [&](std::int32_t page) { reported.push_back(page); });
    ASSERT_TRUE(result.Ok) << result.Reason;
    EXPECT_EQ(reported, (std::vector<std::int32_t>{1, 2, 3, 4, 1, 2, 1, 2, 3, 4, 1, 2}));
    EXPECT_TRUE(QpdfCheckPasses(out));
    EXPECT_EQ(PdfPageTexts(out), Concat({PdfPageTexts(f.Structured), PdfPageTexts(f.FormA),
                                         PdfPageTexts(f.Packed), PdfPageTexts(f.FormB)}));

    const TQpdfFacts facts = ReadQpdfFacts(out);
    ASSERT_TRUE(facts.Loaded);
    EXPECT_EQ(facts.Bookmarks, (std::vector<std::string>{
                                   "structured @1 (closed)",
                                   "  Chapter 1 @2",
                                   "    Section 1.1 @3 (closed)",
                                   "      Deep 1.1.1 @4",
                                   "  Contents @1",
                                   "  Chapter 2 @4",
                                   "form a @5",
                                   "packed @7 (closed)",
                                   "  Chapter 1 @8",
                                   "    Section 1.1 @9 (closed)",
                                   "      Deep 1.1.1 @10",
                                   "  Contents @7",
                                   "  Chapter 2 @10",
                                   "form b @11",
                               }));
    EXPECT_EQ(facts.Links,
              (std::vector<std::string>{"1 -> 3", "1 -> 4", "1 -> https://example.org/plicora", "7 -> 9",
                                        "7 -> 10", "7 -> https://example.org/plicora"}));
    // The second input's destination of the same name is renamed, and its link follows.
    EXPECT_EQ(facts.NamedDests, (std::map<std::string, int>{{"chap2", 4}, {"chap2-2", 10}}));
    // Version and object streams of the PDF 1.7 input.
    EXPECT_EQ(facts.Version, "1.7");
    EXPECT_NE(RunProgram({"qpdf", "--show-xref", out}).Out.find("compressed"), std::string::npos);

    // Both forms' fields with their values; the second form's clashing names renamed.
    ASSERT_EQ(facts.Fields.size(), 8u);
    for (const char* field : {"name=Alice @5", "agree=/Yes @6", "shared=Both @5", "shared=Both @6"})
        EXPECT_NE(std::find(facts.Fields.begin(), facts.Fields.end(), field), facts.Fields.end()) << field;
    int renamed = 0;
    for (const std::string& field : facts.Fields) {
        if (field.find("@11") != std::string::npos || field.find("@12") != std::string::npos) {
            EXPECT_EQ(field.find("name="), std::string::npos) << field;
            EXPECT_EQ(field.find("agree="), std::string::npos) << field;
            EXPECT_EQ(field.find("shared="), std::string::npos) << field;
            renamed += field.find("=Bob @11") != std::string::npos ? 1 : 0;
        }
    }
    EXPECT_EQ(renamed, 1);
}

TEST_F(ExactTest, MergeOfPlainFilesReportsEachFilesPages)
{
    const TFixtures& f = Fixtures();
    const std::string out = Output("plain.pdf");
    const std::string owner = m_out.str() + "owner.pdf";
    ASSERT_TRUE(MakeOwnerOnlyPdf(f.Plain, owner));
    const TEngineResult result = MakeExactEngine()->Merge({{f.Plain, "a"}, {owner, "b"}}, out, {});
    ASSERT_TRUE(result.Ok) << result.Reason;
    EXPECT_TRUE(QpdfCheckPasses(out));
    EXPECT_EQ(PdfPageTexts(out), Concat({PdfPageTexts(f.Plain), PdfPageTexts(f.Plain)}));
    EXPECT_EQ(ReadQpdfFacts(out).Bookmarks, (std::vector<std::string>{"a @1", "b @4"}));
}

struct TSplitCase
{
    int First;
    int Last;
    std::vector<std::string> Bookmarks;
    std::vector<std::string> Links;
    std::map<std::string, int> NamedDests;
};

class ExactSplitTest : public ExactTest, public ::testing::WithParamInterface<TSplitCase>
{
};

TEST_P(ExactSplitTest, PieceKeepsWhatPointsIntoIt)
{
    const TFixtures& f = Fixtures();
    const TSplitCase& c = GetParam();
    auto engine = MakeExactEngine();
    ASSERT_TRUE(engine->OpenSource(f.Structured).Ok);
    // Another piece first: the source is read once and must serve every piece alike.
    ASSERT_TRUE(engine->WritePiece(1, 4, Output("whole.pdf"), {}).Ok);
    const std::string out = Output("piece.pdf");
    std::vector<std::int32_t> reported;
    const TEngineResult result =
        engine->WritePiece(c.First, c.Last, out, [&](std::int32_t page) { reported.push_back(page); });
    ASSERT_TRUE(result.Ok) << result.Reason;

    std::vector<std::int32_t> expectedPages;
    std::vector<std::string> expectedTexts;
    for (int p = c.First; p <= c.Last; ++p) {
        expectedPages.push_back(p);
        expectedTexts.push_back(PdfPageText(f.Structured, p));
    }
    EXPECT_EQ(reported, expectedPages);
    EXPECT_TRUE(QpdfCheckPasses(out));
    EXPECT_EQ(PdfPageTexts(out), expectedTexts);
    const TQpdfFacts facts = ReadQpdfFacts(out);
    EXPECT_EQ(facts.Bookmarks, c.Bookmarks);
    EXPECT_EQ(facts.Links, c.Links);
    EXPECT_EQ(facts.NamedDests, c.NamedDests);
}

const std::string Uri = "https://example.org/plicora";

INSTANTIATE_TEST_SUITE_P(Pieces, ExactSplitTest,
                         ::testing::Values(
                             // Links to pages 3 and 4 lead out of the piece: only the web link stays.
                             TSplitCase{1, 1, {"Contents @1"}, {"1 -> " + Uri}, {}},
                             TSplitCase{2, 3, {"Chapter 1 @1", "  Section 1.1 @2"}, {}, {}},
                             // Ancestors of a kept bookmark stay, without a target of their own.
                             TSplitCase{4,
                                        4,
                                        {"Chapter 1 @0", "  Section 1.1 @0 (closed)", "    Deep 1.1.1 @1",
                                         "Chapter 2 @1"},
                                        {},
                                        {{"chap2", 1}}},
                             TSplitCase{1,
                                        4,
                                        {"Chapter 1 @2", "  Section 1.1 @3 (closed)", "    Deep 1.1.1 @4",
                                         "Contents @1", "Chapter 2 @4"},
                                        {"1 -> 3", "1 -> 4", "1 -> " + Uri},
                                        {{"chap2", 4}}}));

struct TFieldCase
{
    int Page;
    std::vector<std::string> Fields;
};

class ExactFormSplitTest : public ExactTest, public ::testing::WithParamInterface<TFieldCase>
{
};

// A field with widgets on both pages stays one field in each piece, with the
// widget of that piece's page only.
TEST_P(ExactFormSplitTest, PieceKeepsFieldsOfItsPages)
{
    auto engine = MakeExactEngine();
    ASSERT_TRUE(engine->OpenSource(Fixtures().FormA).Ok);
    const std::string out = Output("form-piece.pdf");
    ASSERT_TRUE(engine->WritePiece(GetParam().Page, GetParam().Page, out, {}).Ok);
    EXPECT_TRUE(QpdfCheckPasses(out));
    std::vector<std::string> fields = ReadQpdfFacts(out).Fields;
    std::sort(fields.begin(), fields.end());
    EXPECT_EQ(fields, GetParam().Fields);
}

INSTANTIATE_TEST_SUITE_P(Pages, ExactFormSplitTest,
                         ::testing::Values(TFieldCase{1, {"name=Alice @1", "shared=Both @1"}},
                                           TFieldCase{2, {"agree=/Yes @1", "shared=Both @1"}}));

TEST_F(ExactTest, PieceCarriesOnlyTheResourcesItsPagesUse)
{
    const TFixtures& f = Fixtures();
    auto engine = MakeExactEngine();
    ASSERT_TRUE(engine->OpenSource(f.Shared).Ok);
    for (int page = 1; page <= 2; ++page) {
        const std::string out = Output("shared-" + std::to_string(page) + ".pdf");
        ASSERT_TRUE(engine->WritePiece(page, page, out, {}).Ok);
        EXPECT_TRUE(QpdfCheckPasses(out));
        EXPECT_EQ(PdfPageTexts(out), std::vector<std::string>{PdfPageText(f.Shared, page)});
        EXPECT_EQ(ReadQpdfFacts(out).PageFonts,
                  std::vector<std::vector<std::string>>{{"/F" + std::to_string(page)}});
    }
}

enum class TBadInput
{
    UserPassword,
    Garbage,
    Missing
};

struct TFailureCase
{
    TBadInput Input;
    std::string Says;
};

class ExactFailureTest : public ExactTest, public ::testing::WithParamInterface<TFailureCase>
{
protected:
    std::string MakeBad()
    {
        const std::string path = m_out.str() + "bad input.pdf";
        switch (GetParam().Input) {
        case TBadInput::UserPassword:
            EXPECT_TRUE(MakeEncryptedPdf(Fixtures().Plain, path));
            break;
        case TBadInput::Garbage:
            m_out.write("bad input.pdf", "%PDF-1.4\nthis is no PDF at all\n");
            break;
        case TBadInput::Missing:
            break;
        }
        return path;
    }
};

// The reason names the input at fault, and neither engine call throws.
TEST_P(ExactFailureTest, ReasonNamesTheInput)
{
    const std::string bad = MakeBad();
    auto engine = MakeExactEngine();
    const TEngineResult merge =
        engine->Merge({{Fixtures().Plain, "good"}, {bad, "bad"}}, Output("m.pdf"), {});
    EXPECT_FALSE(merge.Ok);
    EXPECT_EQ(merge.Reason.rfind(bad + ": ", 0), 0u) << merge.Reason;
    EXPECT_NE(merge.Reason.find(GetParam().Says), std::string::npos) << merge.Reason;

    const TEngineResult open = engine->OpenSource(bad);
    EXPECT_FALSE(open.Ok);
    EXPECT_EQ(open.Reason.rfind(bad + ": ", 0), 0u) << open.Reason;
    EXPECT_FALSE(engine->WritePiece(1, 1, Output("p.pdf"), {}).Ok);
}

INSTANTIATE_TEST_SUITE_P(Inputs, ExactFailureTest,
                         ::testing::Values(TFailureCase{TBadInput::UserPassword, "needs a password"},
                                           TFailureCase{TBadInput::Garbage, "damaged"},
                                           TFailureCase{TBadInput::Missing, "could not be read"}));

TEST_F(ExactTest, PieceOutsideTheSourceFails)
{
    auto engine = MakeExactEngine();
    ASSERT_TRUE(engine->OpenSource(Fixtures().Plain).Ok);
    EXPECT_FALSE(engine->WritePiece(3, 4, Output("p.pdf"), {}).Ok);
    EXPECT_FALSE(engine->WritePiece(0, 1, Output("p.pdf"), {}).Ok);
    EXPECT_TRUE(engine->WritePiece(3, 3, Output("p.pdf"), {}).Ok);
}

} // namespace

// A file whose cross-reference table points nowhere is repaired, copied in
// full, and the repair is told.
TEST_F(ExactTest, RepairedInputIsCopiedAndReported)
{
    std::ifstream in(Fixtures().Plain, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto at = bytes.rfind("startxref");
    ASSERT_NE(at, std::string::npos);
    bytes = bytes.substr(0, at) + "startxref\n12\n%%EOF\n";
    const std::string damaged = m_out.write("damaged.pdf", bytes);

    ExactEngine engine;
    const std::string out = Output("repaired.pdf");
    const TEngineResult result = engine.Merge({{damaged, "damaged"}}, out, {});
    ASSERT_TRUE(result.Ok) << result.Reason;
    EXPECT_TRUE(QpdfCheckPasses(out));
    EXPECT_EQ(PdfPageTexts(out), PdfPageTexts(Fixtures().Plain));
    ASSERT_FALSE(engine.Warnings().empty());
    EXPECT_EQ(engine.Warnings().front().rfind(damaged, 0), 0u) << engine.Warnings().front();
}
