// The Ghostscript engine: pages rewritten by its pdfwrite device. Its page
// reports come from the job's stdio callbacks, so it never calls TPageReport.
#include "gsbinding.h"
#include "pdfengine.h"

#include <string>
#include <vector>

namespace {

// Every run starts with these five entries.
std::vector<std::string> FixedArgs()
{
    return {"verezeri", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pdfwrite"};
}

const char* const LoadFailed = "The Ghostscript library could not be loaded.";
const char* const RunFailed = "Ghostscript could not write the file.";

class TGhostscriptEngine final : public IPdfEngine
{
public:
    TEngineResult Merge(const std::vector<TMergeInput>& inputs, const std::string& outPath,
                        const TPageReport&) override
    {
        std::vector<std::string> args = FixedArgs();
        args.push_back(GsOutputFileSwitch(outPath));
        args.push_back("-f");
        for (const TMergeInput& input : inputs)
            args.push_back(GsInputFileName(input.Path));
        return Run_GS(args) ? TEngineResult::Success() : TEngineResult::Failure(RunFailed);
    }

    // Ghostscript 10 refuses a second gsapi_init_with_args on an instance, so the
    // library stays loaded for the whole split but every piece gets an instance of
    // its own; Load_GS made the first one.
    TEngineResult OpenSource(const std::string& source) override
    {
        m_source = source;
        m_firstPiece = true;
        return Load_GS(m_binding) ? TEngineResult::Success() : TEngineResult::Failure(LoadFailed);
    }

    TEngineResult WritePiece(std::int32_t first, std::int32_t last, const std::string& outPath,
                             const TPageReport&) override
    {
        if (!m_firstPiece && !m_binding.NewInstance())
            return TEngineResult::Failure(RunFailed);
        m_firstPiece = false;
        std::vector<std::string> args = FixedArgs();
        args.push_back("-dFirstPage=" + std::to_string(first));
        args.push_back("-dLastPage=" + std::to_string(last));
        args.push_back(GsOutputFileSwitch(outPath));
        args.push_back(GsInputFileName(m_source));
        const TGsBinding::RunCodes codes = m_binding.RunInstance(args);
        m_binding.DeleteInstance();
        return codes.Init == 0 && codes.Exit == 0 ? TEngineResult::Success()
                                                  : TEngineResult::Failure(RunFailed);
    }

    void CloseSource() override { Free_GS(m_binding); }

private:
    TGsBinding m_binding;
    std::string m_source;
    bool m_firstPiece = true;
};

} // namespace

std::unique_ptr<IPdfEngine> MakeGhostscriptEngine()
{
    return std::make_unique<TGhostscriptEngine>();
}
