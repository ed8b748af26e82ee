// The check every output passes before it is moved into place.
#pragma once

#include <cstdint>
#include <string>

// Why a file just written cannot stand as an output ("" when it can): it must be
// a complete PDF, readable without any repair, with exactly expectedPages pages.
// The text names the file.
std::string OutputPdfProblem(const std::string& path, std::int32_t expectedPages);
