// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/data_text_shelf.h"

namespace velmoran {

std::optional<DataText> DataTextShelf::read(const std::string& name, FileFault* fault) {
  std::string path = folders_.texts.native();
  path += '/';
  path += name;
  FileFault own = FileFault::None;
  auto record = readAt(path, &own);
  if (!record && own == FileFault::Missing && !folders_.installedTexts.empty()) {
    return readAt((folders_.installedTexts / name).native(), fault);
  }
  if (!record && fault) *fault = own;
  return record;
}

std::optional<DataText> DataTextShelf::readAt(const std::string& path, FileFault* fault) {
  const auto found = kept_.find(path);
  const FileStamp* known = found == kept_.end() ? nullptr : &found->second.stamp;
  FileStamp stamp;
  const auto bytes = readGameFileUnlessKnown(path, known, stamp, fault);
  if (!bytes) {
    if (found != kept_.end()) kept_.erase(found);
    return std::nullopt;
  }
  if (known && *known == stamp) return found->second.record;

  auto record = parseDataText(*bytes);
  if (!record) {
    if (fault) *fault = FileFault::Damaged;
    if (found != kept_.end()) kept_.erase(found);
    return std::nullopt;
  }
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  if (std::chrono::nanoseconds(stamp.changedNs) + settled_ <= now) {
    kept_[path] = Kept{stamp, *record};
  } else if (found != kept_.end()) {
    kept_.erase(found);
  }
  return record;
}

}  // namespace velmoran
