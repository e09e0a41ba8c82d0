// The input form's menu bar and its case files.
#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <filesystem>

#include "batch/output_names.h"
#include "ui/batch_window.h"
#include "ui/case_settings.h"
#include "ui/input_window.h"

#include <QLabel>

#include "calc/ground_rules.h"
#include "ui/ground_dialog.h"
#include "ui/output_window.h"

namespace tavoro {
namespace {

// A file name as the standard library takes it, in the platform's encoding.
std::filesystem::path FsPath(const QString& path) {
#ifdef _WIN32
  return std::filesystem::path(path.toStdWString());
#else
  return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

// The one local file a drag carries, or "".
QString DraggedFile(const QMimeData* mime) {
  if (mime == nullptr || !mime->hasUrls() || mime->urls().size() != 1) return {};
  const QUrl url = mime->urls().constFirst();
  return url.isLocalFile() ? url.toLocalFile() : QString();
}

QAction* AddAction(QMenu* menu, const char* name, const QString& text, const QKeySequence& keys) {
  QAction* action = menu->addAction(text);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(keys);
  return action;
}

}  // namespace

void InputWindow::BuildMenuBar() {
  menuBar_ = new QMenuBar(this);
  menuBar_->setObjectName(QStringLiteral("MenuBar"));
  menuBar_->setNativeMenuBar(false);

  QMenu* file = menuBar_->addMenu(QStringLiteral("ファイル(&F)"));
  connect(
      AddAction(file, "actionNew", QStringLiteral("新規(&N)"), QKeySequence(Qt::CTRL | Qt::Key_N)),
      &QAction::triggered, this, [this] { NewCase(); });
  connect(AddAction(file, "actionOpen", QStringLiteral("開く(&O)…"),
                    QKeySequence(Qt::CTRL | Qt::Key_O)),
          &QAction::triggered, this, [this] { Open(); });
  connect(AddAction(file, "actionSave", QStringLiteral("上書き保存(&S)"),
                    QKeySequence(Qt::CTRL | Qt::Key_S)),
          &QAction::triggered, this, [this] { Save(); });
  connect(AddAction(file, "actionSaveAs", QStringLiteral("名前を付けて保存(&A)…"),
                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
          &QAction::triggered, this, [this] { SaveAs(); });
  file->addSeparator();
  connect(AddAction(file, "actionBatch", QStringLiteral("一括計算(&B)…"), QKeySequence()),
          &QAction::triggered, this, [this] { RunBatchFromMenu(this); });
  file->addSeparator();
  recentMenu_ = file->addMenu(QStringLiteral("最近使ったファイル(&R)"));
  recentMenu_->setObjectName(QStringLiteral("menuRecent"));
  connect(recentMenu_, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
  file->addSeparator();
  connect(
      AddAction(file, "actionQuit", QStringLiteral("終了(&X)"), QKeySequence(Qt::CTRL | Qt::Key_Q)),
      &QAction::triggered, this, [this] {
        if (close() && output_) output_->close();
      });

  QMenu* edit = menuBar_->addMenu(QStringLiteral("編集(&E)"));
  connect(AddAction(edit, "actionProject", QStringLiteral("案件情報(&P)…"), QKeySequence()),
          &QAction::triggered, this, [this] { EditProject(); });
  connect(AddAction(edit, "actionGround", QStringLiteral("計算条件(&C)…"), QKeySequence()),
          &QAction::triggered, this, [this] { EditGround(); });

  BuildViewMenu();

  QMenu* study = menuBar_->addMenu(QStringLiteral("検討(&S)"));
  connect(AddAction(study, "actionStudy", QStringLiteral("改良幅の検討(&W)…"), QKeySequence()),
          &QAction::triggered, this, [this] { OpenStudy(); });

  QMenu* help = menuBar_->addMenu(QStringLiteral("ヘルプ(&H)"));
  connect(AddAction(help, "actionVerify", QStringLiteral("検証例(&V)"), QKeySequence()),
          &QAction::triggered, this, [this] { ShowWorkedExamples(); });
  connect(AddAction(help, "actionAbout", QStringLiteral("バージョン情報(&A)"), QKeySequence()),
          &QAction::triggered, this, [this] { dialogs_.about(this); });
}

void InputWindow::FillRecentMenu() {
  recentMenu_->clear();
  const QStringList files = RecentCaseFiles();
  if (files.isEmpty()) {
    recentMenu_->addAction(QStringLiteral("(なし)"))->setEnabled(false);
    return;
  }
  for (int i = 0; i < files.size(); ++i) {
    const QString path = files[i];
    QAction* action =
        recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
    action->setToolTip(QDir::toNativeSeparators(path));
    action->setStatusTip(action->toolTip());
    connect(action, &QAction::triggered, this, [this, path] {
      if (!OpenFile(path) && !QFileInfo::exists(path)) RemoveRecentCaseFile(path);
    });
  }
}

CaseFile InputWindow::CurrentCase() const {
  CaseFile current = saved_;
  for (int field = 0; field < kInputFieldCount; ++field) {
    current.inputs[static_cast<std::size_t>(field)] =
        fields_[static_cast<std::size_t>(field)]->text().toStdString();
  }
  current.project = session_.project;
  current.ground = ground_;
  return current;
}

void InputWindow::EditGround() {
  GroundDialog dialog(ground_, this);
  if (dialog.exec() == QDialog::Accepted) SetGround(dialog.Texts());
}

void InputWindow::SetGround(const GroundTexts& ground) {
  ground_ = ground;
  UpdateCaption();
  UpdateGroundLine();
}

void InputWindow::UpdateGroundLine() {
  if (!groundLine_) return;
  const GroundReading read = ReadGround(ground_);
  const bool shown = ground_ != GroundTexts{};
  QString line;
  if (shown) {
    line = QStringLiteral("影響半径: ") +
           QString::fromUtf8(RadiusMethodName(read.conditions.radiusMethod));
    if (read.conditions.radiusMethod == RadiusMethod::kGiven) {
      line += QStringLiteral(" ") + QString::fromStdString(GroundText(ground_, kRadiusField)) +
              QStringLiteral(" m");
    }
    const CaseRun run = RunCase(FieldTexts(), 0, ground_);
    if (read.rejection || (run.rejection && run.rejection->field >= kInputFieldCount)) {
      line += QStringLiteral("　計算条件に誤りがあります");
    } else if (read.conditions.uplift) {
      line += QStringLiteral("　盤ぶくれ: ");
      if (run.rejection) {
        line += QStringLiteral("検討する");
      } else if (!run.calc.uplift->applies) {
        line += QStringLiteral("適用外 (d = 0)");
      } else {
        const UpliftResult& u = *run.calc.uplift;
        line += QStringLiteral("F = ") + QString::number(u.F, 'f', 3) +
                (u.ok ? QStringLiteral(" ≧ ") : QStringLiteral(" < ")) +
                QString::number(u.requiredF, 'f', 2) + (u.ok ? QString() : QStringLiteral(" NG"));
      }
    }
  }
  groundLine_->setText(line);
  if (shown == !groundLine_->isHidden()) return;
  groundLine_->setVisible(shown);
  LayOut();
}

bool InputWindow::IsModified() const {
  const CaseFile current = CurrentCase();
  return current.inputs != saved_.inputs || current.project != saved_.project ||
         current.ground != saved_.ground;
}

void InputWindow::UpdateCaption() {
  if (path_.isEmpty()) {
    setWindowTitle(IsModified() ? QStringLiteral("*無題 - Tavoro") : QStringLiteral("Tavoro"));
    return;
  }
  setWindowTitle((IsModified() ? QStringLiteral("*") : QString()) + QFileInfo(path_).fileName() +
                 QStringLiteral(" - Tavoro"));
}

void InputWindow::ShowCase(const CaseFile& file, const QString& path, const CaseFile& saved) {
  path_ = path;
  session_.caseStem = QFileInfo(path_).completeBaseName().toStdString();
  saved_ = saved;
  studyTarget_.reset();
  session_.project = file.project;
  ground_ = file.ground;
  for (int field = 0; field < kInputFieldCount; ++field) {
    Field(field).setText(QString::fromStdString(file.inputs[static_cast<std::size_t>(field)]));
  }
  UpdateCaption();
  UpdateGroundLine();
}

bool InputWindow::MayDiscardChanges(bool* discarded) {
  if (!IsModified()) return true;
  const QString name = path_.isEmpty() ? QStringLiteral("無題") : QFileInfo(path_).fileName();
  switch (dialogs_.askToSave(this, name)) {
    case UnsavedChoice::kSave:
      return Save();
    case UnsavedChoice::kDiscard:
      if (discarded != nullptr) *discarded = true;
      return true;
    case UnsavedChoice::kCancel:
      break;
  }
  return false;
}

bool InputWindow::NewCase() {
  if (!MayDiscardChanges()) return false;
  ShowCase(CaseFile{}, QString(), CaseFile{});
  Field(0).setFocus();
  return true;
}

bool InputWindow::Open() {
  if (!MayDiscardChanges()) return false;
  const QString path = dialogs_.openFileName(this);
  return !path.isEmpty() && Load(path);
}

bool InputWindow::OpenFile(const QString& path) {
  return MayDiscardChanges() && Load(path);
}

bool InputWindow::Load(const QString& path) {
  const CaseFileRead read = ReadCaseFile(FsPath(path));
  if (!read.file) {
    message_(this, QString::fromStdString(read.status.message()));
    return false;
  }
  const QString absolute = QFileInfo(path).absoluteFilePath();
  ShowCase(*read.file, absolute, *read.file);
  AddRecentCaseFile(absolute);
  return true;
}

bool InputWindow::Save() {
  return path_.isEmpty() ? SaveAs() : SaveTo(path_);
}

bool InputWindow::SaveAs() {
  QString suggested = path_;
  if (suggested.isEmpty()) {
    const QString shaft = QString::fromStdString(SafeShaftName(session_.project.shaft));
    suggested = (shaft.isEmpty() ? QStringLiteral("無題") : shaft) + QStringLiteral(".tavoro");
  }
  QString path = dialogs_.saveFileName(this, suggested);
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".tavoro");
  return SaveTo(path);
}

bool InputWindow::SaveTo(const QString& path) {
  const CaseFile current = CurrentCase();
  if (const Status saved = WriteCaseFile(FsPath(path), current); !saved.ok()) {
    message_(this, QString::fromStdString(saved.message()));
    return false;
  }
  path_ = QFileInfo(path).absoluteFilePath();
  session_.caseStem = QFileInfo(path_).completeBaseName().toStdString();
  saved_ = current;
  AddRecentCaseFile(path_);
  UpdateCaption();
  return true;
}

void InputWindow::EditProject() {
  if (const auto edited = dialogs_.editProject(this, session_.project)) {
    session_.project = *edited;
    UpdateCaption();
  }
}

void InputWindow::RememberLastCase() const {
  tavoro::RememberLastCase(LastCase{path_, IsModified(), CaseFileText(CurrentCase())});
}

void InputWindow::RestoreLastCase() {
  const std::optional<LastCase> last = RememberedLastCase();
  if (!last) return;
  const CaseFileRead shown = ParseCaseFile(last->text, "");
  CaseFileRead file;
  if (!last->path.isEmpty()) file = ReadCaseFile(FsPath(last->path));
  if (file.file) {
    ShowCase(last->modified && shown.file ? *shown.file : *file.file, last->path, *file.file);
  } else if (shown.file) {
    ShowCase(*shown.file, QString(), CaseFile{});
  }
}

void InputWindow::closeEvent(QCloseEvent* event) {
  bool discarded = false;
  if (!MayDiscardChanges(&discarded)) {
    event->ignore();
    return;
  }
  // Dropped edits do not come back: the next start shows the case as last
  // saved, or an empty form.
  if (discarded) {
    tavoro::RememberLastCase(LastCase{path_, false, CaseFileText(saved_)});
  } else {
    RememberLastCase();
  }
  event->accept();
}

void InputWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DraggedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void InputWindow::dropEvent(QDropEvent* event) {
  const QString path = DraggedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  // Opened once the drop has returned, so that a question about unsaved
  // changes does not hold up the program the file came from.
  QTimer::singleShot(0, this, [this, path] { OpenFile(path); });
}

}  // namespace tavoro
