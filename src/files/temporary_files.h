// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

namespace velmoran {

// The temporary files through which the game replaces its files. Every write has one of its
// own, beside the file it replaces and named after it, the writing process and a number drawn
// for it ("best.dat.4711-8015.tmp"), so that two copies of the game never share one, nothing
// planted beforehand stands in its way, and the leftovers of a killed copy can be told from the
// files of a copy still writing.

// Creates a new temporary file for `target` and opens it for writing: created exclusively,
// never through a link, closed on exec. Its path goes to `temporary`; -1 on failure.
int createTemporaryFile(const std::filesystem::path& target, std::filesystem::path& temporary);

// Removes the temporary files of `target` that no running copy of the game is writing: those
// of processes that are gone, and "<name>.tmp" that earlier versions of the game left behind.
// The game writes its files from one thread, one at a time, so a file of this process found
// here is a leftover of an earlier process that had the same number.
void removeLeftoverTemporaryFiles(const std::filesystem::path& target);
// The same for the temporary files in `folder` of every file whose name `isTarget` accepts.
void removeLeftoverTemporaryFilesIn(const std::filesystem::path& folder,
                                    const std::function<bool(std::string_view)>& isTarget);

}  // namespace velmoran
