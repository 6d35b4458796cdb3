// SPDX-License-Identifier: GPL-3.0-or-later
// The unfinished reign in the browser: kept after every action, offered on the title menu after
// a reload or a closed tab and gone on with as the terminal edition goes on with it; a second
// tab leaves it to the tab that plays it.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { comparable, playInTheTerminal, playScript, scriptLines } from './player.mjs';
import { comingBack, GAME, launch, openGame, serve, titleMenu } from './support.mjs';

let server;
let browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser.close(); await server.close(); });

// A reign played for a few months, a question declined, the report bought, and left at the
// start of its third month.
const firstVisit = 'start\nVěrná\nSetrvalá\nok\narmy\nok\nnoo\nok\nne\nzprava\npolice\nok\nnoo\nok\nok\n';

const nextVisits = {
  'goes on with it': 'pokracovat\nstate\nbody\n300\nok\nnoo\nok\nok\nstate\nmkonec\n',
  'starts anew only when told': 'start\nne\nstart\nano\n\n\nok\nstate\nmkonec\npokracovat\nstate\n',
};

for (const [coming, comeBack] of Object.entries(comingBack)) {
  for (const [name, nextVisit] of Object.entries(nextVisits)) {
    test(`the unfinished reign outlives ${coming} and ${name}, as in the terminal`, GAME, async () => {
      const context = await browser.newContext();
      let page = await openGame(context, server.url);
      const first = await playScript(page, scriptLines(firstVisit));
      page = await comeBack(context, page);
      const second = await playScript(page, scriptLines(nextVisit));
      await context.close();
      const [terminalFirst, terminalSecond] = playInTheTerminal([firstVisit, nextVisit]);
      assert.equal(comparable(first), comparable(terminalFirst));
      assert.equal(comparable(second), comparable(terminalSecond));
      assert.match(second, /REIGN \| Věrná \| Setrvalá \| 3/);
    });
  }
}

// Two tabs: the one that plays the reign holds it; the other says so, plays a reign it does
// not keep, and is offered the first one's reign once that tab is closed.
test('a second tab leaves the unfinished reign to the tab that plays it', GAME, async () => {
  const context = await browser.newContext();
  const first = await openGame(context, server.url);
  await playScript(first, scriptLines('start\nAlfa\n\nok\narmy\nok'));
  const second = await openGame(context, server.url);
  const elsewhere = await playScript(second, scriptLines('start\n\n\nok\nmkonec'));
  const note = await second.locator('#rozehrana-jinde').textContent();
  await playScript(first, ['zprava']);
  await first.close();
  await second.reload();
  await titleMenu(second);
  const offered = await playScript(second, ['pokracovat', 'state']);
  await context.close();

  assert.match(elsewhere, /^REIGN \| jinde$/m);
  assert.match(elsewhere, /MSG \| information \| Rozehraná vláda \| Rozehranou vládu právě hraje jiná spuštěná kopie hry/);
  assert.equal(note, 'Rozehranou vládu hraje jiná spuštěná kopie hry; tato ji nepřepíše.');
  assert.match(offered, /^REIGN \| Alfa \| Kačerov \| 1$/m);
  assert.match(offered, /^jmeno=Alfa$/m);
});
