#pragma once

#include <istream>
#include <optional>
#include <string>

namespace velmoran {

// The player's lines from standard input: line ends stripped (CR LF too), bytes that are not
// UTF-8 replaced, so that nothing the player types can damage a file or the transcript.
class LineSource {
 public:
  explicit LineSource(std::istream& in) : in_(in) {}
  std::optional<std::string> next();

 private:
  std::istream& in_;
};

// A text as one transcript field: line breaks written as \n and \r.
std::string transcriptField(const std::string& text);

}  // namespace velmoran
