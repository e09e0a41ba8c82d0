#include "quiet_messages.h"

#include <QString>
#include <QtGlobal>

namespace tavoro {
namespace {

QtMessageHandler previous = nullptr;

void Filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
  if (previous != nullptr) previous(type, context, message);
}

}  // namespace

void DropRuntimeDirNotice() { previous = qInstallMessageHandler(Filter); }

}  // namespace tavoro
