// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/best_scores_window.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "screens/banner_pictures.h"
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
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setReadOnly(true);
  placeAt(field, left, top, width, 300);
  return field;
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

  addPicture(this, 75, 75, kClientWidth - 150, 990, [](QSize size, qreal dpr) {
    return posterBanner(size, QStringLiteral("TOP SKÓRE"), dpr);
  });

  addHeading(this, "Label1", QStringLiteral("Jméno"), 300);
  addHeading(this, "Label2", QStringLiteral("Měsíců"), kMonthsLeft);
  for (int row = 0; row < 3; ++row) {
    fields_[2 * row] = addField(this, QStringLiteral("jm%1").arg(row), kNameLeft, kRowTops[row],
                                kMonthsLeft - 150 - kNameLeft);
    fields_[2 * row + 1] = addField(this, QStringLiteral("sc%1").arg(row), kMonthsLeft,
                                    kRowTops[row], kClientWidth - 225 - kMonthsLeft);
  }

  for (int row = 0; row < 3; ++row) {
    QLineEdit* name = fields_[2 * row];
    name->installEventFilter(this);
    connect(name, &QLineEdit::returnPressed, this, [this, row] { emit rulerChosen(row); });
  }

  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setDefault(true);
  placeAt(ok, 1800, 3000, 975, 345);
  connect(ok, &QPushButton::clicked, this, &BestScoresWindow::okClicked);
}

bool BestScoresWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    for (int row = 0; row < 3; ++row) {
      if (watched == fields_[2 * row]) emit rulerChosen(row);
    }
  }
  return QWidget::eventFilter(watched, event);
}

void BestScoresWindow::showScores(const std::array<std::string, 6>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) fields_[i]->setText(qtText(fields[i]));
}

}  // namespace velmoran
