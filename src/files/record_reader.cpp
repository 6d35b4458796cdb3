// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/record_reader.h"

#include <algorithm>

namespace velmoran {

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

class Cursor {
 public:
  explicit Cursor(std::string_view bytes) : bytes_(bytes) {}

  bool atEnd() const { return pos_ >= bytes_.size(); }
  char peek() const { return bytes_[pos_]; }
  int line() const { return line_; }
  std::string_view rest() const { return bytes_.substr(pos_); }

  // A CR LF pair, a lone CR and a lone LF each end one line.
  void advance() {
    if (peek() == '\n' ||
        (peek() == '\r' && (pos_ + 1 == bytes_.size() || bytes_[pos_ + 1] != '\n'))) {
      ++line_;
    }
    ++pos_;
  }

  // Moves to `end` at once, counting the lines passed as advance() does.
  void advanceTo(std::size_t end) {
    for (; pos_ < end; ++pos_) {
      const char c = bytes_[pos_];
      if (c == '\n' || (c == '\r' && (pos_ + 1 == bytes_.size() || bytes_[pos_ + 1] != '\n'))) {
        ++line_;
      }
    }
  }

  void skipBlanks() {
    while (!atEnd() && isBlank(peek())) advance();
  }

  // Consumes one delimiter: a comma, a line break (CR LF counts as one) or the end.
  bool consumeDelimiter() {
    if (atEnd()) return true;
    if (peek() == ',') {
      advance();
      return true;
    }
    if (peek() == '\r') {
      advance();
      if (!atEnd() && peek() == '\n') advance();
      return true;
    }
    if (peek() == '\n') {
      advance();
      return true;
    }
    return false;
  }

  // The quoted field, or the stop that spoils it.
  FieldReading::Stop quotedField(Field& field) {
    field.quoted = true;
    advance();  // opening quote
    for (;;) {
      // The bytes up to the next quote, taken whole.
      const std::size_t quote = std::min(bytes_.find('"', pos_), bytes_.size());
      field.bytes.append(bytes_.substr(pos_, quote - pos_));
      advanceTo(quote);
      if (atEnd()) return FieldReading::Stop::UnclosedQuote;
      advance();
      if (!atEnd() && peek() == '"') {
        field.bytes += '"';
        advance();
        continue;
      }
      break;
    }
    skipBlanks();
    if (!consumeDelimiter()) return FieldReading::Stop::AfterQuote;
    return FieldReading::Stop::Complete;
  }

  void bareField(Field& field) {
    const std::size_t end = std::min(bytes_.find_first_of(",\r\n", pos_), bytes_.size());
    field.bytes.append(bytes_.substr(pos_, end - pos_));
    pos_ = end;  // no line break on the way
    while (!field.bytes.empty() && isBlank(field.bytes.back())) field.bytes.pop_back();
    consumeDelimiter();
  }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace

FieldReading readFieldsOf(std::string_view bytes, std::size_t count) {
  Cursor cursor(bytes);
  FieldReading reading;
  reading.fields.reserve(count);
  while (reading.fields.size() < count) {
    cursor.skipBlanks();
    if (cursor.atEnd()) {
      reading.stop = FieldReading::Stop::TooFew;
      reading.line = reading.fields.empty() ? 1 : reading.fields.back().line;
      return reading;
    }
    Field& field = reading.fields.emplace_back();
    field.line = cursor.line();
    if (cursor.peek() != '"') {
      cursor.bareField(field);
      continue;
    }
    reading.stop = cursor.quotedField(field);
    if (reading.stop == FieldReading::Stop::UnclosedQuote) {
      reading.line = field.line;
      return reading;
    }
    if (reading.stop == FieldReading::Stop::AfterQuote) break;
  }
  reading.line = cursor.line();
  reading.rest = cursor.rest();
  return reading;
}

std::optional<std::vector<Field>> readFields(std::string_view bytes, std::size_t count) {
  FieldReading reading = readFieldsOf(bytes, count);
  if (reading.stop != FieldReading::Stop::Complete) return std::nullopt;
  return std::move(reading.fields);
}

}  // namespace velmoran
