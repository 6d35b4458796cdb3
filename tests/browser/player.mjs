// SPDX-License-Identifier: GPL-3.0-or-later
// A player who plays the terminal edition's script lines in the page, by clicks and keys, and
// the terminal edition playing the same script, for comparing their transcripts.
import { execFileSync } from 'node:child_process';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { repository, settled } from './support.mjs';

const TITLE_BUTTONS = {
  start: 'Start', pokracovat: 'Pokračovat', nastaveni: 'Nastavení', top3: 'Top 3', konec: 'Konec', ohre: 'O hře',
};

function screenWindow(page, screen) {
  return page.locator(`section[data-screen="${screen}"]`);
}

// Closes the message boxes that wait, with Enter on their OK button, as the terminal edition
// reads no line for them.
async function closeMessages(page) {
  while (await page.evaluate(() => window.velmoran.boxKind() === 'message')) {
    await page.keyboard.press('Enter');
    await settled(page);
  }
}

// Answers the box that waits with the script's line, as the terminal edition reads it.
async function answerBox(page, kind, line) {
  if (kind === 'ask') {
    // The terminal takes only "ano" or "ne" for an answer, and reads on until it has one.
    if (line !== 'ano' && line !== 'ne') return;
    await page.locator('#box-buttons button', { hasText: line === 'ano' ? 'Ano' : 'Ne' }).click();
  } else if (line === '<cancel>') {
    await page.keyboard.press('Escape');
  } else {
    if (line !== '') await page.locator('#box-input').fill(line);
    await page.keyboard.press('Enter');
  }
}

async function pressAnswer(page, id) {
  const button = page.locator(`#${id}`);
  if (!(await button.isVisible())) return;
  // The answering button holds the focus: Enter presses it.
  if (await page.evaluate((want) => document.activeElement && document.activeElement.id === want, id)) {
    await page.keyboard.press('Enter');
  } else {
    await button.click();
  }
}

// A click on an entry of the menu bar, also on one that is switched off: it does nothing, as
// the terminal edition refuses its line, and the player closes its menu.
async function clickItem(page, item) {
  const off = (await item.getAttribute('aria-disabled')) === 'true';
  await item.click({ force: off });
  if (off && await page.locator('.menu:not([hidden])').count()) await page.keyboard.press('Escape');
}

async function menuEntry(page, command) {
  const bar = await page.evaluate(() => window.velmoran.menuBar());
  for (const menu of bar) {
    const entry = menu.entries.find((e) => e.command === command);
    if (!entry) continue;
    const game = screenWindow(page, 'main');
    if (!(await game.count())) return;
    if (command === 'mnewgame') return page.keyboard.press('F2');
    if (command === 'mkonec') return page.keyboard.press('Control+k');
    await clickItem(page, game.locator(`.menubar > li > [data-name="${menu.name}"]`));
    if (menu.entries.length > 1 || entry.name !== menu.name) {
      await clickItem(page, game.locator(`.menu [data-name="${entry.name}"]`));
    }
    return;
  }
}

// One line of the script, played where the page is.
export async function playLine(page, line) {
  await closeMessages(page);
  const kind = await page.evaluate(() => window.velmoran.boxKind());
  if (kind) {
    await answerBox(page, kind, line);
    await settled(page);
    return '';
  }
  const [command, ...rest] = line.split(' ');
  const argument = rest.join(' ');
  const { open, game } = await page.evaluate(() => window.velmoran.state());
  // While the rebellion lasts the game screen takes nothing: it is inert, and the terminal
  // refuses the line too.
  if (open.includes('main') && !game.enabled && !['state', 'vzpoura-ok'].includes(command)) {
    assert.ok(await screenWindow(page, 'main').evaluate((win) => win.inert), 'the game screen takes clicks');
    return '';
  }
  if (command === 'state') {
    if (!open.includes('main')) return '';
    return page.evaluate(() => window.velmoran.transcript() + window.velmoran.stateLines());
  }
  if (command === 'set') {
    const space = argument.indexOf(' ');
    await page.evaluate(([n, v]) => window.velmoran.set(n, v), [argument.slice(0, space), argument.slice(space + 1)]);
  } else if (TITLE_BUTTONS[command]) {
    // "Pokračovat" is there only while a reign is unfinished.
    const button = screenWindow(page, 'Menu').getByRole('button', { name: TITLE_BUTTONS[command], exact: true });
    if (open.includes('Menu') && await button.count()) await button.click();
  } else if (command === 'ok' || command === 'ano' || command === 'ne') {
    if (open.includes('main')) await pressAnswer(page, `btn-${command}`);
  } else if (command === 'zprava') {
    if (open.includes('main')) await page.locator('#btn-zprava').click();
  } else if (command === 'vzpoura-ok') {
    if (open.includes('vzpoura')) await screenWindow(page, 'vzpoura').getByRole('button', { name: 'OK' }).click();
  } else if (command === 'prohra-ok') {
    if (open.includes('prohra')) await screenWindow(page, 'prohra').getByRole('button', { name: 'Ok', exact: true }).click();
  } else if (/^check[123]$/.test(command)) {
    if (open.includes('nastaveni')) await page.locator(`#Check${command.slice(5)}`).click();
  } else if (command === 'ulozit') {
    if (open.includes('nastaveni')) await page.getByRole('button', { name: 'Uložit' }).click();
  } else if (command === 'about-click') {
    if (open.includes('about')) await screenWindow(page, 'about').locator('.client img.picture').click();
  } else if (command === 'about-link') {
    if (open.includes('about')) {
      const opened = page.context().waitForEvent('page');
      await screenWindow(page, 'about').locator('.address').click();
      await (await opened).close();
    }
  } else {
    await menuEntry(page, command);
  }
  await settled(page);
  return '';
}

// The page's transcript of the lines played so far, every line of it.
export async function takeTranscript(page) {
  return page.evaluate(() => window.velmoran.transcript());
}

// A script of the terminal edition as its lines.
export const scriptLines = (script) => script.trimEnd().split('\n');

// The script's lines played in the page, and the transcript of what the page did.
export async function playScript(page, lines) {
  let transcript = await takeTranscript(page);
  for (const line of lines) {
    transcript += await playLine(page, line);
    transcript += await takeTranscript(page);
  }
  return transcript;
}

// The terminal edition on each of `scripts` in turn, in one game folder made from the shipped
// one with `files` (name -> bytes) put in it; their transcripts.
export function playInTheTerminal(scripts, files = {}) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'velmoran-web-'));
  try {
    fs.cpSync(path.join(repository, 'game'), folder, { recursive: true });
    for (const [name, bytes] of Object.entries(files)) fs.writeFileSync(path.join(folder, name), bytes);
    return [].concat(scripts).map((script) => execFileSync(
      process.env.VELMORAN_CONSOLE || path.join(repository, 'build/velmoran-console'),
      { cwd: folder, input: script, encoding: 'utf8', maxBuffer: 64 << 20 }));
  } finally {
    fs.rmSync(folder, { recursive: true, force: true });
  }
}

// A transcript as both editions have it: without the terminal's complaints about lines it
// could not carry out, the help page's address without the folder it lies in.
export function comparable(transcript) {
  return transcript.split('\n')
    .filter((line) => line !== '' && !line.startsWith('ERR | '))
    .map((line) => line.replace(/^LINK \| file:\/\/.*\/napoveda\.html$/, 'LINK | napoveda.html'))
    .join('\n');
}
