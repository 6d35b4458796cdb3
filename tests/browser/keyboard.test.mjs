// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard play in the page: the focus is always on the button that answers, the menu bar
// answers F10, the arrows, Alt with a menu's letter, F2 and Ctrl+K; each row's keys give the
// transcript of the terminal edition's script beside them.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { comparable, playInTheTerminal, takeTranscript } from './player.mjs';
import { GAME, launch, openGame, serve, settled } from './support.mjs';

let server;
let browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser.close(); await server.close(); });

// From the title menu, with Start focused: a game with the player's name and the default
// country, its welcome text answered.
const started = ['Enter', 'type:Klávesa', 'Enter', 'Enter', 'Enter'];
const startedScript = 'start\nKlávesa\n\nok\n';

const rows = {
  'F10 and the arrows give a command, Enter answers its text': {
    keys: [...started, 'F10', 'ArrowRight', 'ArrowRight', 'ArrowDown', 'Enter', 'Enter'],
    script: `${startedScript}army\nok\n`,
  },
  'Alt with a menu\'s letter opens it; Escape closes it and gives nothing': {
    keys: [...started, 'Alt+D', 'Escape', 'Alt+D', 'ArrowDown', 'ArrowDown', 'Enter', ' '],
    script: `${startedScript}fbi\nok\n`,
  },
  'the arrows go round the menu bar and its menus': {
    keys: [...started, 'F10', 'ArrowLeft', 'ArrowLeft', 'ArrowDown', 'ArrowUp', 'ArrowDown', 'Enter', 'Enter'],
    script: `${startedScript}zpht\nok\n`,
  },
  'the menus refuse while Ok shows, and Escape goes back to Ok': {
    keys: ['Enter', 'Enter', 'Enter', 'Alt+D', 'Enter', 'Escape', 'Escape', 'Enter'],
    script: 'start\n\n\nok\n',
  },
  'Enter does not confirm suicide': {
    keys: [...started, 'Alt+J', 'ArrowDown', 'Enter', 'Enter'],
    script: `${startedScript}sebekill\nne\n`,
  },
  'F2 leaves the game, Pokračovat has the focus and goes on with it, Ctrl+K leaves it': {
    keys: [...started, 'F2', 'Enter', 'Control+k'],
    script: `${startedScript}mnewgame\npokracovat\nmkonec\n`,
  },
  'Start asks before it replaces the unfinished reign; Enter answers No': {
    keys: [...started, 'F2', 'Tab', 'Enter', 'Enter', 'Enter', 'Shift+Tab', 'Enter', 'Enter', 'Enter'],
    script: `${startedScript}mnewgame\nstart\nne\nstart\nano\n\n\n`,
  },
  'Tab and Space set the settings': {
    keys: ['Tab', 'Enter', ' ', 'Tab', 'Tab', ' ', 'Tab', 'Enter'],
    script: 'nastaveni\ncheck1\ncheck3\nulozit\n',
  },
  'Enter saves the settings wherever the focus is': {
    keys: ['Tab', 'Enter', ' ', 'Enter'],
    script: 'nastaveni\ncheck1\nulozit\n',
  },
  'Escape presses Ok on the best scores': {
    keys: ['Tab', 'Tab', 'Enter', 'ArrowDown', 'Escape', 'Tab', 'Tab', 'Enter', ' '],
    script: 'top3\nprohra-ok\ntop3\nprohra-ok\n',
  },
  'Escape cancels a name': {
    keys: ['Enter', 'Escape', 'Escape', 'Enter'],
    script: 'start\n<cancel>\n<cancel>\nok\n',
  },
};

async function press(page, key) {
  if (key.startsWith('type:')) await page.keyboard.type(key.slice(5));
  else await page.keyboard.press(key);
  await settled(page);
}

for (const [name, { keys, script }] of Object.entries(rows)) {
  test(name, GAME, async () => {
    const context = await browser.newContext();
    const page = await openGame(context, server.url);
    let transcript = await takeTranscript(page);
    for (const key of keys) {
      await press(page, key);
      transcript += await takeTranscript(page);
    }
    await context.close();
    assert.equal(comparable(transcript), comparable(playInTheTerminal(script)[0]));
  });
}

test('Escape closes the settings without saving them', GAME, async () => {
  const context = await browser.newContext();
  const page = await openGame(context, server.url);
  for (const key of ['Tab', 'Enter', ' ', ' ', 'Tab', ' ', 'Escape', 'Tab', 'Enter']) await press(page, key);
  const checks = (await takeTranscript(page)).split('\n').filter((line) => line.startsWith('CHECKS'));
  const open = await page.evaluate(() => window.velmoran.state().open);
  await context.close();
  assert.equal(checks.length, 2);
  assert.equal(checks[1], checks[0]);
  assert.ok(open.includes('nastaveni'));
});

// Whatever the player did last, a text that wants an answer takes the focus.
test('the answering button has the focus', GAME, async () => {
  const context = await browser.newContext();
  const page = await openGame(context, server.url);
  const focused = () => page.evaluate(() => document.activeElement && document.activeElement.id);
  for (const key of ['Enter', 'Enter', 'Enter']) await press(page, key);
  assert.equal(await focused(), 'btn-ok');
  await page.locator('#btn-zprava').click();
  await settled(page);
  assert.equal(await focused(), 'btn-ok');
  await press(page, 'Enter');
  await page.locator('.menubar [data-name="dotace"]').click();
  await page.locator('.menu [data-name="army"]').click();
  await settled(page);
  assert.equal(await focused(), 'btn-ok');
  await context.close();
});
