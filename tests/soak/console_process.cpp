// SPDX-License-Identifier: GPL-3.0-or-later
#include "console_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace velmoran::soak {

namespace {

// Longer than any command takes, even under the sanitizers.
constexpr int kPatienceMs = 60000;

void makePipe(int fds[2]) {
  if (::pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
}

}  // namespace

ConsoleProcess::ConsoleProcess(const std::filesystem::path& program,
                               const std::filesystem::path& folder) {
  int toConsole[2], fromConsole[2];
  makePipe(toConsole);
  makePipe(fromConsole);
  pid_ = ::fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    if (::dup2(toConsole[0], 0) < 0 || ::dup2(fromConsole[1], 1) < 0 ||
        ::chdir(folder.c_str()) != 0) {
      ::_exit(127);
    }
    ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(toConsole[0]);
  ::close(fromConsole[1]);
  input_ = toConsole[1];
  output_ = fromConsole[0];
}

ConsoleProcess::~ConsoleProcess() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGKILL);
  if (input_ >= 0) ::close(input_);
  if (output_ >= 0) ::close(output_);
  ::waitpid(pid_, nullptr, 0);
}

void ConsoleProcess::send(const std::string& line) {
  const std::string bytes = line + "\n";
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(input_, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    // A console that has ended reads no more; its transcript says why.
    if (n <= 0) return;
    written += static_cast<std::size_t>(n);
  }
}

std::optional<std::string> ConsoleProcess::readLine() {
  for (;;) {
    const auto end = buffered_.find('\n');
    if (end != std::string::npos) {
      std::string line = buffered_.substr(0, end);
      buffered_.erase(0, end + 1);
      return line;
    }
    pollfd ready{output_, POLLIN, 0};
    const int polled = ::poll(&ready, 1, kPatienceMs);
    if (polled < 0 && errno == EINTR) continue;
    if (polled == 0) throw std::runtime_error("the terminal edition stopped answering");
    char chunk[4096];
    const ssize_t n = ::read(output_, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return std::nullopt;
    buffered_.append(chunk, static_cast<std::size_t>(n));
  }
}

int ConsoleProcess::finish() {
  if (input_ >= 0) ::close(input_);
  input_ = -1;
  if (output_ >= 0) {
    while (readLine()) {
    }
    ::close(output_);
    output_ = -1;
  }
  int status = 0;
  const pid_t ended = ::waitpid(pid_, &status, 0);
  pid_ = -1;
  return ended > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace velmoran::soak
