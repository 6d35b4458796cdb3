// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into the game's core (--post-js), where emscripten's file system is in scope.
//
// emscripten's file system takes every name apart and puts it together again, in JavaScript,
// each time a file is opened or looked at: about a third of a month turn went there. A month
// names the same few files again and again, and a name's normal form depends on the name alone
// (on the working folder too when the name is relative: such names are worked out anew), so
// each one is worked out once and remembered.
(function () {
  var limit = 4096;

  function remembered(work, key) {
    var known = new Map();
    return function () {
      var name = key(arguments);
      if (name === null) return work.apply(null, arguments);
      var found = known.get(name);
      if (found !== undefined) return found;
      if (known.size >= limit) known.clear();
      found = work.apply(null, arguments);
      known.set(name, found);
      return found;
    };
  }

  PATH.normalize = remembered(PATH.normalize, function (names) {
    return typeof names[0] === 'string' ? names[0] : null;
  });

  // A C name holds no NUL, so the names joined by one give one key; only absolute names are
  // remembered, the rest depend on the working folder.
  PATH_FS.resolve = remembered(PATH_FS.resolve, function (names) {
    var absolute = false;
    for (var i = 0; i < names.length; i++) {
      if (typeof names[i] !== 'string') return null;
      if (names[i].charAt(0) === '/') absolute = true;
    }
    return absolute ? Array.prototype.join.call(names, '\0') : null;
  });
})();
