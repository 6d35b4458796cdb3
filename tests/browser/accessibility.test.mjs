// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in the page: a menu bar with its menus, an info panel that is read
// out, every quantity under its caption, boxes that say what they are, and no button without
// a name.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { playScript } from './player.mjs';
import { GAME, launch, openGame, serve } from './support.mjs';

let server;
let browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser.close(); await server.close(); });

// Each quantity of the game screen and the report by the name a screen reader speaks.
const quantities = [
  ['Vládnete již', 'vlada'], ['Státní pokladna', 'kasa'], ['Měsíční rozpočet', 'rozpocet2'],
  ['Vaše území v procentech', 'Procentu'], ['Jméno velmorana', 'jmeno'], ['Jméno státu', 'stat'],
  ['Tajná policie, síla', 'tp'], ['Osobní stráž, síla', 'os'], ['Policie, síla', 'pol'],
  ['Policie, oblíbenost', 'polo'], ['Armáda, síla', 'arm'], ['Armáda, oblíbenost', 'armo'],
  ['Dělníci, síla', 'del'], ['Dělníci, oblíbenost', 'delo'], ['Rolníci, síla', 'rol'],
  ['Rolníci, oblíbenost', 'rolo'], ['Chudina, síla', 'chu'], ['Chudina, oblíbenost', 'chuo'],
  ['Inteligence, síla', 'inte'], ['Inteligence, oblíbenost', 'into'], ['Rusko, síla', 'rus'],
  ['Rusko, postoj', 'ruso'], ['USA, síla', 'usa'], ['USA, postoj', 'usao'], ['Morava, síla', 'mak'],
  ['Morava, postoj', 'moro'], ['Partyzáni, síla', 'par'], ['Bordánie, síla', 'brd'],
  ['Bordánie, postoj', 'brdo'], ['Zisk z 1% území', 'zisk'],
];

async function gameWithReport(context) {
  const page = await openGame(context, server.url);
  await playScript(page, ['start', 'Čtenář', 'Slyšitelná', 'ok', 'zprava']);
  return page;
}

test('every quantity is spoken under its caption', GAME, async () => {
  const context = await browser.newContext();
  const page = await gameWithReport(context);
  const texts = await page.evaluate(() => window.velmoran.state().game.texts);
  for (const [name, quantity] of quantities) {
    const node = page.getByLabel(new RegExp(`^${name}`)).first();
    assert.equal((await node.textContent()).trim(), texts[quantity], name);
  }
  await context.close();
});

test('the menu bar and its menus have their roles and names', GAME, async () => {
  const context = await browser.newContext();
  const page = await gameWithReport(context);
  const bar = page.getByRole('menubar', { name: 'Nabídka hry' });
  const captions = await bar.locator(':scope > li > [role="menuitem"]').evaluateAll(
    (items) => items.map((item) => item.getAttribute('aria-label')));
  assert.deepEqual(captions, ['Hra', 'Soukromý život', 'Dotace', 'Války', 'Politika', 'Ekonomika', 'Jiné', 'Nic']);
  await page.keyboard.press('Alt+D');
  const menu = page.getByRole('menu', { name: 'Dotace' });
  assert.equal(await menu.getByRole('menuitem').count(), 8);
  assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-label')), 'Dotace pro armádu 600$');
  assert.equal(await bar.locator('[data-name="dotace"]').getAttribute('aria-expanded'), 'true');
  await page.keyboard.press('Escape');
  assert.equal(await bar.locator('[data-name="dotace"]').getAttribute('aria-expanded'), 'false');
  await context.close();
});

test('the info panel is read out, each text anew', GAME, async () => {
  const context = await browser.newContext();
  const page = await gameWithReport(context);
  const info = page.getByRole('log', { name: 'Info okno' });
  assert.equal(await info.getAttribute('aria-live'), 'polite');
  // Each text is a new text node, which a screen reader announces, the same text again too.
  const shown = [];
  for (const line of ['army', 'ok', 'army']) {
    await playScript(page, [line]);
    shown.push(await info.evaluateHandle((panel) => panel.firstChild));
  }
  assert.equal(await info.textContent(), await page.evaluate(() => window.velmoran.state().game.info));
  assert.equal(await shown[0].evaluate((node) => node.textContent), await shown[2].evaluate((node) => node.textContent));
  assert.equal(await shown[0].evaluate((node, other) => node === other, shown[2]), false);
  await context.close();
});

// The boxes, as a screen reader meets them: their role, their name, what they say.
const boxes = {
  'a message': {
    script: ['start', '', '', 'ok', 'set kasa -20000'],
    role: 'alertdialog', name: 'Prohra', says: /Prohráls/,
  },
  'a question': {
    script: ['start', '', '', 'ok', 'sebekill'],
    role: 'alertdialog', name: 'Sebevražda', says: /Opravdu se chceš zabít/,
  },
  'an input box': {
    script: ['start'],
    role: 'dialog', name: 'Jaké je vaše jméno?', says: /Jak se jmenujete/,
  },
};

for (const [name, { script, role, name: title, says }] of Object.entries(boxes)) {
  test(`${name} says what it is`, GAME, async () => {
    const context = await browser.newContext();
    const page = await openGame(context, server.url);
    await playScript(page, script);
    const box = page.getByRole(role, { name: title });
    assert.ok(await box.isVisible());
    assert.match(await box.evaluate((dialog) => {
      const described = document.getElementById(dialog.getAttribute('aria-describedby'));
      return described.textContent;
    }), says);
    assert.ok(await page.evaluate(() => document.getElementById('box').contains(document.activeElement)));
    await context.close();
  });
}

test('no button, field or picture goes without a name', GAME, async () => {
  const context = await browser.newContext();
  const page = await gameWithReport(context);
  const snapshot = await page.locator('body').ariaSnapshot();
  const nameless = snapshot.split('\n').filter((line) => /- (button|img|textbox|checkbox|menuitem)\s*(:.*)?$/.test(line.trim()) || /- (button|img)\s*""/.test(line));
  assert.deepEqual(nameless, []);
  await context.close();
});
