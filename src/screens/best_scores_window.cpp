// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/best_scores_window.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "files/chronicle_texts.h"
#include "screens/banner_pictures.h"
#include "screens/readable_label.h"
#include "screens/screen_fonts.h"
#include "screens/sharp_picture.h"
#include "screens/text_conversion.h"
#include "screens/twips.h"

namespace velmoran {

namespace {

constexpr int kClientWidth = 4425;
constexpr int kClientHeight = 3405;
constexpr int kNameLeft = 225;
constexpr int kMonthsLeft = 2925;
constexpr int kRowTops[] = {1575, 1950, 2325};

QLineEdit* addField(QWidget* parent, const QString& name, int left, int top, int width) {
  auto* field = new ReadOnlyField(parent);
  field->setObjectName(name);
  field->setFocusPolicy(Qt::NoFocus);
  placeAt(field, left, top, width, 300);
  return field;
}

// The width a read-only field has for its text, inside its frame and the margins of its text.
int textRoom(const QLineEdit* field) {
  constexpr int kTextMargin = 2;
  const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
  return field->width() - 2 * (frame + kTextMargin);
}

// A ruler's name too long for its field ends in "…"; the whole name shows as its tooltip.
void showName(QLineEdit* field, const QString& name) {
  const QString shown = field->fontMetrics().elidedText(name, Qt::ElideRight, textRoom(field));
  field->setText(shown);
  field->setCursorPosition(0);
  field->setToolTip(shown == name ? QString() : name);
}

// "1. Kazimír Dlouhověký, 48 měsíců": the place, the whole name and the months of a row.
QString rowReading(int row, const QString& name, const QString& months) {
  bool number = false;
  const long long count = months.toLongLong(&number);
  return QStringLiteral("%1. %2, %3")
      .arg(row + 1)
      .arg(name.isEmpty() ? QStringLiteral("bez jména") : name,
           number ? qtText(monthsCount(count)) : months + QStringLiteral(" měsíců"));
}

bool isEnter(const QKeyEvent* event) {
  return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

QLabel* addHeading(QWidget* parent, const char* name, const QString& text, int left) {
  auto* heading = new QLabel(text, parent);
  heading->setObjectName(QString::fromLatin1(name));
  heading->setFont(sizedFont(8.25, true));
  placeAt(heading, left, 1275, 1200, 255);
  return heading;
}

}  // namespace

BestScoresWindow::BestScoresWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("prohra"));
  setWindowTitle(QStringLiteral("Nejlepší skóre"));
  setFont(screenFont());
  setFixedSize(twipsSize(kClientWidth, kClientHeight));

  addPicture(
      this, 75, 75, kClientWidth - 150, 990,
      [](QSize size, qreal dpr) { return posterBanner(size, QStringLiteral("TOP SKÓRE"), dpr); },
      QStringLiteral("TOP SKÓRE"));

  addHeading(this, "Label1", QStringLiteral("Jméno"), 300);
  addHeading(this, "Label2", QStringLiteral("Měsíců"), kMonthsLeft);
  for (int row = 0; row < 3; ++row) {
    fields_[2 * row] = addField(this, QStringLiteral("jm%1").arg(row), kNameLeft, kRowTops[row],
                                kMonthsLeft - 150 - kNameLeft);
    fields_[2 * row + 1] = addField(this, QStringLiteral("sc%1").arg(row), kMonthsLeft,
                                    kRowTops[row], kClientWidth - 225 - kMonthsLeft);
  }

  // Each ruler's name is the row's one item for the keyboard and a screen reader: Tab, the
  // arrows or a click reach it, and it is read with its place and months.
  for (int row = 0; row < 3; ++row) {
    QLineEdit* name = fields_[2 * row];
    name->setFocusPolicy(Qt::StrongFocus);
    name->setAccessibleDescription(QStringLiteral("Enter otevře kroniku této vlády"));
    name->installEventFilter(this);
    fields_[2 * row + 1]->setAccessibleName(QStringLiteral("Měsíců"));
  }

  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setDefault(true);
  placeAt(ok, 1800, 3000, 975, 345);
  ok->setFocus();
  ok_ = ok;
  setTabOrder(fields_[0], fields_[2]);
  setTabOrder(fields_[2], fields_[4]);
  setTabOrder(fields_[4], ok_);
  connect(ok, &QPushButton::clicked, this, &BestScoresWindow::okClicked);
}

// A double click on a ruler's name, or Enter on it, opens the chronicle of that reign; Enter
// there does not also press "Ok".
bool BestScoresWindow::eventFilter(QObject* watched, QEvent* event) {
  const bool chosen =
      event->type() == QEvent::MouseButtonDblClick ||
      (event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent*>(event)));
  if (chosen) {
    for (int row = 0; row < 3; ++row) {
      if (watched == fields_[2 * row]) {
        emit rulerChosen(row);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

// Up and Down walk from "Ok" through the rulers' names and back.
void BestScoresWindow::moveFocus(int step) {
  const std::array<QWidget*, 4> stops = {fields_[0], fields_[2], fields_[4], ok_};
  std::size_t at = stops.size() - 1;
  for (std::size_t i = 0; i < stops.size(); ++i) {
    if (stops[i] == focusWidget()) at = i;
  }
  stops[(at + stops.size() + step) % stops.size()]->setFocus(Qt::OtherFocusReason);
}

void BestScoresWindow::showScores(const std::array<std::string, 6>& fields) {
  for (std::size_t i = 0; i < fields.size(); i += 2) {
    showName(fields_[i], qtText(fields[i]));
    fields_[i + 1]->setText(qtText(fields[i + 1]));
    fields_[i]->setAccessibleName(rowReading(int(i / 2), qtText(fields[i]), qtText(fields[i + 1])));
  }
}

// The screen has one button: Enter, Space and Esc all press it, wherever the focus is but on a
// ruler's name.
void BestScoresWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
      moveFocus(-1);
      break;
    case Qt::Key_Down:
      moveFocus(1);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
      emit okClicked();
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

}  // namespace velmoran
