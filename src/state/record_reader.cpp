#include "state/record_reader.h"

namespace velmoran {

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}
bool isLineBreak(char c) {
  return c == '\r' || c == '\n';
}

class Cursor {
 public:
  explicit Cursor(std::string_view bytes) : bytes_(bytes) {}

  bool atEnd() const { return pos_ >= bytes_.size(); }
  char peek() const { return bytes_[pos_]; }
  void advance() { ++pos_; }

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

  std::optional<Field> quotedField() {
    advance();  // opening quote
    Field field{{}, true};
    for (;;) {
      if (atEnd()) return std::nullopt;
      const char c = peek();
      advance();
      if (c != '"') {
        field.bytes += c;
        continue;
      }
      if (!atEnd() && peek() == '"') {
        field.bytes += '"';
        advance();
        continue;
      }
      break;
    }
    skipBlanks();
    if (!consumeDelimiter()) return std::nullopt;
    return field;
  }

  Field bareField() {
    Field field;
    while (!atEnd() && peek() != ',' && !isLineBreak(peek())) {
      field.bytes += peek();
      advance();
    }
    while (!field.bytes.empty() && isBlank(field.bytes.back())) field.bytes.pop_back();
    consumeDelimiter();
    return field;
  }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

}  // namespace

std::optional<std::vector<Field>> readFields(std::string_view bytes, std::size_t count) {
  Cursor cursor(bytes);
  std::vector<Field> fields;
  fields.reserve(count);
  while (fields.size() < count) {
    cursor.skipBlanks();
    if (cursor.atEnd()) return std::nullopt;
    if (cursor.peek() == '"') {
      auto field = cursor.quotedField();
      if (!field) return std::nullopt;
      fields.push_back(std::move(*field));
    } else {
      fields.push_back(cursor.bareField());
    }
  }
  return fields;
}

}  // namespace velmoran
