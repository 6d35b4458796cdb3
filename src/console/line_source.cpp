#include "console/line_source.h"

#include "state/cp1250.h"

namespace velmoran {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

std::string validUtf8(const std::string& bytes) {
  if (utf8CodePoints(bytes)) return bytes;
  std::string out;
  for (std::size_t i = 0; i < bytes.size();) {
    // Take the longest valid sequence starting here (1..4 bytes), else replace one byte.
    std::size_t taken = 0;
    for (std::size_t len = 1; len <= 4 && i + len <= bytes.size(); ++len) {
      const auto cps = utf8CodePoints(std::string_view(bytes).substr(i, len));
      if (cps && cps->size() == 1) {
        taken = len;
        break;
      }
    }
    if (taken == 0) {
      appendUtf8(out, kReplacement);
      ++i;
    } else {
      out.append(bytes, i, taken);
      i += taken;
    }
  }
  return out;
}

}  // namespace

std::optional<std::string> LineSource::next() {
  std::string line;
  if (!std::getline(in_, line)) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return validUtf8(line);
}

std::string transcriptField(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace velmoran
