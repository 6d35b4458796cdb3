// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/help_window.h"

#include <QBoxLayout>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPushButton>

#include "screens/help_browser.h"

namespace velmoran {

namespace {

// Wide enough for the page's picture of the game screen beside its margins.
constexpr QSize kSize(700, 600);

QPushButton* addButton(QBoxLayout* row, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption);
  button->setObjectName(QString::fromLatin1(name));
  button->setEnabled(false);
  // The keyboard stays in the page, whose arrows scroll it.
  button->setFocusPolicy(Qt::NoFocus);
  row->addWidget(button);
  return button;
}

}  // namespace

HelpWindow::HelpWindow(const QUrl& page, QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new HelpBrowser(page)) {
  setObjectName(QStringLiteral("napoveda"));
  setWindowTitle(QStringLiteral("Velmoran – nápověda"));
  resize(kSize);

  auto* column = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  QPushButton* back = addButton(row, "zpet", QStringLiteral("◀ Zpět"));
  QPushButton* forward = addButton(row, "vpred", QStringLiteral("Vpřed ▶"));
  row->addStretch();
  column->addLayout(row);
  column->addWidget(browser_);

  browser_->setObjectName(QStringLiteral("stranka"));
  browser_->setOpenExternalLinks(true);
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
  if (QFileInfo::exists(page.toLocalFile())) {
    browser_->setSource(page);
  } else {
    browser_->setPlainText(QStringLiteral("Stránka nápovědy chybí: %1").arg(page.toLocalFile()));
  }
  browser_->setFocus();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
  } else {
    QWidget::keyPressEvent(event);
  }
}

}  // namespace velmoran
