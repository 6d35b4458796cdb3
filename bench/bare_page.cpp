// SPDX-License-Identifier: GPL-3.0-or-later
// The bare emscripten page bench/web_startup.mjs measures the game's page against: a main
// that prints one line, in emscripten's own page.
#include <cstdio>

int main() {
  std::puts("Velmoran");
  return 0;
}
