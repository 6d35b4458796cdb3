// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/about_window.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "screens/clickable_label.h"
#include "screens/screen_fonts.h"
#include "screens/shell_pictures.h"
#include "screens/twips.h"

namespace velmoran {

namespace {

constexpr int kClientWidth = 5400;
constexpr int kClientHeight = 3600;
constexpr int kTextLeft = 300;
constexpr int kTextWidth = kClientWidth - 2 * kTextLeft;

ClickableLabel* addLabel(QWidget* parent, const char* name, const QString& text, int top,
                         const QFont& font, const QColor& colour) {
  auto* label = new ClickableLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setFont(font);
  label->setFocusPolicy(Qt::TabFocus);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  placeAt(label, kTextLeft, top, kTextWidth, 255);
  return label;
}

}  // namespace

AboutWindow::AboutWindow(const QString& address, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("about"));
  setWindowTitle(QStringLiteral(" O Hře"));
  setFont(screenFont());
  setFixedSize(twipsSize(kClientWidth, kClientHeight));

  const QColor pale(255, 240, 200);
  addLabel(this, "Label1", QStringLiteral("Programing, grafika"), 2010, screenFont(), pale)
      ->setFocus();
  addLabel(this, "Label2", QStringLiteral("Tým Velmoran"), 2250, sizedFont(9.75, true), Qt::white);

  QFont linkFont = screenFont();
  linkFont.setUnderline(true);
  ClickableLabel* link = addLabel(this, "Label3", QString(), 2730, linkFont, QColor(150, 200, 255));
  // A long address keeps its beginning and the page's name; the whole one is in the tooltip.
  link->setText(QFontMetrics(linkFont).elidedText(address, Qt::ElideMiddle, link->width()));
  link->setToolTip(address);
  link->setAccessibleName(address);
  link->setAccessibleDescription(QStringLiteral("Odkaz na nápovědu, Enter ho otevře"));
  link->setCursor(Qt::PointingHandCursor);
  link_ = link;
  connect(link, &ClickableLabel::clicked, this, &AboutWindow::linkClicked);

  addLabel(this, "Label4", QStringLiteral("Původní verze hry: tým Velmoran, 2026"), 3180,
           screenFont(), pale);
}

void AboutWindow::paintEvent(QPaintEvent*) {
  const qreal dpr = devicePixelRatioF();
  if (background_.isNull() || background_.devicePixelRatio() != dpr) {
    background_ = aboutBackground(size(), dpr);
  }
  QPainter(this).drawPixmap(0, 0, background_);
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if ((enter || event->key() == Qt::Key_Space) && link_->hasFocus()) {
    emit linkClicked();
  } else if (enter || event->key() == Qt::Key_Escape) {
    emit backgroundClicked();
  } else {
    QWidget::keyPressEvent(event);
  }
}

void AboutWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit backgroundClicked();
  }
}

}  // namespace velmoran
