// SPDX-License-Identifier: GPL-3.0-or-later
// The page plays every move as the terminal edition does: long games of a random player and
// scripted reigns through every ending give the same transcript in both.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { comparable, playInTheTerminal, playLine, playScript, scriptLines, takeTranscript } from './player.mjs';
import { GAME, launch, openGame, serve } from './support.mjs';

let server;
let browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser.close(); await server.close(); });

// A fixed sequence of choices: the same games every run.
function randomNumbers(seed) {
  let x = seed >>> 0;
  return (n) => { x = (Math.imul(x, 1664525) + 1013904223) >>> 0; return x % n; };
}

// A player who chooses every move from what the page shows, and writes it down as a line of
// the terminal edition's script.
// With `inTurn`, the commands of the menus are given one after another, in the menus' order.
async function playAtRandom(page, seed, moves, inTurn = false) {
  const pick = randomNumbers(seed);
  const choose = (options) => options[pick(options.length)];
  const commands = (await page.evaluate(() => window.velmoran.menuBar())).flatMap((m) => m.entries)
    .filter((e) => !['mnewgame', 'mkonec', 'sebekill'].includes(e.command));
  let next = 0;
  const lines = [];
  let transcript = await takeTranscript(page);
  let reigns = 0;
  let playing = false;
  for (let move = 0; move < moves; move++) {
    const kind = await page.evaluate(() => window.velmoran.boxKind());
    const state = await page.evaluate(() => window.velmoran.state());
    // A reign begins when the game screen opens.
    if (state.open.includes('main') && !playing) reigns += 1;
    playing = state.open.includes('main');
    let line;
    if (kind === 'input') line = choose(['', '', 'Jan Novák', '<cancel>', '250', '450', '600', 'abc']);
    else if (kind === 'ask') line = choose(['ano', 'ne', 'ne']);
    else if (state.open.includes('vzpoura')) line = 'vzpoura-ok';
    else if (state.open.includes('prohra')) line = 'prohra-ok';
    else if (state.open.includes('nastaveni')) line = choose(['check1', 'check2', 'check3', 'ulozit']);
    else if (state.open.includes('about')) line = 'about-click';
    else if (state.open.includes('main')) {
      const game = state.game;
      if (game.ok) line = choose(['ok', 'ok', 'ok', 'ok', 'zprava', 'state']);
      else if (game.ano) line = choose(['ano', 'ne']);
      else if (inTurn) {
        do line = commands[next++ % commands.length]; while (!game.menuEnabled[line.index]);
        line = line.command;
      } else {
        const entries = commands.filter((e) => game.menuEnabled[e.index]);
        line = pick(40) === 0 ? choose(['sebekill', 'mnewgame']) : choose(entries).command;
      }
    } else if (state.open.includes('Menu')) {
      if (reigns >= 3) break;
      const unfinished = state.reign && state.reign !== 'elsewhere' ? ['pokracovat', 'pokracovat'] : [];
      line = choose(['start', 'start', 'start', 'top3', 'nastaveni', 'ohre', ...unfinished]);
    } else break;
    lines.push(line);
    transcript += await playLine(page, line);
    transcript += await takeTranscript(page);
  }
  return { lines, transcript };
}

const reignsEnding = (commands) => `start\nKonečný\n\nok\n${commands}\nprohra-ok\nkonec\n`;
const months = (pattern, count) => Array(count).fill(pattern).join('\n');
const endings = {
  bankruptcy: reignsEnding('set kasa -14990\narmy\nok'),
  victory: reignsEnding('set Procentu 97\nset arm 60\natakk\nok'),
  'lost territory': reignsEnding('set Procentu 3\nset par 90\nset arm 0\natakk'),
  suicide: reignsEnding('zprava\nsebekill\nne\nsebekill\nano'),
  'lost war': reignsEnding(`set brdo -5\nset brd 900\nset tp 400\n${months('noo\nok\nok\nne\nok\nvzpoura-ok', 80)}`),
  'lost rebellion': reignsEnding(['polo', 'armo', 'delo', 'rolo', 'chuo', 'into'].map((q) => `set ${q} -50`).join('\n') +
    `\nset pol 200\nset tp 0\nset os 0\nset Procentu 90\n${months('noo\nok\nok\nne\nok\nvzpoura-ok', 80)}`),
  'every screen': 'nastaveni\ncheck1\ncheck2\nulozit\ntop3\nprohra-ok\nohre\nabout-link\nabout-click\nstart\n<cancel>\nRuritánie\n' +
    'state\nok\nbody\n250\nok\nbody\n\nok\nbody\n600\nok\nmnewgame\nstart\nne\npokracovat\nok\nmnewgame\n' +
    'start\nano\n\n\nok\nmkonec\nkonec\n',
};

for (const [name, script] of Object.entries(endings)) {
  test(`the page plays "${name}" as the terminal does`, GAME, async () => {
    const context = await browser.newContext();
    const page = await openGame(context, server.url);
    const lines = scriptLines(script);
    const transcript = await playScript(page, lines);
    await context.close();
    assert.equal(comparable(transcript), comparable(playInTheTerminal(script)[0]));
    assert.match(transcript, name === 'every screen' ? /SCREEN \| about \| open/ : /TOP \| /);
  });
}

test('every command in turn plays in the page as in the terminal', GAME, async () => {
  const context = await browser.newContext();
  const page = await openGame(context, server.url);
  const { lines, transcript } = await playAtRandom(page, 7, 400, true);
  const commands = (await page.evaluate(() => window.velmoran.menuBar())).flatMap((m) => m.entries)
    .map((e) => e.command).filter((c) => !['mnewgame', 'mkonec', 'sebekill'].includes(c));
  await context.close();
  assert.deepEqual(commands.filter((c) => !lines.includes(c)), []);
  assert.equal(comparable(transcript), comparable(playInTheTerminal(`${lines.join('\n')}\n`)[0]));
});

const GAMES = Number(process.env.VELMORAN_WEB_GAMES || 20);
for (let seed = 1; seed <= GAMES; seed++) {
  test(`a random player's game ${seed} is the terminal's game too`, GAME, async () => {
    const context = await browser.newContext();
    const page = await openGame(context, server.url);
    const { lines, transcript } = await playAtRandom(page, seed, 260);
    await context.close();
    assert.ok(lines.length > 40, `only ${lines.length} moves`);
    assert.equal(comparable(transcript), comparable(playInTheTerminal(`${lines.join('\n')}\n`)[0]));
  });
}
