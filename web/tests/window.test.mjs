// The main window in Chromium: the questions, a run, Init, Help, Exit and
// Cancel, the keys, Japanese, and the window at phone and desktop sizes.
import { after, before, describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { answer, ja, launch, openPage, question, serve, value } from './support.mjs';

const MW = 'coinwell::MainWindow';

let server;
let browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser.close(); await server.close(); });

async function freshPage(query = '', settings) {
  const page = await browser.context.newPage();
  await page.goto(server.url + query);
  for (const entry of settings ?? []) await answer(page, entry);
  return page;
}

async function bluePixels(page) {
  return page.locator('.graph canvas').evaluate((canvas) => {
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let blue = 0;
    let orange = 0;
    for (let i = 0; i < data.length; i += 4) {
      if (data[i] === 0 && data[i + 1] === 0 && data[i + 2] === 255) blue++;
      if (data[i] > 200 && data[i + 1] > 60 && data[i + 1] < 120 && data[i + 2] < 40) orange++;
    }
    return { blue, orange };
  });
}

describe('the questions', () => {
  // Each row: entries typed one after another into the guests question, and
  // the count the window then shows, or, for the experiments question.
  const cases = [
    { setting: 'guests', entries: ['9', '1001', '10'], shows: '10' },
    { setting: 'guests', entries: ['1000'], shows: '1000' },
    { setting: 'guests', entries: ['9.99', '1000.4', '10.9'], shows: '10' },
    { setting: 'guests', entries: ['１００'], shows: '100' },
    { setting: 'guests', entries: ['abc', '   ', '-20', '40000', '25 guests'], shows: '25' },
    { setting: 'guests', entries: ['1,000', '２５０'], shows: '250' },
    { setting: 'experiments', entries: ['0', '1,000'], shows: '1' },
    { setting: 'experiments', entries: ['1001', '1000'], shows: '1000' },
  ];
  for (const { setting, entries, shows } of cases) {
    it(`${setting}: ${entries.join(' | ')} -> ${shows}`, async () => {
      const page = await freshPage();
      if (setting === 'experiments') await answer(page, '100');
      const title = (await question(page)).title;
      for (const [n, entry] of entries.entries()) {
        const asked = await question(page);
        assert.equal(asked.title, title, 'the same question comes back');
        assert.equal(asked.entry, '100', `the default again before entry ${n + 1}`);
        await answer(page, entry);
      }
      const label = setting === 'guests' ? 'guestCountValue' : 'experimentCountValue';
      assert.equal(await value(page, label).textContent(), shows);
      await page.close();
    });
  }

  it('asks first for the guests, then the experiments, with the titles and prompts of the window', async () => {
    const page = await freshPage();
    assert.deepEqual(await question(page),
      { title: ' Setting the number of guests', prompt: 'Please enter an integer between 10 and 1000 ...', entry: '100' });
    await answer(page, '100');
    assert.equal(await value(page, 'guestCountValue').textContent(), '100', 'shown while the next question is open');
    assert.deepEqual(await question(page),
      { title: ' Setting the number of experiments', prompt: 'Please enter an integer between 1 and 1000 ...', entry: '100' });
    await page.close();
  });
});

describe('the commands', () => {
  it('Start runs with the settings, draws the bars and names the values', async () => {
    const page = await freshPage('?seed=1', ['100', '100']);
    await value(page, 'startButton').click();
    assert.equal(await value(page, 'averageValue').textContent(), '-7.1');
    assert.equal(await value(page, 'averageValue').getAttribute('aria-label'), 'Average number of shortage: -7.1');
    assert.equal(await value(page, 'guestCountValue').getAttribute('aria-label'), 'Number of guests: 100');
    assert.ok(await value(page, 'startButton').isDisabled());
    assert.equal(await page.evaluate(() => document.activeElement.dataset.control), 'initButton');
    assert.ok((await bluePixels(page)).blue > 100, 'bars painted');
    assert.match(await page.locator('#graph-description').textContent(), /^100 experiments\. Average shortage -7\.1\. /);
    await page.close();
  });

  it('Init clears the graph and the values, enables Start and asks without the leading blank', async () => {
    const page = await freshPage('?seed=1', ['100', '100']);
    await value(page, 'startButton').click();
    await value(page, 'initButton').click();
    assert.equal((await question(page)).title, 'Setting the number of guests');
    for (const name of ['guestCountValue', 'experimentCountValue', 'averageValue']) {
      assert.equal(await value(page, name).textContent(), '', name);
    }
    assert.equal((await bluePixels(page)).blue, 0);
    assert.ok(!(await value(page, 'startButton').isDisabled()));
    await answer(page, '50');
    assert.equal((await question(page)).title, 'Setting the number of experiments');
    await page.close();
  });

  // How the program ends: each way shows the notice and then the ended page.
  const endings = [
    ['Exit', async (page) => { await answer(page, '100'); await answer(page, '100'); await value(page, 'exitButton').click(); }],
    ['Cancel on the guests', (page) => page.locator('dialog[open] button[value="cancel"]').click()],
    ['an empty experiments entry', async (page) => { await answer(page, '100'); await answer(page, ''); }],
    ['Escape on the experiments', async (page) => { await answer(page, '100'); await page.keyboard.press('Escape'); }],
    ['Ctrl+Q', async (page) => { await answer(page, '100'); await answer(page, '100'); await page.keyboard.press('Control+q'); }],
  ];
  for (const [way, end] of endings) {
    it(`${way} ends the program after its notice`, async () => {
      const page = await freshPage();
      await question(page);
      await end(page);
      const notice = page.locator('dialog.notice[open]');
      assert.equal(await notice.locator('.box-title').textContent(), 'Coinwell');
      assert.equal(await notice.locator('p').textContent(), 'This software will exit.');
      await notice.locator('button').click();
      await page.locator('.ended button').waitFor();
      assert.equal(await page.locator('dialog[open]').count(), 0);
      await page.locator('.ended button').click();
      assert.equal((await question(page)).title, ' Setting the number of guests', 'starts again');
      await page.close();
    });
  }

  // Each way back from the help view opens a fresh main window, whose
  // question stays open: the Escape that closed help does not cancel it.
  const waysBack = [
    ['Close', (page) => page.getByRole('button', { name: 'Close' }).click()],
    ['Escape', (page) => page.keyboard.press('Escape')],
    ['the browser\'s Back', (page) => page.goBack()],
  ];
  for (const [way, goBack] of waysBack) {
    it(`Help shows the text, and ${way} brings a fresh main window back`, async () => {
      const page = await freshPage('?seed=1', ['100', '100']);
      await value(page, 'startButton').click();
      await page.keyboard.press('F1');
      const text = await page.locator('.help-text').textContent();
      assert.ok(text.startsWith('\n　【Problem】\n'), 'one empty line first');
      assert.ok(text.includes('　　　　　Suppose that the number of participants in the class meeting is 35 and the \n'));
      assert.equal(text.split('\n').length, 33);
      await goBack(page);
      assert.equal((await question(page)).title, ' Setting the number of guests');
      assert.equal(await page.locator('dialog.question[open]').count(), 1);
      await answer(page, '100');
      await answer(page, '100');
      assert.ok(!(await value(page, 'startButton').isDisabled()));
      assert.equal(await value(page, 'averageValue').textContent(), '');
      await page.close();
    });
  }
});

describe('the keyboard', () => {
  it('moves Start, Exit, Init, graph, menu, Help and runs with Return four times', async () => {
    const page = await freshPage('?seed=3', ['100', '100']);
    const order = [];
    for (let n = 0; n < 6; n++) {
      order.push(await page.evaluate(() => document.activeElement.dataset.control));
      await page.keyboard.press('Tab');
    }
    assert.deepEqual(order, ['startButton', 'exitButton', 'initButton', 'graphView', 'graphMenuButton', 'helpButton']);
    await value(page, 'startButton').focus();
    await page.keyboard.press('Enter');
    const first = await value(page, 'averageValue').textContent();
    assert.notEqual(first, '');
    for (let n = 0; n < 4; n++) {
      await page.keyboard.press('Enter');
      if (n < 3) await page.waitForFunction((k) => k === 2 || document.querySelector('dialog[open]'), n);
    }
    assert.notEqual(await value(page, 'averageValue').textContent(), '', 'a second run');
    await page.keyboard.press(' ');
    assert.equal((await question(page)).title, 'Setting the number of guests', 'Space presses Init');
    await page.close();
  });
});

describe('Japanese', () => {
  it('takes every text of the window from the catalogue', async () => {
    const page = await freshPage('?lang=ja');
    assert.equal((await question(page)).title, ja(MW, ' Setting the number of guests'));
    await answer(page, '100');
    await answer(page, '100');
    for (const [name, source] of [['startButton', 'Start'], ['exitButton', 'Exit'], ['initButton', 'Init'],
      ['helpButton', 'Help'], ['guestCountCaption', 'Number of guests']]) {
      assert.equal(await value(page, name).textContent(), ja(MW, source), name);
    }
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'ja');
    await page.close();
  });
});

describe('the window fits the screen', () => {
  for (const [width, height] of [[375, 667], [800, 600], [1024, 768]]) {
    it(`at ${width} x ${height} every button is on screen`, async () => {
      const page = await freshPage('', ['100', '100']);
      await page.setViewportSize({ width, height });
      await page.waitForFunction(() => {
        const r = document.querySelector('.stage').getBoundingClientRect();
        return r.left >= 0 && r.top >= 0 && r.right <= innerWidth + 0.5 && r.bottom <= innerHeight + 0.5 &&
          (Math.abs(r.width - innerWidth) < 1 || Math.abs(r.height - innerHeight) < 1);
      });
      const outside = await page.evaluate(() => [...document.querySelectorAll('.stage button')].filter((b) => {
        const r = b.getBoundingClientRect();
        const x = r.left + r.width / 2;
        const y = r.top + r.height / 2;
        return r.width === 0 || x < 0 || y < 0 || x > innerWidth || y > innerHeight ||
          document.elementFromPoint(x, y) !== b && !b.contains(document.elementFromPoint(x, y));
      }).map((b) => b.textContent));
      assert.deepEqual(outside, []);
      await page.close();
    });
  }
});

describe('the chimes', () => {
  // The service worker would serve the chimes from its store, past the
  // routes that take them away.
  let own;
  before(async () => { own = await launch({ serviceWorkers: 'block' }); });
  after(async () => { await own.close(); });

  // Records, in the page, which file each sound that starts was decoded from.
  const listen = () => {
    const origin = new WeakMap();
    window.chimes = [];
    const fetched = window.fetch;
    window.fetch = async (...args) => {
      const response = await fetched(...args);
      const read = response.arrayBuffer.bind(response);
      response.arrayBuffer = async () => {
        const bytes = await read();
        origin.set(bytes, String(args[0]).split('/').pop());
        return bytes;
      };
      return response;
    };
    const decode = BaseAudioContext.prototype.decodeAudioData;
    BaseAudioContext.prototype.decodeAudioData = async function (bytes, ...rest) {
      const name = origin.get(bytes);
      const buffer = await decode.call(this, bytes, ...rest);
      origin.set(buffer, name);
      return buffer;
    };
    const start = AudioBufferSourceNode.prototype.start;
    AudioBufferSourceNode.prototype.start = function (...args) {
      window.chimes.push(origin.get(this.buffer));
      return start.apply(this, args);
    };
  };

  // Each row: the command, and what it shows at once whatever its chime does.
  const commands = [
    ['Init', 'initButton', 'pinpon.wav', 'dialog.question[open]'],
    ['Help', 'helpButton', 'pinpon.wav', '.help-text'],
    ['Exit', 'exitButton', 'endpinpon.wav', 'dialog.notice[open]'],
  ];
  // Each row: how the server answers for the chimes.
  const files = [
    ['there', undefined],
    ['missing', (route) => route.fulfill({ status: 404 })],
    ['never sent', () => {}],
  ];
  for (const [command, control, chime, shows] of commands) {
    for (const [state, serve] of files) {
      it(`${command} with the chime files ${state}: ${serve ? 'goes on silently' : `plays ${chime}`}`, async () => {
        const page = await own.context.newPage();
        await page.addInitScript(listen);
        if (serve) await page.route('**/*.wav', serve);
        await page.goto(server.url);
        await answer(page, '100');
        await answer(page, '100');
        await value(page, control).click();
        await page.locator(shows).waitFor();
        if (serve) {
          assert.deepEqual(await page.evaluate(() => window.chimes), []);
        } else {
          await page.waitForFunction(() => window.chimes.length > 0);
          assert.deepEqual(await page.evaluate(() => window.chimes), [chime]);
        }
        await page.close();
      });
    }
  }
});
