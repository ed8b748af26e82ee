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
        EXPECT_FALSE(refusal) << refusal->Text;
        return;
    }
    ASSERT_TRUE(refusal);
    std::string text = c.Text;
    if (const auto at = text.find('@'); at != std::string::npos) {
        // The rows write "/"; the core names folders with the system's separator.
        std::replace(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(), '/', plat::PathSeparator);
        text.replace(at, 1, dir.path().string());
    }
    EXPECT_EQ(refusal->Caption, c.Caption);
    EXPECT_EQ(refusal->Message(), text);
    EXPECT_EQ(refusal->Icon, c.Icon);
}

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
        CheckCase{"ShortOutputName", [](auto&) { return CheckMergeStart(2, 2); }, "missed output file",
                  "Please specify output file nanme.", TRefusalIcon::Information},
        CheckCase{"MergeStarts", [](auto&) { return CheckMergeStart(2, 3); }, nullptr, {}},
        CheckCase{"OutputIsInput", [](auto&) { return CheckMergeOutputIsInput(true); }, "invalid output file",
                  TxtOutputIsInput},
        CheckCase{"OutputIsNoInput", [](auto&) { return CheckMergeOutputIsInput(false); }, nullptr, {}},
        CheckCase{"OutputFolderUnderAFile",
                  [](const fs::path& d) {
                      std::ofstream(d / "f") << "x";
                      return CheckMergeOutputCreatable((d / "f" / "sub" / "out.pdf").string());
                  },
                  "create folder failed", "cannot create folder \"@/f/sub/\""},
        CheckCase{"OutputIsAFolder",
                  [](const fs::path& d) {
                      fs::create_directory(d / "taken.pdf");
                      return CheckMergeOutputCreatable((d / "taken.pdf").string());
                  },
                  "Warning", "Cannot create output file."},
        CheckCase{"OutputCreatable",
                  [](const fs::path& d) { return CheckMergeOutputCreatable((d / "a" / "out.pdf").string()); },
                  nullptr,
                  {}},
        CheckCase{"NoSource", [](auto&) { return CheckSplitSourceGiven(""); }, "missed source file",
                  "Please select a PDF document to split."},
        // Page lines the light probe counts, but no file the reader can read.
        CheckCase{"SourceOnlyGuessed",
                  [](const fs::path& d) {
                      std::ofstream(d / "fake.pdf") << "junk\n/Type /Page\n/Type /Page\n%%EOF\n";
                      return JudgeSplitSource(ProbePdfForList((d / "fake.pdf").string())).Refusal;
                  },
                  "Tip", "Invalid PDF document.\n@/fake.pdf: damaged, cannot be read (not a PDF document)"},
        CheckCase{"Encrypted", [](auto&) { return CheckSplitSourcePages("a.pdf", true, 9); }, "Info",
                  "a.pdf is encrypted, cannot be split."},
        CheckCase{"OnePage",
                  [](const fs::path& d) {
                      MakeTestPdf((d / "one.pdf").string(), 1);
                      return CheckSplitSourcePages((d / "one.pdf").string(), false, 1);
                  },
                  "pages less", "Pages must be greate then 2."},
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
        CheckCase{"NoLocation", [](auto&) { return CheckSplitLocation("", ""); }, "missed output location",
                  "Please specify a location for spliting."},
        CheckCase{"LocationUnderAFile",
                  [](const fs::path& d) {
                      std::ofstream(d / "f") << "x";
                      return CheckSplitLocation("typed", (d / "f" / "x").string());
                  },
                  "create folder failed", "cannot create folder \"typed\""}),
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
