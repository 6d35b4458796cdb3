// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QWidget>
#include <array>

namespace velmoran {

// The settings screen `nastaveni`: a picture, the three check boxes of the info panel's look,
// the size of the game's windows and "Uložit".
class SettingsWindow : public QWidget {
  Q_OBJECT

 public:
  explicit SettingsWindow(QWidget* parent = nullptr);

  // Ticks the boxes as given, without reporting it as the player's doing.
  void showChecks(const std::array<bool, 3>& ticked);
  // Offers the window sizes with `percent` chosen (0: by the screen the window is on).
  void showWindowSize(int percent);
  int chosenWindowSize() const;

 signals:
  void checkToggled(int box, bool ticked);
  void saveClicked();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::array<QCheckBox*, 3> checks_{};
  QComboBox* size_ = nullptr;
};

}  // namespace velmoran
