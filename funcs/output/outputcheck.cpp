#include "output/outputcheck.h"

#include "pdf/pdfreader.h"

std::string OutputPdfProblem(const std::string& path, std::int32_t expectedPages)
{
    const TPdfFacts facts = ReadPdfFacts(path, false);
    switch (facts.Status) {
    case TPdfFacts::TStatus::Ok:
        break;
    case TPdfFacts::TStatus::NeedsPassword:
        return path + ": needs a password";
    case TPdfFacts::TStatus::Damaged:
    case TPdfFacts::TStatus::NotPdf:
        return path + ": not a complete PDF (" + facts.Reason + ")";
    case TPdfFacts::TStatus::CannotOpen:
        return path + ": cannot be read (" + facts.Reason + ")";
    }
    if (facts.Repaired)
        return path + ": not a complete PDF (" + facts.Reason + ")";
    if (facts.Pages != expectedPages)
        return path + ": " + std::to_string(facts.Pages) + " pages written, " +
               std::to_string(expectedPages) + " expected";
    return {};
}
