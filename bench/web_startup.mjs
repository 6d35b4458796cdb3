// SPDX-License-Identifier: GPL-3.0-or-later
// The first visit of the browser's edition against a bare emscripten page (a main that prints
// one line, bench/bare_page.cpp), both served by Python's http.server on this machine and
// opened in Debian's Chromium, headless, with an empty cache, in interleaved runs: the bytes
// the page downloads before its title menu (raw and gzip, as a server that compresses would
// send them), the time from navigation to the game's first screen and to its title menu, and
// the bare page's first paint. Medians.
//
//   node bench/web_startup.mjs [RUNS]      (after tools/build-web.sh)
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { launch, repository, serve, site } from '../tests/browser/support.mjs';

const runs = Number(process.argv[2] || 9);
const barePage = path.join(repository, 'build-web/bare-page');
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Navigation to the first paint, and to each mark the page made.
async function visit(browser, url, until) {
  const context = await browser.newContext();
  const page = await context.newPage();
  const files = [];
  page.on('requestfinished', (request) => files.push(new URL(request.url()).pathname));
  await page.goto(url);
  await page.waitForFunction(until, null, { timeout: 30000 });
  await page.waitForFunction(() => performance.getEntriesByName('first-contentful-paint').length > 0);
  const times = await page.evaluate(() => Object.fromEntries(
    [...performance.getEntriesByType('paint'), ...performance.getEntriesByType('mark')]
      .map((entry) => [entry.name, entry.startTime])));
  await context.close();
  return { files, times };
}

function sizes(folder, files) {
  let raw = 0;
  let gzip = 0;
  for (const file of new Set(files)) {
    const bytes = fs.readFileSync(path.join(folder, file === '/' ? 'index.html' : file));
    raw += bytes.length;
    gzip += zlib.gzipSync(bytes, { level: 6 }).length;
  }
  return { raw, gzip };
}

const game = await serve(site);
const bare = await serve(barePage);
const browser = await launch();
const measured = { splash: [], menu: [], gameFirstPaint: [], bareFirstPaint: [], bareLine: [] };
let gameFiles = [];
let bareFiles = [];
try {
  for (let run = 0; run < runs; run++) {
    const g = await visit(browser, game.url, () => performance.getEntriesByName('velmoran-Menu').length > 0);
    measured.splash.push(g.times['velmoran-splash']);
    measured.menu.push(g.times['velmoran-Menu']);
    measured.gameFirstPaint.push(g.times['first-contentful-paint']);
    gameFiles = g.files;
    const b = await visit(browser, `${bare.url}bare_page.html`,
      () => document.getElementById('output') && document.getElementById('output').value.includes('Velmoran'));
    measured.bareFirstPaint.push(b.times['first-contentful-paint']);
    bareFiles = b.files;
  }
} finally {
  await browser.close();
  await game.close();
  await bare.close();
}

const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;
const ms = (value) => `${value.toFixed(0)} ms`;
const gameSize = sizes(site, gameFiles);
const bareSize = sizes(barePage, bareFiles);
const menu = median(measured.menu);
const splash = median(measured.splash);
const bareFirstPaint = median(measured.bareFirstPaint);
console.log(`runs: ${runs}, medians`);
console.log(`game: ${gameFiles.length} files before the title menu, ${kb(gameSize.raw)} raw, ${kb(gameSize.gzip)} gzip`);
console.log(`bare page: ${bareFiles.length} files, ${kb(bareSize.raw)} raw, ${kb(bareSize.gzip)} gzip`);
console.log(`game: first paint ${ms(median(measured.gameFirstPaint))}, splash screen ${ms(splash)}, title menu ${ms(menu)}`);
console.log(`bare page: first paint ${ms(bareFirstPaint)}`);
console.log(`title menu less the splash screen's 1.9 s / bare first paint: ${((menu - 1900) / bareFirstPaint).toFixed(2)}`);
console.log(`splash screen / bare first paint: ${(splash / bareFirstPaint).toFixed(2)}`);
