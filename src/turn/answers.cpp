// SPDX-License-Identifier: GPL-3.0-or-later
#include "turn/answers.h"

#include "files/question_codes.h"
#include "state/game.h"
#include "turn/monthly_events.h"

namespace velmoran {

namespace {

struct Change {
  Quantity quantity;
  int delta;
};

struct Answer {
  std::int32_t questionCode;
  Change changes[3];
  int changeCount;
  bool clearsPanelFirst;  // 8888 empties the panel before its changes
};

// What a Yes does to the country, question by question.
constexpr Answer kYesAnswers[] = {
    {99999, {{Quantity::rozpocet, -25}, {Quantity::delo, 2}}, 2, false},
    {999999, {{Quantity::rozpocet, -10}}, 1, false},
    {88, {{Quantity::rozpocet, -30}, {Quantity::chuo, 3}, {Quantity::into, 1}}, 3, false},
    {888, {{Quantity::rozpocet, 50}, {Quantity::delo, 2}}, 2, false},
    {8888, {{Quantity::chuo, 2}, {Quantity::into, 1}}, 2, true},
    {88888, {{Quantity::rozpocet, -40}, {Quantity::into, 3}}, 2, false},
    {888888, {{Quantity::rozpocet, 35}, {Quantity::rol, 3}}, 2, false},
    {77, {{Quantity::rolo, -1}, {Quantity::into, -1}, {Quantity::delo, -1}}, 3, false},
};

const Answer* yesAnswerFor(std::int32_t code) {
  for (const Answer& answer : kYesAnswers) {
    if (answer.questionCode == code) return &answer;
  }
  return nullptr;
}

}  // namespace

void ano_Click(Game& game) {
  WorkingVars& v = game.vars();
  if (const Answer* answer = yesAnswerFor(v.questionCode)) {
    if (answer->clearsPanelFirst) game.setInfo("");
    for (int i = 0; i < answer->changeCount; ++i) {
      game.add(answer->changes[i].quantity, answer->changes[i].delta);
    }
    v.questionCode = kNoQuestion;
  }
  game.setInfo("");
  if (v.questionCode == kAcquaintance) {
    game.note(MomentKind::Acquaintance);
    v.textFileName = "seznameni.ini";
    game.otevri();
    v.partner = true;
  } else if (v.questionCode == kDeposition || v.questionCode == kAssassination) {
    v.textBaseName = v.questionCode == kDeposition ? "sesazeni" : "atentat";
    kratkanahoda(game);
    game.otevri();
  }
}

void ne_Click(Game& game) {
  WorkingVars& v = game.vars();
  if (v.questionCode == kAcquaintance) {
    v.buttonMode = 1;
    game.setInfo("Hlupáku");
  } else if (isAnswerable(v.questionCode)) {
    // Declining costs and brings nothing, and shows no further text.
    v.questionCode = kNoQuestion;
    game.setInfo("");
  }
}

}  // namespace velmoran
