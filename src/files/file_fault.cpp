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

}  // namespace velmoran
