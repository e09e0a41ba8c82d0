#pragma once

#include <QLockFile>
#include <memory>

namespace tavoro {

// Which running Tavoro this is: 0 for the first, 1 for the second started
// beside it, and so on up to kMaxInstanceSlots - 1, held through a lock file
// in the temporary folder for as long as the object lives. A second window
// opens offset by its slot, not exactly on top of the first.
inline constexpr int kMaxInstanceSlots = 8;

class InstanceSlot {
 public:
  InstanceSlot();
  int Index() const { return index_; }

 private:
  std::unique_ptr<QLockFile> lock_;
  int index_ = 0;
};

}  // namespace tavoro
