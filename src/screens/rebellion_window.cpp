// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/rebellion_window.h"

#include <QLabel>
#include <QPushButton>

#include "screens/rebellion_picture.h"
#include "screens/screen_colours.h"
#include "screens/screen_fonts.h"
#include "screens/sharp_picture.h"
#include "screens/text_conversion.h"
#include "screens/twips.h"

namespace velmoran {

namespace {

constexpr int kClientWidth = 5400;
constexpr int kClientHeight = 4425;
constexpr int kLeftColumn = 75;
constexpr int kRightColumn = 2775;
constexpr int kColumnWidth = 2550;

void addHeading(QWidget* parent, const char* name, const QString& text, int left, int top) {
  auto* heading = new QLabel(text, parent);
  heading->setObjectName(QString::fromLatin1(name));
  heading->setFont(sizedFont(8.25, true));
  placeAt(heading, left, top, kColumnWidth, 255);
}

QListWidget* addList(QWidget* parent, const char* name, int left) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setSelectionMode(QAbstractItemView::NoSelection);
  list->setFocusPolicy(Qt::NoFocus);
  placeAt(list, left, 1605, kColumnWidth, 1680);
  return list;
}

QLineEdit* addStrength(QWidget* parent, const char* name, const QColor& colour, int left) {
  auto* field = new QLineEdit(QStringLiteral("0"), parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setReadOnly(true);
  field->setFocusPolicy(Qt::NoFocus);
  field->setFont(sizedFont(8.25, true));
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, colour);
  palette.setColor(QPalette::Text, Qt::white);
  field->setPalette(palette);
  placeAt(field, left, 3420, 1140, 300);
  return field;
}

void fill(QListWidget* list, const std::vector<std::string>& groups) {
  list->clear();
  for (const std::string& group : groups) list->addItem(qtText(group));
}

}  // namespace

RebellionWindow::RebellionWindow(QWidget* parent)
    : QWidget(parent),
      stebou_(addList(this, "stebou", kLeftColumn)),
      protitobe_(addList(this, "protitobe", kRightColumn)),
      tvojes_(addStrength(this, "tvojes", kRulerBlue, kLeftColumn + 1275)),
      jejichs_(addStrength(this, "jejichs", kPartisanRed, kRightColumn + 1275)) {
  setObjectName(QStringLiteral("vzpoura"));
  setWindowTitle(QStringLiteral("Velká národní vzpoura!"));
  setFont(screenFont());
  setFixedSize(twipsSize(kClientWidth, kClientHeight));

  addPicture(this, 75, 75, kClientWidth - 150, 1125, rebellionPicture);

  addHeading(this, "Label1", QStringLiteral("Kdo bojuje s tebou"), kLeftColumn, 1320);
  addHeading(this, "Label2", QStringLiteral("Kdo bojuje proti tobě"), kRightColumn, 1320);
  addHeading(this, "Label3", QStringLiteral("Vaše síla"), kLeftColumn, 3450);
  addHeading(this, "Label4", QStringLiteral("Jejich síla"), kRightColumn, 3450);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("ok"));
  ok->setDefault(true);
  placeAt(ok, 2100, 3915, 1200, 375);
  ok->setFocus();
  connect(ok, &QPushButton::clicked, this, &RebellionWindow::okClicked);
}

void RebellionWindow::showSides(const RebellionScreen& sides) {
  fill(stebou_, sides.stebou);
  fill(protitobe_, sides.protitobe);
  tvojes_->setText(qtText(sides.tvojes));
  jejichs_->setText(qtText(sides.jejichs));
}

}  // namespace velmoran
