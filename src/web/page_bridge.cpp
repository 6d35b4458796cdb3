// SPDX-License-Identifier: GPL-3.0-or-later
// The page's side of every call is in velmoran-page.js (Module.page). The boxes are
// asynchronous functions: Asyncify unwinds the call into the game while the page waits for the
// player and rewinds it with the answer.
#include "web/page_bridge.h"

#include <emscripten.h>

#include <cstdlib>

namespace {

// clang-format off
EM_ASYNC_JS(void, pageMessage, (int icon, const char* title, const char* text), {
  await Module.page.message(icon, UTF8ToString(title), UTF8ToString(text));
});

EM_ASYNC_JS(int, pageAskYesNo, (const char* title, const char* text), {
  return (await Module.page.askYesNo(UTF8ToString(title), UTF8ToString(text))) ? 1 : 0;
});

EM_ASYNC_JS(char*, pageInput, (const char* title, const char* prompt, const char* answer), {
  const given = await Module.page.input(UTF8ToString(title), UTF8ToString(prompt),
                                        UTF8ToString(answer));
  if (given === null) return 0;
  const size = lengthBytesUTF8(given) + 1;
  const copy = _malloc(size);
  stringToUTF8(given, copy, size);
  return copy;
});

EM_JS(void, pageShowState, (const char* json), {
  Module.page.showState(JSON.parse(UTF8ToString(json)));
});

EM_JS(void, pagePlaySound, (const char* path), {
  Module.page.playSound(UTF8ToString(path));
});

EM_JS(void, pageOpenLink, (const char* address), {
  Module.page.openLink(UTF8ToString(address));
});

EM_JS(void, pageShowChronicle, (const char* json), {
  Module.page.showChronicle(JSON.parse(UTF8ToString(json)));
});

EM_ASYNC_JS(int, pageTakeLock, (const char* name), {
  return (await Module.page.takeLock(UTF8ToString(name))) ? 1 : 0;
});

EM_JS(void, pageReleaseLock, (const char* name), {
  Module.page.releaseLock(UTF8ToString(name));
});
// clang-format on

}  // namespace

// The lock the game's files layer asks for where flock is missing (files/reign_lock.cpp): the
// page's, which every tab of the game sees.
extern "C" int velmoran_take_lock(const char* name) {
  return pageTakeLock(name);
}

extern "C" void velmoran_release_lock(const char* name) {
  pageReleaseLock(name);
}

namespace velmoran::page {

void message(Icon icon, const std::string& title, const std::string& text) {
  pageMessage(static_cast<int>(icon), title.c_str(), text.c_str());
}

bool askYesNo(const std::string& title, const std::string& text) {
  return pageAskYesNo(title.c_str(), text.c_str()) != 0;
}

std::optional<std::string> input(const std::string& title, const std::string& prompt,
                                 const std::string& defaultAnswer) {
  char* given = pageInput(title.c_str(), prompt.c_str(), defaultAnswer.c_str());
  if (!given) return std::nullopt;
  std::string answer(given);
  std::free(given);
  return answer;
}

void showState(const std::string& json) {
  pageShowState(json.c_str());
}

void playSound(const std::string& path) {
  pagePlaySound(path.c_str());
}

void openLink(const std::string& address) {
  pageOpenLink(address.c_str());
}

void showChronicle(const std::string& json) {
  pageShowChronicle(json.c_str());
}

}  // namespace velmoran::page
