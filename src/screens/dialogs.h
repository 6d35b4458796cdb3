// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QInputDialog>
#include <QMessageBox>
#include <QString>
#include <memory>

#include "state/ui.h"

namespace velmoran {

// The modal boxes of the game, ready to be shown with exec().

// A message with its icon and a single OK button.
std::unique_ptr<QMessageBox> messageBox(Icon icon, const QString& title, const QString& text,
                                        QWidget* parent);
// A question without icon, answered "Ano" or "Ne". "Ne" is the default: Enter, Esc and the
// close box answer it, and "Ano" needs the player to choose it.
std::unique_ptr<QMessageBox> yesNoBox(const QString& title, const QString& text, QWidget* parent);
// A line of text to type, offered with a default answer.
std::unique_ptr<QInputDialog> inputBox(const QString& title, const QString& prompt,
                                       const QString& defaultAnswer, QWidget* parent);

}  // namespace velmoran
