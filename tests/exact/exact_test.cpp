// The exact engine keeps what users keep PDFs for: each output is checked with
// qpdf (structure, bookmarks, links, fields) and pdftotext (text per page).
#include "engines/exactdocument.h"
#include "engines/exactengine.h"
#include "exactfixtures.h"
#include "job/jobinputs.h"
#include "util/testtools.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <qpdf/QPDFNameTreeObjectHelper.hh>

using namespace testutil;

namespace {

struct TFixtures
{
    TempDir Dir;
    std::string Structured, FormA, FormB, Packed, Shared, Plain, CarryA, CarryB;
    bool Ok = false;

    TFixtures()
        : Structured(Dir.str() + "structured.pdf"), FormA(Dir.str() + "form-a.pdf"),
          FormB(Dir.str() + "form-b.pdf"), Packed(Dir.str() + "packed.pdf"), Shared(Dir.str() + "shared.pdf"),
          Plain(Dir.str() + "plain.pdf"), CarryA(Dir.str() + "carry-a.pdf"), CarryB(Dir.str() + "carry-b.pdf")
    {
        Ok = MakeStructuredPdf(Structured) && MakeFormPdf(Dir.str(), FormA, "Alice") &&
             MakeFormPdf(Dir.str(), FormB, "Bob") && MakePackedPdf(Structured, Packed) &&
             MakeSharedResourcesPdf(Shared) && MakeTestPdf(Plain, 3) && MakeCarryingPdf(CarryA, 'A') &&
             MakeCarryingPdf(CarryB, 'B');
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

// Title and the rest from source; Producer and the modification date new, the
// same in Info and XMP. A merged file claims no conformance its inputs claimed.
void ExpectInformation(const std::string& path, const std::string& source, bool merged)
{
    std::map<std::string, std::string> info = PdfInfo(path), from = PdfInfo(source);
    for (const char* key : {"Title", "Author", "Subject", "Keywords", "CreationDate"})
        EXPECT_EQ(info[key], from[key]) << key;
    EXPECT_EQ(info["Producer"], "Tarvex Plicora");
    if (!from["XMP"].empty()) {
        EXPECT_NE(info["XMP"].find("Tarvex Plicora"), std::string::npos) << info["XMP"];
        EXPECT_NE(info["XMP"].find(info["ModDate"]), std::string::npos) << info["XMP"];
        EXPECT_EQ(info["XMP"].find("pdfaid:part>") != std::string::npos,
                  !merged && from["XMP"].find("pdfaid:part>") != std::string::npos);
    }
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

struct TCarryCase
{
    std::vector<std::string TFixtures::*> Inputs;
    std::vector<std::string> Labels;
    std::vector<std::string> Files;
    std::string Tags; // check_tags.py's summary: the merge claims tagging only when every file has it
};
void PrintTo(const TCarryCase& c, std::ostream* os)
{
    *os << c.Inputs.size() << " files";
}

class ExactCarryTest : public ExactTest, public ::testing::WithParamInterface<TCarryCase>
{
};

// Each file's labels, files, layers and tags, the first file's information.
TEST_P(ExactCarryTest, MergeCarriesWhatEachFileCarries)
{
    const TFixtures& f = Fixtures();
    std::vector<TMergeInput> inputs;
    for (const auto input : GetParam().Inputs)
        inputs.push_back({f.*input, f.*input == f.CarryA ? "a" : f.*input == f.CarryB ? "b" : "plain"});
    const std::string out = Output("carried.pdf");
    const TEngineResult result = MakeExactEngine()->Merge(inputs, out, {});
    ASSERT_TRUE(result.Ok) << result.Reason;
    EXPECT_TRUE(QpdfCheckPasses(out));
    const TQpdfFacts facts = ReadQpdfFacts(out);
    EXPECT_EQ(facts.Labels, GetParam().Labels);
    EXPECT_EQ(facts.Files, GetParam().Files);
    EXPECT_EQ(facts.Lang, "en-GB");
    // Each file's layers keep their default states, apart from the other's of the same names.
    EXPECT_EQ(facts.Layers, (std::vector<std::string>{"Notes on", "Grid on", "Notes off", "Grid on"}));
    // The second file's "Heading" means another level: renamed, as its elements' type.
    EXPECT_EQ(facts.RoleMap,
              (std::map<std::string, std::string>{{"/Heading", "/H1"}, {"/Heading-2", "/H2"}}));
    if (const std::string why = MissingDocumentTools(); !why.empty())
        GTEST_SKIP() << why;
    std::vector<std::string> images, structure;
    for (const TMergeInput& input : inputs) {
        for (std::string& image : PageImages(input.Path))
            images.push_back(image);
        for (std::string line : StructureText(input.Path)) // IDs stay unique: the second file's is renamed
            structure.push_back(
                input.Path == f.CarryB && line == "  H2 <h-1> (block)" ? "  H2 <h-1-2> (block)" : line);
    }
    EXPECT_EQ(PageImages(out), images);
    EXPECT_EQ(StructureText(out), structure);
    EXPECT_EQ(TagCheck(out), std::vector<std::string>{GetParam().Tags}) << "pikepdf finds";
    ExpectInformation(out, f.CarryA, true);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ExactCarryTest,
    ::testing::Values(
        TCarryCase{{&TFixtures::CarryA, &TFixtures::CarryB},
                   {"i", "ii", "A-1", "i", "ii", "A-1"},
                   {"notes.txt: A notes", "notes.txt-2: B notes", "@2 -> notes.txt", "@5 -> notes.txt-2"},
                   "elements=12 marked=true mcids=12 refs=14"},
        // A file without labels gets the plain page numbers.
        TCarryCase{{&TFixtures::CarryA, &TFixtures::Plain, &TFixtures::CarryB},
                   {"i", "ii", "A-1", "4", "5", "6", "i", "ii", "A-1"},
                   {"notes.txt: A notes", "notes.txt-2: B notes", "@2 -> notes.txt", "@8 -> notes.txt-2"},
                   "elements=12 marked=false mcids=12 refs=14"}));

// One input's choices: chosen pages, a turn, a blank page, a bookmark policy.
struct TChoiceCase
{
    TMergeInput Input; // Path: the fixture's name ("structured", "carry-a")
    std::vector<int> SourcePages;
    std::vector<std::string> Bookmarks;
    std::vector<std::string> Links = {};
    std::vector<std::string> Labels = {};
};
void PrintTo(const TChoiceCase& c, std::ostream* os)
{
    *os << c.Input.Path << " " << c.SourcePages.size() << " pages";
}

class ExactChoiceTest : public ExactTest, public ::testing::WithParamInterface<TChoiceCase>
{
};

TEST_P(ExactChoiceTest, MergeTakesTheChosenPagesWithWhatPointsIntoThem)
{
    const TChoiceCase& c = GetParam();
    TMergeInput input = c.Input;
    input.Path = Fixtures().Dir.str() + input.Path + ".pdf";
    const std::string out = Output("chosen.pdf");
    std::vector<std::int32_t> reported;
    const TEngineResult result =
        MakeExactEngine()->Merge({input}, out, [&](std::int32_t page) { reported.push_back(page); });
    ASSERT_TRUE(result.Ok) << result.Reason;
    EXPECT_TRUE(QpdfCheckPasses(out));
    std::vector<std::string> texts;
    for (const int page : c.SourcePages)
        texts.push_back(page > 0 ? PdfPageText(input.Path, page) : "");
    EXPECT_EQ(PdfPageTexts(out), texts);
    EXPECT_EQ(reported.size(), texts.size());
    const TQpdfFacts facts = ReadQpdfFacts(out);
    EXPECT_EQ(facts.Bookmarks, c.Bookmarks);
    EXPECT_EQ(facts.Links, c.Links);
    if (!c.Labels.empty()) {
        EXPECT_EQ(facts.Labels, c.Labels);
    }
    if (const std::string why = MissingDocumentTools(); !why.empty())
        GTEST_SKIP() << why;
    const std::string info = RunProgram({"pdfinfo", "-f", "1", "-l", "9", out}).Out;
    for (std::size_t at = info.find(" rot:"); at != std::string::npos; at = info.find(" rot:", at + 1))
        EXPECT_EQ(std::stoi(info.substr(at + 5)), input.Rotate) << info;
}

INSTANTIATE_TEST_SUITE_P(
    Choices, ExactChoiceTest,
    ::testing::Values(
        // Out of order: links and bookmarks follow their pages; one into a page left out goes.
        TChoiceCase{{"structured", "s", {}, {4, 1}},
                    {4, 1},
                    {"s @1 (closed)", "  Chapter 1 @0", "    Section 1.1 @0 (closed)", "      Deep 1.1.1 @1",
                     "  Contents @2", "  Chapter 2 @1"},
                    {"2 -> 1", "2 -> https://example.org/plicora"}},
        TChoiceCase{{"structured", "s", {}, {2, 3}, 90, false, TBookmarkPolicy::Own},
                    {2, 3},
                    {"Chapter 1 @1", "  Section 1.1 @2"}},
        TChoiceCase{{"structured", "s", {}, {1, 2, 3}, 270, true, TBookmarkPolicy::Files},
                    {1, 2, 3, 0},
                    {"s @1"},
                    {"1 -> 3", "1 -> https://example.org/plicora"}},
        TChoiceCase{{"structured", "s", {}, {}, 180, true, TBookmarkPolicy::None},
                    {1, 2, 3, 4},
                    {},
                    {"1 -> 3", "1 -> 4", "1 -> https://example.org/plicora"}},
        // Labels by runs of pages.
        TChoiceCase{{"carry-a", "a", {}, {3, 1}, 0, true, TBookmarkPolicy::None},
                    {3, 1},
                    {},
                    {"1 -> https://example.org/carry"},
                    {"A-1", "i"}}));

struct TSplitCase
{
    int First;
    int Last;
    std::vector<std::string> Bookmarks = {};
    std::vector<std::string> Links = {};
    std::map<std::string, int> NamedDests = {};
    std::string TFixtures::*Source = &TFixtures::Structured;
    std::vector<std::string> Labels = {}; // when the source has labels
    std::vector<std::string> Files = {};
    std::string Tags = {}; // check_tags.py's summary, when the source is tagged
};
// Test names show the piece's pages, not the case's bytes.
void PrintTo(const TSplitCase& c, std::ostream* os)
{
    *os << "pages " << c.First << "-" << c.Last;
}

class ExactSplitTest : public ExactTest, public ::testing::WithParamInterface<TSplitCase>
{
};

TEST_P(ExactSplitTest, PieceKeepsWhatPointsIntoIt)
{
    const TFixtures& f = Fixtures();
    const TSplitCase& c = GetParam();
    const std::string& source = f.*c.Source;
    auto engine = MakeExactEngine();
    ASSERT_TRUE(engine->OpenSource(source).Ok);
    // Another piece first: the source is read once and must serve every piece alike.
    ASSERT_TRUE(engine->WritePiece(1, PdfPageCount(source), Output("whole.pdf"), {}).Ok);
    const std::string out = Output("piece.pdf");
    std::vector<std::int32_t> reported;
    const TEngineResult result =
        engine->WritePiece(c.First, c.Last, out, [&](std::int32_t page) { reported.push_back(page); });
    ASSERT_TRUE(result.Ok) << result.Reason;

    std::vector<std::int32_t> expectedPages;
    std::vector<std::string> expectedTexts;
    for (int p = c.First; p <= c.Last; ++p) {
        expectedPages.push_back(p);
        expectedTexts.push_back(PdfPageText(source, p));
    }
    EXPECT_EQ(reported, expectedPages);
    EXPECT_TRUE(QpdfCheckPasses(out));
    EXPECT_EQ(PdfPageTexts(out), expectedTexts);
    const TQpdfFacts facts = ReadQpdfFacts(out);
    EXPECT_EQ(facts.Bookmarks, c.Bookmarks);
    EXPECT_EQ(facts.Links, c.Links);
    EXPECT_EQ(facts.NamedDests, c.NamedDests);

    // What the document carries: each piece takes the source's.
    const TQpdfFacts from = ReadQpdfFacts(source);
    if (!c.Labels.empty()) {
        EXPECT_EQ(facts.Labels, c.Labels);
    }
    EXPECT_EQ(facts.Files, c.Files);
    EXPECT_EQ(facts.Lang, from.Lang);
    EXPECT_EQ(facts.Layers, from.Layers);
    EXPECT_EQ(facts.Marked, from.Marked);
    if (const std::string why = MissingDocumentTools(); !why.empty())
        GTEST_SKIP() << why;
    const std::vector<std::string> images = PageImages(source);
    EXPECT_EQ(PageImages(out),
              std::vector<std::string>(images.begin() + c.First - 1, images.begin() + c.Last));
    ExpectInformation(out, source, false);
    if (!c.Tags.empty()) {
        EXPECT_EQ(TagCheck(out), std::vector<std::string>{c.Tags}) << "pikepdf finds";
    }
    if (c.First == 1 && c.Last == PdfPageCount(source)) {
        EXPECT_EQ(StructureText(out), StructureText(source)); // element for element
    }
}

const std::string Uri = "https://example.org/plicora";

INSTANTIATE_TEST_SUITE_P(
    Pieces, ExactSplitTest,
    ::testing::Values(
        // Links to pages 3 and 4 lead out of the piece: only the web link stays.
        TSplitCase{1, 1, {"Contents @1"}, {"1 -> " + Uri}, {}},
        TSplitCase{2, 3, {"Chapter 1 @1", "  Section 1.1 @2"}, {}, {}},
        // Ancestors of a kept bookmark stay, without a target of their own.
        TSplitCase{4,
                   4,
                   {"Chapter 1 @0", "  Section 1.1 @0 (closed)", "    Deep 1.1.1 @1", "Chapter 2 @1"},
                   {},
                   {{"chap2", 1}}},
        // Two kept bookmarks under one ancestor that leads out of the piece.
        TSplitCase{3,
                   4,
                   {"Chapter 1 @0", "  Section 1.1 @1 (closed)", "    Deep 1.1.1 @2", "Chapter 2 @2"},
                   {},
                   {{"chap2", 2}}},
        TSplitCase{
            1,
            4,
            {"Chapter 1 @2", "  Section 1.1 @3 (closed)", "    Deep 1.1.1 @4", "Contents @1", "Chapter 2 @4"},
            {"1 -> 3", "1 -> 4", "1 -> " + Uri},
            {{"chap2", 4}}},
        // Labels, tags: the elements of the piece's pages with their ancestors.
        TSplitCase{.First = 1,
                   .Last = 1,
                   .Source = &TFixtures::CarryA,
                   .Labels = {"i"},
                   .Files = {"notes.txt: A notes"},
                   .Tags = "elements=3 marked=true mcids=2 refs=2"},
        TSplitCase{.First = 2,
                   .Last = 3,
                   .Links = {"2 -> https://example.org/carry"},
                   .Source = &TFixtures::CarryA,
                   .Labels = {"ii", "A-1"},
                   .Files = {"notes.txt: A notes", "@1 -> notes.txt"},
                   .Tags = "elements=5 marked=true mcids=4 refs=5"},
        TSplitCase{.First = 1,
                   .Last = 3,
                   .Links = {"3 -> https://example.org/carry"},
                   .Source = &TFixtures::CarryA,
                   .Labels = {"i", "ii", "A-1"},
                   .Files = {"notes.txt: A notes", "@2 -> notes.txt"},
                   .Tags = "elements=6 marked=true mcids=6 refs=7"}));

// A split by bookmarks or by size, as the job runs it. By bookmarks: one piece
// per bookmark at the level, in page order, named by number and title; the pages
// before the first its own. By size: pieces within the limit, checked by qpdf, a
// page larger than the limit alone and noted.
struct TChapterCase
{
    int Level;
    std::vector<std::string> Pieces; // "<file name> <pages>", by name
    std::string Failure = {};        // after the source's name
    std::uint64_t MaxBytes = 0;      // by size instead
    int OversizedNotes = 0;
};
void PrintTo(const TChapterCase& c, std::ostream* os)
{
    *os << "level " << c.Level << " max " << c.MaxBytes;
}

class ExactChapterTest : public ExactTest, public ::testing::WithParamInterface<TChapterCase>
{
};

TEST_P(ExactChapterTest, SplitByBookmarksOrSizeCutsPieces)
{
    const TChapterCase& c = GetParam();
    const std::string& source = Fixtures().Structured;
    TCall_GS_Thread_Param param;
    TJobInputs inputs;
    if (c.MaxBytes > 0)
        PrepareSplitSizeJob(param, inputs, source, m_out.str(), 4, c.MaxBytes, nullptr);
    else
        PrepareSplitBookmarksJob(param, inputs, source, m_out.str(), 4, c.Level, nullptr);
    const int result = Call_GS_Thread(&param);
    EXPECT_EQ(result, c.Failure.empty() ? GS_RESULT_OK : GS_RESULT_ERROR);
    EXPECT_EQ(param.Reason, c.Failure.empty() ? std::string() : source + c.Failure);
    std::vector<std::string> pieces;
    for (const auto& entry : std::filesystem::directory_iterator(m_out.path())) {
        const int pages = PdfPageCount(entry.path().string());
        pieces.push_back(entry.path().filename().string() + " " + std::to_string(pages));
        if (c.MaxBytes > 0) {
            EXPECT_TRUE(QpdfCheckPasses(entry.path().string()));
            EXPECT_TRUE(pages == 1 || std::filesystem::file_size(entry.path()) <= c.MaxBytes);
        }
    }
    std::sort(pieces.begin(), pieces.end());
    EXPECT_EQ(pieces, c.Pieces);
    EXPECT_EQ(std::count(param.Notes.begin(), param.Notes.end(), '\n') + (param.Notes.empty() ? 0 : 1),
              c.OversizedNotes)
        << param.Notes;
}

INSTANTIATE_TEST_SUITE_P(Chapters, ExactChapterTest,
                         ::testing::Values(
                             // Listed Chapter 1 (p2), Contents (p1), Chapter 2 (p4).
                             TChapterCase{1,
                                          {"01 Contents.pdf 1", "02 Chapter 1.pdf 2", "03 Chapter 2.pdf 1"}},
                             TChapterCase{2, {"01 structured.pdf 2", "02 Section 1.1.pdf 2"}},
                             TChapterCase{4, {}, ": no bookmark at level 4 leads to a page."},
                             // Every page larger than a byte: each alone, each noted.
                             TChapterCase{0,
                                          {"structured1-1.pdf 1", "structured2-2.pdf 1",
                                           "structured3-3.pdf 1", "structured4-4.pdf 1"},
                                          {},
                                          1,
                                          4},
                             TChapterCase{0, {"structured1-4.pdf 4"}, {}, 100U << 20}));

struct TFieldCase
{
    int Page;
    std::vector<std::string> Fields;
};
void PrintTo(const TFieldCase& c, std::ostream* os)
{
    *os << "page " << c.Page;
}

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
    Missing,
    DeepPageTree,
    DeepFields
};

struct TFailureCase
{
    TBadInput Input;
    std::string Says;
};
void PrintTo(const TFailureCase& c, std::ostream* os)
{
    *os << c.Says;
}

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
        // Deep enough to take minutes or the stack if followed all the way.
        case TBadInput::DeepPageTree:
            m_out.write("bad input.pdf", HostilePdf(THostile::PageTree, 50000));
            break;
        case TBadInput::DeepFields:
            m_out.write("bad input.pdf", HostilePdf(THostile::Fields, 3000));
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
    // First in the list: read before any page is copied, and named as well.
    const TEngineResult first =
        engine->Merge({{bad, "bad"}, {Fixtures().Plain, "good"}}, Output("m.pdf"), {});
    EXPECT_EQ(first.Reason.rfind(bad + ": ", 0), 0u) << first.Reason;

    const TEngineResult open = engine->OpenSource(bad);
    EXPECT_FALSE(open.Ok);
    EXPECT_EQ(open.Reason.rfind(bad + ": ", 0), 0u) << open.Reason;
    EXPECT_FALSE(engine->WritePiece(1, 1, Output("p.pdf"), {}).Ok);
}

INSTANTIATE_TEST_SUITE_P(Inputs, ExactFailureTest,
                         ::testing::Values(TFailureCase{TBadInput::UserPassword, "needs a password"},
                                           TFailureCase{TBadInput::Garbage, "damaged"},
                                           TFailureCase{TBadInput::Missing, "could not be read"},
                                           TFailureCase{TBadInput::DeepPageTree,
                                                        ": damaged (page tree nested more than 256 deep)"},
                                           TFailureCase{TBadInput::DeepFields,
                                                        ": damaged (form fields nested more than 32 deep)"}));

TEST_F(ExactTest, PieceOutsideTheSourceFails)
{
    auto engine = MakeExactEngine();
    ASSERT_TRUE(engine->OpenSource(Fixtures().Plain).Ok);
    EXPECT_FALSE(engine->WritePiece(3, 4, Output("p.pdf"), {}).Ok);
    EXPECT_FALSE(engine->WritePiece(0, 1, Output("p.pdf"), {}).Ok);
    EXPECT_TRUE(engine->WritePiece(3, 3, Output("p.pdf"), {}).Ok);
}

struct TWarnedCase
{
    const char* Name;
    std::function<std::string(const std::string& plain)> Bytes;
    const char* Says; // in the first warning, after the file's name
    int Pages;
};

void PrintTo(const TWarnedCase& c, std::ostream* os)
{
    *os << c.Name;
}

class ExactWarnedTest : public ExactTest, public ::testing::WithParamInterface<TWarnedCase>
{
};

// What cannot be read as it stands is repaired or left out: every page is
// copied, and the warning names the file.
TEST_P(ExactWarnedTest, EveryPageIsCopiedAndTheWarningNamesTheFile)
{
    const std::string input = m_out.write("input.pdf", GetParam().Bytes(Fixtures().Plain));
    ExactEngine engine;
    const std::string out = Output("out.pdf");
    const TEngineResult result = engine.Merge({{input, "input"}}, out, {});
    ASSERT_TRUE(result.Ok) << result.Reason;
    EXPECT_TRUE(QpdfCheckPasses(out));
    EXPECT_EQ(PdfPageCount(out), GetParam().Pages);
    ASSERT_FALSE(engine.Warnings().empty());
    EXPECT_EQ(engine.Warnings().front().rfind(input, 0), 0u) << engine.Warnings().front();
    EXPECT_NE(engine.Warnings().front().find(GetParam().Says), std::string::npos)
        << engine.Warnings().front();
}

// A cross-reference table that points nowhere; structures nested past the bounds.
INSTANTIATE_TEST_SUITE_P(
    Inputs, ExactWarnedTest,
    ::testing::Values(TWarnedCase{"BrokenCrossReference",
                                  [](const std::string& plain) {
                                      std::ifstream in(plain, std::ios::binary);
                                      std::string bytes((std::istreambuf_iterator<char>(in)),
                                                        std::istreambuf_iterator<char>());
                                      return bytes.substr(0, bytes.rfind("startxref")) +
                                             "startxref\n12\n%%EOF\n";
                                  },
                                  "", 3},
                      TWarnedCase{"DeepNameTree", [](auto&) { return HostilePdf(THostile::NameTree, 20000); },
                                  ": named destinations left out (name tree nested more than 64 deep)", 2},
                      TWarnedCase{"DeepOutlines", [](auto&) { return HostilePdf(THostile::Outlines, 20000); },
                                  ": bookmarks nested more than 50 deep left out", 2},
                      TWarnedCase{"OutlineLoop", [](auto&) { return HostilePdf(THostile::OutlineLoop, 0); },
                                  ": bookmarks that lead back to themselves left out", 2}),
    [](const auto& testInfo) { return std::string(testInfo.param.Name); });

// A name tree built whole: one leaf, a root over leaves, a level between; each
// entry found again by libqpdf's lookup, which trusts every node's /Limits.
class NameTreeTest : public ::testing::TestWithParam<int>
{
};

TEST_P(NameTreeTest, EveryEntryIsFoundInOrder)
{
    QPDF pdf;
    pdf.emptyPDF();
    std::map<std::string, QPDFObjectHandle> entries;
    for (int i = 0; i < GetParam(); ++i)
        entries.emplace("d\xc3\xa9st" + std::to_string(i), QPDFObjectHandle::newInteger(i));
    QPDFNameTreeObjectHelper tree(NewNameTree(pdf, entries), pdf);
    EXPECT_FALSE(tree.getObjectHandle().hasKey("/Limits"));
    std::vector<std::string> keys;
    for (const auto& [key, value] : tree)
        keys.push_back(key);
    std::vector<std::string> expected;
    for (const auto& [key, value] : entries)
        expected.push_back(key);
    EXPECT_EQ(keys, expected);
    for (const auto& [key, value] : entries) {
        QPDFObjectHandle found;
        ASSERT_TRUE(tree.findObject(key, found)) << key;
        EXPECT_EQ(found.getIntValue(), QPDFObjectHandle(value).getIntValue());
    }
}

INSTANTIATE_TEST_SUITE_P(Entries, NameTreeTest, ::testing::Values(0, 1, 64, 65, 4097));

} // namespace
