// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmoran {

// Why one of the game's files could not be read or written, told so that the player can put
// it right.
enum class FileFault {
  None,
  Missing,          // no file of that name
  NotAFile,         // a folder, a FIFO or a device in the file's place
  NotReadable,      // the player may not read it
  ReadOnly,         // the file, its folder or the whole disk may not be written
  DiskFull,         // no room left, or the player's quota is used up
  LinkNotFollowed,  // a symbolic link of another user, or to a file of another kind
  TooLarge,         // larger than any file of the game can be
  Damaged,          // read whole, but it does not hold what it should
  Exists,           // a new file was to be written, and something of that name is there
  NoFolder,         // the folder the file was to be written into does not exist
  GameFile,         // one of the game's own files, which a file the player names never replaces
  Other,            // the system failed in a way the player cannot mend
};

// The fault an error number of the system stands for.
FileFault faultOfError(int error);

// Why, in Czech words the player can act on ("soubor neexistuje."); null for None.
const char* faultCause(FileFault fault);

}  // namespace velmoran
