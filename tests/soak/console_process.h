// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>

namespace velmoran::soak {

// The terminal edition running in a game folder, spoken to line by line through pipes.
class ConsoleProcess {
 public:
  ConsoleProcess(const std::filesystem::path& program, const std::filesystem::path& folder);
  ~ConsoleProcess();
  ConsoleProcess(const ConsoleProcess&) = delete;
  ConsoleProcess& operator=(const ConsoleProcess&) = delete;

  void send(const std::string& line);
  // The next line of the transcript; empty at its end. Throws if none comes for a long time.
  std::optional<std::string> readLine();
  // Closes its input, reads what is left of the transcript and waits for it to end: its exit
  // status, or -1 if a signal ended it.
  int finish();

 private:
  pid_t pid_ = -1;
  int input_ = -1;
  int output_ = -1;
  std::string buffered_;
};

}  // namespace velmoran::soak
