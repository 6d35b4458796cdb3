// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/kept_chronicles.h"

#include <algorithm>
#include <system_error>

#include "files/decimal_text.h"
#include "files/game_files.h"

namespace velmoran {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kLastReignsKept = 10;
constexpr char kPrefix[] = "kronika-";
constexpr char kSuffix[] = ".dat";

// The number in a kept file's name, "kronika-000012.dat"; empty for any other file.
std::optional<long long> serialOf(const fs::path& file) {
  const std::string name = file.filename().string();
  const std::string prefix = kPrefix, suffix = kSuffix;
  if (name.size() <= prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
      name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
    return std::nullopt;
  }
  const std::string digits =
      name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  if (digits.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  const auto serial = strictWholeNumber(digits);
  return serial && *serial >= 0 ? serial : std::nullopt;
}

fs::path fileNumbered(const fs::path& folder, long long serial) {
  std::string digits = std::to_string(serial);
  digits.insert(0, digits.size() < 6 ? 6 - digits.size() : 0, '0');
  return folder / (kPrefix + digits + kSuffix);
}

bool isRulerOf(const fs::path& file, const std::string& ruler, long long months) {
  const auto bytes = readGameFile(file);
  const auto heading = bytes ? parseChronicleHeading(*bytes) : std::nullopt;
  return heading && heading->ruler == ruler && heading->months == months;
}

void removeAllBut(const std::vector<fs::path>& files, const std::optional<BestScores>& best) {
  std::vector<bool> kept(files.size(), false);
  for (std::size_t i = 0; i < files.size() && i < kLastReignsKept; ++i) kept[i] = true;
  for (std::size_t row = 0; best && row < best->names.size(); ++row) {
    for (std::size_t i = 0; i < files.size(); ++i) {
      if (isRulerOf(files[i], best->names[row], best->months[row])) {
        kept[i] = true;
        break;
      }
    }
  }
  std::error_code ec;
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (!kept[i]) fs::remove(files[i], ec);
  }
}

KeptChronicle readKept(const fs::path& file) {
  const auto bytes = readGameFile(file);
  auto chronicle = bytes ? parseChronicle(*bytes) : std::nullopt;
  if (!chronicle) return {KeptChronicle::State::Damaged, std::nullopt};
  return {KeptChronicle::State::Found, std::move(chronicle)};
}

}  // namespace

std::vector<fs::path> keptChronicleFiles(const fs::path& playerFolder) {
  std::vector<std::pair<long long, fs::path>> numbered;
  std::error_code ec;
  for (fs::directory_iterator it(playerFolder / kChronicleFolder, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (const auto serial = serialOf(it->path())) numbered.emplace_back(*serial, it->path());
  }
  std::sort(numbered.begin(), numbered.end(),
            [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<fs::path> files;
  for (auto& entry : numbered) files.push_back(std::move(entry.second));
  return files;
}

bool keepChronicle(const fs::path& playerFolder, const ReignChronicle& chronicle,
                   const std::optional<BestScores>& best) {
  const fs::path folder = playerFolder / kChronicleFolder;
  std::error_code ec;
  fs::create_directory(folder, ec);
  auto files = keptChronicleFiles(playerFolder);
  const long long serial = files.empty() ? 1 : *serialOf(files.front()) + 1;
  const fs::path file = fileNumbered(folder, serial);
  if (!replaceGameFile(file, chronicleBytes(chronicle))) return false;
  files.insert(files.begin(), file);
  removeAllBut(files, best);
  return true;
}

KeptChronicle newestChronicle(const fs::path& playerFolder) {
  const auto files = keptChronicleFiles(playerFolder);
  if (files.empty()) return {};
  return readKept(files.front());
}

KeptChronicle chronicleOf(const fs::path& playerFolder, const std::string& ruler,
                          long long months) {
  for (const fs::path& file : keptChronicleFiles(playerFolder)) {
    if (isRulerOf(file, ruler, months)) return readKept(file);
  }
  return {};
}

}  // namespace velmoran
