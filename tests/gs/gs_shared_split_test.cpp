// Every-N splits in one Ghostscript instance against a fresh instance per piece,
// with the installed libgs: every piece must come out the same as far as the
// independent checkers see (pages, text, bookmarks, links, qpdf --check).
#include "engines/gsbinding.h"
#include "engines/pdfengine.h"
#include "gs_test_support.h"
#include "util/testtools.h"

#include <fstream>
#include <regex>

using namespace testutil;

using namespace gstest;
namespace fs = std::filesystem;

namespace {

// Six pages; bookmarks three deep whose first target is page 2, a named
// destination, links within and across pieces, a web link.
const char* const LinkedProgram = R"(/F { /Helvetica findfont 18 scalefont setfont } def
F 72 700 moveto (Contents) show
[/Rect [72 640 300 660] /Page 3 /View [/XYZ null null null] /Subtype /Link /ANN pdfmark
showpage
F 72 700 moveto (Chapter one) show showpage
F 72 700 moveto (Section one point one) show showpage
[/Dest /chap2 /View [/XYZ 0 792 null] /DEST pdfmark
F 72 700 moveto (Chapter two) show
[/Rect [72 640 300 660] /Page 3 /View [/XYZ null null null] /Subtype /Link /ANN pdfmark
[/Rect [72 600 300 620] /Page 1 /View [/XYZ null null null] /Subtype /Link /ANN pdfmark
[/Rect [72 560 300 580] /Dest /chap2 /Subtype /Link /ANN pdfmark
[/Rect [72 520 300 540] /Action << /Subtype /URI /URI (https://example.org/x) >> /Subtype /Link /ANN pdfmark
showpage
F 72 700 moveto (Chapter three) show showpage
F 72 700 moveto (Chapter four) show showpage
[/Count 1 /Page 2 /View [/XYZ null null null] /Title (Chapter 1) /OUT pdfmark
[/Count -1 /Page 3 /View [/XYZ null null null] /Title (Section 1.1) /OUT pdfmark
[/Page 4 /View [/XYZ null null null] /Title (Deep 1.1.1) /OUT pdfmark
[/Page 1 /Title (Contents) /OUT pdfmark
[/Page 5 /Title (Chapter 3) /OUT pdfmark
[/Dest /chap2 /Title (Chapter 2) /OUT pdfmark
)";
constexpr int LinkedPages = 6;

std::string Normalised(std::string text, const std::string& path)
{
    text = std::regex_replace(text, std::regex("[0-9]+ 0 R|object [0-9]+ 0|offset [0-9]+"), "#");
    for (std::size_t at; (at = text.find(path)) != std::string::npos;)
        text.replace(at, path.size(), "FILE");
    return text;
}

// What the checkers see of a piece, free of object numbers and its name.
std::string Summary(const std::string& path)
{
    const TRunResult check = RunProgram({"qpdf", "--check", path});
    const TRunResult outlines = RunProgram({"qpdf", "--json", "--json-key=outlines", path});
    // Link targets and web addresses, in any object order.
    const TRunResult objects = RunProgram({"qpdf", "--json=1", "--json-key=objects", path});
    std::vector<std::string> links;
    const std::regex link("\"/(Dest|D|URI)\": (\\[[^\\]]*\\]|\"[^\"]*\")");
    for (std::sregex_iterator it(objects.Out.begin(), objects.Out.end(), link), end; it != end; ++it)
        links.push_back(Normalised(it->str(), path));
    std::sort(links.begin(), links.end());
    std::string summary =
        "check " + std::to_string(check.ExitCode) + "\n" + Normalised(check.Out + check.Err, path);
    summary += Normalised(outlines.Out, path);
    for (const std::string& l : links)
        summary += l + "\n";
    for (const std::string& text : PdfPageTexts(path))
        summary += text + "\n";
    return summary;
}

class GsSharedSplit : public testing::TestWithParam<int>
{
protected:
    void SetUp() override
    {
        if (const std::string missing = RealGhostscriptMissing(); !missing.empty())
            GTEST_SKIP() << missing;
        m_saved = GS_Dll_Path;
        GS_Dll_Path = "libgs.so.10";
        m_dir = fs::path(GS_TEST_WORKDIR) / ("shared " + std::to_string(GetParam()) + " Ünï (1) 100%");
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        m_source = (m_dir / "linked (a) 50% é.pdf").string();
        const std::string program = (m_dir / "linked.ps").string();
        std::ofstream(program) << LinkedProgram;
        ASSERT_EQ(RunProgram({"gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pdfwrite",
                              GsOutputFileSwitch(m_source), program})
                      .ExitCode,
                  0);
    }
    void TearDown() override
    {
        if (!m_saved.empty())
            GS_Dll_Path = m_saved;
    }

    // Splits every n pages into folder; each piece is checked the moment
    // WritePiece returns. The piece names.
    std::vector<std::string> Split(bool shared, const std::string& folder, int n)
    {
        fs::create_directories(m_dir / folder);
        std::vector<std::string> pieces;
        const std::unique_ptr<IPdfEngine> engine = MakeGhostscriptEngine();
        engine->SetConsecutivePieces(shared);
        EXPECT_TRUE(engine->OpenSource(m_source).Ok);
        for (int first = 1; first <= LinkedPages; first += n) {
            const int last = std::min(first + n - 1, LinkedPages);
            pieces.push_back(
                (m_dir / folder / ("piece (" + std::to_string(first) + ") 100% ü.pdf")).string());
            const TEngineResult result = engine->WritePiece(first, last, pieces.back(), {});
            EXPECT_TRUE(result.Ok) << result.Reason;
            EXPECT_EQ(PdfPageCount(pieces.back()), last - first + 1)
                << "incomplete at return: " << pieces.back();
        }
        engine->CloseSource();
        return pieces;
    }

    fs::path m_dir;
    std::string m_saved;
    std::string m_source;
};

TEST_P(GsSharedSplit, PiecesEqualFreshInstancePieces)
{
    const std::vector<std::string> fresh = Split(false, "fresh", GetParam());
    const std::vector<std::string> shared = Split(true, "shared", GetParam());
    ASSERT_EQ(fresh.size(), shared.size());
    for (std::size_t i = 0; i < fresh.size(); ++i)
        EXPECT_EQ(Summary(shared[i]), Summary(fresh[i])) << "piece " << i + 1;
    // Only the pieces: the scratch output stays in the private folder.
    EXPECT_EQ(static_cast<std::size_t>(
                  std::distance(fs::directory_iterator(m_dir / "shared"), fs::directory_iterator())),
              shared.size());
}

INSTANTIATE_TEST_SUITE_P(EveryN, GsSharedSplit, testing::Values(1, 2, 3, 4, 6));

// One split size is enough here.
class GsSharedSplitFailure : public GsSharedSplit
{
};

TEST_P(GsSharedSplitFailure, PieceThatCannotBeWrittenFailsAndStopsTheSplit)
{
    const std::unique_ptr<IPdfEngine> engine = MakeGhostscriptEngine();
    engine->SetConsecutivePieces(true);
    ASSERT_TRUE(engine->OpenSource(m_source).Ok);
    const TEngineResult failed = engine->WritePiece(1, 1, (m_dir / "no folder" / "p.pdf").string(), {});
    EXPECT_FALSE(failed.Ok);
    EXPECT_EQ(failed.Reason.substr(0, failed.Reason.find('\n')), "Ghostscript could not write the file.");
    EXPECT_NE(failed.Reason.find('\n'), std::string::npos) << "no reason from Ghostscript";
    // No silent recovery: the instance is in an unknown state.
    EXPECT_FALSE(engine->WritePiece(2, 2, (m_dir / "p2.pdf").string(), {}).Ok);
    engine->CloseSource();
    EXPECT_FALSE(fs::exists(m_dir / "p2.pdf"));
}

INSTANTIATE_TEST_SUITE_P(Once, GsSharedSplitFailure, testing::Values(1));

} // namespace
