// The graph's menu and what it saves, the exact distribution, a seeded run
// against the desktop's batch run, an accessibility audit and a reload
// with the network gone.
import { after, before, describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { answer, ja, launch, question, serve, value } from './support.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const desktop = process.env.COINWELL_PROGRAM;
const GM = 'coinwell::graph::GraphMenu';

let server;
let browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser.close(); await server.close(); });

async function ranPage(query, guests = '100', experiments = '100') {
  const page = await browser.context.newPage();
  await page.goto(server.url + query);
  await answer(page, guests);
  await answer(page, experiments);
  await value(page, 'startButton').click();
  return page;
}

async function menuItem(page, name) {
  await value(page, 'graphMenuButton').click();
  await page.getByRole('menuitem', { name }).or(page.getByRole('menuitemcheckbox', { name }))
    .or(page.getByRole('menuitemradio', { name })).first().click();
}

async function download(page, item, before = async () => {}) {
  const [file] = await Promise.all([page.waitForEvent('download'), menuItem(page, item).then(() => before(page))]);
  const bytes = readFileSync(await file.path());
  return { name: file.suggestedFilename(), bytes, text: bytes.toString('utf8') };
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


function parseCsv(text) {
  const [header, ...rows] = text.trimEnd().split('\n').map((line) => line.split(','));
  return rows.map((row) => Object.fromEntries(header.map((key, i) => [key, row[i]])));
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
      const rows = parseCsv(csv.text);
      assert.equal(rows.reduce((sum, row) => sum + Number(row.count), 0), experiments);
      assert.ok(Math.abs(rows.reduce((sum, row) => sum + Number(row.expected_count), 0) - experiments) < 0.01 * rows.length);
      assert.equal(rows.at(-1).shortage, '1');
      assert.equal(Number(rows[0].average_shortage).toFixed(1).replace(/^(-?)0\./, '$1.'),
        await value(page, 'averageValue').textContent());
      await page.close();
    });
  }

  it('a second run follows on from the first, as in the desktop window', async () => {
    const page = await ranPage('?seed=5');
    const first = (await download(page, 'Save results as CSV...')).text;
    await value(page, 'initButton').click();
    await answer(page, '100');
    await answer(page, '100');
    await value(page, 'startButton').click();
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
    const page = await browser.context.newPage();
    await page.goto(server.url);
    await answer(page, '100');
    await answer(page, '100');
    await value(page, 'graphView').focus();
    await page.keyboard.press('Shift+F10');
    const states = await page.locator('[role=menu] button').evaluateAll((items) =>
      items.map((item) => item.getAttribute('aria-disabled')));
    // Copy, the two images, CSV, print; T, K, C, the three shares; G and W;
    // the replay's six and the way back.
    assert.deepEqual(states, [...Array(5).fill('true'), ...Array(8).fill('false'), ...Array(7).fill('true')]);
    await page.keyboard.press('Escape');
    assert.equal(await page.evaluate(() => document.activeElement.dataset.control), 'graphView');
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
    ['Cancel', (page) => page.locator('dialog.question button[value="cancel"]').click()],
    ['Escape', (page) => page.keyboard.press('Escape')],
  ];
  for (const [way, refuse] of refusals) {
    it(`${way} on the width question saves no image`, async () => {
      const page = await ranPage('?seed=2');
      const names = [];
      page.on('download', (file) => names.push(file.suggestedFilename()));
      await menuItem(page, 'Save graph as PNG...');
      await question(page);
      await refuse(page);
      await page.locator('dialog[open]').waitFor({ state: 'detached' });
      await download(page, 'Save results as CSV...');
      assert.deepEqual(names, ['coinwell-100x100.csv']);
      await page.close();
    });
  }

  it('keeps the width question open for a width out of its range, and asks in Japanese', async () => {
    const page = await ranPage('?seed=2&lang=ja');
    const file = await download(page, ja('coinwell::web::Page', 'Save graph as PNG...'), async () => {
      const asked = await question(page);
      assert.equal(asked.title, ja(GM, 'Save graph as image'));
      assert.equal(asked.prompt, ja(GM, 'Width of the image in pixels:'));
      const dialog = page.locator('dialog.question[open]');
      for (const entry of ['99', '10001', '250.5', '']) {
        await dialog.locator('input').fill(entry);
        await dialog.locator('button[value="ok"]').click();
        assert.equal(await dialog.locator('input').evaluate((field) => field.validity.valid), false, entry);
        assert.equal(await page.locator('dialog.question[open]').count(), 1, `still open after ${entry || 'nothing'}`);
      }
      await answer(page, '100');
    });
    assert.equal((await pngFacts(page, file.bytes)).width, 100);
    await page.close();
  });

  // Each row: how the graph is copied. The clipboard holds a text first,
  // and then the graph at twice its designed size.
  const copies = [
    ['the menu', (page) => menuItem(page, 'Copy graph')],
    ['Ctrl+C', async (page) => { await value(page, 'graphView').focus(); await page.keyboard.press('Control+c'); }],
  ];
  for (const [way, copy] of copies) {
    it(`copies the graph as a PNG by ${way}`, { timeout: 30_000 }, async () => {
      await browser.context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: server.url.replace(/\/$/, '') });
      const page = await ranPage('?seed=2');
      await page.evaluate(() => navigator.clipboard.writeText('before'));
      await copy(page);
      // The copy is written when its PNG is made: read until it is there.
      let held = '';
      while (!held) {
        held = await page.evaluate(async () => {
          const [item] = await navigator.clipboard.read();
          if (!item?.types.includes('image/png')) return '';
          const bytes = new Uint8Array(await (await item.getType('image/png')).arrayBuffer());
          let text = '';
          for (const byte of bytes) text += String.fromCharCode(byte);
          return btoa(text);
        });
      }
      const png = await pngFacts(page, Buffer.from(held, 'base64'));
      assert.deepEqual([png.width, png.height], [1066, 762]);
      assert.ok(png.blue > 1066 * 762 * 0.001, `bars painted (${png.blue} blue pixels)`);
      await page.close();
    });
  }

  it('shows the exact distribution with T, and remembers it', async () => {
    const page = await ranPage('?seed=2');
    await page.keyboard.press('t');
    assert.equal(await page.locator('.graph canvas').getAttribute('data-exact'), 'true');
    const svg = await download(page, 'Save graph as SVG...', (asked) => answer(asked, '1066'));
    assert.match(svg.text, /exact mean -7\.46/);
    await page.reload();
    await answer(page, '100');
    await answer(page, '100');
    await value(page, 'startButton').click();
    assert.equal(await page.locator('.graph canvas').getAttribute('data-exact'), 'true');
    await menuItem(page, 'Show the exact distribution');
    assert.equal(await page.locator('.graph canvas').getAttribute('data-exact'), 'false');
    await page.close();
  });

  // The desktop's batch report gives the run's coins for 90, 95 and 99 %.
  it('marks the coins to have ready with K for the share chosen, as the batch run counts them, and remembers both',
    { skip: !desktop && 'COINWELL_PROGRAM unset' }, async () => {
      const report = execFileSync(desktop, ['--guests', '100', '--experiments', '100', '--seed', '1', '--lang', 'en'],
        { encoding: 'utf8', env: { ...process.env, ASAN_OPTIONS: 'detect_leaks=0' } });
      const page = await ranPage('?seed=1');
      const coins = (percent) => new RegExp(`in ${percent}% of meetings: *(\\d+) /`).exec(report)[1];
      const green = () => page.locator('.graph canvas').evaluate((canvas) => {
        const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
        let count = 0;
        for (let i = 0; i < data.length; i += 4) if (data[i] === 0 && data[i + 1] === 110 && data[i + 2] === 40) count++;
        return count;
      });
      const told = () => page.locator('#graph-description').textContent();
      assert.equal(await green(), 0);
      await page.keyboard.press('k');
      assert.ok(await green() > 200, 'a line from the base line to the top');
      assert.match(await told(), new RegExp(`Exact mean -7\\.46\\. ${coins(95)} coins are enough in 95% of meetings\\.$`));
      await menuItem(page, '99% of meetings');
      await page.reload();
      await answer(page, '100');
      await answer(page, '100');
      await value(page, 'startButton').click();
      assert.match(await told(), new RegExp(` ${coins(99)} coins are enough in 99% of meetings\\.$`));
      await page.keyboard.press('k');
      assert.equal(await green(), 0);
      assert.doesNotMatch(await told(), /coins are enough/);
      await page.close();
    });

  it('prints the graph with its caption line', async () => {
    const page = await ranPage('?seed=1');
    await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
    await page.emulateMedia({ media: 'print' });
    const caption = await page.locator('#print-sheet p').textContent();
    assert.match(caption, /^100 guests, 100 experiments, average shortage -7\.1, exact mean -7\.46, seed 1, /);
    assert.ok(await page.locator('#print-sheet img').isVisible());
    assert.ok(!(await page.locator('#app').isVisible()));
    await page.close();
  });
});

describe('everyone', () => {
  async function audit(page) {
    await page.addScriptTag({ content: axeSource });
    const result = await page.evaluate(() => window.axe.run(document));
    return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
  }

  // Each row: how to reach the state audited.
  const states = [
    ['a question', async (page) => { await page.goto(server.url); await question(page); }],
    ['the window after a run, menu open', async (page) => {
      await page.goto(server.url); await answer(page, '100'); await answer(page, '100');
      await value(page, 'startButton').click(); await value(page, 'graphMenuButton').click();
    }],
    ['the replay at its end, menu open', async (page) => {
      await page.goto(server.url); await answer(page, '100'); await answer(page, '100');
      await page.keyboard.press('w'); await page.keyboard.press('End'); await value(page, 'graphMenuButton').click();
    }],
    ['the help view', async (page) => { await page.goto(server.url); await answer(page, '100'); await answer(page, '100'); await page.keyboard.press('F1'); }],
    ['the ended page in Japanese', async (page) => {
      await page.goto(server.url + '?lang=ja'); await page.locator('dialog[open] button[value=cancel]').click();
      await page.locator('dialog.notice button').click(); await page.locator('.ended button').waitFor();
    }],
  ];
  for (const [state, reach] of states) {
    it(`axe-core finds no violation: ${state}`, async () => {
      const page = await browser.context.newPage();
      await reach(page);
      assert.deepEqual(await audit(page), []);
      await page.close();
    });
  }

  it('opens the menu by a long press', async () => {
    const touch = await launch({ hasTouch: true, isMobile: true, viewport: { width: 375, height: 667 } });
    const page = touch.context.pages()[0];
    await page.goto(server.url + '?seed=1');
    await answer(page, '100');
    await answer(page, '100');
    await value(page, 'startButton').tap();
    const box = await value(page, 'graphView').boundingBox();
    const cdp = await touch.context.newCDPSession(page);
    const point = { x: box.x + box.width / 2, y: box.y + box.height / 2 };
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [point] });
    await page.locator('[role=menu]:not([hidden])').waitFor();
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    await touch.close();
  });
});

describe('offline', () => {
  it('reloads with the network gone', async () => {
    const own = await serve();
    const offline = await launch();
    const page = offline.context.pages()[0];
    await page.goto(own.url);
    await question(page);
    await page.evaluate(async () => { await navigator.serviceWorker.ready; });
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null || (location.reload(), false), null, { polling: 1000 });
    await own.close();
    await page.reload();
    await answer(page, '100');
    await answer(page, '100');
    await value(page, 'startButton').click();
    assert.notEqual(await value(page, 'averageValue').textContent(), '');
    await offline.close();
  });
});
