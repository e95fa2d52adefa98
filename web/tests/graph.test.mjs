// The graph area: how keys, the menu and a finger reach the core's commands,
// what the page paints of its pictures and saves, copies and prints of them,
// the options it keeps, an accessibility audit and a reload with the network
// gone. Which view and numbers a command gives is the core's own tests'.
import { after, before, describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { inflateSync } from 'node:zlib';
import {
  answer, byName, control, engine, fill, focus, focused, ja, launch, pixels, question, serve, tabsOf, text, value,
  watchDownloads,
} from './support.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const desktop = process.env.COINWELL_PROGRAM;
const batch = (...args) => execFileSync(desktop, args, { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'],
  env: { ...process.env, ASAN_OPTIONS: 'detect_leaks=0' } });
const P = 'coinwell::web::Page';
// The core's colours: the bars, the exact law, the coins to have ready, the coverage curve.
const colours = { bars: [0, 0, 255], exact: [230, 90, 0], ready: [0, 110, 40], coverage: [140, 30, 150] };

let server;
let browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser.close(); await server.close(); });

const open = tabsOf(() => browser);
async function ranPage(query = '?seed=1', answers = ['100', '100'], run = true) {
  const page = await open(server.url + query, answers);
  if (run) await page.click(control('startButton'));
  return page;
}

async function menuItem(page, name) {
  await page.click(control('graphMenuButton'));
  await page.click(await byName(page, name));
}

// The next file the page hands the browser to save after `item` (and
// `then`, which answers its question), once its bytes are read.
async function download(page, item, then = async () => {}) {
  await page.evaluate(watchDownloads);
  const seen = await page.evaluate(() => window.downloads.length);
  await menuItem(page, item);
  await then(page);
  const file = await page.waitFor((n) => window.downloads[n]?.base64 && window.downloads[n], seen);
  const bytes = Buffer.from(file.base64, 'base64');
  return { name: file.name, bytes, text: bytes.toString('utf8') };
}

// An image's size and its count of pure blue pixels (the bars), decoded by
// the page's own browser as an <img> shows it.
const imageFacts = (page, bytes, type) => page.evaluate(async (base64, type) => {
  const image = new Image();
  image.src = `data:${type};base64,${base64}`;
  await image.decode();
  const canvas = Object.assign(document.createElement('canvas'), { width: image.naturalWidth, height: image.naturalHeight });
  const g = canvas.getContext('2d');
  g.drawImage(image, 0, 0);
  const data = g.getImageData(0, 0, canvas.width, canvas.height).data;
  let blue = 0;
  for (let i = 0; i < data.length; i += 4) if (data[i] < 10 && data[i + 1] < 10 && data[i + 2] > 245) blue++;
  return { width: canvas.width, height: canvas.height, blue };
}, Buffer.from(bytes).toString('base64'), type);

// The pages of a PDF: its page objects, also those packed in compressed
// object streams (Firefox packs them; Chromium does not).
function pdfPages(pdf) {
  const text = pdf.toString('latin1');
  const pages = (part) => (part.match(/\/Type\s*\/Page(?![a-zA-Z])/g) ?? []).length;
  let found = 0;
  let outside = '';
  let from = 0;
  for (const start of text.matchAll(/(?<!end)stream\r?\n/g)) {
    const end = text.indexOf('endstream', start.index + start[0].length);
    if (end < 0) break;
    outside += text.slice(from, start.index);
    try {
      found += pages(inflateSync(pdf.subarray(start.index + start[0].length, end)).toString('latin1'));
    } catch {
      // a stream that is not deflated holds no page objects
    }
    from = end + 'endstream'.length;
  }
  return found + pages(outside + text.slice(from));
}

describe('the ways into the core', () => {
  // Each row: what a command draws in its colour over the bars, and the way
  // it is reached, done twice: drawn, then gone again.
  const ways = [
    ['the exact law', 'its key', (page) => page.press('t'), 'exact'],
    ['the coins to have ready', 'a click on the menu', (page) => menuItem(page, 'Show the coins to have ready'), 'ready'],
    ['the coverage curve', 'Shift+F10, the arrow keys and Return', async (page) => {
      await focus(page, 'graphView');
      await page.press('Shift+F10');
      for (let n = 0; n < 7; n++) await page.press('ArrowDown'); // past Copy, three saves, Print, T, K
      await page.press('Enter');
    }, 'coverage'],
    ['the square-root law', 'its key', (page) => page.press('g'), 'ready'],
  ];
  for (const [drawn, way, act, colour] of ways) {
    it(`${drawn} by ${way}: painted in its colour, then gone`, async () => {
      const page = await ranPage();
      assert.equal(await pixels(page, colours[colour]), 0);
      await act(page);
      assert.ok(await pixels(page, colours[colour]) > 200, `${drawn} drawn`);
      await act(page);
      assert.equal(await pixels(page, colours[colour]), 0);
    });
  }

  it('the menu by Shift+F10 holds the items the core turns on and checks, and Escape closes it', async () => {
    const page = await ranPage('?seed=1', ['100', '100'], false);
    // Each item: - off, x checked, o on.
    const items = async () => {
      await focus(page, 'graphView');
      await page.press('Shift+F10');
      const shown = await page.waitFor(() => document.querySelector('[role=menu]:not([hidden])') && [...document
        .querySelectorAll('[role=menu] button')].map((item) => (item.getAttribute('aria-disabled') === 'true' ? '-'
        : item.getAttribute('aria-checked') === 'true' ? 'x' : 'o')).join(''));
      await page.press('Escape');
      assert.equal(await focused(page), 'graphView');
      return shown;
    };
    // Copy, the two images, CSV, Print; T, K, C, F; the three shares; G, W;
    // the replay's eight and the way back; the caption under saved images.
    assert.equal(await items(), '-----' + 'oooo' + 'oxo' + 'oo' + '---------' + 'x');
    await page.click(control('startButton'));
    await page.press('t');
    assert.equal(await items(), 'ooooo' + 'xooo' + 'oxo' + 'oo' + '---------' + 'x');
  });

  // W gives the graph the focus, so that Space is the replay's; the replay
  // plays by the page's frames to its end, which is then said. M then
  // mirrors it at the highest level at or below half its lowest balance,
  // which ↓ and ↑ move.
  it('W replays a meeting to its end and says it; M mirrors it, ↑ ↓ move the mirror; Space is the replay\'s only on the graph; Escape leaves', async () => {
    const page = await ranPage('?seed=3', ['100', '100'], false);
    const spoken = () => text(page, '.graph [aria-live]');
    await page.press('w');
    assert.equal(await focused(page), 'graphView');
    await page.press(' ');
    assert.match(await spoken(), /paused: Space plays on, → shows the next guest$/);
    await page.press(' ');
    for (let n = 0; n < 4; n++) await page.press('='); // faster
    await page.waitFor(() => document.querySelector('.graph [aria-live]').textContent.endsWith('enough'));
    assert.match(await spoken(), /^Guest 100 of 100, .* coins would have been enough$/);
    assert.ok(await pixels(page, colours.exact) > 100, 'the lowest balance drawn');
    assert.ok(await pixels(page, colours.bars) > 100, 'the path drawn');
    const lowest = Number((await spoken()).match(/lowest so far (-\d+)/)[1]);
    assert.ok(lowest <= -2, `this meeting falls to ${lowest}`);
    let level = 0;
    while (2 * level > lowest) level--;
    const mirror = async () => Number((await spoken()).match(/A path touching (-\d+) and ending at b/)?.[1]);
    assert.equal(await pixels(page, colours.ready), 0);
    await page.press('m');
    assert.equal(await mirror(), level);
    assert.ok(await pixels(page, colours.ready) > 100, 'the mirror drawn');
    await page.press('ArrowDown');
    assert.equal(await mirror(), level - 1);
    await page.press('ArrowUp');
    await page.press('ArrowUp');
    assert.equal(await mirror(), Math.min(level + 1, -1));
    await page.press('Escape');
    assert.equal(await spoken(), '');
    assert.equal(await pixels(page, colours.exact), 0, 'back to the histogram');
    await page.press('w');
    await focus(page, 'startButton');
    await page.press(' ');
    assert.notEqual(await value(page, 'averageValue'), '', 'Space pressed Start');
    assert.deepEqual(await page.errors(), []);
  });

  it('opens the menu by a long press', { skip: engine === 'webkit' && 'WebKitGTK\'s WebDriver sends a touch as the mouse' }, async (t) => {
    const touch = await launch({ touch: true, viewport: { width: 375, height: 667 } });
    t.after(() => touch.close());
    const page = await touch.newTab();
    await page.goto(server.url);
    await answer(page, '100');
    await answer(page, '100');
    await page.longPress(control('graphView'), () => document.querySelector('[role=menu]:not([hidden])'));
  });
});

describe('what is saved, copied and printed', () => {
  // Each row: the width typed (none: the default as it stands), and both
  // images' size, the graph alone; the PNG is painted on a canvas, the SVG
  // written apart. 300 and 1600 wide round the height down and up.
  const sizes = [[undefined, 1066, 762], ['300', 300, 214], ['1600', 1600, 1144]];
  for (const [entry, width, height] of sizes) {
    it(`the PNG and the SVG at ${entry ?? 'the default'} pixels wide show the same ${width} x ${height}`, async () => {
      const page = await ranPage('?seed=2');
      await menuItem(page, 'Caption under saved images');
      const image = async (kind) => download(page, `Save graph as ${kind}...`, async () => {
        assert.deepEqual(await question(page), { title: 'Save graph as image', prompt: 'Width of the image in pixels:', entry: '1066' });
        await answer(page, entry ?? '1066');
      });
      const png = await image('PNG');
      const svg = await image('SVG');
      assert.deepEqual([png.name, svg.name], ['coinwell-100x100.png', 'coinwell-100x100.svg']);
      const [painted, written] = [await imageFacts(page, png.bytes, 'image/png'), await imageFacts(page, svg.bytes, 'image/svg+xml')];
      assert.deepEqual([painted.width, painted.height, written.width, written.height], [width, height, width, height]);
      assert.ok(painted.blue > width * height * 0.001, `bars painted (${painted.blue} blue pixels)`);
      assert.ok(Math.abs(painted.blue - written.blue) < painted.blue * 0.03, `${painted.blue} and ${written.blue} blue pixels`);
    });
  }

  it('the width question saves nothing on Cancel or Escape, stays open for a width out of its range, and asks in Japanese', async () => {
    const page = await ranPage('?seed=2&lang=ja');
    const item = ja(P, 'Save graph as PNG...');
    await page.evaluate(watchDownloads);
    for (const refuse of [() => page.click('dialog.question button[value="cancel"]'), () => page.press('Escape')]) {
      await menuItem(page, item);
      await question(page);
      await refuse();
      await page.waitFor(() => !document.querySelector('dialog'));
    }
    const file = await download(page, item, async () => {
      const asked = await question(page);
      assert.deepEqual([asked.title, asked.prompt],
        [ja('coinwell::graph::GraphMenu', 'Save graph as image'), ja('coinwell::graph::GraphMenu', 'Width of the image in pixels:')]);
      for (const entry of ['99', '10001', '250.5', '']) {
        await fill(page, entry);
        await page.click('dialog.question[open] button[value="ok"]');
        assert.equal(await page.evaluate(() => document.querySelector('dialog.question[open] input')?.validity.valid), false, entry);
      }
      await answer(page, '100');
    });
    assert.equal(await page.evaluate(() => window.downloads.length), 1, 'the one image saved');
    assert.equal((await imageFacts(page, file.bytes, 'image/png')).width, 100);
  });

  // Only Chromium lets a test read the clipboard back: every engine is
  // checked on what the page hands the clipboard instead.
  it('copies the graph as a PNG by Ctrl+C', { timeout: 30_000 }, async () => {
    const page = await ranPage('?seed=2');
    await page.evaluate(() => {
      navigator.clipboard.write = async ([item]) => {
        const bytes = new Uint8Array(await (await item.getType('image/png')).arrayBuffer());
        let text = '';
        for (const byte of bytes) text += String.fromCharCode(byte);
        window.clipboardHeld = { types: item.types, png: btoa(text) };
      };
    });
    await focus(page, 'graphView');
    await page.press('Control+c');
    const held = await page.waitFor(() => window.clipboardHeld);
    assert.deepEqual(held.types, ['image/png']);
    const png = await imageFacts(page, Buffer.from(held.png, 'base64'), 'image/png');
    assert.equal(png.width, 1066);
    assert.ok(png.height > 762, `${png.height} pixels high: the graph and the caption line under it`);
    assert.ok(png.blue > 1066 * 762 * 0.001, `bars painted (${png.blue} blue pixels)`);
  });

  // Each row: the key of a view, the name its SVG is saved under, and what
  // only that view draws.
  const views = [
    ['w', 'coinwell-replay-100.svg', /Coin balance/],
    ['g', 'coinwell-square-root.svg', /Four times the guests need only about twice the coins\./],
    ['c', 'coinwell-100x100.svg', /stroke="rgb\(140, 30, 150\)"/],
  ];
  for (const [key, name, drawn] of views) {
    it(`the SVG after ${key.toUpperCase()} is ${name}, the view shown`, async () => {
      const page = await ranPage();
      await page.press(key);
      await page.press('End');
      const svg = await download(page, 'Save graph as SVG...', (asked) => answer(asked, '1066'));
      assert.equal(svg.name, name);
      assert.match(svg.text, drawn);
      assert.equal(/Coin balance/.test(svg.text), key === 'w', 'the replay only in its own view');
    });
  }

  // Each row: the seed and settings; the desktop's batch run gives the CSV.
  const runs = [['1', 100, 100], ['18446744073709551615', 1000, 1000]];
  for (const [seed, guests, experiments] of runs) {
    it(`seed ${seed}, ${guests} guests x ${experiments}: the CSV is the desktop's byte for byte`, { skip: !desktop && 'COINWELL_PROGRAM unset' }, async () => {
      const page = await ranPage(`?seed=${seed}`, [String(guests), String(experiments)]);
      const csv = await download(page, 'Save results as CSV...');
      assert.equal(csv.name, `coinwell-${guests}x${experiments}.csv`);
      assert.equal(csv.text, batch('--guests', String(guests), '--experiments', String(experiments), '--seed', seed, '--csv', '-'));
      const average = csv.text.split('\n')[1].split(',')[5]; // the first row's average_shortage
      assert.equal(Number(average).toFixed(1).replace(/^(-?)0\./, '$1.'), await value(page, 'averageValue'));
    });
  }

  // Each row: the address, and how the caption under the printed graph begins.
  const sheets = [
    ['?seed=1', /^100 guests, 100 experiments, average shortage -7\.1, exact mean -7\.46, coins to have ready for 95% of meetings: \d+, seed 1, \S/],
    ['?seed=abc', /^100 guests, 100 experiments, average shortage -?\d+\.\d, exact mean -7\.46, coins to have ready for 95% of meetings: \d+, the time of day instead of the seed "abc", \S/],
  ];
  for (const [query, caption] of sheets) {
    it(`prints the graph with its caption line (${query})`, async () => {
      const page = await open(server.url + query);
      if (query.includes('abc')) await page.click('dialog.notice[open] button[value="ok"]');
      await answer(page, '100');
      await answer(page, '100');
      await page.click(control('startButton'));
      await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
      // Only Chromium's protocol emulates print media: in every engine the
      // page's own print rules are made to hold on the screen instead.
      await page.evaluate(() => {
        for (const sheet of document.styleSheets) {
          for (const rule of sheet.cssRules) if (rule.media?.mediaText === 'print') rule.media.mediaText = 'all';
        }
      });
      assert.match(await text(page, '#print-sheet p'), caption);
      const shown = (s) => document.querySelector(s).getBoundingClientRect().height > 0;
      await page.waitFor(shown, '#print-sheet img'); // made when asked for print, and loaded in its time
      assert.ok(!(await page.evaluate(shown, '#app')));
    });
  }

  // Each row: the paper and which way round; the graph and its caption
  // printed to PDF come on one sheet, in the engines whose protocol prints.
  const papers = [['A4', false], ['A4', true], ['Letter', false], ['Letter', true]];
  for (const [paper, landscape] of papers) {
    it(`prints the graph on one ${paper} sheet, ${landscape ? 'landscape' : 'portrait'}`, async (t) => {
      const page = await ranPage();
      await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
      await page.waitFor(() => document.querySelector('#print-sheet img')?.complete);
      const pdf = await page.printPdf({ paper, landscape });
      if (!pdf) return t.skip(`${engine}'s driver cannot print`);
      assert.equal(pdf.subarray(0, 5).toString('latin1'), '%PDF-');
      assert.equal(pdfPages(pdf), 1);
    });
  }

  // Each row: the caption line's option, and the image saved: the SVG's
  // texts end in the run's settings, average, exact mean, the coins for the
  // share chosen and the seed while it is on; the PNG is taller than the
  // graph's 1066 x 762 by the caption's lines, with ink there.
  for (const on of [true, false]) {
    for (const kind of ['SVG', 'PNG']) {
      it(`the ${kind} ${on ? 'carries' : 'leaves out'} the caption line with its option ${on ? 'on' : 'off'}`, async () => {
        const page = await ranPage('?seed=1');
        await menuItem(page, '90% of meetings');
        if (!on) await menuItem(page, 'Caption under saved images');
        const file = await download(page, `Save graph as ${kind}...`, (asked) => answer(asked, '1066'));
        const caption = /100 guests, 100 experiments, average shortage -7\.1, exact mean -7\.46, coins to have ready for 90% of meetings: \d+, seed 1$/;
        if (kind === 'SVG') {
          const texts = [...file.text.matchAll(/<text[^>]*>([^<]*)<\/text>/g)].map((m) => m[1]).join(' ');
          assert.equal(caption.test(texts), on, texts);
          return;
        }
        const below = await page.evaluate(async (base64) => {
          const image = new Image();
          image.src = `data:image/png;base64,${base64}`;
          await image.decode();
          const canvas = Object.assign(document.createElement('canvas'), { width: image.naturalWidth, height: image.naturalHeight });
          const g = canvas.getContext('2d');
          g.drawImage(image, 0, 0);
          const rows = Math.max(0, canvas.height - 763);
          const data = rows ? g.getImageData(0, 763, canvas.width, rows).data : [];
          let ink = 0;
          for (let i = 0; i < data.length; i += 4) if (data[i] + data[i + 1] + data[i + 2] < 384) ink++;
          return { width: canvas.width, height: canvas.height, ink };
        }, file.bytes.toString('base64'));
        assert.equal(below.width, 1066);
        assert.equal(below.height > 762, on, `${below.height} pixels high`);
        assert.equal(below.ink > 0, on, `${below.ink} dark pixels under the graph`);
      });
    }
  }
});

// Each text's box as the browser lays out the saved SVG, and the pairs that
// overlap.
const textBoxes = (page, svg) => page.evaluate((markup) => {
  const holder = document.body.appendChild(document.createElement('div'));
  holder.innerHTML = markup;
  const boxes = [...holder.querySelectorAll('text')].map((t) => ({ text: t.textContent, box: t.getBBox() }));
  holder.remove();
  const found = [];
  boxes.forEach(({ text, box: a }, i) => boxes.slice(i + 1).forEach(({ text: other, box: b }) => {
    // A box is the face's whole height, its line gap with it: lines set one
    // under the other may share that much.
    const gap = 0.15 * Math.min(a.height, b.height);
    if (a.x < b.x + b.width - 0.5 && b.x < a.x + a.width - 0.5 && a.y < b.y + b.height - gap && b.y < a.y + a.height - gap) {
      found.push(`${text} / ${other}`);
    }
  }));
  return { count: boxes.length, found };
}, svg.text);

describe('labels', () => {
  // Each row: the language and the guests of a seeded run of 100 experiments.
  for (const lang of ['en', 'ja']) {
    for (const guests of ['10', '35', '100', '1000']) {
      it(`no text covers another at ${guests} guests, the options off and on (${lang})`, async () => {
        const page = await ranPage(`?lang=${lang}&seed=1`, [guests, '100']);
        for (const keys of [[], ['t', 'k', 'c', 'f']]) {
          for (const key of keys) await page.press(key);
          const svg = await download(page, lang === 'ja' ? ja(P, 'Save graph as SVG...') : 'Save graph as SVG...',
            (asked) => answer(asked, '1066'));
          const { count, found } = await textBoxes(page, svg);
          assert.ok(count >= 10, `${count} texts`); // the captions and the axes' numbers at least
          assert.deepEqual(found, [], `with ${keys.join(' ') || 'no options'}`);
        }
      });
    }
  }
});

describe('options and languages', () => {
  // Each row: how the options came to be stored before a reload (earlier
  // editions stored the switches as 'true' and 'false'), and what is then
  // drawn and said: the exact law, and the coins to have ready for the share.
  const kept = [
    ['chosen by T, K and the share of 99%', async (page) => {
      await page.click(control('startButton'));
      await page.press('t');
      await page.press('k');
      await menuItem(page, '99% of meetings');
      assert.equal(await page.evaluate(() => localStorage.getItem('coinwell.showExactDistribution')), '1');
    }, true, / coins are enough in 99% of meetings\.$/],
    ['stored as \'true\'', (page) => page.evaluate(() => localStorage.setItem('coinwell.showExactDistribution', 'true')), true],
    ['stored as \'false\'', (page) => page.evaluate(() => localStorage.setItem('coinwell.showExactDistribution', 'false')), false],
  ];
  for (const [how, keep, drawn, said] of kept) {
    it(`the options ${how} are kept across a reload`, async () => {
      const page = await ranPage('?seed=1', ['100', '100'], false);
      await keep(page);
      await page.reload();
      await answer(page, '100');
      await answer(page, '100');
      await page.click(control('startButton'));
      assert.equal(await pixels(page, colours.exact) > 100, drawn);
      if (said) assert.match(await text(page, '#graph-description'), said);
    });
  }

  // One experiment of 10 guests whose shortage is -1 (seed 5): one coin is
  // enough, said in the singular in the graph's description and on it.
  for (const lang of ['en', 'ja']) {
    it(`tells and marks one coin to have ready as one coin (${lang})`, async () => {
      const page = await ranPage(`?seed=5&lang=${lang}`, ['10', '1']);
      await page.press('k');
      const [told, marked] = lang === 'en' ? ['1 coin is enough in 95% of meetings.', '1 coin: enough in 95% of meetings']
        : [ja('coinwell::MainWindow', '%n coin(s) are enough in %1% of meetings.'), ja('coinwell::graph', '%n coin(s): enough in %1% of meetings')]
          .map((words) => words.replace('%n', '1').replace('%1', '95'));
      const description = await text(page, '#graph-description');
      assert.ok(description.endsWith(` ${told}`), description);
      const item = lang === 'en' ? 'Save graph as SVG...' : ja(P, 'Save graph as SVG...');
      const svg = await download(page, item, (asked) => answer(asked, '1066'));
      assert.ok(svg.text.includes(`>${marked}</text>`), marked);
    });
  }
});

describe('everyone', () => {
  // Each row: the address, and how to reach the state audited there.
  const states = [
    ['a question', '', (page) => question(page)],
    ['the window after a run, menu open', '', async (page) => {
      await page.click(control('startButton')); await page.click(control('graphMenuButton'));
    }, ['100', '100']],
    ['the replay at its end, menu open', '', async (page) => {
      await page.press('w'); await page.press('End'); await page.click(control('graphMenuButton'));
    }, ['100', '100']],
    ['the help view', '', async (page) => {
      await page.press('F1'); await page.waitFor(() => document.querySelector('.help-text'));
    }, ['100', '100']],
    ['the ended page in Japanese', '?lang=ja', async (page) => {
      await page.click('dialog[open] button[value=cancel]');
      await page.click('dialog.notice button'); await page.waitFor(() => document.querySelector('.ended button'));
    }],
  ];
  for (const [state, query, reach, answers] of states) {
    it(`axe-core finds no violation: ${state}`, async () => {
      const page = await open(server.url + query, answers);
      await reach(page);
      await page.evaluate((source) => document.head.append(Object.assign(document.createElement('script'), { textContent: source })), axeSource);
      const result = await page.evaluate(() => window.axe.run(document));
      assert.deepEqual(result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`), []);
      assert.deepEqual(await page.errors(), [], 'no error on the console');
    });
  }

  it('reloads with the network gone', async (t) => {
    const own = await serve();
    const offline = await launch();
    t.after(async () => { await offline.close(); await own.close(); });
    const page = await offline.newTab();
    await page.goto(own.url);
    await question(page);
    // The worker claims the page once it has kept every file.
    await page.waitFor(() => navigator.serviceWorker.controller !== null);
    await own.close();
    await page.reload();
    await answer(page, '100');
    await answer(page, '100');
    await page.click(control('startButton'));
    assert.notEqual(await value(page, 'averageValue'), '');
  });
});
