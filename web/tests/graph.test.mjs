// The graph's menu and what it saves, the exact distribution, a seeded run
// against the desktop's batch run, an accessibility audit and a reload
// with the network gone.
import { after, before, describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import {
  answer, byRole, control, count, engine, fill, focus, focused, ja, launch, pixels, question, serve, text, value,
  watchDownloads,
} from './support.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const desktop = process.env.COINWELL_PROGRAM;
const GM = 'coinwell::graph::GraphMenu';
const MW = 'coinwell::MainWindow';

let server;
let browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser.close(); await server.close(); });

async function ranPage(query, guests = '100', experiments = '100') {
  const page = await browser.newTab();
  await page.goto(server.url + query);
  await answer(page, guests);
  await answer(page, experiments);
  await page.click(control('startButton'));
  return page;
}

async function menuItem(page, name) {
  await page.click(control('graphMenuButton'));
  await page.click(await byRole(page, ['menuitem', 'menuitemcheckbox', 'menuitemradio'], name));
}

// The files saved so far, once their bytes are read.
const downloads = (page) => page.waitFor(() => window.downloads.every((file) => file.base64) && window.downloads);

async function download(page, item, before = async () => {}) {
  await page.evaluate(watchDownloads);
  const seen = (await downloads(page)).length;
  await menuItem(page, item);
  await before(page);
  const file = await page.waitFor((n) => window.downloads.length > n && window.downloads[n].base64 && window.downloads[n], seen);
  const bytes = Buffer.from(file.base64, 'base64');
  return { name: file.name, bytes, text: bytes.toString('utf8') };
}

// A PNG's size from its header, and its count of pure blue pixels (the
// bars), decoded by the page's own browser.
async function pngFacts(page, bytes) {
  return page.evaluate(async (base64) => {
    const blob = await (await fetch(`data:image/png;base64,${base64}`)).blob();
    const image = await createImageBitmap(blob);
    const canvas = new OffscreenCanvas(image.width, image.height);
    const g = canvas.getContext('2d');
    g.drawImage(image, 0, 0);
    const data = g.getImageData(0, 0, image.width, image.height).data;
    let blue = 0;
    for (let i = 0; i < data.length; i += 4) if (data[i] < 10 && data[i + 1] < 10 && data[i + 2] > 245) blue++;
    return { width: image.width, height: image.height, blue };
  }, Buffer.from(bytes).toString('base64'));
}


describe('a seeded run is the desktop\'s', () => {
  // Each row: the settings of the page's runs, one after another (Init in
  // between); the desktop's batch run gives the first.
  const cases = [['1', 100, 100], ['1', 10, 1], ['18446744073709551615', 1000, 1000], ['7', 37, 999]];
  for (const [seed, guests, experiments] of cases) {
    it(`seed ${seed}, ${guests} guests x ${experiments}: the CSV byte for byte`, { skip: !desktop && 'COINWELL_PROGRAM unset' }, async () => {
      const page = await ranPage(`?seed=${seed}`, String(guests), String(experiments));
      const csv = await download(page, 'Save results as CSV...');
      assert.equal(csv.name, `coinwell-${guests}x${experiments}.csv`);
      const batch = execFileSync(desktop, ['--guests', String(guests), '--experiments', String(experiments),
        '--seed', seed, '--csv', '-'], { encoding: 'utf8', env: { ...process.env, ASAN_OPTIONS: 'detect_leaks=0' } });
      assert.equal(csv.text, batch);
      const average = csv.text.split('\n')[1].split(',')[5]; // the first row's average_shortage
      assert.equal(Number(average).toFixed(1).replace(/^(-?)0\./, '$1.'),
        await value(page, 'averageValue'));
      await page.close();
    });
  }

  it('a second run follows on from the first, as in the desktop window', async () => {
    const page = await ranPage('?seed=5');
    const first = (await download(page, 'Save results as CSV...')).text;
    await page.click(control('initButton'));
    await answer(page, '100');
    await answer(page, '100');
    await page.click(control('startButton'));
    const second = (await download(page, 'Save results as CSV...')).text;
    assert.notEqual(second, first);
    const again = await ranPage('?seed=5');
    assert.equal((await download(again, 'Save results as CSV...')).text, first, 'the same seed, the same first run');
    await page.close();
    await again.close();
  });
});

describe('the graph menu', () => {
  it('waits for a run: its first items are off before one', async () => {
    const page = await browser.newTab();
    await page.goto(server.url);
    await answer(page, '100');
    await answer(page, '100');
    await focus(page, 'graphView');
    await page.press('Shift+F10');
    await page.waitFor(() => document.querySelector('[role=menu]:not([hidden])'));
    const states = await page.evaluate(() => [...document.querySelectorAll('[role=menu] button')]
      .map((item) => item.getAttribute('aria-disabled')));
    // Copy, the two images, CSV, print; T, K, C, the three shares; G and W;
    // the replay's six and the way back.
    assert.deepEqual(states, [...Array(5).fill('true'), ...Array(8).fill('false'), ...Array(7).fill('true')]);
    await page.press('Escape');
    assert.equal(await focused(page), 'graphView');
    await page.close();
  });

  // Each row: the item, the width typed (none: the default as it stands),
  // and the image's size.
  const sizes = [
    ['Save graph as PNG...', undefined, 1066, 762],
    ['Save graph as PNG...', '300', 300, 214],
    ['Save graph as PNG...', '1600', 1600, 1144],
    ['Save graph as SVG...', '2000', 2000, 1430],
  ];
  for (const [item, entry, wide, high] of sizes) {
    it(`${item} at ${entry ?? 'the default'} pixels wide: ${wide} x ${high}`, async () => {
      const page = await ranPage('?seed=2');
      const file = await download(page, item, async () => {
        assert.deepEqual(await question(page),
          { title: 'Save graph as image', prompt: 'Width of the image in pixels:', entry: '1066' });
        await answer(page, entry ?? '1066');
      });
      if (item.includes('PNG')) {
        assert.equal(file.name, 'coinwell-100x100.png');
        const png = await pngFacts(page, file.bytes);
        assert.deepEqual([png.width, png.height], [wide, high]);
        assert.ok(png.blue > wide * high * 0.001, `bars painted (${png.blue} blue pixels)`);
      } else {
        assert.match(file.text, new RegExp(`^<svg xmlns="http://www.w3.org/2000/svg" width="${wide}" height="${high}"`));
        assert.equal((file.text.match(/<text /g) ?? []).length, 19, 'two captions, five counts, twelve shortages');
      }
      await page.close();
    });
  }

  // Each row: what is done to the width question; nothing is saved, and the
  // next file saved is the CSV.
  const refusals = [
    ['Cancel', (page) => page.click('dialog.question button[value="cancel"]')],
    ['Escape', (page) => page.press('Escape')],
  ];
  for (const [way, refuse] of refusals) {
    it(`${way} on the width question saves no image`, async () => {
      const page = await ranPage('?seed=2');
      await page.evaluate(watchDownloads);
      await menuItem(page, 'Save graph as PNG...');
      await question(page);
      await refuse(page);
      await page.waitFor(() => !document.querySelector('dialog'));
      await download(page, 'Save results as CSV...');
      assert.deepEqual((await downloads(page)).map((file) => file.name), ['coinwell-100x100.csv']);
      await page.close();
    });
  }

  it('keeps the width question open for a width out of its range, and asks in Japanese', async () => {
    const page = await ranPage('?seed=2&lang=ja');
    const file = await download(page, ja('coinwell::web::Page', 'Save graph as PNG...'), async () => {
      const asked = await question(page);
      assert.equal(asked.title, ja(GM, 'Save graph as image'));
      assert.equal(asked.prompt, ja(GM, 'Width of the image in pixels:'));
      for (const entry of ['99', '10001', '250.5', '']) {
        await fill(page, entry);
        await page.click('dialog.question[open] button[value="ok"]');
        assert.equal(await page.evaluate(() => document.querySelector('dialog.question[open] input').validity.valid), false, entry);
        assert.equal(await count(page, 'dialog.question[open]'), 1, `still open after ${entry || 'nothing'}`);
      }
      await answer(page, '100');
    });
    assert.equal((await pngFacts(page, file.bytes)).width, 100);
    await page.close();
  });

  // Stands in for the system clipboard, in the page: only Chromium lets a
  // test grant itself the right to read the clipboard back, so every engine
  // is checked on what the page hands the clipboard instead.
  const holdClipboard = () => {
    window.clipboardHeld = null;
    navigator.clipboard.writeText = async (text) => { window.clipboardHeld = { text }; };
    navigator.clipboard.write = async ([item]) => {
      const held = {};
      for (const type of item.types) {
        const bytes = new Uint8Array(await (await item.getType(type)).arrayBuffer());
        let text = '';
        for (const byte of bytes) text += String.fromCharCode(byte);
        held[type] = btoa(text);
      }
      window.clipboardHeld = held;
    };
  };

  // Each row: how the graph is copied. The clipboard holds a text first,
  // and then the graph at twice its designed size.
  const copies = [
    ['the menu', (page) => menuItem(page, 'Copy graph')],
    ['Ctrl+C', async (page) => { await focus(page, 'graphView'); await page.press('Control+c'); }],
  ];
  for (const [way, copy] of copies) {
    it(`copies the graph as a PNG by ${way}`, { timeout: 30_000 }, async () => {
      const page = await ranPage('?seed=2');
      await page.evaluate(holdClipboard);
      await page.evaluate(() => navigator.clipboard.writeText('before'));
      assert.deepEqual(await page.evaluate(() => window.clipboardHeld), { text: 'before' });
      await copy(page);
      // The copy is written when its PNG is made: wait until it is there.
      const held = await page.waitFor(() => window.clipboardHeld['image/png']);
      const png = await pngFacts(page, Buffer.from(held, 'base64'));
      assert.deepEqual([png.width, png.height], [1066, 762]);
      assert.ok(png.blue > 1066 * 762 * 0.001, `bars painted (${png.blue} blue pixels)`);
      await page.close();
    });
  }

  it('shows the exact distribution with T, and remembers it', async () => {
    const page = await ranPage('?seed=2');
    const orange = [230, 90, 0];
    assert.equal(await pixels(page, orange), 0);
    await page.press('t');
    assert.ok(await pixels(page, orange) > 100, 'the line and the mean drawn');
    const svg = await download(page, 'Save graph as SVG...', (asked) => answer(asked, '1066'));
    assert.match(svg.text, /exact mean -7\.46/);
    await page.reload();
    await answer(page, '100');
    await answer(page, '100');
    await page.click(control('startButton'));
    assert.ok(await pixels(page, orange) > 100, 'still drawn after a reload');
    await menuItem(page, 'Show the exact distribution');
    assert.equal(await pixels(page, orange), 0);
    await page.close();
  });

  // Each row: a choice as earlier editions of the page stored it, and
  // whether the exact law's orange is then drawn after a run.
  const stored = [['true', true], ['false', false], ['1', true]];
  for (const [kept, drawn] of stored) {
    it(`reads a stored showExactDistribution of '${kept}' as ${drawn ? 'shown' : 'hidden'}`, async () => {
      const page = await browser.newTab();
      await page.goto(`${server.url}?seed=2`);
      await page.evaluate((kept) => localStorage.setItem('coinwell.showExactDistribution', kept), kept);
      await page.reload();
      await answer(page, '100');
      await answer(page, '100');
      await page.click(control('startButton'));
      assert.equal(await pixels(page, [230, 90, 0]) > 100, drawn);
      await page.close();
    });
  }

  // The desktop's batch report gives the run's coins for 90, 95 and 99 %.
  it('marks the coins to have ready with K for the share chosen, as the batch run counts them, and remembers both',
    { skip: !desktop && 'COINWELL_PROGRAM unset' }, async () => {
      const report = execFileSync(desktop, ['--guests', '100', '--experiments', '100', '--seed', '1', '--lang', 'en'],
        { encoding: 'utf8', env: { ...process.env, ASAN_OPTIONS: 'detect_leaks=0' } });
      const page = await ranPage('?seed=1');
      const coins = (percent) => new RegExp(`in ${percent}% of meetings: *(\\d+) /`).exec(report)[1];
      const green = () => pixels(page, [0, 110, 40]);
      const told = () => text(page, '#graph-description');
      assert.equal(await green(), 0);
      await page.press('k');
      assert.ok(await green() > 200, 'a line from the base line to the top');
      assert.match(await told(), new RegExp(`Exact mean -7\\.46\\. ${coins(95)} coins are enough in 95% of meetings\\.$`));
      await menuItem(page, '99% of meetings');
      await page.reload();
      await answer(page, '100');
      await answer(page, '100');
      await page.click(control('startButton'));
      assert.match(await told(), new RegExp(` ${coins(99)} coins are enough in 99% of meetings\\.$`));
      await page.press('k');
      assert.equal(await green(), 0);
      assert.doesNotMatch(await told(), /coins are enough/);
      await page.close();
    });

  // One experiment of 10 guests whose shortage is -1 (seed 5): whatever the
  // share of meetings, one coin is enough, and it is said in the singular.
  for (const lang of ['en', 'ja']) {
    it(`tells and marks one coin to have ready as one coin (${lang})`, async () => {
      const page = await browser.newTab();
      await page.goto(`${server.url}?seed=5&lang=${lang}`);
      // The options as they stand before any choice: the other tests' forgotten.
      await page.evaluate(() => localStorage.clear());
      await page.reload();
      await answer(page, '10');
      await answer(page, '1');
      await page.click(control('startButton'));
      assert.equal(await value(page, 'averageValue'), '-1.0');
      await page.press('k');
      const [told, marked] = lang === 'en' ? ['1 coin is enough in 95% of meetings.', '1 coin: enough in 95% of meetings']
        : [ja(MW, '%n coin(s) are enough in %1% of meetings.'), ja('coinwell::graph', '%n coin(s): enough in %1% of meetings')]
          .map((words) => words.replace('%n', '1').replace('%1', '95'));
      const description = await text(page, '#graph-description');
      assert.ok(description.endsWith(` ${told}`), description);
      const item = lang === 'en' ? 'Save graph as SVG...' : ja('coinwell::web::Page', 'Save graph as SVG...');
      const svg = await download(page, item, (asked) => answer(asked, '1066'));
      assert.ok(svg.text.includes(`>${marked}</text>`), marked);
      await page.close();
    });
  }

  it('prints the graph with its caption line', async () => {
    const page = await ranPage('?seed=1');
    await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
    // Only Chromium's protocol emulates print media: in every engine the
    // page's own print rules are made to hold on the screen instead.
    await page.evaluate(() => {
      for (const sheet of document.styleSheets) {
        for (const rule of sheet.cssRules) {
          if (rule instanceof CSSMediaRule && rule.media.mediaText === 'print') rule.media.mediaText = 'all';
        }
      }
    });
    const caption = await text(page, '#print-sheet p');
    assert.match(caption, /^100 guests, 100 experiments, average shortage -7\.1, exact mean -7\.46, seed 1, /);
    // The picture is made when asked for print, and loads in its time.
    const shown = (s) => {
      const box = document.querySelector(s).getBoundingClientRect();
      return box.width > 0 && box.height > 0;
    };
    await page.waitFor(shown, '#print-sheet img');
    assert.ok(!(await page.evaluate(shown, '#app')));
    await page.close();
  });

  it('says on the printed graph that a seed it could not use was not used', async () => {
    const page = await browser.newTab();
    await page.goto(server.url + '?seed=abc');
    await page.click('dialog.notice[open] button[value="ok"]');
    await answer(page, '100');
    await answer(page, '100');
    await page.click(control('startButton'));
    await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
    assert.match(await text(page, '#print-sheet p'),
      /^100 guests, 100 experiments, average shortage -?\d+\.\d, exact mean -7\.46, the time of day instead of the seed "abc", /);
    await page.close();
  });
});

describe('everyone', () => {
  async function audit(page) {
    await page.evaluate((source) => {
      const script = document.createElement('script');
      script.textContent = source;
      document.head.append(script);
    }, axeSource);
    const result = await page.evaluate(() => window.axe.run(document));
    return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
  }

  // Each row: how to reach the state audited.
  const states = [
    ['a question', async (page) => { await page.goto(server.url); await question(page); }],
    ['the window after a run, menu open', async (page) => {
      await page.goto(server.url); await answer(page, '100'); await answer(page, '100');
      await page.click(control('startButton')); await page.click(control('graphMenuButton'));
    }],
    ['the replay at its end, menu open', async (page) => {
      await page.goto(server.url); await answer(page, '100'); await answer(page, '100');
      await page.press('w'); await page.press('End'); await page.click(control('graphMenuButton'));
    }],
    ['the help view', async (page) => { await page.goto(server.url); await answer(page, '100'); await answer(page, '100'); await page.press('F1');
      await page.waitFor(() => document.querySelector('.help-text'));
    }],
    ['the ended page in Japanese', async (page) => {
      await page.goto(server.url + '?lang=ja'); await page.click('dialog[open] button[value=cancel]');
      await page.click('dialog.notice button'); await page.waitFor(() => document.querySelector('.ended button'));
    }],
  ];
  for (const [state, reach] of states) {
    it(`axe-core finds no violation: ${state}`, async () => {
      const page = await browser.newTab();
      await reach(page);
      assert.deepEqual(await audit(page), []);
      assert.deepEqual(await page.errors(), [], 'no error on the console');
      await page.close();
    });
  }

  // WebKitWebDriver on GTK sends a touch action as the mouse, which the
  // page rightly does not take for a long press.
  it('opens the menu by a long press', { skip: engine === 'webkit' && 'WebKitGTK\'s WebDriver has no touch' }, async () => {
    const touch = await launch({ touch: true, viewport: { width: 375, height: 667 } });
    const page = await touch.newTab();
    await page.goto(server.url + '?seed=1');
    await answer(page, '100');
    await answer(page, '100');
    await page.tap(control('startButton'));
    await page.waitFor(() => document.querySelector('[data-control="averageValue"]').textContent !== '');
    await page.longPress(control('graphView'), () => document.querySelector('[role=menu]:not([hidden])'));
    await touch.close();
  });
});

describe('offline', () => {
  it('reloads with the network gone', async () => {
    const own = await serve();
    const offline = await launch();
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
    await offline.close();
  });
});
