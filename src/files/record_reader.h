// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmoran {

// One field of a game file, still in the file's bytes.
struct Field {
  std::string bytes;
  bool quoted = false;
  int line = 1;  // the line of the file it starts on, counted from 1
};

// How reading the fields of a game file went, told for the player who edits the file.
struct FieldReading {
  enum class Stop {
    Complete,       // every field wanted was read
    TooFew,         // the file ends before the last field wanted
    UnclosedQuote,  // a quoted field runs to the end of the file
    AfterQuote,     // something other than a separator follows a closing quote
  };
  std::vector<Field> fields;  // the fields read, whole or not
  Stop stop = Stop::Complete;
  // Where it stopped: the last field read, the opening quote, or where the rest begins.
  int line = 1;
  // What follows the last field wanted, or the stray bytes after a closing quote.
  std::string_view rest;
};

// Reads the first `count` fields of a game file. Fields are separated by commas or line
// breaks; blanks around a field are ignored, so an empty line is an empty field; a field
// may be enclosed in double quotes (and must be to hold a comma or a line break), where a
// doubled quote stands for one quote. Anything after the last field wanted is ignored.
FieldReading readFieldsOf(std::string_view bytes, std::size_t count);
// The same, empty unless complete.
std::optional<std::vector<Field>> readFields(std::string_view bytes, std::size_t count);

}  // namespace velmoran
