// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/title_menu_window.h"

#include <QIcon>
#include <QPushButton>

#include "screens/animation_icons.h"
#include "screens/banner_pictures.h"
#include "screens/clickable_label.h"
#include "screens/screen_fonts.h"
#include "screens/sharp_picture.h"
#include "screens/twips.h"
#include "screens/window_icon.h"

namespace velmoran {

namespace {

constexpr int kClientWidth = 4065;
constexpr int kClientHeight = 3435;
constexpr int kButtonLeft = 1275;
constexpr int kButtonWidth = 1515;
constexpr int kButtonHeight = 345;
constexpr int kFirstButtonTop = 1200;
constexpr int kButtonStep = 375;
constexpr int kNoteHeight = 240;
constexpr int kNoteGap = 135;
constexpr int kTimer1Interval = 130;
constexpr int kTimer2Interval = 50;

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, int top) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  placeAt(button, kButtonLeft, top, kButtonWidth, kButtonHeight);
  return button;
}

QTimer* addTimer(QWidget* parent, const char* name, int interval) {
  auto* timer = new QTimer(parent);
  timer->setObjectName(QString::fromLatin1(name));
  timer->setInterval(interval);
  // The icon's steps keep their 180 ms, not a few less.
  timer->setTimerType(Qt::PreciseTimer);
  return timer;
}

}  // namespace

TitleMenuWindow::TitleMenuWindow(QWidget* parent)
    : QWidget(parent),
      timer1_(addTimer(this, "Timer1", kTimer1Interval)),
      timer2_(addTimer(this, "Timer2", kTimer2Interval)) {
  setObjectName(QStringLiteral("Menu"));
  setWindowTitle(QStringLiteral(" Velmoran "));
  setFont(screenFont());
  setFixedSize(twipsSize(kClientWidth, kClientHeight));

  auto* banner = new ClickableLabel(this);
  banner->setObjectName(QStringLiteral("Picture1"));
  placeAt(banner, 75, 75, 3930, 990);
  showSharpPicture(banner, [](QSize size, qreal dpr) {
    return posterBanner(size, QStringLiteral("VELMORAN"), dpr);
  });
  banner->setCursor(Qt::PointingHandCursor);
  banner->setAccessibleName(QStringLiteral("VELMORAN"));
  connect(banner, &ClickableLabel::clicked, timer1_, qOverload<>(&QTimer::start));

  QPushButton* start = addButton(this, "Command1", QStringLiteral("Start"), kFirstButtonTop);
  start->setFont(sizedFont(8.25, true));
  start->setDefault(true);
  QPushButton* settings = addButton(this, "Command2", QStringLiteral("Nastavení"), 1575);
  QPushButton* bestScores = addButton(this, "Command3", QStringLiteral("Top 3"), 1950);
  QPushButton* quit = addButton(this, "Command4", QStringLiteral("Konec"), 2325);
  QPushButton* about = addButton(this, "Command5", QStringLiteral("O hře"), 2700);
  connect(start, &QPushButton::clicked, this, &TitleMenuWindow::startClicked);
  connect(settings, &QPushButton::clicked, this, &TitleMenuWindow::settingsClicked);
  connect(bestScores, &QPushButton::clicked, this, &TitleMenuWindow::bestScoresClicked);
  connect(quit, &QPushButton::clicked, this, &TitleMenuWindow::quitClicked);
  connect(about, &QPushButton::clicked, this, &TitleMenuWindow::aboutClicked);

  auto* credit = new QLabel(QStringLiteral("© 2026 Velmoran"), this);
  credit->setObjectName(QStringLiteral("Label1"));
  placeAt(credit, 1530, 3195, kClientWidth - 1530, 225);

  // The frames of the animation wait below the visible part of the window.
  for (int counter = 1; counter <= kAnimationFrames; ++counter) {
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture%1").arg(counter == 1 ? 9 : counter));
    picture->setPixmap(animationFrame(counter - 1));
    picture->setGeometry((counter - 1) * kAnimationIconSize, height(), kAnimationIconSize,
                         kAnimationIconSize);
    picture->hide();
    iconPictures_[counter - 1] = picture;
  }
  connect(timer1_, &QTimer::timeout, this, &TitleMenuWindow::Timer1_Timer);
  connect(timer2_, &QTimer::timeout, this, &TitleMenuWindow::Timer2_Timer);
}

void TitleMenuWindow::makeRoomAboveButtons(int twips) {
  for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (child->y() >= px(kFirstButtonTop)) child->move(child->x(), child->y() + px(twips));
  }
  setFixedSize(width(), height() + px(twips));
}

QLabel* TitleMenuWindow::addNote(const char* name, const QString& text, int top, int height) {
  auto* note = new QLabel(text, this);
  note->setObjectName(QString::fromLatin1(name));
  note->setAlignment(Qt::AlignCenter);
  note->setWordWrap(true);
  placeAt(note, 75, top, kClientWidth - 150, height);
  note->show();
  return note;
}

void TitleMenuWindow::offerReign(const QString& reign) {
  makeRoomAboveButtons(kButtonStep + kNoteHeight + kNoteGap);
  QPushButton* resume =
      addButton(this, "Pokracovat", QStringLiteral("Pokračovat"), kFirstButtonTop);
  resume->setFont(sizedFont(8.25, true));
  QLabel* note = addNote("rozehranaVlada", reign, kFirstButtonTop + kButtonStep, kNoteHeight);
  resume->setAccessibleDescription(note->text());
  if (auto* start = findChild<QPushButton*>(QStringLiteral("Command1"))) {
    start->setDefault(false);
    setTabOrder(resume, start);
  }
  resume->setDefault(true);
  resume->show();
  resume->setFocus();
  connect(resume, &QPushButton::clicked, this, &TitleMenuWindow::continueClicked);
}

void TitleMenuWindow::noteReignElsewhere(const QString& text) {
  makeRoomAboveButtons(2 * kNoteHeight + kNoteGap);
  addNote("rozehranaJinde", text, kFirstButtonTop, 2 * kNoteHeight);
}

QLabel* TitleMenuWindow::iconPicture(int counter) const {
  return iconPictures_[counter - 1];
}

void TitleMenuWindow::Timer1_Timer() {
  ++animationCounter_;
  setWindowIconNow(this, QIcon(iconPicture(animationCounter_)->pixmap()));
  // After the first pass the counter restarts at 1 and goes straight on to 2: the icon of
  // Picture9 opens the animation only once.
  if (animationCounter_ == kAnimationFrames) animationCounter_ = 1;
  timer1_->stop();
  timer2_->start();
}

void TitleMenuWindow::Timer2_Timer() {
  timer1_->start();
  timer2_->stop();
}

}  // namespace velmoran
