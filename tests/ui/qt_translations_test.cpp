// Qt's own dialogs, buttons and menus as the engineer meets them, in
// Japanese: every text they ask for has a translation.
#include "ui/qt_translations.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <memory>

#include "ui/message.h"
#include "ui_test_support.h"

namespace tavoro {
namespace {

// Records the texts asked for and returns none, so that the next
// translator is asked.
class TextRecorder : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                    int /*n*/) const override {
    if (source != nullptr && *source != '\0') {
      texts.insert(
          QStringLiteral("%1 | %2").arg(QLatin1String(context), QString::fromUtf8(source)));
    }
    return {};
  }
  bool isEmpty() const override { return false; }
  mutable QSet<QString> texts;
};

// Closes the modal box that opens next, answering it with Escape.
void CloseNextModal() {
  QTimer::singleShot(300, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
}

TEST(QtTexts, TheDialogsTavoroOpensAreWhollyJapanese) {
  TextRecorder missing;  // installed first: asked only when no one else knew
  QCoreApplication::installTranslator(&missing);
  ASSERT_TRUE(InstallJapaneseQtTexts(*QCoreApplication::instance()));
  TextRecorder asked;  // installed last: asked first, sees every text
  QCoreApplication::installTranslator(&asked);
  missing.texts.clear();  // what installing asked for; the dialogs count from here

  // The fields' context menu.
  QLineEdit field;
  const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());

  // A message box with its OK button.
  CloseNextModal();
  ShowWarningBox(nullptr, QStringLiteral("テスト"));

  // The save dialog of PDF保存, then its question before replacing a file.
  QTemporaryDir directory;
  const QString existing = directory.filePath(QStringLiteral("計算書.pdf"));
  QFile(existing).open(QIODevice::WriteOnly);
  QFileDialog save(nullptr, QStringLiteral("PDFに保存"), directory.path(),
                   QStringLiteral("PDF (*.pdf)"));
  save.setOption(QFileDialog::DontUseNativeDialog);
  save.setAcceptMode(QFileDialog::AcceptSave);
  save.show();
  test::Settle();
  save.selectFile(existing);
  CloseNextModal();
  QMetaObject::invokeMethod(&save, "accept");  // the Save button
  save.close();

  // The print dialog.
  QPrinter printer;
  QPrintDialog print(&printer);
  print.show();
  test::Settle();
  print.close();

  QCoreApplication::removeTranslator(&asked);
  QCoreApplication::removeTranslator(&missing);
  for (QTranslator* own : QCoreApplication::instance()->findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(own);
    delete own;
  }
  EXPECT_GT(asked.texts.size(), 300);  // the dialogs did ask
  QStringList untranslated = missing.texts.values();
  untranslated.sort();
  EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
}  // namespace tavoro
