#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "status/status.h"

namespace tavoro {

// A shaft document of an earlier batch in the output folder: its row number
// and its file name (UTF-8).
struct StaleDocument {
  int number = 0;
  std::string name;
  std::filesystem::path path;
};

// The regular files directly in outDir named as a batch names a shaft's
// documents ("NNN-<shaft>-report.pdf", "NNN-<shaft>-chart.pdf") that are none
// of written, by name or as the same file on disk; in the order of number and
// name. Nothing else of the folder is ever listed.
std::vector<StaleDocument> FindStaleDocuments(const std::filesystem::path& outDir,
                                              const std::vector<std::filesystem::path>& written);

// Removes the documents; the Japanese message naming those that could not be
// removed, or none.
Status RemoveStaleDocuments(const std::vector<StaleDocument>& documents);

}  // namespace tavoro
