#include "ui/input_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <vector>

#include "calc/input_rules.h"
#include "study/study_page_text.h"
#include "study/study_pages.h"
#include "study/study_text.h"

#include "ui/app_icon.h"
#include "ui/case_settings.h"
#include "ui/enter_key.h"
#include "ui/output_window.h"
#include "ui/study_dialog.h"
#include "tavoro_version.h"
#include "verify/verify_pages.h"
#include "ui/window_placement.h"

namespace tavoro {
namespace {

constexpr Qt::WindowFlags kFixedDialogFrame =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

}  // namespace

InputWindow::InputWindow(DesktopSession& session, MessageFunction message)
    : QWidget(nullptr, kFixedDialogFrame),
      session_(session),
      message_(std::move(message)),
      dialogs_(DesktopCaseDialogs()) {
  setObjectName(QStringLiteral("InputWindow"));
  setWindowTitle(QStringLiteral("Tavoro"));
  setWindowIcon(TavoroIcon());
  setAcceptDrops(true);
  BuildMenuBar();
  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("ClientArea"));
  groundLine_ = new QLabel(this);
  groundLine_->setObjectName(QStringLiteral("GroundLine"));
  groundLine_->setIndent(8);
  groundLine_->hide();
  BuildControls();
  zoom_ = FormZoom();
  LayOut();
  FitZoomToScreen();
  InstallEnterKeyHabits(*this);
  for (int index = 0; index < 2; ++index) {
    connect(&RunButton(index), &QPushButton::clicked, this, [this, index] { Calculate(index); });
  }
  for (QLineEdit* field : fields_) {
    connect(field, &QLineEdit::textChanged, this, [this] {
      UpdateCaption();
      UpdateGroundLine();
    });
  }
  PlaceAndFocus();
}

InputWindow::~InputWindow() = default;

void InputWindow::BuildControls() {
  std::vector<QWidget*> tabChain;
  for (std::size_t i = 0; i < kInputControls.size(); ++i) {
    const ControlSpec& row = kInputControls[i];
    QWidget* parent = row.inFrame ? static_cast<QWidget*>(improvementFrame_) : client_;
    const QString caption = QString::fromUtf8(row.caption);
    QWidget* control = nullptr;
    switch (row.kind) {
      case ControlKind::kButton: {
        auto* button = new QPushButton(caption, parent);
        runButtons_.at(static_cast<std::size_t>(row.index)) = button;
        control = button;
        break;
      }
      case ControlKind::kTextBox: {
        auto* textBox = new QLineEdit(parent);
        fields_.at(static_cast<std::size_t>(row.index)) = textBox;
        control = textBox;
        break;
      }
      case ControlKind::kLabel:
        control = new QLabel(caption, parent);
        break;
      case ControlKind::kFrame:
        improvementFrame_ = new QGroupBox(caption, parent);
        control = improvementFrame_;
        break;
    }
    control->setObjectName(QString::fromUtf8(row.name));
    controls_[i] = control;
    if (row.kind == ControlKind::kButton || row.kind == ControlKind::kTextBox) {
      tabChain.push_back(control);
    }
  }
  for (std::size_t i = 1; i < tabChain.size(); ++i) {
    setTabOrder(tabChain[i - 1], tabChain[i]);
  }
}

void InputWindow::PlaceAndFocus() {
  // Centred on the screen, and again once the window manager has framed it.
  placement_ = new WindowPlacement(*this);
  placement_->Place(std::nullopt);
  Field(0).setFocus();
}

void InputWindow::CascadeBy(int slot) {
  // A title bar's height down and across per slot.
  constexpr int kStepPixels = 32;
  cascade_ = QPoint(slot * kStepPixels, slot * kStepPixels);
  placement_->SetOffset(cascade_);
  placement_->Place(std::nullopt);
  if (output_) output_->SetCascadeOffset(cascade_);
}

InputTexts InputWindow::FieldTexts() {
  InputTexts texts;
  for (int field = 0; field < kInputFieldCount; ++field) {
    texts.at(static_cast<std::size_t>(field)) = Field(field).text().toStdString();
  }
  return texts;
}

void InputWindow::Calculate(int index) {
  const InputTexts texts = FieldTexts();
  CaseRun run = RunCase(texts, static_cast<std::int16_t>(index), ground_);
  if (run.rejection) {
    // The window must not go on showing an earlier case as if it were this one.
    if (output_) output_->close();
    ShowRejection(*run.rejection);
    return;
  }
  session_.calc = run.calc;
  OpenOutputWindow();
}

void InputWindow::ShowRejection(const InputRejection& rejection) {
  if (rejection.field >= kInputFieldCount) {
    message_(this, QString::fromStdString(rejection.message) +
                       QStringLiteral("\n(編集 → 計算条件… で直せます)"));
    return;
  }
  message_(this, QString::fromStdString(rejection.message));
  QLineEdit& field = Field(rejection.field);
  field.setFocus();
  field.selectAll();
}

void InputWindow::OpenOutputWindow() {
  OutputWindowCreated().ShowCaseDocument();
  BringOutputWindowForward();
}

OutputWindow& InputWindow::OutputWindowCreated() {
  if (!output_) {
    output_ = std::make_unique<OutputWindow>(session_, message_);
    output_->SetCascadeOffset(cascade_);
  }
  return *output_;
}

void InputWindow::BringOutputWindowForward() {
  output_->show();
  output_->raise();
  output_->activateWindow();
}

void InputWindow::OpenStudy() {
  const std::unique_ptr<StudyDialog> dialog = NewStudyDialog();
  if (!dialog) return;
  dialog->setWindowModality(Qt::WindowModal);
  dialog->exec();
}

std::unique_ptr<StudyDialog> InputWindow::NewStudyDialog() {
  const InputTexts texts = FieldTexts();
  const CaseRun run = RunCase(texts, 0, ground_);
  if (run.rejection) {
    ShowRejection(*run.rejection);
    return nullptr;
  }
  StudyRequest base;
  base.inputs = run.calc;
  base.knCmPerSec = ReadFieldText(kKnField, texts[kKnField]).value_or(0);
  const double caseKg = ReadFieldText(kKgField, texts[kKgField]).value_or(0);
  StudyDialogActions actions;
  actions.showPages = [this](const StudyResult& result) { ShowStudy(result); };
  actions.apply = [this](double width, double kg) { ApplyStudyAnswer(width, kg); };
  actions.keepTarget = [this](const StudyTarget& target) { studyTarget_ = target; };
  return std::make_unique<StudyDialog>(
      base, DefaultStudyPermeabilities(base.inputs.B, caseKg, base.knCmPerSec), studyTarget_,
      message_, std::move(actions), this);
}

void InputWindow::ApplyStudyAnswer(double width, double kgCmPerSec) {
  const auto put = [this](int field, double value, const std::string& text) {
    QLineEdit& edit = Field(field);
    if (ReadFieldText(field, edit.text().toStdString()) == value) return;
    edit.setText(QString::fromStdString(text));
  };
  put(kWidthField, width, StudyLengthText(width));
  put(kKgField, kgCmPerSec, ShortNumberText(kgCmPerSec));
  Field(kWidthField).setFocus();
}

void InputWindow::ShowStudy(const StudyResult& result) {
  std::string answers = StudyRangeText(result) + "\n";
  for (const StudySolution& solution : result.solutions) {
    answers += SolutionText(solution, result.target.kind) + "\n";
  }
  answers += KgForWidthText(result) + "\n";
  OutputWindowCreated().LoadDocument(
      QStringLiteral("改良幅の検討"), QString::fromStdString(answers), [&](PageSurface& page) {
        BuildStudyPages(page, result, session_.project, session_.settings);
      });
  BringOutputWindowForward();
}

void InputWindow::ShowWorkedExamples() {
  const std::vector<WorkedExample> examples = RunWorkedExamples();
  OutputWindowCreated().LoadPortraitDocument(QStringLiteral("検証例"), [&](PageSurface& page) {
    DrawVerifyPages(page, examples, "Tavoro " TAVORO_VERSION);
  });
  BringOutputWindowForward();
}

}  // namespace tavoro
