// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <utility>

#include "files/reign_chronicle.h"

namespace velmoran {

// Writes the chronicle of a reign while it is played. It only takes notes: nothing of the
// game reads them until the reign is over.
class ReignRecorder {
 public:
  // A moment of the reign. A chronicle that is full still takes the reign's end, in the place
  // of its last moment.
  void note(const Moment& moment);
  // The figures at the end of a month. A reign longer than a kept chronicle holds is kept at
  // every second month, then every fourth, and so on, so that the chart still spans all of
  // it: from its first month, which always stays, to its last, which finish() adds.
  void recordMonth(const MonthFigures& figures);
  // Whether the figures of `month` would be kept, so that a month left out costs nothing.
  bool keepsMonth(long long month) const {
    return chronicle_.figures.empty() || month % stride_ == 0;
  }
  // The chronicle so far with the country as the reign ended, under the names and the score
  // of its end.
  ReignChronicle finish(const MonthFigures& last, const std::string& ruler,
                        const std::string& country, long long months) const;

  // What has been recorded, and every how many months a month's figures are kept: all that a
  // kept reign needs to record on where it stopped.
  const ReignChronicle& recorded() const { return chronicle_; }
  long long stride() const { return stride_; }
  ReignRecorder() = default;
  ReignRecorder(ReignChronicle recorded, long long stride)
      : chronicle_(std::move(recorded)), stride_(stride) {}

 private:
  ReignChronicle chronicle_;
  long long stride_ = 1;
};

}  // namespace velmoran
