// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into the game's core (--post-js), where emscripten's file system is in scope.
//
// emscripten 3.1.6's rename over an existing file leaves the replaced file in the file system's
// table of names: once the new file is removed, a lookup of the name finds the old one again
// (readdir does not list it). Every file of the player's is replaced by a rename, and the
// unfinished reign is removed when it ends, so a finished reign would come back. The replaced
// file is removed first; nothing runs between the two steps.
(function () {
  var rename = FS.rename;
  FS.rename = function (from, to) {
    var target = null;
    var source = null;
    try {
      source = FS.lookupPath(from).node;
      target = FS.lookupPath(to).node;
    } catch (e) {
      // no file under the new name: nothing is replaced
    }
    if (source && target && source !== target && !FS.isDir(target.mode)) FS.unlink(to);
    return rename(from, to);
  };
})();
