// SPDX-License-Identifier: GPL-3.0-or-later
// The data texts on the game screen's info panel, in its real font: the shipped texts fit, and
// so does any text of such words that the data checker lets through.

#include <QLabel>
#include <QTest>
#include <string>
#include <vector>

#include "data_check/panel_fit.h"
#include "files/cp1250.h"
#include "files/data_files.h"
#include "files/data_text.h"
#include "files/game_files.h"
#include "screens/game_window.h"
#include "screens/text_conversion.h"

using velmoran::DataFile;
using velmoran::GameScreen;
using velmoran::GameWindow;

namespace {

// Every shipped text as the panel shows it, with the widest amount its command appends.
std::vector<std::string> shippedTexts() {
  std::vector<std::string> texts;
  for (const DataFile& file : velmoran::dataFiles()) {
    const auto bytes =
        velmoran::readGameFile(std::string(VELMORAN_GAME_SOURCE "/data/") + file.name);
    const auto record = bytes ? velmoran::parseDataText(*bytes) : std::nullopt;
    if (record) texts.push_back(record->infoText + file.widestAmount);
  }
  return texts;
}

std::u32string codePoints(const std::string& text) {
  return velmoran::utf8CodePoints(text).value_or(U"");
}

}  // namespace

class PanelTextFitTest : public QObject {
  Q_OBJECT

  // Whether the panel shows the whole text, in bold or not.
  static bool fits(const std::string& text, bool bold) {
    GameWindow window;
    GameScreen screen;
    screen.look.boldInfoText = bold;
    screen.info = text;
    window.showState(screen);
    const auto* info = window.findChild<QLabel*>(QStringLiteral("info"));
    const int margin = info->margin();
    const QRect room =
        info->contentsRect().marginsRemoved(QMargins(margin, margin, margin, margin));
    const QRect needed = info->fontMetrics().boundingRect(
        room, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, velmoran::qtText(text));
    return needed.width() <= room.width() && needed.height() <= room.height();
  }

 private slots:
  void everyShippedTextFits() {
    const std::vector<std::string> texts = shippedTexts();
    QCOMPARE(texts.size(), velmoran::dataFiles().size());
    for (bool bold : {false, true}) {
      for (const std::string& text : texts) QVERIFY2(fits(text, bold), text.c_str());
    }
  }

  // The shipped texts' words one after another, cut into texts that fill the checker's limit
  // to the last word: each still fits in bold.
  void theCheckersLimitIsSound() {
    std::string all;
    for (const std::string& text : shippedTexts()) all += text + " ";
    std::string text;
    int filled = 0;
    for (std::size_t start = 0, end; start < all.size(); start = end + 1) {
      end = all.find(' ', start);
      if (end == start) continue;
      const std::string longer = text + (text.empty() ? "" : " ") + all.substr(start, end - start);
      if (velmoran::fitsPanel(codePoints(longer))) {
        text = longer;
        continue;
      }
      QVERIFY2(fits(text, true), text.c_str());
      ++filled;
      text = all.substr(start, end - start);
    }
    QVERIFY(filled >= 20);
  }
};

QTEST_MAIN(PanelTextFitTest)
#include "panel_text_fit_test.moc"
