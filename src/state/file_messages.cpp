// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/file_messages.h"

namespace velmoran {

namespace {

const char* causeOf(FileFault fault) {
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
    case FileFault::Other:
      return "čtení nebo zápis na disk selhal.";
  }
  return nullptr;
}

}  // namespace

std::string withCause(const std::string& sentence, FileFault fault) {
  const char* cause = causeOf(fault);
  return cause ? sentence + "\nPříčina: " + cause : sentence;
}

}  // namespace velmoran
