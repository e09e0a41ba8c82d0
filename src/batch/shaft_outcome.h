#pragma once

#include <string>
#include <vector>

#include "batch/batch_table.h"
#include "calc/calculation_case.h"

namespace tavoro {

// What became of one shaft of a batch.
struct ShaftOutcome {
  BatchRow row;
  // True when the inputs were accepted and the case computed; calc is then
  // the run's own fresh record.
  bool computed = false;
  CalculationCase calc;
  // Japanese: why the row was rejected or a document of it not written;
  // empty when everything of the row was done.
  std::string failure;
  // The documents of an earlier run under this row's number that this run
  // removed: file names, UTF-8.
  std::vector<std::string> removed;
  // False for a number this run has no row for, listed only for the
  // documents removed under it.
  bool inRun = true;

  bool Succeeded() const { return computed && failure.empty(); }
  bool Failed() const { return inRun && !Succeeded(); }
};

}  // namespace tavoro
