// SPDX-License-Identifier: GPL-3.0-or-later
// The player's files in the browser: kept across a reload and a closed tab, damaged ones read
// as the terminal edition reads them, storage the browser refuses or that is full, and two tabs
// ending reigns at once.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { comparable, playInTheTerminal, playScript, scriptLines } from './player.mjs';
import { comingBack, GAME, launch, openGame, serve, settled } from './support.mjs';

let server;
let browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser.close(); await server.close(); });

const REFUSED = 'Prohlížeč nedovolí hře ukládat: skóre, nastavení ani kroniky se neuchovají.';
const FULL = 'Úložiště prohlížeče je plné: skóre, nastavení ani kroniky se od teď neuchovají.';

// Files put straight into the browser's storage, as a damaged or foreign file would lie there.
async function storeFiles(page, files) {
  const records = Object.entries(files).map(([name, bytes]) => [name, [...bytes]]);
  await page.evaluate((given) => new Promise((resolve, reject) => {
    const request = indexedDB.open('velmoran', 1);
    request.onerror = () => reject(request.error);
    request.onsuccess = () => {
      const transaction = request.result.transaction('files', 'readwrite');
      for (const [name, bytes] of given) transaction.objectStore('files').put(new Uint8Array(bytes), name);
      transaction.oncomplete = () => { request.result.close(); resolve(); };
      transaction.onabort = () => reject(transaction.error);
    };
  }), records);
}

// A reign that ranks in the table, and settings changed; then what the next visit shows.
const reign = 'start\nVytrvalá\nKrálovství\nok\nzprava\nset vlada 70\nset kasa -20000\nprohra-ok\n' +
  'nastaveni\ncheck2\ncheck3\nulozit\n';
const nextVisit = 'top3\nprohra-ok\nnastaveni\nulozit\nstart\n\n\nok\nmkonec\n';

for (const [name, comeBack] of Object.entries(comingBack)) {
  test(`the scores, the settings and the chronicle outlive ${name}`, GAME, async () => {
    const context = await browser.newContext();
    let page = await openGame(context, server.url);
    const first = await playScript(page, scriptLines(reign));
    page = await comeBack(context, page);
    const second = await playScript(page, scriptLines(nextVisit));
    // The reign's chronicle opens from its row of the table.
    await playScript(page, ['top3']);
    await page.locator('#jm0').click();
    await page.locator('.window.chronicle #vladce').waitFor();
    const chronicle = await page.locator('.window.chronicle #vladce').textContent();
    await context.close();

    const [terminalFirst, terminalSecond] = playInTheTerminal([reign, nextVisit]);
    assert.equal(comparable(first), comparable(terminalFirst));
    assert.equal(comparable(second), comparable(terminalSecond));
    assert.match(second, /TOP \| Vytrvalá \| 70/);
    assert.match(chronicle, /^Vytrvalá, vládce země Království: 70 měsíců/);
  });
}

// Damaged files the player's storage holds: the same CHYBA boxes as the terminal edition's.
const cp1250 = (text) => Buffer.from(text, 'latin1');
const damaged = {
  'best.dat with months that are no number': {
    files: { 'best.dat': cp1250('Kazimir\nxx\nZdenka\n30\nAlois\n12\n') },
    script: 'top3\nprohra-ok\nstart\n\n\nset kasa -20000\nprohra-ok\n',
  },
  'best.dat of more than 1 MiB': {
    files: { 'best.dat': Buffer.alloc((1 << 20) + 10, 0x41) },
    script: 'top3\nprohra-ok\n',
  },
  'data.dat with two values': {
    files: { 'data.dat': cp1250('1\n1\n') },
    script: 'nastaveni\nulozit\nstart\n\n\nok\nmnewgame\nkonec\n',
  },
  'unfinished reign that is no reign': {
    files: { 'rozehrana.dat': cp1250('VELMORAN-ROZEHRANA 1\nnothing more\n') },
    script: 'pokracovat\nstart\n\n\nok\nmkonec\nstart\nano\n\n\nok\n',
  },
  'data.dat with a value out of range': {
    files: { 'data.dat': cp1250(' 0 \n 300 \n 1 \n') },
    script: 'nastaveni\ncheck1\nulozit\nnastaveni\n',
  },
};

for (const [name, { files, script }] of Object.entries(damaged)) {
  test(`a stored ${name} gives the terminal's CHYBA box`, GAME, async () => {
    const context = await browser.newContext();
    let page = await openGame(context, server.url);
    await storeFiles(page, files);
    page = await comingBack['a reload'](context, page);
    const transcript = await playScript(page, scriptLines(script));
    await context.close();
    assert.match(transcript, /MSG \| critical \| CHYBA \| /);
    assert.equal(comparable(transcript), comparable(playInTheTerminal(script, files)[0]));
  });
}

// Storage the browser will not give: the game plays all the same and says so, once.
const withoutStorage = {
  'refused': {
    note: REFUSED,
    prepare: (context) => context.addInitScript(() => {
      Object.defineProperty(window, 'indexedDB', { get: () => undefined });
    }),
  },
  'full': {
    note: FULL,
    prepare: async (context) => {
      // The origin's quota cut to a kilobyte: the first write fails as on a full disk.
      const page = await context.newPage();
      await page.goto(`${server.url}napoveda.html`);
      const devtools = await context.newCDPSession(page);
      await devtools.send('Storage.overrideQuotaForOrigin', { origin: server.url.replace(/\/$/, ''), quotaSize: 1024 });
      return page;
    },
  },
};

for (const [name, { note, prepare }] of Object.entries(withoutStorage)) {
  test(`storage that is ${name} leaves the game playable and says that nothing is kept`, GAME, async () => {
    const context = await browser.newContext();
    await prepare(context);
    const page = await openGame(context, server.url);
    const transcript = await playScript(page, scriptLines(reign + nextVisit));
    const shown = await page.locator('#storage-note').textContent();
    const kept = await page.evaluate(() => window.velmoran.storageKept());
    await context.close();
    assert.equal(shown, note);
    assert.equal(kept, false);
    const [terminal] = playInTheTerminal([reign + nextVisit]);
    assert.equal(comparable(transcript), comparable(terminal));
  });
}

// Two tabs whose reigns end at the same moment: both scores that rank are kept.
test('two tabs ending reigns at once keep both scores', GAME, async () => {
  const context = await browser.newContext();
  const tabs = [await openGame(context, server.url), await openGame(context, server.url)];
  const rulers = [['Alžběta', 90], ['Břetislav', 80]];
  await Promise.all(tabs.map((tab, i) => playScript(tab, ['start', rulers[i][0], '', 'ok', `set vlada ${rulers[i][1]}`])));
  // Both go bankrupt, and both answer the message at once: each reign ends in its tab together.
  await Promise.all(tabs.map((tab) => tab.evaluate(() => window.velmoran.set('kasa', '-20000'))));
  await Promise.all(tabs.map((tab) => settled(tab)));
  for (const tab of tabs) assert.equal(await tab.evaluate(() => window.velmoran.boxKind()), 'message');
  await Promise.all(tabs.map((tab) => tab.evaluate(() => { window.velmoran.answer(true); return window.velmoran.settled(); })));
  await Promise.all(tabs.map((tab) => tab.evaluate(() => { window.velmoran.answer(true); return window.velmoran.settled(); })));
  const reopened = await openGame(context, server.url);
  await playScript(reopened, ['top3']);
  const scores = await reopened.evaluate(() => window.velmoran.state().scores);
  await context.close();
  assert.deepEqual(scores.slice(0, 4), ['Alžběta', '90', 'Břetislav', '80']);
});
