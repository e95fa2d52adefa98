// The graph's menu and what it saves, the exact distribution, a seeded run
// against the desktop's batch run, an accessibility audit and a reload
// with the network gone.
import { after, before, describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { answer, launch, question, serve, value } from './support.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const desktop = process.env.COINWELL_PROGRAM;

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
  await page.getByRole('menuitem', { name }).or(page.getByRole('menuitemcheckbox', { name })).first().click();
}

async function download(page, item) {
  const [file] = await Promise.all([page.waitForEvent('download'), menuItem(page, item)]);
  return { name: file.suggestedFilename(), text: readFileSync(await file.path(), 'utf8') };
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
    assert.deepEqual(states, ['true', 'true', 'true', 'true', 'true', 'false']);
    await page.keyboard.press('Escape');
    assert.equal(await page.evaluate(() => document.activeElement.dataset.control), 'graphView');
    await page.close();
  });

  it('saves the graph as PNG and SVG', async () => {
    const page = await ranPage('?seed=2');
    const png = await download(page, 'Save graph as PNG...');
    assert.equal(png.name, 'coinwell-100x100.png');
    const svg = await download(page, 'Save graph as SVG...');
    assert.match(svg.text, /^<svg xmlns="http:\/\/www.w3.org\/2000\/svg"/);
    assert.equal((svg.text.match(/<text /g) ?? []).length, 19, 'two captions, five counts, twelve shortages');
    await page.close();
  });

  it('shows the exact distribution with T, and remembers it', async () => {
    const page = await ranPage('?seed=2');
    await page.keyboard.press('t');
    assert.equal(await page.locator('.graph canvas').getAttribute('data-exact'), 'true');
    const svg = await download(page, 'Save graph as SVG...');
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
