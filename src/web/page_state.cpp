// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_state.h"

#include <array>
#include <initializer_list>
#include <vector>

#include "files/decimal_text.h"
#include "state/menu_entries.h"
#include "state/quantity.h"
#include "state/session.h"

namespace velmoran {

namespace {

constexpr Screen kScreens[] = {Screen::Menu,      Screen::Main,  Screen::Prohra, Screen::Vzpoura,
                               Screen::Nastaveni, Screen::About, Screen::Splash};

std::string jsonBool(bool value) {
  return value ? "true" : "false";
}

// Members "name":value, in the order given.
std::string jsonObject(std::initializer_list<std::pair<const char*, std::string>> members) {
  std::string out = "{";
  for (const auto& [name, value] : members) {
    if (out.size() > 1) out += ',';
    out += jsonString(name) + ':' + value;
  }
  return out + '}';
}

template <typename Range, typename Write>
std::string jsonArray(const Range& items, Write write) {
  std::string out = "[";
  for (const auto& item : items) {
    if (out.size() > 1) out += ',';
    out += write(item);
  }
  return out + ']';
}

std::string gameJson(const Game& game) {
  const GameScreen& screen = game.screen();
  std::string texts = "{";
  for (const auto& info : kQuantities) {
    if (texts.size() > 1) texts += ',';
    texts += jsonString(std::string(info.name)) + ':' + jsonString(game.text(info.quantity));
  }
  texts += '}';
  const DisplaySettings& look = screen.look;
  const RebellionScreen& sides = game.rebellion();
  const auto strings = [](const std::string& s) { return jsonString(s); };
  return jsonObject({
      {"texts", texts},
      {"info", jsonString(screen.info)},
      {"ok", jsonBool(screen.okVisible)},
      {"ano", jsonBool(screen.anoVisible)},
      {"ne", jsonBool(screen.neVisible)},
      {"report", jsonBool(screen.reportVisible)},
      {"month", jsonBool(screen.monthBannerVisible)},
      {"partisanShare", std::to_string(screen.partisanShare)},
      {"look", jsonArray(std::initializer_list<bool>{look.boldInfoText, look.whiteOnBlackInfo,
                                                     look.boldButtons},
                         jsonBool)},
      {"menuEnabled", jsonArray(screen.menuEnabled, jsonBool)},
      {"enabled", jsonBool(screen.enabled)},
      {"stebou", jsonArray(sides.stebou, strings)},
      {"protitobe", jsonArray(sides.protitobe, strings)},
      {"tvojes", jsonString(sides.tvojes)},
      {"jejichs", jsonString(sides.jejichs)},
  });
}

// The title menu's offer: null, "elsewhere", or the unfinished reign's ruler, country and
// month.
std::string reignJson(const Session::ReignOffer& offer) {
  using State = Session::ReignOffer::State;
  if (offer.state == State::Elsewhere) return jsonString("elsewhere");
  if (offer.state != State::Offered) return "null";
  return jsonObject({{"ruler", jsonString(offer.ruler)},
                     {"country", jsonString(offer.country)},
                     {"month", std::to_string(offer.month)}});
}

// "1. Kazimír Dlouhověký, 48 měsíců": each row of the best scores as a screen reader says it.
// A row nobody holds yet says so.
std::vector<std::string> bestScoreReadings(const std::array<std::string, 6>& shown) {
  std::vector<std::string> rows;
  for (std::size_t at = 0; at + 1 < shown.size(); at += 2) {
    const std::string& name = shown[at];
    const std::string& months = shown[at + 1];
    const auto count = strictWholeNumber(months);
    const std::string place = std::to_string(rows.size() + 1) + ". ";
    if (name.empty() && months.empty()) {
      rows.push_back(place + "volné místo");
      continue;
    }
    rows.push_back(place + (name.empty() ? "bez jména" : name) + ", " +
                   (count ? monthsCount(*count) : months + " měsíců"));
  }
  return rows;
}

}  // namespace

std::string jsonString(const std::string& text) {
  static const char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    } else {
      out += c;
    }
  }
  return out + '"';
}

std::string pageState(Session& session, unsigned infoWrites) {
  std::string open = "[";
  for (const Screen screen : kScreens) {
    if (!session.isOpen(screen)) continue;
    if (open.size() > 1) open += ',';
    open += jsonString(screenName(screen));
  }
  open += ']';
  const auto strings = [](const std::string& s) { return jsonString(s); };
  const Game* game = session.game();
  return jsonObject({
      {"open", open},
      {"reign", reignJson(session.reignOffer())},
      {"finished", jsonBool(session.finished())},
      {"game", game ? gameJson(*game) : "null"},
      {"infoWrites", std::to_string(infoWrites)},
      {"scores", jsonArray(session.bestScoresShown(), strings)},
      {"scoreReadings", jsonArray(bestScoreReadings(session.bestScoresShown()), strings)},
      {"checks", jsonArray(session.settingsChecks(), jsonBool)},
  });
}

std::string menuBarJson() {
  const auto menu = [](const MenuInfo& info) {
    const auto entries = [&info] {
      std::string out = "[";
      for (const auto& entry : kMenuEntries) {
        if (entry.menu != info.objectName) continue;
        if (out.size() > 1) out += ',';
        out += jsonObject({{"index", std::to_string(indexOf(entry.entry))},
                           {"name", jsonString(std::string(entry.objectName))},
                           {"command", jsonString(std::string(entry.command))},
                           {"caption", jsonString(std::string(entry.caption))},
                           {"shortcut", jsonString(std::string(entry.shortcut))}});
      }
      return out + ']';
    };
    return jsonObject({{"name", jsonString(std::string(info.objectName))},
                       {"caption", jsonString(std::string(info.caption))},
                       {"entries", entries()}});
  };
  return jsonArray(kMenus, menu);
}

std::string chronicleJson(const ReignChronicle& chronicle,
                          const std::vector<ChronicleLine>& lines) {
  const auto figures = [](const MonthFigures& f) {
    std::string row = "[" + std::to_string(f.month) + ',' + std::to_string(f.treasury) + ',' +
                      std::to_string(f.budget) + ',' + std::to_string(f.territory) + ',' +
                      std::to_string(f.defence) + ',' + std::to_string(f.partisans) + ',' +
                      std::to_string(f.bordanie);
    for (const long long p : f.popularity) row += ',' + std::to_string(p);
    return row + ']';
  };
  const auto line = [](const ChronicleLine& l) {
    return jsonObject({{"month", std::to_string(l.month)}, {"text", jsonString(l.text)}});
  };
  return jsonObject({{"heading", jsonString(chronicleHeading(chronicle))},
                     {"ruler", jsonString(chronicle.ruler)},
                     {"country", jsonString(chronicle.country)},
                     {"months", std::to_string(chronicle.months)},
                     {"figures", jsonArray(chronicle.figures, figures)},
                     {"lines", jsonArray(lines, line)}});
}

}  // namespace velmoran
