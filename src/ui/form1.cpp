#include "ui/form1.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <vector>

#include "calc/input_rules.h"
#include "study/study_page_text.h"
#include "study/study_pages.h"

#include "ui/app_icon.h"
#include "ui/enter_key.h"
#include "ui/form1_controls.h"
#include "ui/form2.h"
#include "ui/study_dialog.h"
#include "ui/window_metrics.h"
#include "ui/window_placement.h"

namespace tavoro {
namespace {

constexpr Qt::WindowFlags kFixedDialogFrame =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

}  // namespace

Form1::Form1(DesktopSession& session, MessageFunction message)
    : QWidget(nullptr, kFixedDialogFrame),
      session_(session),
      message_(std::move(message)),
      dialogs_(DesktopCaseDialogs()) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Tavoro"));
  setWindowIcon(TavoroIcon());
  setAcceptDrops(true);
  BuildMenuBar();
  // The controls keep their designed places in the client area below the
  // menu bar; the window grows by the menu bar's height.
  const QSize client(TwipsToPixels(kForm1ClientWidth, LogicalDpiX(*this)),
                     TwipsToPixels(kForm1ClientHeight, LogicalDpiY(*this)));
  const int menuHeight = menuBar_->sizeHint().height();
  menuBar_->setGeometry(0, 0, client.width(), menuHeight);
  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("ClientArea"));
  client_->setGeometry(0, menuHeight, client.width(), client.height());
  setFixedSize(client.width(), menuHeight + client.height());
  BuildControls();
  InstallEnterKeyHabits(*this);
  for (int index = 0; index < 2; ++index) {
    connect(&cmdCalc(index), &QPushButton::clicked, this, [this, index] { cmdCalc_Click(index); });
  }
  for (QLineEdit* field : text1_) {
    connect(field, &QLineEdit::textChanged, this, [this] { UpdateCaption(); });
  }
  Form_Load();
}

Form1::~Form1() = default;

void Form1::BuildControls() {
  const double dpiX = LogicalDpiX(*this);
  const double dpiY = LogicalDpiY(*this);
  std::vector<QWidget*> tabChain;
  for (const ControlSpec& row : kForm1Controls) {
    QWidget* parent = row.inFrame ? static_cast<QWidget*>(frame1_) : client_;
    const QString caption = QString::fromUtf8(row.caption);
    QWidget* control = nullptr;
    switch (row.kind) {
      case ControlKind::kButton: {
        auto* button = new QPushButton(caption, parent);
        cmdCalc_.at(static_cast<std::size_t>(row.index)) = button;
        control = button;
        break;
      }
      case ControlKind::kTextBox: {
        auto* textBox = new QLineEdit(parent);
        text1_.at(static_cast<std::size_t>(row.index)) = textBox;
        control = textBox;
        break;
      }
      case ControlKind::kLabel:
        control = new QLabel(caption, parent);
        break;
      case ControlKind::kFrame:
        frame1_ = new QGroupBox(caption, parent);
        control = frame1_;
        break;
    }
    control->setObjectName(QString::fromUtf8(row.name));
    control->setGeometry(TwipsToPixels(row.left, dpiX), TwipsToPixels(row.top, dpiY),
                         TwipsToPixels(row.width, dpiX), TwipsToPixels(row.height, dpiY));
    // Labels size themselves to their caption.
    if (row.kind == ControlKind::kLabel) control->adjustSize();
    if (row.kind == ControlKind::kButton || row.kind == ControlKind::kTextBox) {
      tabChain.push_back(control);
    }
  }
  for (std::size_t i = 1; i < tabChain.size(); ++i) {
    setTabOrder(tabChain[i - 1], tabChain[i]);
  }
}

void Form1::Form_Load() {
  // Centred on the screen, and again once the window manager has framed it.
  placement_ = new WindowPlacement(*this);
  placement_->Place(std::nullopt);
  cmdCalc(0).setFocus();
}

InputTexts Form1::FieldTexts() {
  InputTexts texts;
  for (int field = 0; field < kInputFieldCount; ++field) {
    texts.at(static_cast<std::size_t>(field)) = Text1(field).text().toStdString();
  }
  return texts;
}

void Form1::cmdCalc_Click(int index) {
  const InputTexts texts = FieldTexts();
  CaseRun run = RunCase(texts, static_cast<std::int16_t>(index));
  if (run.rejection) {
    // The window must not go on showing an earlier case as if it were this one.
    if (form2_) form2_->close();
    message_(this, QString::fromStdString(run.rejection->message));
    QLineEdit& field = Text1(run.rejection->field);
    field.setFocus();
    field.selectAll();
    return;
  }
  session_.calc = run.calc;
  OpenOutputWindow();
}

void Form1::OpenOutputWindow() {
  OutputWindowCreated().Form_Load();
  BringOutputWindowForward();
}

Form2& Form1::OutputWindowCreated() {
  if (!form2_) form2_ = std::make_unique<Form2>(session_, message_);
  return *form2_;
}

void Form1::BringOutputWindowForward() {
  form2_->show();
  form2_->raise();
  form2_->activateWindow();
}

void Form1::OpenStudy() {
  const InputTexts texts = FieldTexts();
  const CaseRun run = RunCase(texts, 0);
  if (run.rejection) {
    message_(this, QString::fromStdString(run.rejection->message));
    QLineEdit& field = Text1(run.rejection->field);
    field.setFocus();
    field.selectAll();
    return;
  }
  StudyRequest base;
  base.inputs = run.calc;
  const double caseKg = ReadFieldText(kKgField, texts[kKgField]).value_or(0);
  StudyDialog dialog(base, DefaultStudyPermeabilities(caseKg, base.inputs.kn), message_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  ShowStudy(dialog.request());
}

void Form1::ShowStudy(const StudyRequest& request) {
  const StudyResult result = RunStudy(request);
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

}  // namespace tavoro
