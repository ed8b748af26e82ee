// The file libqpdf's writer fills, with the system's error where it happens:
// libqpdf's own file output lets a failed flush pass, so a full disk showed only
// later, as a file cut short. For the core's own .cpp files: it names libqpdf's
// types.
#pragma once

#include <cstdio>
#include <memory>
#include <qpdf/Pipeline.hh>
#include <string>

class TQpdfFileOutput
{
public:
    // Opens path for writing, emptying it. Throws QPDFSystemError, whose code
    // is the platform layer's (plat::errorKind, WriteFailureText).
    explicit TQpdfFileOutput(const std::string& path);
    ~TQpdfFileOutput();
    TQpdfFileOutput(const TQpdfFileOutput&) = delete;
    TQpdfFileOutput& operator=(const TQpdfFileOutput&) = delete;

    // For QPDFWriter::setOutputPipeline. It never throws (libqpdf finishes
    // pipelines in destructors): a failed write is kept for Close.
    Pipeline* Sink();
    // Closes the file; throws QPDFSystemError (the first failed write's code)
    // when not everything reached it.
    void Close();

private:
    std::string m_path;
    std::FILE* m_file = nullptr;
    std::unique_ptr<Pipeline> m_sink;
};
