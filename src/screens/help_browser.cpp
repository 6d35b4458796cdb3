// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/help_browser.h"

#include "files/game_folders.h"
#include "files/help_page.h"

namespace velmoran {

HelpBrowser::HelpBrowser(const QUrl& page, QWidget* parent) : QTextBrowser(parent), page_(page) {
  folders_.push_back(std::filesystem::path(page.toLocalFile().toStdString()).parent_path());
  if (const auto installed = installationOfThisRun()) folders_.push_back(*installed);
}

// A name on the page is taken from where the page is: no search paths, no resources compiled
// into a program, nothing but the local files. What may not be loaded is empty, never nothing:
// for nothing the document would read the file itself.
QVariant HelpBrowser::loadResource(int /*type*/, const QUrl& name) {
  const QUrl base = source().isValid() ? source() : page_;
  const QUrl url = name.isRelative() ? base.resolved(name) : name;
  const auto bytes =
      url.isLocalFile() ? readHelpFile(url.toLocalFile().toStdString(), folders_) : std::nullopt;
  return bytes ? QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size())) : QByteArray();
}

}  // namespace velmoran
