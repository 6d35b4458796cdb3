// SPDX-License-Identifier: GPL-3.0-or-later
// The program velmoran-data-check as an editor runs it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "files/data_files.h"
#include "test_game_folder.h"

namespace velmoran {
namespace {

struct CheckRun {
  int exitStatus;
  std::string out;
};

// Runs the checker in `workingFolder` with `arguments`, keeping its standard output.
CheckRun check(const std::filesystem::path& workingFolder, const std::string& arguments) {
  const std::string command = "cd '" + workingFolder.string() + "' && '" VELMORAN_DATA_CHECK "' " +
                              arguments + " 2>/dev/null";
  FILE* pipe = ::popen(command.c_str(), "r");
  CheckRun run{-1, ""};
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    run.out.append(buffer, n);
  const int status = ::pclose(pipe);
  run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

TEST(DataCheckProgram, PassesTheShippedData) {
  const CheckRun run = check(".", "'" VELMORAN_SOURCE_GAME_FOLDER "'");
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.out,
            "Texty hry jsou v pořádku (souborů: " + std::to_string(dataFiles().size()) + ").\n");
}

TEST(DataCheckProgram, ChecksTheWorkingFolderAndFailsOnAProblem) {
  testing::TestGameFolder folder;
  for (const DataFile& file : dataFiles()) folder.writeDataText(file.name, 0, "Text ", 1, 0, 1);
  folder.writeChronicleTexts();
  folder.remove("data/nic.ini");
  const CheckRun run = check(folder.path(), "");
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.out, "data/nic.ini:1: soubor chybí; hra ho ukazuje po příkazu „Nic“\n");
}

TEST(DataCheckProgram, CannotCheckAFolderWithoutData) {
  testing::TestGameFolder folder;
  folder.remove("data");
  const CheckRun run = check(folder.path(), "");
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(check(folder.path(), "a b").exitStatus, 2);
}

}  // namespace
}  // namespace velmoran
