// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/report_frame.h"

#include <optional>

#include "screens/readable_label.h"
#include "screens/screen_colours.h"
#include "screens/screen_fonts.h"
#include "screens/text_conversion.h"
#include "screens/twips.h"

namespace velmoran {

namespace {

// Measures inside the frame, in twips.
constexpr int kWidth = 5190;
constexpr int kHeight = 2565;
constexpr int kHeadingsTop = 450;
constexpr int kFirstRowTop = 675;
constexpr int kRowStep = 225;
constexpr int kRowHeight = 225;

struct Column {
  int caption;
  int strength;
  int opinion;
  int end;
};
constexpr Column kHome = {75, 1275, 1950, 2625};
constexpr Column kForeign = {2625, 3525, 3825, 4425};

struct Row {
  const char* caption;
  Quantity strength;
  std::optional<Quantity> opinion;  // popularity at home, attitude abroad
  int row;
};

const Row kHomeRows[] = {
    {"Tajná policie", Quantity::tp, std::nullopt, 0},
    {"Osobní stráž", Quantity::os, std::nullopt, 1},
    {"Policie", Quantity::pol, Quantity::polo, 2},
    {"Armáda", Quantity::arm, Quantity::armo, 3},
    {"Dělníci", Quantity::del, Quantity::delo, 4},
    {"Rolníci", Quantity::rol, Quantity::rolo, 5},
    {"Chudina", Quantity::chu, Quantity::chuo, 6},
    {"Inteligence", Quantity::inte, Quantity::into, 7},
};

const Row kForeignRows[] = {
    {"Rusko", Quantity::rus, Quantity::ruso, 0},    {"USA", Quantity::usa, Quantity::usao, 1},
    {"Morava", Quantity::mak, Quantity::moro, 2},   {"Partyzáni", Quantity::par, std::nullopt, 4},
    {"Bordánie", Quantity::brd, Quantity::brdo, 5},
};

constexpr int kProfitTop = 2250;
constexpr int kProfitCaption = 2655;
constexpr int kProfitValue = 4275;

}  // namespace

ReportFrame::ReportFrame(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("zprava"));
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setAccessibleName(QStringLiteral("Zpráva Tajné policie"));
  resize(twipsSize(kWidth, kHeight));
  setFont(sizedFont(8.25, true));

  QLabel* title = addLabel(QStringLiteral("Label7"), QStringLiteral("Zpráva Tajné policie"), 75, 30,
                           kWidth - 150);
  title->resize(title->width(), px(kHeadingsTop - 30));
  title->setFont(reportTitleFont());
  title->setAlignment(Qt::AlignCenter);

  addLabel(QStringLiteral("silaHeading"), QStringLiteral("Síla"), kHome.strength, kHeadingsTop,
           kHome.opinion - kHome.strength);
  // The headings' row is free up to the foreign powers' values.
  addLabel(QStringLiteral("oblibenostHeading"), QStringLiteral("Oblíbenost"), kHome.opinion,
           kHeadingsTop, kForeign.strength - kHome.opinion);

  const auto addRows = [this](const auto& rows, const Column& column, const QColor& strength) {
    for (const Row& row : rows) {
      const int top = kFirstRowTop + row.row * kRowStep;
      const QString name = qtText(nameOf(row.strength));
      auto* caption = new ReadableLabel(this);
      addLabel(name + QStringLiteral("Caption"), QString::fromUtf8(row.caption), column.caption,
               top, column.strength - column.caption, caption);
      rows_.push_back({caption, row.strength, row.opinion});
      addValue(row.strength, strength, column.strength, top, column.opinion - column.strength);
      if (row.opinion) {
        addValue(*row.opinion, kPopularityGreen, column.opinion, top, column.end - column.opinion);
      }
    }
  };
  addRows(kHomeRows, kHome, kRulerBlue);
  addRows(kForeignRows, kForeign, kPartisanRed);

  auto* profit = new ReadableLabel(this);
  addLabel(QStringLiteral("ziskCaption"), QStringLiteral("Zisk z 1% území"), kProfitCaption,
           kProfitTop, kProfitValue - kProfitCaption, profit);
  rows_.push_back({profit, Quantity::zisk, std::nullopt, true});
  addValue(Quantity::zisk, kProfitPurple, kProfitValue, kProfitTop, kWidth - 75 - kProfitValue);
}

QLabel* ReportFrame::addLabel(const QString& name, const QString& text, int left, int top,
                              int width, QLabel* label) {
  if (!label) label = new QLabel(this);
  label->setText(text);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  placeAt(label, left, top, width, kRowHeight);
  shrinkToFit(label);
  return label;
}

void ReportFrame::addValue(Quantity q, const QColor& colour, int left, int top, int width) {
  QLabel* label = addLabel(qtText(nameOf(q)), QString(), left, top, width);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  values_[indexOf(q)] = label;
}

std::vector<QWidget*> ReportFrame::readableRows() const {
  std::vector<QWidget*> rows;
  for (const ReadableRow& row : rows_) rows.push_back(row.caption);
  return rows;
}

void ReportFrame::showReadings() {
  for (const ReadableRow& row : rows_) {
    const QString value = values_[indexOf(row.strength)]->text();
    QString reading = row.caption->text() + QStringLiteral(": ");
    if (row.profit) {
      reading += value + QStringLiteral(" $");
    } else {
      reading += QStringLiteral("síla ") + value;
      if (row.opinion) {
        reading += QStringLiteral(", oblíbenost ") + values_[indexOf(*row.opinion)]->text();
      }
    }
    row.caption->setReading(reading);
  }
}

}  // namespace velmoran
