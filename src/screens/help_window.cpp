// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/help_window.h"

#include <QBoxLayout>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBlock>
#include <functional>

#include "screens/help_browser.h"
#include "screens/window_scale.h"

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

// The page, which tells when Tab has taken its caret to a link.
class HelpPage : public HelpBrowser {
 public:
  using HelpBrowser::HelpBrowser;
  std::function<void()> linkReached;

 protected:
  bool focusNextPrevChild(bool next) override {
    const bool inThePage = HelpBrowser::focusNextPrevChild(next);
    if (inThePage && linkReached) linkReached();
    return inThePage;
  }
};

}  // namespace

HelpWindow::HelpWindow(const QUrl& page, QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new HelpPage(page)) {
  setObjectName(QStringLiteral("napoveda"));
  setWindowTitle(QStringLiteral("Velmoran – nápověda"));
  resize(scaled(kSize));

  auto* column = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  QPushButton* back = addButton(row, "zpet", QStringLiteral("◀ Zpět"));
  QPushButton* forward = addButton(row, "vpred", QStringLiteral("Vpřed ▶"));
  row->addStretch();
  column->addLayout(row);
  column->addWidget(browser_);

  browser_->setObjectName(QStringLiteral("stranka"));
  browser_->setAccessibleName(QStringLiteral("Stránka nápovědy"));
  browser_->setOpenExternalLinks(true);
  browser_->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::caretToTarget);
  connect(browser_, &QTextBrowser::cursorPositionChanged, this, &HelpWindow::describeCaret);
  static_cast<HelpPage*>(browser_)->linkReached = [this] { describeCaret(); };
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

void HelpWindow::caretToTarget(const QUrl& page) {
  const QString target = page.fragment();
  if (target.isEmpty()) return;
  for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      if (!fragment.fragment().charFormat().anchorNames().contains(target)) continue;
      QTextCursor caret(browser_->document());
      caret.setPosition(fragment.fragment().position());
      browser_->setTextCursor(caret);
      return;
    }
  }
}

// "Odkaz: Klávesnice" on a link, "Obrázek: …" with the picture's alternative text on a picture.
void HelpWindow::describeCaret() {
  // Tab selects a whole link; the caret stands before the character it reads.
  const QTextCursor caret = browser_->textCursor();
  QTextCursor next(browser_->document());
  next.setPosition(caret.selectionStart());
  next.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  const QTextCharFormat format = next.charFormat();
  QString said;
  if (format.isImageFormat()) {
    said = QStringLiteral("Obrázek: ") +
           format.toImageFormat().property(QTextFormat::ImageAltText).toString();
  } else if (format.isAnchor() && !format.anchorHref().isEmpty()) {
    said = QStringLiteral("Odkaz: ") +
           (caret.hasSelection() ? caret.selectedText() : format.anchorHref());
  }
  if (browser_->accessibleDescription() != said) browser_->setAccessibleDescription(said);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
  } else {
    QWidget::keyPressEvent(event);
  }
}

}  // namespace velmoran
