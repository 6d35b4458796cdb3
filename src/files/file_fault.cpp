// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_fault.h"

#include <cerrno>

namespace velmoran {

FileFault faultOfError(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return FileFault::Missing;
    case EISDIR:
    case ENXIO:
    case ENODEV:
      return FileFault::NotAFile;
    case EACCES:
    case EPERM:
    case EROFS:
      return FileFault::ReadOnly;
    case ENOSPC:
    case EDQUOT:
      return FileFault::DiskFull;
    case ELOOP:
      return FileFault::LinkNotFollowed;
    case EFBIG:
      return FileFault::TooLarge;
    default:
      return FileFault::Other;
  }
}

const char* faultCause(FileFault fault) {
  switch (fault) {
    case FileFault::None:
      break;
    case FileFault::Missing:
      return "soubor neexistuje.";
    case FileFault::NotAFile:
      return "na místě souboru je složka nebo něco jiného, co není obyčejný soubor.";
    case FileFault::NotReadable:
      return "hra nemá právo soubor číst.";
    case FileFault::ReadOnly:
      return "soubor nebo jeho složka je jen pro čtení.";
    case FileFault::DiskFull:
      return "na disku není místo.";
    case FileFault::LinkNotFollowed:
      return "soubor je symbolický odkaz, který hra nenásleduje (patří jinému uživateli, nebo "
             "vede na soubor jiného druhu).";
    case FileFault::TooLarge:
      return "soubor je větší než 1 MiB.";
    case FileFault::Damaged:
      return "soubor je poškozený, jeho obsah nejde přečíst.";
    case FileFault::Exists:
      return "soubor tohoto jména už existuje a hra ho bez dovolení nepřepíše.";
    case FileFault::NoFolder:
      return "složka, do které se má soubor zapsat, neexistuje.";
    case FileFault::GameFile:
      return "je to soubor hry (tabulka, nastavení, text, kronika, zvuk nebo nápověda), ten hra "
             "nepřepíše.";
    case FileFault::Other:
      return "čtení nebo zápis na disk selhal.";
  }
  return nullptr;
}

}  // namespace velmoran
