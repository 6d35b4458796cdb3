// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_page.h"

#include "web/page_bridge.h"

namespace velmoran {

testing::FakePage& testing::fakePage() {
  static FakePage page;
  return page;
}

namespace page {

void message(Icon, const std::string& title, const std::string&) {
  testing::fakePage().boxes.push_back(title);
}

bool askYesNo(const std::string& title, const std::string&) {
  auto& fake = testing::fakePage();
  fake.boxes.push_back(title);
  return fake.answers().value_or("ne") == "ano";
}

std::optional<std::string> input(const std::string& title, const std::string&,
                                 const std::string& defaultAnswer) {
  auto& fake = testing::fakePage();
  fake.boxes.push_back(title);
  const auto answer = fake.answers();
  if (!answer || *answer == "<cancel>") return std::nullopt;
  return answer->empty() ? defaultAnswer : *answer;
}

void showState(const std::string& json) {
  testing::fakePage().states.push_back(json);
}

void playSound(const std::string& path) {
  testing::fakePage().sounds.push_back(path);
}

void openLink(const std::string& address) {
  testing::fakePage().links.push_back(address);
}

void showChronicle(const std::string& json) {
  testing::fakePage().chronicles.push_back(json);
}

}  // namespace page
}  // namespace velmoran
