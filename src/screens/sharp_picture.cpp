// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/sharp_picture.h"

#include <QEvent>
#include <utility>

#include "screens/twips.h"

namespace velmoran {

namespace {

// Lives with its picture box and redraws it whenever the box's ratio is not the picture's.
class SharpPicture : public QObject {
 public:
  SharpPicture(QLabel* box, PictureDrawing draw) : QObject(box), box_(box), draw_(std::move(draw)) {
    box->installEventFilter(this);
    refresh();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show || event->type() == QEvent::ScreenChangeInternal) refresh();
    return QObject::eventFilter(watched, event);
  }

 private:
  void refresh() {
    const qreal dpr = box_->devicePixelRatioF();
    const QPixmap shown = box_->pixmap();
    if (!shown.isNull() && shown.devicePixelRatio() == dpr &&
        shown.deviceIndependentSize().toSize() == box_->size()) {
      return;
    }
    box_->setPixmap(draw_(box_->size(), dpr));
  }

  QLabel* box_;
  PictureDrawing draw_;
};

}  // namespace

void showSharpPicture(QLabel* box, PictureDrawing draw) {
  new SharpPicture(box, std::move(draw));
}

QLabel* addPicture(QWidget* parent, int left, int top, int width, int height, PictureDrawing draw,
                   const QString& alt) {
  auto* box = new QLabel(parent);
  box->setObjectName(QStringLiteral("Picture1"));
  box->setAccessibleName(alt);
  placeAt(box, left, top, width, height);
  showSharpPicture(box, std::move(draw));
  return box;
}

}  // namespace velmoran
