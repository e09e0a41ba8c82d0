#include "ui/instance_slot.h"

#include <QDir>

namespace tavoro {

InstanceSlot::InstanceSlot() {
  for (int slot = 0; slot < kMaxInstanceSlots; ++slot) {
    auto lock = std::make_unique<QLockFile>(
        QDir::temp().filePath(QStringLiteral("tavoro-window-%1.lock").arg(slot)));
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
      lock_ = std::move(lock);
      index_ = slot;
      return;
    }
  }
}

}  // namespace tavoro
