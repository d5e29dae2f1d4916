#include "settings_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qm::qt {

SettingsDialog::SettingsDialog(QWidget* window, const QString& missingVoice) : QDialog(window) {
    setObjectName("SettingsView");
    setWindowTitle("設定");
    setWindowModality(Qt::WindowModal);

    fullScreen_ = Check("全画面で遊ぶ(&F)");
    volume_ = new QSlider(Qt::Horizontal);
    volume_->setRange(kVolumeRange.least, kVolumeRange.most);
    volume_->setPageStep(10);
    volumeShown_ = new QLabel;
    volumeShown_->setMinimumWidth(volumeShown_->fontMetrics().horizontalAdvance("100 %"));
    connect(volume_, &QSlider::valueChanged, this, &SettingsDialog::Announce);
    muted_ = Check("音楽を消す(&M)");
    autoMode_ = Check("オートで読み進める(&A)");
    autoBase_ = Number(kAutoBaseRange, 100, " ミリ秒");
    autoPerChar_ = Number(kAutoPerCharRange, 10, " ミリ秒");
    readAloud_ = Check("文章を読み上げる(&R)");
    textSize_ = Number(kTextSizeRange, 10, " %");
    highContrast_ = Check("ハイコントラスト(&H)");
    colourNumbers_ = Check("色の数値を表示する(&N)");

    auto* volumeRow = new QHBoxLayout;
    volumeRow->addWidget(volume_);
    volumeRow->addWidget(volumeShown_);
    auto* form = new QFormLayout;
    form->addRow(fullScreen_);
    auto* volumeLabel = new QLabel("音楽の音量(&V)");
    volumeLabel->setBuddy(volume_);
    form->addRow(volumeLabel, volumeRow);
    form->addRow(muted_);
    form->addRow(autoMode_);
    form->addRow("オートの待ち時間・１ページ(&W)", autoBase_);
    form->addRow("オートの待ち時間・１文字(&C)", autoPerChar_);
    form->addRow(readAloud_);
    if (!missingVoice.isEmpty()) {
        auto* why = new QLabel(missingVoice);
        why->setObjectName("MissingVoice");
        why->setWordWrap(true);
        form->addRow(why);
        readAloud_->setEnabled(false);
    }
    form->addRow("文字の大きさ(&S)", textSize_);
    form->addRow(highContrast_);
    form->addRow(colourNumbers_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText("閉じる");
    QPushButton* defaults = buttons->addButton("既定に戻す(&D)", QDialogButtonBox::ResetRole);
    connect(defaults, &QPushButton::clicked, this, [this] {
        Show(PlayerSettings{});
        Announce();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void SettingsDialog::Show(const PlayerSettings& s) {
    showing_ = true;
    fullScreen_->setChecked(s.fullScreen);
    volume_->setValue(s.volume);
    volumeShown_->setText(QString("%1 %").arg(s.volume));
    muted_->setChecked(s.muted);
    autoMode_->setChecked(s.autoMode);
    autoBase_->setValue(s.autoBaseMs);
    autoPerChar_->setValue(s.autoPerCharMs);
    readAloud_->setChecked(s.readAloud);
    textSize_->setValue(s.textSize);
    highContrast_->setChecked(s.highContrast);
    colourNumbers_->setChecked(s.colourNumbers);
    showing_ = false;
}

QCheckBox* SettingsDialog::Check(const QString& text) {
    auto* box = new QCheckBox(text);
    connect(box, &QCheckBox::toggled, this, &SettingsDialog::Announce);
    return box;
}

QSpinBox* SettingsDialog::Number(SettingRange range, int step, const QString& suffix) {
    auto* number = new QSpinBox;
    number->setRange(range.least, range.most);
    number->setSingleStep(step);
    number->setSuffix(suffix);
    connect(number, &QSpinBox::valueChanged, this, &SettingsDialog::Announce);
    return number;
}

PlayerSettings SettingsDialog::Chosen() const {
    return {.fullScreen = fullScreen_->isChecked(),
            .volume = volume_->value(),
            .muted = muted_->isChecked(),
            .autoMode = autoMode_->isChecked(),
            .autoBaseMs = autoBase_->value(),
            .autoPerCharMs = autoPerChar_->value(),
            .readAloud = readAloud_->isChecked(),
            .textSize = textSize_->value(),
            .highContrast = highContrast_->isChecked(),
            .colourNumbers = colourNumbers_->isChecked()};
}

void SettingsDialog::Announce() {
    if (showing_) return;
    volumeShown_->setText(QString("%1 %").arg(volume_->value()));
    emit changed(Chosen());
}

}  // namespace qm::qt
