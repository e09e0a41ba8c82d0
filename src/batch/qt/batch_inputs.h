#pragma once

#include <string>
#include <vector>

#include "batch/batch_table.h"
#include "batch/qt/table_decoding.h"

namespace tavoro {

// True when path names a case file (ends in ".tavoro", any case).
bool IsCaseFilePath(const std::string& path);

// The shafts of a batch's inputs: one CSV table (decoded as encoding says),
// or case files, one shaft each, numbered in the order given (a file that
// cannot be read is a row with its reason). The error, naming the file,
// when a table cannot be read or used, or when paths mix tables and case
// files.
BatchTable ReadBatchInputs(const std::vector<std::string>& paths, TableEncoding encoding);

}  // namespace tavoro
