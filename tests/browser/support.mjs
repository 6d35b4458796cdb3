// SPDX-License-Identifier: GPL-3.0-or-later
// What the browser tests share: the site served on this machine, Debian's Chromium headless, and
// a player who clicks and types in the page.
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { fileURLToPath } from 'node:url';
import path from 'node:path';
import { chromium } from 'playwright-core';

export const repository = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
// Every test plays within this, or fails instead of holding up the run.
export const GAME = { timeout: 5 * 60 * 1000 };

export const site = process.env.VELMORAN_SITE || path.join(repository, 'build-web/site');

// Python's http.server on a free port of 127.0.0.1, serving `folder`. Its output is read to
// the end: a pipe closed early would end the server at its next line.
export async function serve(folder = site) {
  const server = spawn('python3', ['-u', '-m', 'http.server', '--bind', '127.0.0.1', '--directory', folder, '0'],
    { stdio: ['ignore', 'pipe', 'pipe'] });
  server.stderr.resume();
  let output = '';
  const port = await new Promise((resolve, reject) => {
    server.stdout.on('data', (chunk) => {
      output += chunk;
      const found = output.match(/port (\d+) /);
      if (found) resolve(found[1]);
    });
    server.on('exit', () => reject(new Error(`the server did not start: ${output}`)));
  });
  return { url: `http://127.0.0.1:${port}/`, close: async () => { server.kill(); await once(server, 'exit'); } };
}

// Debian's Chromium, never a downloaded browser; without its background traffic.
export function launch() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--autoplay-policy=no-user-gesture-required'],
  });
}

// Waits until the game waits for the player: nothing runs, or a box is open.
export async function settled(page) {
  await page.evaluate(() => window.velmoran.settled());
}

// Opens the page and waits for the title menu.
export async function openGame(context, url) {
  const page = await context.newPage();
  page.on('pageerror', (error) => { throw error; });
  await page.goto(url);
  await titleMenu(page);
  return page;
}

// Waits for the title menu after the splash screen, or for the box that comes before it (a
// damaged unfinished reign).
export async function titleMenu(page) {
  await page.waitForFunction(() => window.velmoran
    && (window.velmoran.state().open.includes('Menu') || window.velmoran.boxOpen()));
  await settled(page);
}

// The ways a player comes back to the game: a reload of its tab, or a new tab once the old one
// is closed.
export const comingBack = {
  'a reload': async (context, page) => {
    await page.reload();
    await titleMenu(page);
    return page;
  },
  'a closed tab': async (context, page) => {
    const url = page.url();
    await page.close();
    return openGame(context, url);
  },
};
