#include "ui/study_dialog.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "study/study_answers.h"
#include "study/study_input.h"
#include "study/study_page_text.h"
#include "study/study_text.h"

namespace tavoro {
namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

QStringList Texts(const std::vector<std::string>& texts) {
  QStringList list;
  for (const std::string& text : texts) list << Utf8(text);
  return list;
}

StudyTargetKind KindAt(int index) {
  return index == 0 ? StudyTargetKind::kInflow : StudyTargetKind::kDrawdown;
}

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

StudyDialog::StudyDialog(const StudyRequest& base, const std::vector<double>& defaultKgList,
                         const std::optional<StudyTarget>& target, MessageFunction message,
                         StudyDialogActions actions, QWidget* parent)
    : QDialog(parent), base_(base), message_(std::move(message)), actions_(std::move(actions)) {
  setObjectName(QStringLiteral("StudyDialog"));
  setWindowTitle(QStringLiteral("改良幅の検討"));
  kgList_ = new QLineEdit(Utf8(KgListText(defaultKgList)), this);
  widthMax_ = new QLineEdit(Utf8(ShortNumberText(kDefaultStudyWidth)), this);
  targetKind_ = new QComboBox(this);
  targetKind_->addItem(QString::fromStdString(StudyTargetHeading(StudyTargetKind::kInflow) + " 以下"));
  targetKind_->addItem(QString::fromStdString(StudyTargetHeading(StudyTargetKind::kDrawdown) + " 以下"));
  targetValue_ = new QLineEdit(this);
  if (target) {
    targetKind_->setCurrentIndex(target->kind == StudyTargetKind::kInflow ? 0 : 1);
    targetValue_->setText(Utf8(ShortNumberText(target->value)));
  }
  runButton_ = Button(QStringLiteral("検討(&R)"), "runButton", this);
  runButton_->setDefault(true);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("改良後の透水係数 kg (cm/sec)："), kgList_);
  form->addRow(QStringLiteral("改良幅の上限 (m)："), widthMax_);
  form->addRow(QStringLiteral("目標："), targetKind_);
  auto* valueRow = new QHBoxLayout;
  valueRow->addWidget(targetValue_, 1);
  valueRow->addWidget(runButton_);
  form->addRow(QStringLiteral("目標値："), valueRow);

  range_ = new QLabel(this);
  range_->setWordWrap(true);
  answers_ = new QTableWidget(0, 4, this);
  answers_->setObjectName(QStringLiteral("answers"));
  answers_->setSelectionBehavior(QAbstractItemView::SelectRows);
  answers_->setSelectionMode(QAbstractItemView::SingleSelection);
  answers_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  answers_->verticalHeader()->hide();
  answers_->horizontalHeader()->setStretchLastSection(true);
  answers_->setMinimumSize(560, 200);
  const auto showHeader = [this](int kind) {
    answers_->setHorizontalHeaderLabels(Texts(StudyAnswerHeader(KindAt(kind))));
    answers_->resizeColumnsToContents();
  };
  showHeader(targetKind_->currentIndex());
  kgForWidth_ = new QLabel(this);
  kgForWidth_->setWordWrap(true);

  pagesButton_ = Button(QStringLiteral("ページを表示(&P)…"), "pagesButton", this);
  copyButton_ = Button(QStringLiteral("コピー(&C)"), "copyButton", this);
  applyButton_ = Button(QStringLiteral("適用(&A)"), "applyButton", this);
  auto* closeButton = Button(QStringLiteral("閉じる"), "closeButton", this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(pagesButton_);
  buttons->addWidget(copyButton_);
  buttons->addStretch(1);
  buttons->addWidget(applyButton_);
  buttons->addWidget(closeButton);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(range_);
  layout->addWidget(answers_, 1);
  layout->addWidget(kgForWidth_);
  layout->addLayout(buttons);

  auto* copy = new QAction(this);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  addAction(copy);
  connect(copy, &QAction::triggered, this, [this] { CopyAnswers(); });
  connect(runButton_, &QPushButton::clicked, this, [this] { Run(); });
  connect(targetKind_, &QComboBox::currentIndexChanged, this, [this, showHeader](int index) {
    if (!result_) showHeader(index);
  });
  connect(pagesButton_, &QPushButton::clicked, this, [this] {
    if (result_ && actions_.showPages) actions_.showPages(*result_);
  });
  connect(copyButton_, &QPushButton::clicked, this, [this] { CopyAnswers(); });
  connect(applyButton_, &QPushButton::clicked, this, [this] { Apply(); });
  connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(answers_, &QTableWidget::itemSelectionChanged, this, [this] { UpdateButtons(); });
  UpdateButtons();
  targetValue_->setFocus();
  targetValue_->selectAll();
}

std::optional<StudyRequest> StudyDialog::Read(QString* error) const {
  const auto fail = [&](const std::string& message) -> std::optional<StudyRequest> {
    if (error) *error = Utf8(message);
    return std::nullopt;
  };
  StudyRequest request = base_;
  KgListRead list = ReadKgList(kgList_->text().toStdString(), request.knCmPerSec);
  if (!list.list) return fail(list.error);
  request.kgList = std::move(*list.list);
  const StudyValueRead width = ReadStudyWidthMax(widthMax_->text().toStdString());
  if (!width.value) return fail(width.error);
  request.widthMax = *width.value;
  const StudyTargetKind kind = KindAt(targetKind_->currentIndex());
  const StudyValueRead target = ReadStudyTarget(kind, targetValue_->text().toStdString());
  if (!target.value) return fail(target.error);
  request.target = StudyTarget{kind, *target.value};
  if (const std::optional<std::string> problem = CheckStudyRequest(request)) return fail(*problem);
  return request;
}

bool StudyDialog::Run() {
  QString error;
  const std::optional<StudyRequest> request = Read(&error);
  if (!request) {
    message_(this, error);
    return false;
  }
  result_ = RunStudy(*request);
  if (actions_.keepTarget) actions_.keepTarget(request->target);
  ShowAnswers();
  return true;
}

void StudyDialog::ShowAnswers() {
  const StudyAnswerTable table = StudyAnswers(*result_);
  answers_->clear();
  answers_->setRowCount(static_cast<int>(table.rows.size()));
  answers_->setHorizontalHeaderLabels(Texts(table.header));
  for (int r = 0; r < answers_->rowCount(); ++r) {
    const StudyAnswerRow& row = table.rows[static_cast<std::size_t>(r)];
    const QString tip = Utf8(SolutionText(*row.solution, result_->target.kind));
    for (int c = 0; c < static_cast<int>(row.cells.size()); ++c) {
      auto* item = new QTableWidgetItem(Utf8(row.cells[static_cast<std::size_t>(c)]));
      // Numbers line up on the right, words on the left.
      const bool number = row.solution->width && c < 3;
      item->setTextAlignment(Qt::AlignVCenter | (number || c == 0 ? Qt::AlignRight : Qt::AlignLeft));
      item->setToolTip(tip);
      answers_->setItem(r, c, item);
    }
  }
  answers_->resizeColumnsToContents();
  range_->setText(Utf8(StudyRangeText(*result_)));
  kgForWidth_->setText(Utf8(KgForWidthText(*result_)));
  if (answers_->rowCount() > 0) answers_->selectRow(0);
  UpdateButtons();
}

void StudyDialog::UpdateButtons() {
  const int row = answers_->currentRow();
  const bool answered = result_ && row >= 0 &&
                        row < static_cast<int>(result_->solutions.size()) &&
                        answers_->selectionModel()->isRowSelected(row, {}) &&
                        result_->solutions[static_cast<std::size_t>(row)].width.has_value();
  applyButton_->setEnabled(answered);
  pagesButton_->setEnabled(result_.has_value());
  copyButton_->setEnabled(result_.has_value());
}

void StudyDialog::Apply() {
  if (!applyButton_->isEnabled()) return;
  const StudySolution& solution = result_->solutions[static_cast<std::size_t>(answers_->currentRow())];
  if (actions_.apply) actions_.apply(*solution.width, solution.kg);
  accept();
}

void StudyDialog::CopyAnswers() const {
  if (!result_) return;
  QGuiApplication::clipboard()->setText(Utf8(AnswerTableTsv(StudyAnswers(*result_))));
}

}  // namespace tavoro
