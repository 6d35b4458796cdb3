// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextBrowser>
#include <QUrl>
#include <filesystem>
#include <vector>

namespace velmoran {

// The help window's page: it loads only what the game's files layer allows, regular files within
// the page's own folder and the installation's, each within a size limit, and never waits on
// what lies in a file's place. A page edited to name a pipe, a device or a picture elsewhere
// shows nothing there.
class HelpBrowser : public QTextBrowser {
  Q_OBJECT

 public:
  explicit HelpBrowser(const QUrl& page, QWidget* parent = nullptr);

  QVariant loadResource(int type, const QUrl& name) override;

 private:
  QUrl page_;
  std::vector<std::filesystem::path> folders_;
};

}  // namespace velmoran
