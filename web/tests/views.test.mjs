// The views beside the histogram: one meeting replayed, the square-root law
// and the coverage curve, by their keys in English and Japanese, and what
// is copied of them.
import { after, before, describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import {
  answer, byRole, control, focus, ja, launch, pixels, serve, text, watchDownloads,
} from './support.mjs';

const G = 'coinwell::graph';
const desktop = process.env.COINWELL_PROGRAM;
const wasmDir = new URL('../../build/web/cmake/wasm', import.meta.url).pathname;

let server;
let core;
let browser;
before(async () => { server = await serve(); core = await serve(wasmDir); browser = await launch(); });
after(async () => { await browser.close(); await server.close(); await core.close(); });

const say = (lang, source, ...args) =>
  (lang === 'ja' ? ja(G, source) : source).replace(/%(\d)/g, (_, n) => String(args[n - 1]));

// The numbers a text of `source` holds, in the order of its markers.
function numbers(lang, source, text) {
  const template = lang === 'ja' ? ja(G, source) : source;
  const order = [...template.matchAll(/%(\d)/g)].map((m) => Number(m[1]));
  const pattern = template.replace(/[.*+?^${}()|[\]\\]/g, '\\$&').replace(/%\d/g, '(-?\\d+)');
  const found = new RegExp(pattern).exec(text);
  assert.ok(found, `${text} holds ${template}`);
  const values = [];
  order.forEach((n, i) => { values[n - 1] = Number(found[i + 1]); });
  return values;
}

// The balances of the first meeting of a page seeded so, from the core in a
// page of its own: its replay stepped guest by guest, each balance read from
// the replay's words ("Guest %1 of %2, balance %3, ...").
async function firstMeeting(seed, guests) {
  const page = await browser.newTab();
  await page.goto(core.url + 'coinwell_core.js');
  const balances = await page.evaluate(async (seed, guests) => {
    const made = await (await import('/coinwell_core.js')).default();
    const command = (name) => made.commands().find((row) => row.name === name).command;
    const session = new made.Session(seed);
    session.setGuests(guests);
    session.trigger(command('replay'));
    return Array.from({ length: guests }, () => {
      session.trigger(command('replayNextGuest'));
      return Number(session.description().args[0].args[2].source);
    });
  }, seed, guests);
  await page.close();
  return balances;
}

async function openPage(query, run = false, guests = '100') {
  const page = await browser.newTab();
  await page.goto(server.url + query);
  await answer(page, guests);
  await answer(page, '100');
  if (run) await page.click(control('startButton'));
  return page;
}

const told = (page) => text(page, '#graph-description');
const spoken = (page) => text(page, '.graph [aria-live]');
const kMirror = [0, 110, 40];
const kCoverage = [140, 30, 150];

describe('the replay', () => {
  // Each row: the page's seed and guests, whose first meeting's lowest
  // balance is as given, and the language.
  const meetings = [['3', 100, -6, 'en'], ['3', 100, -6, 'ja'], ['5', 10, -1, 'en']];
  for (const [seed, guests, lowest, lang] of meetings) {
    it(`W plays the page's next meeting; Space, → and End tell where it stands; M mirrors; Escape leaves (seed ${seed}, ${lang})`, async () => {
      const balances = await firstMeeting(seed, guests);
      const lowestAfter = (k) => Math.min(...balances.slice(0, k));
      assert.equal(lowestAfter(guests), lowest);
      const progress = 'Guest %1 of %2, balance %3, lowest so far %4';
      const page = await openPage(`?seed=${seed}&lang=${lang}`, false, String(guests));
      await page.press('w');
      assert.equal(await page.evaluate(() => document.activeElement.className), 'graph');
      await page.press(' ');
      assert.ok((await spoken(page)).endsWith(say(lang, 'paused: Space plays on, → shows the next guest')));
      for (let n = 0; n < 2; n++) {
        await page.press('ArrowRight');
        const [guest, shown, balance, low] = numbers(lang, progress, await spoken(page));
        assert.deepEqual([shown, balance, low], [guests, balances[guest - 1], lowestAfter(guest)]);
      }
      await page.press('End');
      const enough = { en: lowest === -1 ? 'lowest balance -1: 1 coin would have been enough'
        : `lowest balance ${lowest}: ${-lowest} coins would have been enough`,
      ja: say('ja', 'lowest balance %1: %n coin(s) would have been enough', lowest).replace('%n', -lowest) };
      assert.equal(await spoken(page), `${say(lang, progress, guests, guests, balances[guests - 1], lowest)} ${enough[lang]}`);
      assert.equal(await pixels(page, kMirror), 0);
      await page.press('m');
      assert.ok(await pixels(page, kMirror) > 100, 'the mirror\'s level drawn');
      await page.press('Escape');
      assert.equal(await spoken(page), '', 'back to the histogram');
      // Space on a focused button presses it, and Start leaves the replay.
      await page.press('w');
      await page.press('End');
      await focus(page, 'startButton');
      await page.press(' ');
      assert.equal(await spoken(page), '', 'back to the histogram');
      assert.deepEqual(await page.errors(), [], 'no error on the console');
      await page.close();
    });
  }
});

describe('the square-root law', () => {
  // The exact coins for 95 % of meetings, as the desktop's batch report gives them.
  const exactCoins = (guests) => Number(/in 95% of meetings: *\d+ \/ *(\d+)/.exec(execFileSync(desktop,
    ['--guests', String(guests), '--experiments', '1', '--seed', '1', '--lang', 'en'],
    { encoding: 'utf8', env: { ...process.env, ASAN_OPTIONS: 'detect_leaks=0' } }))[1]);
  for (const lang of ['en', 'ja']) {
    it(`G shows it before any run and with the runs since, and G again leaves (${lang})`,
      { skip: !desktop && 'COINWELL_PROGRAM unset' }, async () => {
        const coins = [100, 400, 1000].map(exactCoins);
        const sentence = (runs) => say(lang, 'Square-root law. %1 For %2% of meetings the exact coins are %3 at 100 guests, %4 at 400 and %5 at 1000; runs shown: %6.',
          say(lang, 'Four times the guests need only about twice the coins.'), 95, ...coins, runs);
        const page = await openPage(`?seed=1&lang=${lang}`);
        for (const runs of [0, 1]) {
          await page.press('g');
          assert.equal(await told(page), sentence(runs));
          await page.press('g');
          assert.notEqual(await told(page), sentence(runs), 'back to the histogram');
          if (runs === 0) await page.click(control('startButton'));
        }
        await page.close();
      });
  }
});

describe('the coverage curve', () => {
  it('C draws it over the histogram, tells of it, and is remembered', async () => {
    const page = await openPage('?seed=1', true);
    assert.equal(await pixels(page, kCoverage), 0);
    await page.press('c');
    assert.ok(await pixels(page, kCoverage) > 200, 'the curve and its scale drawn');
    assert.match(await told(page), /The coverage curve shows the share of meetings that each number of coins covers\.$/);
    await page.reload();
    await answer(page, '100');
    await answer(page, '100');
    await page.click(control('startButton'));
    assert.ok(await pixels(page, kCoverage) > 200, 'still drawn after a reload');
    await page.press('c');
    assert.equal(await pixels(page, kCoverage), 0);
    await page.close();
  });
});

describe('what is saved of a view', () => {
  // Each row: the key of the view, the file's name and what only that view draws.
  const views = [
    ['w', 'coinwell-replay-100.svg', /Coin balance/],
    ['g', 'coinwell-square-root.svg', /Four times the guests need only about twice the coins\./],
    ['c', 'coinwell-100x100.svg', /stroke="rgb\(140, 30, 150\)"/],
  ];
  for (const [key, name, drawn] of views) {
    it(`the SVG after ${key.toUpperCase()} is ${name}`, async () => {
      const page = await openPage('?seed=1', true);
      await page.press(key);
      await page.press('End');
      await page.evaluate(watchDownloads);
      await page.click(control('graphMenuButton'));
      await page.click(await byRole(page, ['menuitem'], 'Save graph as SVG...'));
      await answer(page, '1066');
      const file = await page.waitFor(() => window.downloads[0]?.base64 && window.downloads[0]);
      assert.equal(file.name, name);
      const svg = Buffer.from(file.base64, 'base64').toString('utf8');
      assert.match(svg, drawn);
      assert.equal(/Coin balance/.test(svg), key === 'w', 'the replay only in its own view');
      await page.close();
    });
  }
});
