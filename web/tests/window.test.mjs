// The main window and what the page does around it: the questions and the
// notices (a seed the page cannot use, the end), Start, Init, Help and the
// ways the program ends, the focus, the window at phone to projector sizes,
// the help text, and the chimes.
import { after, before, describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { statSync } from 'node:fs';
import { join } from 'node:path';
import {
  answer, byName, control, count, disabled, fill, ja, launch, pixels, question, serve, siteDir, tabsOf,
  text, value,
} from './support.mjs';

const MW = 'coinwell::MainWindow';

let server;
let browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser.close(); await server.close(); });

const open = tabsOf(() => browser);
const freshPage = (query = '', answers = []) => open(server.url + query, answers);

// A new viewport, and the page laid out anew for it: its resize handling
// runs before the next frame.
async function resize(page, width, height) {
  await page.setViewport(width, height);
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
}

describe('the questions', () => {
  // In Japanese: a seed the page cannot use, named before the first
  // question; then each question, asked again from its default until the
  // core takes the entry, which the page hands it as typed.
  it('name a seed it cannot use, then ask for the guests and the experiments until taken, in the window\'s words (ja)', async () => {
    const say = (context, source, ...args) => ja(context, source).replace(/%(\d)/g, (_, n) => args[n - 1]);
    const seed = '18446744073709551616';
    const page = await freshPage(`?lang=ja&seed=${seed}`);
    await page.waitFor(() => document.querySelector('dialog.notice[open]'));
    assert.equal(await text(page, 'dialog.notice[open] p'), say('coinwell::web::Page', 'The seed in the address, "%1", is not ' +
      'a whole number from 0 to %2: the runs follow the time of day instead.', seed, '18446744073709551615'));
    await page.click('dialog.notice[open] button[value="ok"]');
    const prompt = 'Please enter an integer between %1 and %2 ...';
    const guests = { title: say(MW, ' Setting the number of guests'), prompt: say(MW, prompt, 10, 1000), entry: '100' };
    const experiments = { title: say(MW, ' Setting the number of experiments'), prompt: say(MW, prompt, 1, 1000), entry: '100' };
    for (const [entry, asked] of [['9', guests], ['1001', guests], ['２５', guests], ['0', experiments], ['1,000', experiments]]) {
      assert.deepEqual(await question(page), asked, entry);
      if (asked === experiments) assert.equal(await value(page, 'guestCountValue'), '25', 'shown while the next question is open');
      await answer(page, entry);
    }
    assert.equal(await value(page, 'experimentCountValue'), '1');
    for (const [name, source] of [['startButton', 'Start'], ['exitButton', 'Exit'], ['initButton', 'Init'],
      ['helpButton', 'Help'], ['guestCountCaption', 'Number of guests']]) assert.equal(await value(page, name), say(MW, source), name);
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'ja');
  });
});

describe('the commands', () => {
  it('Start runs, paints the bars and names the values; Init clears them and asks without the leading blank', async () => {
    const page = await freshPage('?seed=1', ['100', '100']);
    await page.click(control('startButton'));
    assert.equal(await value(page, 'averageValue', 'aria-label'), 'Average number of shortage: -7.1');
    assert.ok(await disabled(page, 'startButton'));
    // Each experiment is one unit of the histogram's 130 x 300 units, wholly
    // blue: the bars' area is the 100 experiments', but for the pixels'
    // rounding and the axis over the bars' feet.
    const unit = await page.evaluate(() => {
      const canvas = document.querySelector('.graph canvas');
      return (canvas.width / 130) * (canvas.height / 300);
    });
    const blue = await pixels(page, [0, 0, 255]);
    assert.ok(Math.abs(blue - 100 * unit) < 25 * unit, `${blue} blue pixels for 100 units of ${unit} pixels`);
    await page.click(control('initButton'));
    assert.equal((await question(page)).title, 'Setting the number of guests');
    for (const name of ['guestCountValue', 'experimentCountValue', 'averageValue']) assert.equal(await value(page, name), '', name);
    assert.equal(await pixels(page, [0, 0, 255]), 0);
    assert.ok(!(await disabled(page, 'startButton')));
    assert.deepEqual(await page.errors(), []);
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
      await page.click('dialog.notice[open] button');
      await page.waitFor(() => document.querySelector('.ended button'));
      assert.equal(await count(page, 'dialog[open]'), 0);
      await page.click('.ended button');
      assert.equal((await question(page)).title, ' Setting the number of guests', 'starts again');
    });
  }

  // Each way back from the help view opens a fresh main window, whose
  // question stays open: the Escape that closed help does not cancel it.
  const waysBack = [
    ['Close', async (page) => page.click(await byName(page, 'Close'))],
    ['Escape', (page) => page.press('Escape')],
    ['the browser\'s Back', (page) => page.back()],
  ];
  for (const [way, goBack] of waysBack) {
    it(`F1 shows the help text, and ${way} brings a fresh main window back`, async () => {
      const page = await freshPage('?seed=1', ['100', '100']);
      await page.click(control('startButton'));
      await page.press('F1');
      const help = await page.waitFor(() => document.querySelector('.help-text')?.textContent);
      assert.ok(help.startsWith('\n　【Problem】\n'), 'one empty line first');
      await goBack(page);
      assert.equal((await question(page)).title, ' Setting the number of guests');
      assert.equal(await count(page, 'dialog.question[open]'), 1);
      assert.equal(await value(page, 'averageValue'), '');
    });
  }
});

describe('the focus', () => {
  // What a person sees: the focused control, and whether it has its outline.
  const ringed = (page) => page.evaluate(() => {
    const focused = document.activeElement;
    return [focused.dataset.control, getComputedStyle(focused).outlineStyle !== 'none'];
  });

  it('moves by Tab through the window, ringed after keys move it, not after a click', async () => {
    const page = await freshPage('?seed=1', ['100', '100']); // OK clicked: the focus goes to Start
    const seen = [await ringed(page)];
    // A sixth Tab would leave the page for the browser's own controls.
    for (let n = 0; n < 5; n++) {
      await page.press('Tab');
      seen.push(await ringed(page));
    }
    assert.deepEqual(seen, [['startButton', false], ...['exitButton', 'initButton', 'graphView', 'graphMenuButton',
      'helpButton'].map((name) => [name, true])]);
    await page.click(control('startButton'));
    assert.deepEqual(await ringed(page), ['initButton', false], 'Init after a click on Start');
    await page.press('Shift+Tab');
    assert.deepEqual(await ringed(page), ['exitButton', true]);
    await page.click(control('initButton'));
    await question(page);
    await fill(page, '100');
    await page.press('Enter');
    await fill(page, '100');
    await page.press('Enter');
    await page.waitFor(() => !document.querySelector('dialog[open]'));
    assert.deepEqual(await ringed(page), ['startButton', true], 'Start after the questions answered by keys');
    await page.press('Enter');
    assert.deepEqual(await ringed(page), ['initButton', true], 'Init after Start pressed by a key');
  });
});

describe('the window fits the screen', () => {
  // Phones and tablets in both orientations, a projector's and a desktop's
  // sizes: the buttons lie wholly inside the viewport, and a finger reaches
  // each control and menu item over at least 24 CSS pixels across and down
  // through its centre, measured by what the page says lies under each point.
  const sizes = [[320, 480], [375, 667], [390, 844], [768, 1024], [1024, 768], [1920, 1080]];
  for (const [width, height] of sizes) {
    it(`at ${width} x ${height} every button is whole on screen and a finger's target`, async () => {
      const page = await freshPage('', ['100', '100']);
      await resize(page, width, height);
      const controls = await page.evaluate(() => {
        const reach = (element, x, y, dx, dy) => {
          let n = 0;
          while (n < 200 && document.elementFromPoint(x + (n + 1) * dx, y + (n + 1) * dy) === element) n++;
          return n;
        };
        return [...document.querySelectorAll('.stage > button')].map((button) => {
          const r = button.getBoundingClientRect();
          const x = r.left + r.width / 2;
          const y = r.top + r.height / 2;
          return {
            name: button.dataset.control,
            inside: r.left >= 0 && r.top >= 0 && r.right <= innerWidth && r.bottom <= innerHeight,
            across: reach(button, x, y, -1, 0) + reach(button, x, y, 1, 0) + 1,
            down: reach(button, x, y, 0, -1) + reach(button, x, y, 0, 1) + 1,
          };
        });
      });
      assert.deepEqual(controls.map((c) => c.name).sort(),
        ['exitButton', 'graphMenuButton', 'helpButton', 'initButton', 'startButton']);
      for (const c of controls) {
        assert.ok(c.inside, `${c.name} lies wholly inside the viewport`);
        assert.ok(c.across >= 24 && c.down >= 24, `${c.name} is a ${c.across} x ${c.down} target`);
      }
      await page.click(control('graphMenuButton'));
      const items = await page.waitFor(() => {
        const found = [...document.querySelectorAll('[role=menu]:not([hidden]) [role^=menuitem]')];
        return found.length > 0 && found.map((item) => {
          const r = item.getBoundingClientRect();
          return [item.textContent, Math.round(r.width), Math.round(r.height)];
        });
      });
      assert.deepEqual(items.filter(([, w, h]) => w < 24 || h < 24), [], 'every menu item is at least 24 x 24');
    });
  }

  // Each row: what opens over the window, how, and its text. From a
  // desktop's viewport to a projector's its text grows as the window's own
  // (Start's) does; on a phone it stays at least as large as the browser's
  // own 15 pixels (the menu's, 13).
  const overWindow = [
    ['a question', '', [], (page) => question(page), 'dialog.question[open] label', 15],
    ['the graph menu', '', ['100', '100'], (page) => page.click(control('graphMenuButton')),
      '[role=menu]:not([hidden]) [role^=menuitem]', 13],
  ];
  for (const [what, query, answers, reach, selector, least] of overWindow) {
    it(`${what} follows the window's scale, from 800 x 600 to 1280 x 800, and stays readable on a phone`, async () => {
      const page = await freshPage(query, answers);
      await reach(page);
      const pixels = [];
      for (const [width, height] of [[800, 600], [1280, 800], [375, 667]]) {
        await resize(page, width, height);
        pixels.push(await page.evaluate((s) => [s, '[data-control=startButton]']
          .map((element) => parseFloat(getComputedStyle(document.querySelector(element)).fontSize)), selector));
      }
      const [[desktop, start], [projector, startLarger], [phone]] = pixels;
      assert.ok(Math.abs(projector / desktop - startLarger / start) < 0.01,
        `${desktop} -> ${projector} px, as Start's ${start} -> ${startLarger} px`);
      assert.ok(phone >= least, `${phone} px on a phone`);
    });
  }

  // The lines with a word that is not seen whole inside the help text's
  // box, as the page lays the text out: the box scrolled to each word where
  // it scrolls, as a reader would.
  const cutLines = (page) => page.evaluate(() => {
    const box = document.querySelector('.help-text');
    const node = box.firstChild;
    const cut = new Set();
    for (const word of node.textContent.matchAll(/\S+/g)) {
      const range = document.createRange();
      range.setStart(node, word.index);
      range.setEnd(node, word.index + word[0].length);
      box.scrollTop += range.getBoundingClientRect().top - box.getBoundingClientRect().top - box.clientTop;
      const area = box.getBoundingClientRect();
      const [left, top] = [area.left + box.clientLeft, area.top + box.clientTop];
      // A range that starts where a line wraps may also have an empty
      // box at the end of the line before (WebKit): it shows nothing.
      const outside = [...range.getClientRects()].some((r) => r.width > 0 && (r.left < left - 0.5 ||
        r.right > left + box.clientWidth + 0.5 || r.top < top - 0.5 || r.bottom > top + box.clientHeight + 0.5));
      if (outside) cut.add(node.textContent.slice(0, word.index).split('\n').length);
    }
    return [...cut];
  });

  for (const [width, height] of [[1024, 768], [390, 844]]) {
    for (const lang of ['en', 'ja']) {
      it(`at ${width} x ${height} (${lang}) every line of the help can be read whole`, async () => {
        const page = await freshPage(`?lang=${lang}`, ['100', '100']);
        await resize(page, width, height);
        await page.click(control('helpButton'));
        await page.waitFor(() => document.querySelector('.help-text'));
        assert.deepEqual(await cutLines(page), []);
        const scrolls = await page.evaluate(() => {
          const box = document.querySelector('.help-text');
          box.scrollTop = 0;
          return box.scrollHeight > box.clientHeight;
        });
        if (scrolls) {
          // The keyboard reaches its end too.
          await page.click('.help-text');
          await page.press('End');
          await page.waitFor(() => {
            const box = document.querySelector('.help-text');
            return box.scrollTop > 0 && box.scrollTop >= box.scrollHeight - box.clientHeight - 1;
          });
        }
        });
    }
  }
});

describe('a core that does not load', () => {
  it('is said, with a way to start again, instead of a blank page', async (t) => {
    const own = await serve({ '.wasm': 'missing' });
    t.after(() => own.close());
    const page = await open(own.url);
    await page.waitFor(() => document.querySelector('[role=alert] button'));
    assert.match(await text(page, '[role=alert] p'), /^Coinwell could not start: /);
    assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Start again');
  });
});

describe('the chimes', () => {
  // Records, in the page, the size of the file each sound that starts was
  // decoded from. Installed once the page has loaded (WebKit runs nothing
  // earlier): the page reads its chimes ahead only once the guests are in.
  const listen = () => {
    const sizes = new WeakMap();
    window.chimes = [];
    const decode = BaseAudioContext.prototype.decodeAudioData;
    BaseAudioContext.prototype.decodeAudioData = async function (bytes, ...rest) {
      const size = bytes.byteLength;
      const buffer = await decode.call(this, bytes, ...rest);
      sizes.set(buffer, size);
      return buffer;
    };
    window.contexts = [];
    window.AudioContext = class extends window.AudioContext {
      constructor(...args) {
        super(...args);
        window.contexts.push(this);
      }
    };
    const start = AudioBufferSourceNode.prototype.start;
    window.playing = [];
    AudioBufferSourceNode.prototype.start = function (...args) {
      window.chimes.push(sizes.get(this.buffer));
      window.playing.push(this);
      return start.apply(this, args);
    };
  };

  // Each row: the command, its chime, and what it shows at once whatever its chime does.
  const commands = [
    ['Init', 'initButton', 'pinpon.wav', 'dialog.question[open]'],
    ['Help', 'helpButton', 'pinpon.wav', '.help-text'],
    ['Exit', 'exitButton', 'endpinpon.wav', 'dialog.notice[open]'],
  ];
  // Each row: how the server answers for the chimes. Each test has a server
  // of its own, an origin that no service worker has kept the chimes for.
  for (const [command, name, chime, shows] of commands) {
    for (const state of ['there', 'missing', 'never sent']) {
      const silent = state !== 'there';
      it(`${command} with the chime files ${state}: ${silent ? 'goes on silently' : `plays ${chime}`}`, async (t) => {
        const own = await serve(silent ? { '.wav': state } : {});
        t.after(() => own.close());
        const page = await open(own.url);
        await page.evaluate(listen);
        await answer(page, '100');
        await answer(page, '100');
        await page.click(control(name));
        await page.waitFor((s) => document.querySelector(s), shows);
        if (!silent) await page.waitFor(() => window.chimes.length > 0);
        assert.deepEqual(await page.evaluate(() => window.chimes), silent ? [] : [statSync(join(siteDir, chime)).size]);
        // No chime plays on and no sound device is held while its tab
        // closes, which has been seen to end the session of trixie's WebKit.
        await page.evaluate(async () => {
          window.playing.forEach((source) => source.stop());
          await Promise.all(window.contexts.map((context) => context.close()));
        });
      });
    }
  }
});
