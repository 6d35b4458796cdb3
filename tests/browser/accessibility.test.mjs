// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in the page: a menu bar with its menus, an info panel that is read
// out, every quantity under its caption, boxes that say what they are, and no button without
// a name.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { playScript, takeTranscript as takeTranscriptOf } from './player.mjs';
import { GAME, launch, openGame, serve, settled } from './support.mjs';

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

// The running reign's chronicle, by F3 and from Hra, as the desktop gives it: the focus on what
// happened, the chart's figures in a table, Escape back to the answer; the game goes on as it
// was.
for (const [way, open] of Object.entries({
  F3: (page) => page.keyboard.press('F3'),
  'Hra > Kronika vlády': async (page) => {
    await page.keyboard.press('Alt+H');
    await page.getByRole('menuitem', { name: 'Kronika vlády' }).click();
  },
})) {
  test(`the reign so far opens by ${way} and changes nothing`, GAME, async () => {
    const context = await browser.newContext();
    const page = await gameWithReport(context);
    await playScript(page, ['army']);
    const before = await page.evaluate(() => JSON.stringify(window.velmoran.state()));
    await takeTranscriptOf(page);
    await open(page);
    await settled(page);
    const chronicle = page.locator('.window.chronicle');
    assert.match(await chronicle.locator('#vladce').textContent(), /^Čtenář, vládce země Slyšitelná: \d+ měsíc/);
    assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-label')), 'Co se stalo');
    await page.getByRole('tab', { name: 'Graf' }).focus();
    await page.keyboard.press('ArrowRight');
    const table = page.getByRole('table', { name: 'Čísla po měsících' });
    assert.ok(await table.isVisible());
    const figures = await table.locator('tbody tr').count();
    assert.ok(figures >= 1, `${figures} rows`);
    await page.keyboard.press('Escape');
    assert.equal(await chronicle.count(), 0);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'btn-ok');
    assert.equal(await page.evaluate(() => JSON.stringify(window.velmoran.state())), before);
    assert.equal(await takeTranscriptOf(page), '');
    await context.close();
  });
}

test('each row of the best scores is read as its place, ruler and months', GAME, async () => {
  const context = await browser.newContext();
  const page = await openGame(context, server.url);
  await playScript(page, ['top3']);
  const names = await page.locator('.window.prohra button[id^="jm"]').evaluateAll(
    (rows) => rows.map((row) => row.getAttribute('aria-label')));
  assert.equal(names.length, 3);
  names.forEach((name, row) => assert.match(name, new RegExp(`^${row + 1}\\. (.+, \\d+ měsíc(e|ů)?|volné místo)$`)));
  await context.close();
});
