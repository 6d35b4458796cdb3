// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/rebellion_window.h"

#include <QLabel>
#include <QStringList>

#include "screens/readable_label.h"
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

QListWidget* addList(QWidget* parent, const char* name, const QString& heading, int left) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setAccessibleName(heading);
  list->setSelectionMode(QAbstractItemView::NoSelection);
  list->setFocusPolicy(Qt::TabFocus);
  placeAt(list, left, 1605, kColumnWidth, 1680);
  return list;
}

QLineEdit* addStrength(QWidget* parent, const char* name, const QString& heading,
                       const QColor& colour, int left) {
  auto* field = new ReadOnlyField(QStringLiteral("0"), parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setAccessibleName(heading);
  field->setFocusPolicy(Qt::TabFocus);
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
  list->setAccessibleDescription(groups.empty() ? QStringLiteral("nikdo") : QString());
}

// "Kdo bojuje s tebou: Tajná policie, Armáda. Vaše síla 8." and the same for the other side.
QString side(const char* heading, const std::vector<std::string>& groups, const char* strength,
             const std::string& sum) {
  QStringList names;
  for (const std::string& group : groups) names << qtText(group);
  return QStringLiteral("%1: %2. %3 %4.")
      .arg(QString::fromUtf8(heading),
           names.isEmpty() ? QStringLiteral("nikdo") : names.join(QStringLiteral(", ")),
           QString::fromUtf8(strength), qtText(sum));
}

}  // namespace

RebellionWindow::RebellionWindow(QWidget* parent)
    : QWidget(parent),
      stebou_(addList(this, "stebou", QStringLiteral("Kdo bojuje s tebou"), kLeftColumn)),
      protitobe_(addList(this, "protitobe", QStringLiteral("Kdo bojuje proti tobě"), kRightColumn)),
      tvojes_(
          addStrength(this, "tvojes", QStringLiteral("Vaše síla"), kRulerBlue, kLeftColumn + 1275)),
      jejichs_(addStrength(this, "jejichs", QStringLiteral("Jejich síla"), kPartisanRed,
                           kRightColumn + 1275)),
      ok_(new QPushButton(QStringLiteral("OK"), this)) {
  setObjectName(QStringLiteral("vzpoura"));
  setWindowTitle(QStringLiteral("Velká národní vzpoura!"));
  setFont(screenFont());
  setFixedSize(twipsSize(kClientWidth, kClientHeight));

  addPicture(this, 75, 75, kClientWidth - 150, 1125, rebellionPicture,
             QStringLiteral("Dav s pochodněmi a prapory táhne za soumraku na palác"));

  addHeading(this, "Label1", QStringLiteral("Kdo bojuje s tebou"), kLeftColumn, 1320);
  addHeading(this, "Label2", QStringLiteral("Kdo bojuje proti tobě"), kRightColumn, 1320);
  addHeading(this, "Label3", QStringLiteral("Vaše síla"), kLeftColumn, 3450);
  addHeading(this, "Label4", QStringLiteral("Jejich síla"), kRightColumn, 3450);

  ok_->setObjectName(QStringLiteral("ok"));
  ok_->setDefault(true);
  placeAt(ok_, 2100, 3915, 1200, 375);
  ok_->setFocus();
  connect(ok_, &QPushButton::clicked, this, &RebellionWindow::okClicked);
  setTabOrder(ok_, stebou_);
  setTabOrder(stebou_, tvojes_);
  setTabOrder(tvojes_, protitobe_);
  setTabOrder(protitobe_, jejichs_);
}

void RebellionWindow::showSides(const RebellionScreen& sides) {
  fill(stebou_, sides.stebou);
  fill(protitobe_, sides.protitobe);
  tvojes_->setText(qtText(sides.tvojes));
  jejichs_->setText(qtText(sides.jejichs));
  ok_->setAccessibleDescription(
      side("Kdo bojuje s tebou", sides.stebou, "Vaše síla", sides.tvojes) + QLatin1Char(' ') +
      side("Kdo bojuje proti tobě", sides.protitobe, "Jejich síla", sides.jejichs));
}

}  // namespace velmoran
