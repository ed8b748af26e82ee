// The checks both front ends run before a job, with the refusal each gives.
#include "job/frontdoor.h"
#include "job/jobchecks.h"
#include "job/messages.h"
#include "platform/platform.h"
#include "util/testtools.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <mutex>
#include <ostream>

using namespace testutil;

namespace fs = std::filesystem;

namespace {

struct CheckCase
{
    const char* Name;
    std::function<std::optional<TRefusal>(const fs::path& dir)> Run;
    const char* Caption; // nullptr: the check passes
    std::string Text;    // the message, cause included; "@" stands for the test folder
    TRefusalIcon Icon = TRefusalIcon::Warning;
};

void PrintTo(const CheckCase& c, std::ostream* os)
{
    *os << c.Name;
}

class JobChecks : public testing::TestWithParam<CheckCase>
{
};

TEST_P(JobChecks, GivesItsRefusal)
{
    const CheckCase& c = GetParam();
    const TempDir dir;
    const std::optional<TRefusal> refusal = c.Run(dir.path());
    if (!c.Caption) {
        EXPECT_FALSE(refusal) << refusal->Message();
        return;
    }
    ASSERT_TRUE(refusal);
    std::string text = c.Text;
    if (const auto at = text.find('@'); at != std::string::npos) {
        // The rows write "/"; the core names folders with the system's separator.
        std::replace(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(), '/', plat::PathSeparator);
        for (auto next = at; next != std::string::npos; next = text.find('@', next))
            text.replace(next, 1, dir.path().string());
    }
    EXPECT_EQ(refusal->Caption, c.Caption);
    EXPECT_EQ(refusal->Message(), text);
    EXPECT_EQ(refusal->Icon, c.Icon);
}

#ifdef _WIN32 // names are counted in UTF-16 units there
const std::string NameTooLong = "The name is longer than the file system allows (255 characters): ";
#else
const std::string NameTooLong = "The name is longer than the file system allows (255 bytes): ";
#endif

std::optional<TRefusal> Ranges(const std::string& text)
{
    TPageRanges ranges;
    return CheckSplitRanges(text, 6, ranges, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JobChecks,
    testing::Values(
        CheckCase{"OneFile", [](auto&) { return CheckMergeStart(1, 10); }, "less file", TxtTooFewFiles,
                  TRefusalIcon::Information},
        CheckCase{"NoOutputName", [](auto&) { return CheckMergeStart(2, 0); }, "missed output file",
                  "Please specify output file nanme.", TRefusalIcon::Information},
        CheckCase{"ShortOutputName", [](auto&) { return CheckMergeStart(2, 2); }, "missed output file",
                  "Please specify output file nanme.\nAn output name needs 3 characters or more.",
                  TRefusalIcon::Information},
        CheckCase{"MergeStarts", [](auto&) { return CheckMergeStart(2, 3); }, nullptr, {}},
        CheckCase{"OutputIsInput", [](auto&) { return CheckMergeOutputIsInput(true); }, "invalid output file",
                  TxtOutputIsInput},
        CheckCase{"OutputIsNoInput", [](auto&) { return CheckMergeOutputIsInput(false); }, nullptr, {}},
        CheckCase{"OutputFolderUnderAFile",
                  [](const fs::path& d) {
                      std::ofstream(d / "f") << "x";
                      return CheckMergeOutputCreatable((d / "f" / "sub" / "out.pdf").string());
                  },
                  "create folder failed",
                  "cannot create folder \"@/f/sub/\"\nA file of that name is in the way: @/f"},
        CheckCase{"OutputFolderNameTooLong",
                  [](const fs::path& d) {
                      return CheckMergeOutputCreatable((d / std::string(300, 'd') / "out.pdf").string());
                  },
                  "create folder failed",
                  "cannot create folder \"@/" + std::string(300, 'd') + "/\"\n" + NameTooLong +
                      std::string(300, 'd')},
        CheckCase{"OutputNameTooLong",
                  [](const fs::path& d) {
                      return CheckMergeOutputCreatable((d / (std::string(300, 'n') + ".pdf")).string());
                  },
                  "Warning", "Cannot create output file.\n" + NameTooLong + std::string(300, 'n') + ".pdf"},
        CheckCase{"OutputIsAFolder",
                  [](const fs::path& d) {
                      fs::create_directory(d / "taken.pdf");
                      return CheckMergeOutputCreatable((d / "taken.pdf").string());
                  },
                  "Warning", "Cannot create output file.\nA folder of that name exists: @/taken.pdf"},
        CheckCase{"OutputCreatable",
                  [](const fs::path& d) { return CheckMergeOutputCreatable((d / "a" / "out.pdf").string()); },
                  nullptr,
                  {}},
        // The first refused selection; a row a merge leaves out is not asked.
        CheckCase{"SelectionBeyondTheFile",
                  [](auto&) {
                      return CheckMergeSelections(
                          {{.Path = "x.pdf", .Pages = 0, .Status = TRowStatus::NotPdf, .Selection = "7"},
                           {.Path = "a.pdf", .Pages = 3, .Selection = "all"},
                           {.Path = "b.pdf", .Pages = 3, .Selection = "2-5"}});
                  },
                  "invalid page range", "b.pdf: pages \"2-5\" cannot be chosen: the file has pages 1 to 3."},
        CheckCase{"NoSource", [](auto&) { return CheckSplitSourceGiven(""); }, "missed source file",
                  "Please select a PDF document to split."},
        // Page lines the light probe counts, but no file the reader can read.
        CheckCase{"SourceOnlyGuessed",
                  [](const fs::path& d) {
                      std::ofstream(d / "fake.pdf") << "junk\n/Type /Page\n/Type /Page\n%%EOF\n";
                      return JudgeSplitSource(ProbePdfForList((d / "fake.pdf").string())).Refusal;
                  },
                  "Tip", "Invalid PDF document.\n@/fake.pdf: not a PDF document"},
        CheckCase{"Encrypted", [](auto&) { return CheckSplitSourcePages("a.pdf", true, 9); }, "Info",
                  "a.pdf is encrypted, cannot be split."},
        CheckCase{"OnePage",
                  [](const fs::path& d) {
                      MakeTestPdf((d / "one.pdf").string(), 1);
                      return CheckSplitSourcePages((d / "one.pdf").string(), false, 1);
                  },
                  "pages less", "Pages must be greate then 2."},
        CheckCase{"NoPagesSaysWhy",
                  [](auto&) { return CheckSplitSourcePages("x.pdf", false, 0, "x.pdf: empty"); },
                  "pages less", "Pages must be greate then 2.\nx.pdf: empty"},
        CheckCase{"TwoPages",
                  [](const fs::path& d) {
                      MakeTestPdf((d / "two.pdf").string(), 2);
                      return CheckSplitSourcePages((d / "two.pdf").string(), false, 2);
                  },
                  nullptr,
                  {}},
        CheckCase{"NoRanges", [](auto&) { return Ranges(""); }, "missed page range",
                  "Please specify page range(s) for spliting."},
        CheckCase{"RangeBeyondTheEnd", [](auto&) { return Ranges("2-7"); }, "invalid page range",
                  "Page ranges is invalid or page number exceed total pages."},
        // Refused before the engine loads: it can do neither.
        CheckCase{
            "GhostscriptByBookmarks",
            [](auto&) { return CheckSplitMethodEngine(TSplitKind::Bookmarks, TEngineKind::Ghostscript); },
            "Info", std::string("Splitting PDF failed.\n") + TxtGsNoChapters},
        CheckCase{"GhostscriptBySize",
                  [](auto&) { return CheckSplitMethodEngine(TSplitKind::Size, TEngineKind::Ghostscript); },
                  "Info", std::string("Splitting PDF failed.\n") + TxtGsNoSizeSplit},
        CheckCase{"GhostscriptEveryN",
                  [](auto&) { return CheckSplitMethodEngine(TSplitKind::Every, TEngineKind::Ghostscript); },
                  nullptr,
                  {}},
        CheckCase{"ExactBySize",
                  [](auto&) { return CheckSplitMethodEngine(TSplitKind::Size, TEngineKind::Exact); },
                  nullptr,
                  {}},
        CheckCase{"NoLocation", [](auto&) { return CheckSplitLocation("", ""); }, "missed output location",
                  "Please specify a location for spliting."},
        CheckCase{"LocationUnderAFile",
                  [](const fs::path& d) {
                      std::ofstream(d / "f") << "x";
                      return CheckSplitLocation("typed", (d / "f" / "x").string());
                  },
                  "create folder failed",
                  "cannot create folder \"typed\"\nA file of that name is in the way: @/f"},
        CheckCase{"RelativeLocation", [](auto&) { return CheckSplitLocation("out", "out"); },
                  "create folder failed",
                  "cannot create folder \"out\"\nA folder must be given as a full path."}),
    [](const auto& testInfo) { return std::string(testInfo.param.Name); });

TEST(JobChecksRanges, PassingRangesPostTheirTotal)
{
    struct Sink : IGsNotifySink
    {
        void PostNotify(std::intptr_t w, std::intptr_t l) noexcept override { Posted.emplace_back(w, l); }
        std::vector<std::pair<std::intptr_t, std::intptr_t>> Posted;
    } sink;
    TPageRanges ranges;
    EXPECT_FALSE(CheckSplitRanges("1,3-4", 6, ranges, &sink));
    EXPECT_EQ(ranges.RangeList, "1;3-4;");
    EXPECT_EQ(sink.Posted, (std::vector<std::pair<std::intptr_t, std::intptr_t>>{{3, GSN_TOTAL}}));
    EXPECT_TRUE(CheckSplitRanges("9", 6, ranges, &sink));
    EXPECT_EQ(sink.Posted.size(), 1u);
}

} // namespace
