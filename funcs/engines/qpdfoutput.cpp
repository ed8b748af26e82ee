#include "engines/qpdfoutput.h"

#include "platform/platform.h"

#include <qpdf/QPDFSystemError.hh>
#include <utility>

namespace {

// Never throws: libqpdf finishes its pipelines in destructors too. The first
// error is kept, and what comes after it goes nowhere.
class TFileSink final : public Pipeline
{
public:
    explicit TFileSink(std::FILE* file) : Pipeline("output file", nullptr), m_file(file) {}

    void write(unsigned char const* data, size_t len) override
    {
        if (m_error == 0 && len > 0 && std::fwrite(data, 1, len, m_file) != len)
            m_error = Error();
    }

    void finish() override
    {
        if (m_error == 0 && std::fflush(m_file) != 0)
            m_error = Error();
    }

    int FirstError() const { return m_error; }

private:
    static int Error()
    {
        const int error = plat::lastStreamError();
        return error != 0 ? error : -1;
    }

    std::FILE* m_file;
    int m_error = 0;
};

} // namespace

TQpdfFileOutput::TQpdfFileOutput(const std::string& path) : m_path(path), m_file(plat::openFile(path, "wb"))
{
    if (!m_file)
        throw QPDFSystemError(m_path, plat::lastStreamError());
    m_sink = std::make_unique<TFileSink>(m_file);
}

TQpdfFileOutput::~TQpdfFileOutput()
{
    if (m_file)
        std::fclose(m_file);
}

Pipeline* TQpdfFileOutput::Sink()
{
    return m_sink.get();
}

void TQpdfFileOutput::Close()
{
    std::FILE* file = std::exchange(m_file, nullptr);
    if (!file)
        return;
    auto& sink = static_cast<TFileSink&>(*m_sink);
    sink.finish();
    int error = sink.FirstError();
    if (error == 0 && std::ferror(file))
        error = -1;
    if (std::fclose(file) != 0 && error == 0)
        error = plat::lastStreamError();
    if (error != 0)
        throw QPDFSystemError(m_path, error);
}
