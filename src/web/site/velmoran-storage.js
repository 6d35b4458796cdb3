// SPDX-License-Identifier: GPL-3.0-or-later
// The player's files (best.dat, data.dat, the chronicles) kept in the browser's IndexedDB, one
// record a file under its path in the player's folder. The game reads and writes them in its
// own file system; `load` puts the stored files there before the game runs, `save` stores what
// the game changed before it waits for the player. Tabs take turns through a Web Lock, so that
// each one reads what the other wrote: two reigns ending at once both keep their scores.
// Storage the browser refuses, or that is full, leaves the files in the page alone: the game
// plays on and the player is told that nothing will be kept.
'use strict';

// eslint-disable-next-line no-unused-vars
const VelmoranStorage = (() => {
  const DATABASE = 'velmoran';
  const STORE = 'files';
  const LOCK = 'velmoran-files';
  const REFUSED = 'Prohlížeč nedovolí hře ukládat: skóre, nastavení ani kroniky se neuchovají.';
  const FULL = 'Úložiště prohlížeče je plné: skóre, nastavení ani kroniky se od teď neuchovají.';

  // An IndexedDB request, or a transaction to its end, as a promise. A failed request aborts
  // its transaction, which then fails with the request's error.
  function done(request) {
    return new Promise((resolve, reject) => {
      if (request instanceof IDBTransaction) {
        request.oncomplete = () => resolve();
        request.onabort = () => reject(request.error || new Error('aborted'));
      } else {
        request.onsuccess = () => resolve(request.result);
        request.onerror = () => reject(request.error);
      }
    });
  }

  function isQuota(error) {
    const name = String(error && (error.name || error.message || error));
    return name.includes('Quota');
  }

  function sameBytes(a, b) {
    if (!a || !b || a.length !== b.length) return false;
    for (let i = 0; i < a.length; i++) if (a[i] !== b[i]) return false;
    return true;
  }

  // Every file under `folder` in the game's file system: relative path -> bytes.
  function filesIn(FS, folder, relative = '') {
    const files = new Map();
    for (const name of FS.readdir(`${folder}/${relative}`)) {
      if (name === '.' || name === '..') continue;
      const path = relative ? `${relative}/${name}` : name;
      const { mode } = FS.stat(`${folder}/${path}`);
      if (FS.isDir(mode)) for (const [inner, bytes] of filesIn(FS, folder, path)) files.set(inner, bytes);
      else if (FS.isFile(mode)) files.set(path, FS.readFile(`${folder}/${path}`));
    }
    return files;
  }

  class PlayerFiles {
    // `folder` is the player's folder in the game's file system, `tell` shows the player a
    // sentence about the storage.
    constructor(folder, tell) {
      this.FS = null;
      this.folder = folder;
      this.tell = tell;
      this.kept = true;
      this.db = null;
      this.stored = new Map(); // what the browser holds, as this tab last read or wrote it
      this.release = null;
    }

    // Opens the browser's storage; it may be done while the game loads.
    async open() {
      try {
        if (!window.indexedDB) throw new Error('no IndexedDB');
        const request = indexedDB.open(DATABASE, 1);
        request.onupgradeneeded = () => request.result.createObjectStore(STORE);
        this.db = await done(request);
      } catch (error) {
        this.refuse(error);
      }
    }

    // The game's file system, once the game has loaded.
    use(FS) {
      this.FS = FS;
      FS.mkdirTree(this.folder);
    }

    refuse(error) {
      if (!this.kept) return;
      this.kept = false;
      this.tell(isQuota(error) ? FULL : REFUSED);
    }

    // Takes the files for a run of the game: waits for the other tabs, then reads what they
    // stored into the game's file system.
    async take() {
      if (!this.kept) return;
      if (navigator.locks && !this.release) {
        this.release = await new Promise((taken) => {
          navigator.locks.request(LOCK, () => new Promise((free) => taken(free))).catch(() => taken(null));
        });
      }
      try {
        await this.load();
      } catch (error) {
        this.refuse(error);
      }
    }

    // Gives the files back: stores what the game changed, then lets the other tabs have them.
    async giveBack() {
      try {
        if (this.kept) await this.save();
      } catch (error) {
        this.refuse(error);
      } finally {
        if (this.release) this.release();
        this.release = null;
      }
    }

    async load() {
      const transaction = this.db.transaction(STORE, 'readonly');
      const store = transaction.objectStore(STORE);
      const [paths, contents] = await Promise.all([done(store.getAllKeys()), done(store.getAll())]);
      const stored = new Map(paths.map((path, i) => [path, contents[i]]));
      const local = filesIn(this.FS, this.folder);
      for (const [path, bytes] of stored) {
        if (sameBytes(local.get(path), bytes)) continue;
        const slash = path.lastIndexOf('/');
        if (slash > 0) this.FS.mkdirTree(`${this.folder}/${path.slice(0, slash)}`);
        this.FS.writeFile(`${this.folder}/${path}`, bytes);
      }
      // A file another tab removed (an old chronicle) goes here too.
      for (const path of local.keys()) if (this.stored.has(path) && !stored.has(path)) this.FS.unlink(`${this.folder}/${path}`);
      this.stored = stored;
    }

    async save() {
      const local = filesIn(this.FS, this.folder);
      const changed = [...local].filter(([path, bytes]) => !sameBytes(this.stored.get(path), bytes));
      const removed = [...this.stored.keys()].filter((path) => !local.has(path));
      if (!changed.length && !removed.length) return;
      const transaction = this.db.transaction(STORE, 'readwrite');
      const store = transaction.objectStore(STORE);
      for (const [path, bytes] of changed) store.put(bytes, path);
      for (const path of removed) store.delete(path);
      await done(transaction);
      this.stored = local;
    }
  }

  return { PlayerFiles };
})();
