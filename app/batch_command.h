#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tavoro {


// `tavoro batch` with the arguments that follow "batch": computes every
// shaft of a table (or of a list of case files) and writes its report and
// chart PDFs with summary.csv and summary.pdf into the --out folder.
// Messages go to err; the progress line to progress, when not null (it
// rewrites itself with terminal controls). Returns 0 when
// every shaft was computed and written, 1 when some were not, 2 when the
// command line or the table is unusable.
int RunBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    std::ostream* progress);

}  // namespace tavoro
