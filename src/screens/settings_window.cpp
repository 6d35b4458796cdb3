// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/settings_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <vector>

#include "screens/banner_pictures.h"
#include "screens/screen_fonts.h"
#include "screens/sharp_picture.h"
#include "screens/twips.h"
#include "screens/window_scale.h"

namespace velmoran {

namespace {

constexpr int kClientWidth = 4800;
constexpr int kClientHeight = 3435;
constexpr int kCheckLeft = 300;
constexpr int kCheckTops[] = {1260, 1560, 1860};
constexpr int kSizeTop = 2190;
constexpr int kSizeBoxLeft = 1800;

const char* const kCaptions[] = {
    "Použít tučné písmo v info okně",
    "Bílý text a černé pozadí v info okně",
    "Tlačítka pod info oknem budou tučným písmem",
};

}  // namespace

SettingsWindow::SettingsWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("nastaveni"));
  setWindowTitle(QStringLiteral(" Nastavení"));
  setFont(screenFont());
  setFixedSize(twipsSize(kClientWidth, kClientHeight));

  addPicture(
      this, 75, 75, kClientWidth - 150, 990,
      [](QSize size, qreal dpr) { return posterBanner(size, QStringLiteral("NASTAVENÍ"), dpr); },
      QStringLiteral("NASTAVENÍ"));

  for (int box = 0; box < 3; ++box) {
    auto* check = new QCheckBox(QString::fromUtf8(kCaptions[box]), this);
    check->setObjectName(QStringLiteral("Check%1").arg(box + 1));
    placeAt(check, kCheckLeft, kCheckTops[box], kClientWidth - 2 * kCheckLeft, 255);
    connect(check, &QCheckBox::toggled, this, [this, box](bool on) { emit checkToggled(box, on); });
    checks_[box] = check;
  }

  auto* sizeCaption = new QLabel(QStringLiteral("&Velikost oken:"), this);
  sizeCaption->setObjectName(QStringLiteral("LabelVelikost"));
  placeAt(sizeCaption, kCheckLeft, kSizeTop + 30, kSizeBoxLeft - kCheckLeft, 255);
  size_ = new QComboBox(this);
  size_->setObjectName(QStringLiteral("velikost"));
  size_->setAccessibleName(QStringLiteral("Velikost oken"));
  sizeCaption->setBuddy(size_);
  placeAt(size_, kSizeBoxLeft, kSizeTop, kClientWidth - kCheckLeft - kSizeBoxLeft, 330);
  showWindowSize(0);

  auto* save = new QPushButton(QStringLiteral("Uložit"), this);
  save->setObjectName(QStringLiteral("Command1"));
  save->setDefault(true);
  placeAt(save, (kClientWidth - 1515) / 2, 2805, 1515, 375);
  connect(save, &QPushButton::clicked, this, &SettingsWindow::saveClicked);
}

void SettingsWindow::showChecks(const std::array<bool, 3>& ticked) {
  for (std::size_t box = 0; box < checks_.size(); ++box) {
    const QSignalBlocker quiet(checks_[box]);
    checks_[box]->setChecked(ticked[box]);
  }
}

void SettingsWindow::showWindowSize(int percent) {
  size_->clear();
  std::vector<int> offered = {0};
  offered.insert(offered.end(), std::begin(kWindowSizeSteps), std::end(kWindowSizeSteps));
  // A size put in the file by hand is offered too, in its place.
  if (std::find(offered.begin(), offered.end(), percent) == offered.end()) {
    offered.insert(std::upper_bound(offered.begin() + 1, offered.end(), percent), percent);
  }
  for (int offer : offered) size_->addItem(windowSizeCaption(offer, screen()), offer);
  size_->setCurrentIndex(size_->findData(percent));
}

int SettingsWindow::chosenWindowSize() const {
  return size_->currentData().toInt();
}

// "Uložit" is the default button: Enter saves wherever the focus is; Esc closes the screen
// without saving.
void SettingsWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit saveClicked();
      break;
    case Qt::Key_Escape:
      close();
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

}  // namespace velmoran
