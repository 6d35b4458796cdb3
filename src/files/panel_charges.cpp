// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/panel_charges.h"

#include "files/question_codes.h"

namespace velmoran {

namespace {

// The charges after the text is up: Ok, or one answer.
int onOk(const DataText& record) {
  return record.monthEnd == 1 || record.questionCode == kChainsToSecondText ? 0 : 1;
}

Charges afterShown(const DataText& record) {
  if (record.questionCode == kNoQuestion) return {0, 0};
  if (record.questionCode == kPlainText || record.buttonMode == 1) {
    const int ok = onOk(record);
    return {ok, ok};
  }
  if (record.buttonMode != 2) return {0, 0};  // no buttons of its own to press
  // A Yes clears the panel. A No clears it too, but a No to the acquaintance writes "Hlupáku"
  // under an Ok, and a No to a code no answer knows does nothing at all.
  if (record.questionCode == kAcquaintance) return {1, 1 + onOk(record)};
  if (isAnswerable(record.questionCode)) return {1, 1};
  return {0, 1};
}

}  // namespace

Charges timesCharged(const DataFile& file, const DataText& record) {
  int shown = 1;
  if (file.amountAppended()) ++shown;
  if (file.role == DataFileRole::Welcome) --shown;
  const Charges after = afterShown(record);
  return {shown + after.least, shown + after.most};
}

}  // namespace velmoran
