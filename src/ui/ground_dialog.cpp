#include "ui/ground_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "calc/ground_rules.h"

namespace tavoro {
namespace {

// The method box's entries and the texts they stand for.
constexpr const char* kMethodTexts[] = {"", "kusakin", "given"};
constexpr const char* kMethodLabels[] = {"Sichardt (既定)", "Kusakin", "指定"};

QString Label(int field) {
  const GroundField& f = GroundFieldOf(field);
  const QString unit = QString::fromUtf8(f.unit);
  return QString::fromUtf8(f.caption) + (unit.isEmpty() ? QString() : " (" + unit + ")");
}

// A row of an edit with buttons that fill in preset values.
QWidget* WithPresets(QLineEdit* edit, std::initializer_list<std::pair<const char*, const char*>> presets,
                     QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(edit);
  for (const auto& [label, value] : presets) {
    auto* button = new QPushButton(QString::fromUtf8(label), row);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, edit,
                     [edit, text = QString::fromUtf8(value)] { edit->setText(text); });
    layout->addWidget(button);
  }
  return row;
}

}  // namespace

GroundDialog::GroundDialog(const GroundTexts& texts, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("計算条件"));
  for (int field = kFirstGroundField; field < kFirstGroundField + kGroundFieldCount; ++field) {
    if (field == kRadiusMethodField) continue;
    auto* edit = new QLineEdit(QString::fromStdString(GroundText(texts, field)), this);
    edit->setObjectName(QString::fromLatin1(GroundFieldOf(field).key));
    edit->setMinimumWidth(220);
    edits_[static_cast<std::size_t>(field - kFirstGroundField)] = edit;
  }
  method_ = new QComboBox(this);
  method_->setObjectName(QStringLiteral("radius-method"));
  for (const char* label : kMethodLabels) method_->addItem(QString::fromUtf8(label));
  const auto method = ReadRadiusMethod(GroundText(texts, kRadiusMethodField));
  method_->setCurrentIndex(method ? static_cast<int>(*method) : 0);

  auto* radius = new QGroupBox(QStringLiteral("影響半径"), this);
  auto* radiusForm = new QFormLayout(radius);
  radiusForm->addRow(QStringLiteral("影響半径の式(&M)"), method_);
  radiusForm->addRow(Label(kRadiusField), &Edit(kRadiusField));
  radiusForm->addRow(Label(kRadiusNoteField), &Edit(kRadiusNoteField));
  Edit(kRadiusNoteField).setPlaceholderText(QStringLiteral("例: 河川までの距離の2倍"));
  const auto givenOnly = [this] {
    const bool given = method_->currentIndex() == static_cast<int>(RadiusMethod::kGiven);
    Edit(kRadiusField).setEnabled(given);
    Edit(kRadiusNoteField).setEnabled(given);
  };
  connect(method_, &QComboBox::currentIndexChanged, this, givenOnly);
  givenOnly();

  auto* uplift = new QGroupBox(QStringLiteral("盤ぶくれの検討 (被圧帯水層上面と被圧水頭を入力したとき)"), this);
  auto* upliftForm = new QFormLayout(uplift);
  upliftForm->addRow(Label(kConfinedTopField) + " GL-", &Edit(kConfinedTopField));
  upliftForm->addRow(Label(kConfinedHeadField) + " GL-", &Edit(kConfinedHeadField));
  Edit(kConfinedHeadField).setPlaceholderText(QStringLiteral("地表より上は負の値"));
  upliftForm->addRow(Label(kUnitWeightField), &Edit(kUnitWeightField));
  Edit(kUnitWeightField).setPlaceholderText(QStringLiteral("空欄は 18"));
  upliftForm->addRow(QStringLiteral("土層 (層厚:γt, …)"), &Edit(kSoilLayersField));
  Edit(kSoilLayersField).setPlaceholderText(QStringLiteral("掘削底から下へ 例: 3:18,5:19"));
  upliftForm->addRow(Label(kWaterUnitWeightField),
                     WithPresets(&Edit(kWaterUnitWeightField), {{"9.8", "9.8"}, {"10.0", "10.0"}}, this));
  Edit(kWaterUnitWeightField).setPlaceholderText(QStringLiteral("空欄は 9.8"));
  upliftForm->addRow(Label(kUpliftSafetyField),
                     WithPresets(&Edit(kUpliftSafetyField),
                                 {{"1.0 (建築、壁面摩擦を無視)", "1.0"}, {"1.1 (土木)", "1.1"}}, this));
  Edit(kUpliftSafetyField).setPlaceholderText(QStringLiteral("空欄は 1.1"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { Check(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(radius);
  layout->addWidget(uplift);
  layout->addWidget(buttons);
}

GroundTexts GroundDialog::Texts() const {
  GroundTexts texts;
  GroundText(texts, kRadiusMethodField) = kMethodTexts[std::max(0, method_->currentIndex())];
  const bool given = method_->currentIndex() == static_cast<int>(RadiusMethod::kGiven);
  for (int field = kFirstGroundField; field < kFirstGroundField + kGroundFieldCount; ++field) {
    if (field == kRadiusMethodField) continue;
    if (!given && (field == kRadiusField || field == kRadiusNoteField)) continue;
    GroundText(texts, field) =
        edits_[static_cast<std::size_t>(field - kFirstGroundField)]->text().toStdString();
  }
  return texts;
}

void GroundDialog::Check() {
  const GroundReading read = ReadGround(Texts());
  if (!read.rejection) {
    accept();
    return;
  }
  QMessageBox::warning(this, QStringLiteral("計算条件"),
                       QString::fromStdString(read.rejection->message));
  if (read.rejection->field != kRadiusMethodField) {
    QLineEdit& edit = Edit(read.rejection->field);
    edit.setFocus();
    edit.selectAll();
  }
}

}  // namespace tavoro
