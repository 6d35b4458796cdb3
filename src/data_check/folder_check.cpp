// SPDX-License-Identifier: GPL-3.0-or-later
#include "data_check/folder_check.h"

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <system_error>

#include "data_check/chronicle_texts_check.h"
#include "data_check/record_check.h"
#include "data_check/unread_file.h"
#include "files/chronicle_texts.h"
#include "files/data_files.h"
#include "files/game_files.h"

namespace velmoran {

namespace fs = std::filesystem;

namespace {

// A name this close to one the game asks for is likely that name misspelt.
constexpr std::size_t kLikelyTypo = 2;

std::string shownPath(const fs::path& file) {
  return file.lexically_normal().generic_string();
}

// The menu caption without the runs of blanks that set the prices in a column.
std::string captionOf(std::string_view menuCaption) {
  std::string caption;
  for (char c : menuCaption) {
    if (c != ' ' || caption.empty() || caption.back() != ' ') caption += c;
  }
  return caption;
}

std::string whenShown(const DataFile& file) {
  switch (file.role) {
    case DataFileRole::Welcome:
      return "na začátku nové hry";
    case DataFileRole::Event:
      return "jako náhodnou událost měsíce";
    case DataFileRole::FollowUp:
      return "po odpovědi Ano na otázku";
    case DataFileRole::Command:
    case DataFileRole::Errand:
    case DataFileRole::Refusal:
      break;
  }
  return "po příkazu „" + captionOf(file.command) + "“";
}

std::size_t editDistance(const std::string& a, const std::string& b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

class FolderCheck {
 public:
  explicit FolderCheck(const GameFolders& folders) : folders_(folders) {}

  std::vector<Problem> run() {
    for (const DataFile& file : dataFiles()) checkFile(file);
    for (Problem& problem : checkChronicleTexts(folders_.textFile(kChronicleTextsFile)))
      problems_.push_back(std::move(problem));
    checkUnknownFiles();
    return problems_;
  }

 private:
  void report(const std::string& name, const std::string& message) {
    problems_.push_back({shownPath(folders_.textFile(name)), 1, message});
  }

  void checkFile(const DataFile& file) {
    const fs::path path = folders_.textFile(file.name);
    FileFault fault = FileFault::None;
    const auto bytes = readGameFile(path, &fault);
    if (!bytes) {
      if (fault != FileFault::Missing) return report(file.name, whyNotRead(path, fault));
      missing_.push_back(file.name);
      return report(file.name, whyNotRead(path, fault) + "; hra ho ukazuje " + whenShown(file));
    }
    for (Problem& problem : checkDataText(shownPath(path), file, *bytes)) {
      problems_.push_back(std::move(problem));
    }
  }

  void checkUnknownFiles() {
    std::set<std::string> unknown;
    bool unlisted = false;
    for (const fs::path& texts : {folders_.texts, folders_.installedTexts}) {
      std::error_code ec;
      fs::directory_iterator it(texts, ec), end;
      for (; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!findDataFile(name) && name != kChronicleTextsFile) unknown.insert(name);
      }
      if (ec && ec != std::errc::no_such_file_or_directory && !unlisted) {
        unlisted = true;
        problems_.push_back({shownPath(texts), 1,
                             "složku nejde projít, soubory, které hra nečte, v ní nejsou vidět: " +
                                 std::string(faultCause(ec == std::errc::permission_denied
                                                            ? FileFault::NotReadable
                                                            : faultOfError(ec.value())))});
      }
    }
    for (const std::string& name : unknown) {
      std::string message = "tento soubor hra nikdy nečte";
      for (const std::string& wanted : missing_) {
        if (editDistance(name, wanted) <= kLikelyTypo) {
          message += "; nemá se jmenovat " + wanted + "?";
          break;
        }
      }
      report(name, message);
    }
  }

  const GameFolders& folders_;
  std::vector<std::string> missing_;
  std::vector<Problem> problems_;
};

}  // namespace

std::vector<Problem> checkGameFolder(const GameFolders& folders) {
  return FolderCheck(folders).run();
}

}  // namespace velmoran
