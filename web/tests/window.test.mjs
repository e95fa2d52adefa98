// The main window: the questions, a run, Init, Help, Exit and Cancel, the
// keys, Japanese, and the window at phone and desktop sizes.
import { after, before, describe, it } from 'node:test';
import assert from 'node:assert/strict';
import {
  answer, byRole, control, count, disabled, focus, focused, ja, launch, question, serve, text, value,
} from './support.mjs';

const MW = 'coinwell::MainWindow';

let server;
let browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser.close(); await server.close(); });

async function freshPage(query = '', settings) {
  const page = await browser.newTab();
  await page.goto(server.url + query);
  for (const entry of settings ?? []) await answer(page, entry);
  return page;
}

async function bluePixels(page) {
  return page.evaluate(() => {
    const canvas = document.querySelector('.graph canvas');
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
      assert.equal(await value(page, label), shows);
      await page.close();
    });
  }

  it('asks first for the guests, then the experiments, with the titles and prompts of the window', async () => {
    const page = await freshPage();
    assert.deepEqual(await question(page),
      { title: ' Setting the number of guests', prompt: 'Please enter an integer between 10 and 1000 ...', entry: '100' });
    await answer(page, '100');
    assert.equal(await value(page, 'guestCountValue'), '100', 'shown while the next question is open');
    assert.deepEqual(await question(page),
      { title: ' Setting the number of experiments', prompt: 'Please enter an integer between 1 and 1000 ...', entry: '100' });
    await page.close();
  });
});

describe('the commands', () => {
  it('Start runs with the settings, draws the bars and names the values', async () => {
    const page = await freshPage('?seed=1', ['100', '100']);
    await page.click(control('startButton'));
    assert.equal(await value(page, 'averageValue'), '-7.1');
    assert.equal(await value(page, 'averageValue', 'aria-label'), 'Average number of shortage: -7.1');
    assert.equal(await value(page, 'guestCountValue', 'aria-label'), 'Number of guests: 100');
    assert.ok(await disabled(page, 'startButton'));
    assert.equal(await focused(page), 'initButton');
    assert.ok((await bluePixels(page)).blue > 100, 'bars painted');
    assert.match(await text(page, '#graph-description'), /^100 experiments\. Average shortage -7\.1\. /);
    assert.deepEqual(await page.errors(), []);
    await page.close();
  });

  it('Init clears the graph and the values, enables Start and asks without the leading blank', async () => {
    const page = await freshPage('?seed=1', ['100', '100']);
    await page.click(control('startButton'));
    await page.click(control('initButton'));
    assert.equal((await question(page)).title, 'Setting the number of guests');
    for (const name of ['guestCountValue', 'experimentCountValue', 'averageValue']) {
      assert.equal(await value(page, name), '', name);
    }
    assert.equal((await bluePixels(page)).blue, 0);
    assert.ok(!(await disabled(page, 'startButton')));
    await answer(page, '50');
    assert.equal((await question(page)).title, 'Setting the number of experiments');
    await page.close();
  });

  // How the program ends: each way shows the notice and then the ended page.
  const endings = [
    ['Exit', async (page) => { await answer(page, '100'); await answer(page, '100'); await page.click(control('exitButton')); }],
    ['Cancel on the guests', (page) => page.click('dialog[open] button[value="cancel"]')],
    ['an empty experiments entry', async (page) => { await answer(page, '100'); await answer(page, ''); }],
    ['Escape on the experiments', async (page) => { await answer(page, '100'); await page.press('Escape'); }],
    ['Ctrl+Q', async (page) => { await answer(page, '100'); await answer(page, '100'); await page.press('Control+q'); }],
  ];
  for (const [way, end] of endings) {
    it(`${way} ends the program after its notice`, async () => {
      const page = await freshPage();
      await question(page);
      await end(page);
      await page.waitFor(() => document.querySelector('dialog.notice[open]'));
      assert.equal(await text(page, 'dialog.notice[open] .box-title'), 'Coinwell');
      assert.equal(await text(page, 'dialog.notice[open] p'), 'This software will exit.');
      await page.click('dialog.notice[open] button');
      await page.waitFor(() => document.querySelector('.ended button'));
      assert.equal(await count(page, 'dialog[open]'), 0);
      await page.click('.ended button');
      assert.equal((await question(page)).title, ' Setting the number of guests', 'starts again');
      await page.close();
    });
  }

  // Each way back from the help view opens a fresh main window, whose
  // question stays open: the Escape that closed help does not cancel it.
  const waysBack = [
    ['Close', async (page) => page.click(await byRole(page, ['button'], 'Close'))],
    ['Escape', (page) => page.press('Escape')],
    ['the browser\'s Back', (page) => page.back()],
  ];
  for (const [way, goBack] of waysBack) {
    it(`Help shows the text, and ${way} brings a fresh main window back`, async () => {
      const page = await freshPage('?seed=1', ['100', '100']);
      await page.click(control('startButton'));
      await page.press('F1');
      const help = await page.waitFor(() => document.querySelector('.help-text')?.textContent);
      assert.ok(help.startsWith('\n　【Problem】\n'), 'one empty line first');
      assert.ok(help.includes('　　　　　Suppose that the number of participants in the class meeting is 35 and the \n'));
      assert.equal(help.split('\n').length, 33);
      await goBack(page);
      assert.equal((await question(page)).title, ' Setting the number of guests');
      assert.equal(await count(page, 'dialog.question[open]'), 1);
      await answer(page, '100');
      await answer(page, '100');
      assert.ok(!(await disabled(page, 'startButton')));
      assert.equal(await value(page, 'averageValue'), '');
      await page.close();
    });
  }
});

describe('the keyboard', () => {
  it('moves Start, Exit, Init, graph, menu, Help and runs with Return four times', async () => {
    const page = await freshPage('?seed=3', ['100', '100']);
    const order = [];
    // Five Tabs: a sixth would leave the page for the browser's own
    // controls (Firefox's address bar), and a page without the focus
    // takes no Enter.
    for (let n = 0; n < 6; n++) {
      order.push(await focused(page));
      if (n < 5) await page.press('Tab');
    }
    assert.deepEqual(order, ['startButton', 'exitButton', 'initButton', 'graphView', 'graphMenuButton', 'helpButton']);
    await focus(page, 'startButton');
    await page.press('Enter');
    const first = await value(page, 'averageValue');
    assert.notEqual(first, '');
    // Init, the guests, the experiments, Start: each Enter waits for what
    // the one before opened, a question other than the one answered.
    for (let n = 0; n < 4; n++) {
      await page.evaluate(() => document.querySelectorAll('dialog[open]').forEach((d) => { d.dataset.seen = ''; }));
      await page.press('Enter');
      if (n < 2) await page.waitFor(() => document.querySelector('dialog[open]:not([data-seen])'));
      if (n === 2) await page.waitFor(() => !document.querySelector('dialog[open]'));
    }
    assert.notEqual(await value(page, 'averageValue'), '', 'a second run');
    await page.press(' ');
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
      assert.equal(await value(page, name), ja(MW, source), name);
    }
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'ja');
    await page.close();
  });
});

describe('the window fits the screen', () => {
  for (const [width, height] of [[375, 667], [800, 600], [1024, 768]]) {
    it(`at ${width} x ${height} every button is on screen`, async () => {
      const page = await freshPage('', ['100', '100']);
      await page.setViewport(width, height);
      await page.waitFor(() => {
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
  // Records, in the page, which file each sound that starts was decoded from.
  // Installed once the page has loaded (WebKit runs nothing earlier): the
  // page reads its chimes ahead only once the guests are in.
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
  // Each row: how the server answers for the chimes. Each test has a server
  // of its own, an origin that no service worker has kept the chimes for.
  const files = [['there'], ['missing'], ['never sent']];
  for (const [command, name, chime, shows] of commands) {
    for (const [state] of files) {
      const silent = state !== 'there';
      it(`${command} with the chime files ${state}: ${silent ? 'goes on silently' : `plays ${chime}`}`, async () => {
        const own = await serve(undefined, silent ? { '.wav': state } : {});
        const page = await browser.newTab();
        await page.goto(own.url);
        await page.evaluate(listen);
        await answer(page, '100');
        await answer(page, '100');
        await page.click(control(name));
        await page.waitFor((s) => document.querySelector(s), shows);
        if (silent) {
          assert.deepEqual(await page.evaluate(() => window.chimes), []);
        } else {
          await page.waitFor(() => window.chimes.length > 0);
          assert.deepEqual(await page.evaluate(() => window.chimes), [chime]);
        }
        await page.close();
        await own.close();
      });
    }
  }
});
