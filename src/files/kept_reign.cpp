// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/kept_reign.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <limits>
#include <map>
#include <set>

#include "files/cp1250.h"
#include "files/decimal_text.h"
#include "files/followed_links.h"
#include "files/game_files.h"
#include "files/quoted_text.h"
#include "files/record_reader.h"

namespace velmoran {

namespace {

namespace fs = std::filesystem;

constexpr char kHeading[] = "VELMORAN ROZEHRANÁ VLÁDA";
constexpr char kLineBreak[] = "\r\n";
// The key of the last record: the chronicle follows it.
constexpr char kChronicleKey[] = "kronika";
constexpr char kQuantityKey[] = "velicina";
constexpr char kAsideStem[] = "rozehrana-odlozena-";
constexpr int kMostAsideNames = 1000;

std::string flag(bool on) {
  return on ? "1" : "0";
}

std::string line(const std::string& key, const std::vector<std::string>& fields) {
  std::string out = key;
  for (const std::string& field : fields) out += ", " + field;
  return out + kLineBreak;
}

std::vector<std::string> quotedAll(const std::vector<std::string>& texts) {
  std::vector<std::string> fields;
  for (const std::string& text : texts) fields.push_back(quotedField(text));
  return fields;
}

// One record of the file: its key and its other fields.
struct Record {
  std::string key;
  bool keyQuoted = false;
  std::vector<Field> fields;
};

// The records up to the chronicle's, one a line; the chronicle's bytes follow it. Empty if a
// line does not read as fields.
struct Records {
  std::vector<Record> records;
  std::string_view chronicle;
};

std::optional<Record> recordOf(std::string_view text) {
  if (text.find('\r') != std::string_view::npos || text.empty()) return std::nullopt;
  const auto commas = static_cast<std::size_t>(std::count(text.begin(), text.end(), ','));
  FieldReading reading = readFieldsOf(text, commas + 1);
  const bool whole = reading.stop == FieldReading::Stop::TooFew ||
                     (reading.stop == FieldReading::Stop::Complete &&
                      reading.rest.find_first_not_of(" \t") == std::string_view::npos);
  if (!whole || reading.fields.empty()) return std::nullopt;
  Record record{reading.fields[0].bytes, reading.fields[0].quoted, {}};
  record.fields.assign(std::make_move_iterator(reading.fields.begin() + 1),
                       std::make_move_iterator(reading.fields.end()));
  return record;
}

std::optional<Records> recordsOf(std::string_view bytes) {
  Records out;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos) return std::nullopt;
    std::string_view text = bytes.substr(0, end);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    bytes.remove_prefix(end + 1);
    auto record = recordOf(text);
    if (!record) return std::nullopt;
    const bool last = record->key == kChronicleKey;
    out.records.push_back(std::move(*record));
    if (last) {
      out.chronicle = bytes;
      return out;
    }
  }
  return std::nullopt;
}

// Reads the fields of the records into a reign, each key at most once (the quantities
// aside), every key known.
class RecordReader {
 public:
  explicit RecordReader(KeptReign& reign) : r_(reign) {}

  bool read(const Record& record) {
    if (record.keyQuoted) return false;
    if (record.key == kQuantityKey) return quantity(record.fields);
    if (!seen_.insert(record.key).second) return false;
    const auto it = readers().find(record.key);
    return it != readers().end() && it->second(*this, record.fields);
  }
  // Every key a reign needs is there, and the rebellion whole or not at all.
  bool complete() const {
    for (const auto& [key, reader] : readers()) {
      if (!seen_.count(key) && !isRebellionKey(key)) return false;
    }
    const auto rebellionKeys = std::count_if(seen_.begin(), seen_.end(), isRebellionKey);
    return rebellionKeys == 0 || rebellionKeys == 3;
  }

 private:
  using Fields = std::vector<Field>;
  using Reader = std::function<bool(RecordReader&, const Fields&)>;

  static bool isRebellionKey(const std::string& key) {
    return key == "vzpoura" || key == "s-tebou" || key == "proti-tobe";
  }

  template <typename Number>
  static bool number(const Field& field, Number& out) {
    if (field.quoted) return false;
    const auto n = strictWholeNumber(field.bytes);
    // Every type read here fits in a long long, with room to spare.
    if (!n || *n < static_cast<long long>(std::numeric_limits<Number>::min()) ||
        *n > static_cast<long long>(std::numeric_limits<Number>::max())) {
      return false;
    }
    out = static_cast<Number>(*n);
    return true;
  }
  static bool flagOf(const Field& field, bool& out) {
    std::uint8_t n = 0;
    if (!number(field, n) || n > 1) return false;
    out = n == 1;
    return true;
  }
  static bool text(const Field& field, std::string& out) {
    auto t = unquotedField(field);
    if (!t) return false;
    out = std::move(*t);
    return true;
  }
  static bool texts(const Fields& fields, std::vector<std::string>& out) {
    for (const Field& field : fields) {
      if (!text(field, out.emplace_back())) return false;
    }
    return true;
  }
  static Reader one(bool (*read)(const Field&, KeptReign&)) {
    return [read](RecordReader& r, const Fields& f) { return f.size() == 1 && read(f[0], r.r_); };
  }

  bool quantity(const Fields& fields) {
    if (fields.size() != 2 || fields[0].quoted) return false;
    std::string value;
    if (!text(fields[1], value)) return false;
    r_.quantities.emplace_back(fields[0].bytes, std::move(value));
    return true;
  }

  static const std::map<std::string, Reader>& readers() {
    using F = const Field&;
    using R = KeptReign&;
    static const std::map<std::string, Reader> all = {
        {"panel", one([](F f, R r) { return text(f, r.info); })},
        {"tlacitka",
         [](RecordReader& rr, const Fields& f) {
           return f.size() == 3 && flagOf(f[0], rr.r_.okVisible) &&
                  flagOf(f[1], rr.r_.anoVisible) && flagOf(f[2], rr.r_.neVisible);
         }},
        {"zprava", one([](F f, R r) { return flagOf(f, r.reportVisible); })},
        {"novy-mesic", one([](F f, R r) { return flagOf(f, r.monthBannerVisible); })},
        {"uzemi-partyzanu",
         one([](F f, R r) { return number(f, r.partisanShare) && r.partisanShare <= 100; })},
        {"vzhled",
         [](RecordReader& rr, const Fields& f) {
           auto& look = rr.r_.look;
           return f.size() == 3 && flagOf(f[0], look[0]) && flagOf(f[1], look[1]) &&
                  flagOf(f[2], look[2]);
         }},
        {"zapnuto", one([](F f, R r) { return flagOf(f, r.enabled); })},
        {"stazeno",
         [](RecordReader& rr, const Fields& f) {
           for (const Field& entry : f) {
             if (entry.quoted || entry.bytes.empty()) return false;
             rr.r_.withdrawn.push_back(entry.bytes);
           }
           return true;
         }},
        {"generator", one([](F f, R r) { return number(f, r.random); })},
        {"nahoda",
         [](RecordReader& rr, const Fields& f) {
           return f.size() == 3 && number(f[0], rr.r_.drawRange) && number(f[1], rr.r_.drawBase) &&
                  number(f[2], rr.r_.drawnNumber);
         }},
        {"smi-jednat", one([](F f, R r) { return flagOf(f, r.mayAct); })},
        {"soubor", one([](F f, R r) { return text(f, r.textFileName); })},
        {"text", one([](F f, R r) { return text(f, r.infoText); })},
        {"otazka", one([](F f, R r) { return number(f, r.questionCode); })},
        {"rezim-tlacitek", one([](F f, R r) { return number(f, r.buttonMode); })},
        {"castka", one([](F f, R r) { return number(f, r.moneyAmount); })},
        {"konec-mesice", one([](F f, R r) { return number(f, r.monthEnd); })},
        {"zaklad-jmena", one([](F f, R r) { return text(f, r.textBaseName); })},
        {"partner", one([](F f, R r) { return flagOf(f, r.partner); })},
        {"zmena-pohlavi", one([](F f, R r) { return flagOf(f, r.sexChange); })},
        {"vzpoura",
         [](RecordReader& rr, const Fields& f) {
           auto& rebellion = rr.r_.rebellion.emplace();
           return f.size() == 2 && text(f[0], rebellion.tvojes) && text(f[1], rebellion.jejichs);
         }},
        {"s-tebou",
         [](RecordReader& rr, const Fields& f) {
           return rr.r_.rebellion && texts(f, rr.r_.rebellion->stebou);
         }},
        {"proti-tobe",
         [](RecordReader& rr, const Fields& f) {
           return rr.r_.rebellion && texts(f, rr.r_.rebellion->protitobe);
         }},
        {kChronicleKey,
         one([](F f, R r) { return number(f, r.chronicleStride) && r.chronicleStride > 0; })},
    };
    return all;
  }

  KeptReign& r_;
  std::set<std::string> seen_;
};

KeptReignReading damaged() {
  KeptReignReading reading;
  reading.fault = FileFault::Damaged;
  return reading;
}

bool lexists(const fs::path& path) {
  struct stat info;
  return ::lstat(path.c_str(), &info) == 0;
}

}  // namespace

std::string keptReignBytes(const KeptReign& r) {
  std::string out = *encodeCp1250(std::string("\"") + kHeading + "\"") + ", " +
                    std::to_string(kKeptReignVersion) + kLineBreak;
  for (const auto& [name, value] : r.quantities) {
    out += line(kQuantityKey, {name, quotedField(value)});
  }
  out += line("panel", {quotedField(r.info)});
  out += line("tlacitka", {flag(r.okVisible), flag(r.anoVisible), flag(r.neVisible)});
  out += line("zprava", {flag(r.reportVisible)});
  out += line("novy-mesic", {flag(r.monthBannerVisible)});
  out += line("uzemi-partyzanu", {std::to_string(r.partisanShare)});
  out += line("vzhled", {flag(r.look[0]), flag(r.look[1]), flag(r.look[2])});
  out += line("zapnuto", {flag(r.enabled)});
  out += line("stazeno", r.withdrawn);
  out += line("generator", {std::to_string(r.random)});
  out += line("nahoda", {std::to_string(r.drawRange), std::to_string(r.drawBase),
                         std::to_string(r.drawnNumber)});
  out += line("smi-jednat", {flag(r.mayAct)});
  out += line("soubor", {quotedField(r.textFileName)});
  out += line("text", {quotedField(r.infoText)});
  out += line("otazka", {std::to_string(r.questionCode)});
  out += line("rezim-tlacitek", {std::to_string(r.buttonMode)});
  out += line("castka", {std::to_string(r.moneyAmount)});
  out += line("konec-mesice", {std::to_string(r.monthEnd)});
  out += line("zaklad-jmena", {quotedField(r.textBaseName)});
  out += line("partner", {flag(r.partner)});
  out += line("zmena-pohlavi", {flag(r.sexChange)});
  if (r.rebellion) {
    out += line("vzpoura", {quotedField(r.rebellion->tvojes), quotedField(r.rebellion->jejichs)});
    out += line("s-tebou", quotedAll(r.rebellion->stebou));
    out += line("proti-tobe", quotedAll(r.rebellion->protitobe));
  }
  out += line(kChronicleKey, {std::to_string(r.chronicleStride)});
  return out + chronicleBytes(r.chronicle);
}

KeptReignReading parseKeptReign(std::string_view bytes) {
  const auto records = recordsOf(bytes);
  if (!records || records->records.empty()) return damaged();
  // The first line names the file and its version.
  const Record& first = records->records.front();
  long long version = 0;
  if (first.fields.size() == 1 && !first.fields[0].quoted) {
    version = strictWholeNumber(first.fields[0].bytes).value_or(0);
  }
  if (!first.keyQuoted || decodeCp1250(first.key) != std::optional<std::string>(kHeading) ||
      version <= 0) {
    return damaged();
  }
  if (version > kKeptReignVersion) {
    KeptReignReading newer = damaged();
    newer.newerVersion = version;
    return newer;
  }
  KeptReignReading reading;
  KeptReign& reign = reading.reign.emplace();
  RecordReader reader(reign);
  for (std::size_t i = 1; i < records->records.size(); ++i) {
    if (!reader.read(records->records[i])) return damaged();
  }
  auto chronicle = parseChronicle(records->chronicle);
  if (!reader.complete() || !chronicle) return damaged();
  reign.chronicle = std::move(*chronicle);
  return reading;
}

bool readsAsKeptReign(std::string_view bytes) {
  return parseKeptReign(bytes).reign.has_value();
}

KeptReignReading readKeptReign(const fs::path& path) {
  KeptReignReading reading;
  const auto links = followLinks(path);
  if (!links || !links->allOurs) {
    reading.fault = FileFault::LinkNotFollowed;
    return reading;
  }
  const auto bytes = readGameFile(path, &reading.fault);
  if (!bytes) return reading;
  return parseKeptReign(*bytes);
}

bool writeKeptReign(const fs::path& path, const KeptReign& reign, FileFault* fault) {
  const std::string bytes = keptReignBytes(reign);
  if (bytes.size() > kLargestGameFile) {
    if (fault) *fault = FileFault::TooLarge;
    return false;
  }
  return replaceGameFile(path, bytes, readsAsKeptReign, fault);
}

bool removeKeptReign(const fs::path& path) {
  return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

// A hard link takes the new name only if nothing holds it yet; where the file system has no
// hard links (or for a folder) the name is checked first, and the game writes its folder alone.
std::optional<fs::path> moveKeptReignAside(const fs::path& path) {
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  for (int n = 1; n <= kMostAsideNames; ++n) {
    const fs::path aside = folder / (kAsideStem + std::to_string(n) + ".dat");
    if (::link(path.c_str(), aside.c_str()) == 0) {
      ::unlink(path.c_str());
      return aside;
    }
    if (errno == EEXIST) continue;
    if (errno == ENOENT) return std::nullopt;
    if (!lexists(aside) && ::rename(path.c_str(), aside.c_str()) == 0) return aside;
  }
  return std::nullopt;
}

}  // namespace velmoran
