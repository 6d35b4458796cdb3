// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

namespace velmoran {

namespace {

QMessageBox::Icon boxIcon(Icon icon) {
  switch (icon) {
    case Icon::None:
      return QMessageBox::NoIcon;
    case Icon::Information:
      return QMessageBox::Information;
    case Icon::Warning:
      return QMessageBox::Warning;
    case Icon::Critical:
      return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

std::unique_ptr<QMessageBox> messageBox(Icon icon, const QString& title, const QString& text,
                                        QWidget* parent) {
  return std::make_unique<QMessageBox>(boxIcon(icon), title, text, QMessageBox::Ok, parent);
}

std::unique_ptr<QMessageBox> yesNoBox(const QString& title, const QString& text, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, title, text,
                                           QMessageBox::Yes | QMessageBox::No, parent);
  box->button(QMessageBox::Yes)->setText(QStringLiteral("Ano"));
  box->button(QMessageBox::No)->setText(QStringLiteral("Ne"));
  // The question comes before a step that cannot be undone: Enter must not take it.
  box->setDefaultButton(QMessageBox::No);
  box->setEscapeButton(QMessageBox::No);
  return box;
}

std::unique_ptr<QInputDialog> inputBox(const QString& title, const QString& prompt,
                                       const QString& defaultAnswer, QWidget* parent) {
  auto box = std::make_unique<QInputDialog>(parent);
  box->setInputMode(QInputDialog::TextInput);
  box->setWindowTitle(title);
  box->setLabelText(prompt);
  box->setTextValue(defaultAnswer);
  box->setOkButtonText(QStringLiteral("OK"));
  box->setCancelButtonText(QStringLiteral("Zrušit"));
  // The window manager cuts a title longer than the box: the box is made wide enough for its
  // title in the bold caption font, beside the icon and buttons of the title bar.
  constexpr int kTitleBarRoom = 140;
  QFont caption = QApplication::font("QMdiSubWindowTitleBar");
  caption.setBold(true);
  const int titleWidth = QFontMetrics(caption).horizontalAdvance(title) + kTitleBarRoom;
  // The box takes its size from its layout: the line to type in is what widens it.
  if (auto* line = box->findChild<QLineEdit*>()) {
    line->setMinimumWidth(titleWidth);
    line->setAccessibleName(prompt);
  }
  return box;
}

}  // namespace velmoran
