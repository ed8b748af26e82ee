// The Ghostscript engine: pages rewritten by its pdfwrite device. Its page
// reports come from the instance's stdio callbacks, which pass them to the
// TPageReport of the output being written.
#include "engines/gsbinding.h"
#include "engines/gscallbacks.h"
#include "engines/gserrors.h"
#include "engines/pdfengine.h"
#include "output/safeoutput.h"
#include "platform/platform.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <optional>
#include <qpdf/QPDF.hh>
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

std::string JoinLines(const std::string& a, const std::string& b)
{
    return b.empty() ? a : a + "\n" + b;
}

// Ghostscript failed writing outPath ("": before any output) and said why in
// its error lines; then what the disk shows, for Ghostscript names no cause for
// a full disk or a folder that went away.
TEngineResult WriteFailure(const TErrorLineCollector& errors, const std::string& outPath)
{
    const std::string onDisk = outPath.empty() ? std::string() : OutputWriteProblem(outPath);
    return TEngineResult::Failure(JoinLines(JoinLines(RunFailed, errors.Text()), onDisk));
}

// A failed run: the library could not be loaded, or Ghostscript failed.
TEngineResult RunFailure(const TErrorLineCollector& errors, const std::string& outPath)
{
    if (const std::string load = GsLoadErrorText(); !load.empty())
        return TEngineResult::Failure(JoinLines(LoadFailed + ("\n" + load), errors.Text()));
    return WriteFailure(errors, outPath);
}

// A PostScript string holding exactly these bytes: no character needs escaping.
std::string HexString(std::string_view bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string hex = "<";
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        hex += digits[b >> 4];
        hex += digits[b & 0xF];
    }
    return hex + ">";
}

// An output name as /OutputFile takes it: "%" is a format character there.
std::string OutputFileName(std::string_view path)
{
    std::string name;
    for (const char c : path) {
        name += c;
        if (c == '%')
            name += '%';
    }
    return name;
}

// The first file's Title as a PostScript object: its bytes as a string, or
// null (which removes the entry) when it has none or cannot be read.
std::string FirstTitle(const std::string& path)
{
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(path.c_str());
        QPDFObjectHandle info = pdf.getTrailer().getKey("/Info");
        QPDFObjectHandle title = info.isDictionary() ? info.getKey("/Title") : QPDFObjectHandle::newNull();
        return title.isString() ? HexString(title.getStringValue()) : "null";
    } catch (const std::exception&) {
        return "null";
    }
}

std::string AbsolutePath(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(plat::fsPath(path), ec);
    return ec ? path : plat::fsText(absolute);
}

// Ghostscript finds its temporary folder through the environment: from the
// first run to the engine's end the variable names a folder of the engine's
// own, which goes with everything in it.
class TGsTempFolder
{
public:
    TGsTempFolder() = default;
    TGsTempFolder(const TGsTempFolder&) = delete;
    TGsTempFolder& operator=(const TGsTempFolder&) = delete;
    ~TGsTempFolder()
    {
        if (m_setEnv) {
            const std::unique_lock environment(GsEnvironmentLock());
            plat::setEnv(plat::TempFolderVariable, m_saved);
        }
    }

    void Enter()
    {
        if (m_folder)
            return;
        m_saved = plat::getEnv(plat::TempFolderVariable);
        m_folder.emplace();
        m_setEnv = m_folder->Ok();
        if (m_setEnv) {
            const std::unique_lock environment(GsEnvironmentLock());
            plat::setEnv(plat::TempFolderVariable, m_folder->Path());
        }
    }

private:
    std::optional<TPrivateFolder> m_folder;
    std::string m_saved;
    bool m_setEnv = false;
};

constexpr char NoPasswordsText[] =
    ": the Ghostscript engine cannot open a file with its password; the exact engine can.";
constexpr char NoPageChoicesText[] =
    "The Ghostscript engine merges whole files only, with their pages as they "
    "are and its own bookmarks; the exact engine can choose, turn and add pages.";

class TGhostscriptEngine final : public IPdfEngine
{
public:
    using IPdfEngine::OpenSource;

    TEngineResult SourceChapters(int level, std::vector<TSourceChapter>& chapters) override
    {
        static_cast<void>(level);
        chapters.clear();
        return TEngineResult::Failure(TxtGsNoChapters);
    }

    TEngineResult Merge(const std::vector<TMergeInput>& inputs, const std::string& outPath,
                        const TPageReport& onPage) override
    {
        for (const TMergeInput& input : inputs) {
            if (!input.Password.empty())
                return TEngineResult::Failure(input.Path + NoPasswordsText);
            if (HasPageChoices(input))
                return TEngineResult::Failure(NoPageChoicesText);
        }
        m_tempFolder.Enter();
        StartOutput(onPage);
        std::vector<std::string> args = FixedArgs();
        args.push_back(GsOutputFileSwitch(outPath));
        // A job that can be cancelled stops at the end of the page being
        // written, not after the last file.
        if (Control().Cancel) {
            m_stdio.Control = &Control();
            args.push_back("-c");
            args.push_back(GsCancelAtPageEnd);
        }
        args.push_back("-f");
        for (const TMergeInput& input : inputs)
            args.push_back(GsInputFileName(input.Path));
        if (inputs.size() > 1) {
            // Run after every file: their titles are set in turn, the last one holds.
            args.push_back("-c");
            args.push_back("[ /Title " + FirstTitle(inputs.front().Path) + " /DOCINFO pdfmark");
        }
        return Run_GS(args, m_stdio) ? TEngineResult::Success() : RunFailure(m_stdio.Errors, outPath);
    }

    void SetConsecutivePieces(bool consecutive) override { m_consecutive = consecutive; }

    // Ghostscript 10 refuses a second gsapi_init_with_args on an instance, so the
    // library stays loaded for the whole split and, for ranges, every piece gets
    // an instance of its own; Load_GS made the first one. Consecutive pieces all
    // run in that first instance when the library can run PostScript text.
    TEngineResult OpenSource(const std::string& source, const std::string& password) override
    {
        if (!password.empty())
            return TEngineResult::Failure(source + NoPasswordsText);
        m_tempFolder.Enter();
        m_source = source;
        m_firstPiece = true;
        m_shared = false;
        m_failed = false;
        StartOutput({});
        return Load_GS(m_binding, m_stdio) ? TEngineResult::Success() : RunFailure(m_stdio.Errors, {});
    }

    TEngineResult WritePiece(std::int32_t first, std::int32_t last, const std::string& outPath,
                             const TPageReport& onPage) override
    {
        StartOutput(onPage);
        if (m_firstPiece && m_consecutive && m_binding.CanRunStrings()) {
            m_firstPiece = false;
            if (!StartSharedInstance())
                return Fail(outPath);
            m_shared = true;
        }
        if (m_shared)
            return SharedPiece(first, last, outPath);

        if (!m_firstPiece && !m_binding.NewInstance(m_stdio))
            return RunFailure(m_stdio.Errors, {});
        m_firstPiece = false;
        std::vector<std::string> args = FixedArgs();
        args.push_back("-dFirstPage=" + std::to_string(first));
        args.push_back("-dLastPage=" + std::to_string(last));
        args.push_back(GsOutputFileSwitch(outPath));
        args.push_back(GsInputFileName(m_source));
        const TGsBinding::RunCodes codes = m_binding.RunInstance(args);
        m_binding.DeleteInstance();
        return codes.Init == 0 && codes.Exit == 0 ? TEngineResult::Success()
                                                  : RunFailure(m_stdio.Errors, outPath);
    }

    // The shared instance exits here: its output is the scratch file by then,
    // which goes with the private folder.
    void CloseSource() override
    {
        Free_GS(m_binding);
        m_scratchFolder.reset();
    }

    std::string OutputMessages() const override { return m_stdio.Errors.Text(); }

    // pdfwrite (10.0) sometimes lists objects it never wrote in the
    // cross-reference table, all at one wrong offset; a rewrite by libqpdf
    // drops them and keeps every page as it is.
    bool OutputMayNeedRewrite() const override { return true; }

private:
    // Each output reports its own pages and keeps only its own error lines.
    void StartOutput(const TPageReport& onPage)
    {
        m_stdio.OnPage = onPage;
        m_stdio.Errors.Clear();
    }

    // The shared instance prints why a piece failed on either stream: both are
    // kept for the reason.
    static int GSDLLCALL SharedStdOut(void* handle, const char* str, int len)
    {
        if (str)
            static_cast<TGsStdio*>(handle)->Errors.Feed(str, len);
        return GS_StdOut(handle, str, len);
    }

    // The instance starts writing a scratch file in a private folder; each piece
    // then switches the output to its own file and back, so that pdfwrite has
    // closed the piece completely when WritePiece returns.
    bool StartSharedInstance()
    {
        m_scratchFolder = std::make_unique<TPrivateFolder>();
        if (!m_scratchFolder->Ok()) {
            m_stdio.Errors.Feed(m_scratchFolder->Reason() + "\n");
            return false;
        }
        m_scratch = m_scratchFolder->NewName(".pdf");
        m_sourceAbs = AbsolutePath(m_source);
        if (!m_binding.NewInstance(&m_stdio, GS_StdIn, SharedStdOut, GS_StdErr) ||
            m_binding.AddControlPath(GS_PERMIT_FILE_READING, m_sourceAbs) != 0 || !PermitWriting(m_scratch))
            return false;
        std::vector<std::string> args = FixedArgs();
        args.push_back(GsOutputFileSwitch(m_scratch));
        return m_binding.InitInstance(args) == 0;
    }

    bool PermitWriting(const std::string& path)
    {
        return m_binding.AddControlPath(GS_PERMIT_FILE_WRITING, path) == 0;
    }

    // What a fresh instance run with -dFirstPage/-dLastPage does, in the shared
    // one: the file is opened anew for each piece, so its bookmarks are written
    // into the piece as a fresh run writes them. The device counts every page
    // it ever wrote and the interpreter adds that count to bookmark and link
    // targets, so the device's page window moves by the same count.
    TEngineResult SharedPiece(std::int32_t first, std::int32_t last, const std::string& outPath)
    {
        if (m_failed)
            return TEngineResult::Failure(RunFailed);
        const std::string piece = AbsolutePath(outPath);
        m_stdio.Errors.Clear(); // what starting the instance printed is no reason for this piece
        // pdfwrite only prints it when it cannot open a piece's file, and the
        // file is opened anew for each piece, so an empty file beforehand and a
        // complete one afterwards tell that this piece was written.
        if (!std::ofstream(plat::fsPath(piece), std::ios::binary | std::ios::trunc)) {
            m_stdio.Errors.Feed("**** Could not open the file " + piece + "\n");
            return Fail(outPath);
        }
        if (!PermitWriting(piece))
            return Fail(outPath);
        const std::string a = std::to_string(first);
        const std::string b = std::to_string(last);
        const std::string program =
            "<< /OutputFile " + HexString(OutputFileName(piece)) +
            " >> setpagedevice\n"
            "userdict /PlicoraBase currentpagedevice /PageCount get put\n"
            "<< /DisablePageHandler true /FirstPage PlicoraBase " +
            a + " add /LastPage PlicoraBase " + b +
            " add >> setpagedevice\n"
            "userdict /FirstPage " +
            a + " put userdict /LastPage " + b + " put\n" + HexString(m_sourceAbs) +
            " (r) file runpdfbegin process_trailer_attrs runpdfpagerange dopdfpages runpdfend\n"
            "<< /OutputFile " +
            HexString(OutputFileName(m_scratch)) + " >> setpagedevice\n";
        const int code = m_binding.RunString(program);
        if (code != 0) {
            m_stdio.Errors.Feed("**** Ghostscript error " + std::to_string(code) + "\n");
            return Fail(outPath);
        }
        if (!EndsWithEof(piece))
            return Fail(outPath);
        return TEngineResult::Success();
    }

    // pdfwrite ends every file it closes with "%%EOF".
    static bool EndsWithEof(const std::string& path)
    {
        std::ifstream in(plat::fsPath(path), std::ios::binary | std::ios::ate);
        const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : 0;
        if (size < 6)
            return false;
        std::string tail(8, '\0');
        const std::streamoff from = size < 8 ? 0 : size - 8;
        in.seekg(from);
        in.read(tail.data(), static_cast<std::streamsize>(size - from));
        tail.resize(static_cast<std::size_t>(size - from));
        return tail.find("%%EOF") != std::string::npos;
    }

    // No piece after a failure: the instance is in an unknown state.
    TEngineResult Fail(const std::string& outPath)
    {
        m_failed = true;
        return WriteFailure(m_stdio.Errors, outPath);
    }

    // Before the binding, in this order: the temporary folder goes last, the
    // callbacks write to m_stdio until the instance exits, and the scratch
    // file's folder must outlive the instance.
    TGsTempFolder m_tempFolder;
    TGsStdio m_stdio;
    std::unique_ptr<TPrivateFolder> m_scratchFolder;
    TGsBinding m_binding;
    std::string m_source;
    bool m_firstPiece = true;
    bool m_consecutive = false;
    // The shared instance: in use, failed, its scratch output and private folder.
    bool m_shared = false;
    bool m_failed = false;
    std::string m_sourceAbs;
    std::string m_scratch;
};

} // namespace

std::unique_ptr<IPdfEngine> MakeGhostscriptEngine()
{
    return std::make_unique<TGhostscriptEngine>();
}
