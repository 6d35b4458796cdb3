#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmoran {

// One field of a game file, still in the file's bytes.
struct Field {
  std::string bytes;
  bool quoted = false;
};

// Reads the first `count` fields of a game file. Fields are separated by commas or line
// breaks; blanks around a field are ignored, so an empty line is an empty field; a field
// may be enclosed in double quotes (and must be to hold a comma or a line break), where a
// doubled quote stands for one quote. Anything after the last field wanted is ignored.
// Empty if the file holds fewer fields or a quoted field is not closed properly.
std::optional<std::vector<Field>> readFields(std::string_view bytes, std::size_t count);

}  // namespace velmoran
