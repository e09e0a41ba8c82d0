#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QTranslator>

// The resource initialiser lives at global scope; a static library would
// otherwise let the linker drop the embedded translations.
static void InitTranslationResources() {
  Q_INIT_RESOURCE(tavoro_i18n);
}

namespace tavoro {
namespace {

bool InstallFrom(QCoreApplication& application, const QString& path) {
  auto* translator = new QTranslator(&application);
  if (!translator->load(path) || !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return false;
  }
  return true;
}

}  // namespace

bool InstallJapaneseQtTexts(QCoreApplication& application) {
  InitTranslationResources();
  // The translator installed last is asked first: Qt's translation, then
  // Tavoro's own file for what it lacks (installed first, it also answers
  // the layout direction Qt asks for as each translator arrives).
  const bool own = InstallFrom(application, QStringLiteral(":/i18n/tavoro_qt_ja.qm"));
  const bool qt = InstallFrom(application, QStringLiteral(":/i18n/qtbase_ja.qm"));
  return qt || own;
}

}  // namespace tavoro
