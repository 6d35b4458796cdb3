// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the pictures of every screen of the browser's edition for docs/ (docs/web-*.png): plays
// a game in Debian's Chromium, headless, and photographs each screen as it comes. The game
// never seeds its random draws, so the pictures come out the same every time.
//
//   node tests/browser/screenshots.mjs      (after tools/build-web.sh)
import path from 'node:path';
import { playLine } from './player.mjs';
import { launch, repository, serve, settled } from './support.mjs';

const docs = path.join(repository, 'docs');
const server = await serve();
const browser = await launch();

async function shoot(page, name) {
  await page.waitForTimeout(150); // the pictures and the fonts
  await page.screenshot({ path: path.join(docs, `web-${name}.png`) });
}

async function play(page, script) {
  for (const line of script.split('\n')) await playLine(page, line);
}

async function untilOpen(page, screen, step) {
  for (let i = 0; i < 400 && !(await page.evaluate((s) => window.velmoran.state().open.includes(s), screen)); i++) {
    await playLine(page, step[i % step.length]);
  }
}

try {
  const context = await browser.newContext({ viewport: { width: 800, height: 600 } });
  const page = await context.newPage();
  await page.goto(server.url);
  await page.locator('section[data-screen="splash"]').waitFor();
  await shoot(page, 'splash');
  await page.getByRole('button', { name: 'Start' }).waitFor();
  await settled(page);
  await shoot(page, 'title-menu');

  await play(page, 'nastaveni');
  await shoot(page, 'settings');
  await play(page, 'ulozit\ntop3');
  await shoot(page, 'best-scores');
  await play(page, 'prohra-ok\nohre');
  await shoot(page, 'about');
  await play(page, 'about-click\nstart');
  await page.locator('#box-input').fill('Jan Novák');
  await shoot(page, 'names');
  await play(page, 'Jan Novák\n\n');
  await shoot(page, 'game-screen');

  // A menu open, the report bought, a battle's message box.
  await play(page, 'ok');
  await page.locator('.menubar [data-name="valky"]').click();
  await shoot(page, 'menu');
  await page.keyboard.press('Escape');
  await play(page, 'zprava');
  await shoot(page, 'report');
  await play(page, 'set arm 40\natakk');
  await shoot(page, 'message');
  // The reign so far (F3), its figures as a table.
  await play(page, 'ok');
  await page.keyboard.press('F3');
  await page.locator('.window.chronicle').waitFor();
  await page.getByRole('tab', { name: 'Čísla po měsících' }).click();
  await shoot(page, 'reign-so-far');
  await page.keyboard.press('Escape');

  // The months go by until the people rise; they win, and the reign ends in the table and its
  // chronicle.
  await play(page, 'ok');
  for (const group of ['polo', 'armo', 'delo', 'rolo', 'chuo', 'into']) await play(page, `set ${group} -50`);
  await play(page, 'set pol 200');
  await untilOpen(page, 'vzpoura', ['noo', 'ok', 'ok', 'ne', 'ok']);
  await shoot(page, 'rebellion');
  await play(page, 'vzpoura-ok');
  for (let i = 0; i < 3 && await page.evaluate(() => window.velmoran.boxKind() === 'message'); i++) {
    await page.keyboard.press('Enter');
    await settled(page);
  }
  await page.locator('.window.chronicle').waitFor();
  await shoot(page, 'chronicle');

  // The three display settings of the info panel, all on.
  await play(page, 'prohra-ok\nnastaveni\ncheck1\ncheck2\ncheck3\nulozit\nstart\n\n\n');
  await shoot(page, 'display-settings');
  // The reign left: the title menu offers to go on with it.
  await play(page, 'mkonec');
  await shoot(page, 'title-menu-reign');
  await play(page, 'nastaveni\ncheck1\ncheck2\ncheck3\nulozit');

  // On a screen of twice the density.
  const sharp = await browser.newContext({ viewport: { width: 640, height: 480 }, deviceScaleFactor: 2 });
  const dense = await sharp.newPage();
  await dense.goto(server.url);
  await dense.getByRole('button', { name: 'Start' }).waitFor();
  await settled(dense);
  await play(dense, 'start\n\n\nok\nzprava');
  await shoot(dense, 'game-screen-2x');

  const help = await context.newPage();
  await help.goto(`${server.url}napoveda.html`);
  await shoot(help, 'help');
} finally {
  await browser.close();
  await server.close();
}
