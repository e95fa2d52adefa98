// The main window: the questions, a run, Init, Help, Exit and Cancel, the
// keys, Japanese, and the window at phone and desktop sizes.
import { after, before, describe, it } from 'node:test';
import assert from 'node:assert/strict';
import {
  answer, byRole, control, count, disabled, fill, focus, focused, ja, launch, pixels, question, serve, text, value,
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

// A new viewport, and the page laid out anew for it: its resize handling
// runs before the next frame.
async function resize(page, width, height) {
  await page.setViewport(width, height);
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
}

const bluePixels = (page) => pixels(page, [0, 0, 255]);

describe('the questions', () => {
  // Each row: entries typed one after another into a question, and the
  // count the window then shows. The rule itself is the core's, checked in
  // full by the desktop's window test; these rows check that the page asks
  // again from the default and takes what the browser's entry holds.
  const cases = [
    { setting: 'guests', entries: ['9', '1001', '10'], shows: '10' },
    { setting: 'guests', entries: ['１００'], shows: '100' },
    { setting: 'guests', entries: ['abc', '   ', '-20', '40000', '25 guests'], shows: '25' },
    { setting: 'experiments', entries: ['0', '1,000'], shows: '1' },
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
    // Each experiment is one unit of the histogram's 130 x 300 units, wholly
    // blue: the bars' area is the 100 experiments', but for the pixels'
    // rounding and the axis over the bars' feet.
    const unit = await page.evaluate(() => {
      const canvas = document.querySelector('.graph canvas');
      return (canvas.width / 130) * (canvas.height / 300);
    });
    const blue = await bluePixels(page);
    assert.ok(Math.abs(blue - 100 * unit) < 25 * unit, `${blue} blue pixels for 100 units of ${unit} pixels`);
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
    assert.equal(await bluePixels(page), 0);
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
  // Phones and tablets in both orientations, a projector's and a desktop's
  // sizes: the four buttons lie wholly inside the viewport, and a finger
  // reaches each control over at least 24 CSS pixels across and down
  // through its centre, measured by what the page says lies under each
  // point.
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
      await page.close();
    });
  }
});

describe('the help text', () => {
  // The lines with a word that is not seen whole inside the box, as the
  // page lays the text out: the box scrolled to each word where it
  // scrolls, as a reader would.
  async function cutLines(page) {
    return page.evaluate(() => {
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
  }

  for (const [width, height] of [[1024, 768], [390, 844]]) {
    for (const lang of ['en', 'ja']) {
      it(`at ${width} x ${height} (${lang}) every line can be read whole`, async () => {
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
        await page.close();
      });
    }
  }
});

describe('the focus ring', () => {
  // What a person sees: the focused control's outline.
  const ringed = (page) => page.evaluate(() => {
    const focused = document.activeElement;
    return [focused.dataset.control, getComputedStyle(focused).outlineStyle !== 'none'];
  });

  it('shows after keys move the focus, not after a click', async () => {
    const page = await freshPage('?seed=1', ['100', '100']); // OK clicked: the focus goes to Start
    assert.deepEqual(await ringed(page), ['startButton', false]);
    await page.press('Tab');
    assert.deepEqual(await ringed(page), ['exitButton', true]);
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
    await page.close();
  });
});

describe('a seed the page cannot use', () => {
  const P = 'coinwell::web::Page';
  const said = 'The seed in the address, "%1", is not a whole number from 0 to %2: the runs follow the time of day instead.';
  for (const seed of ['abc', '-1', '18446744073709551616', '1e5']) {
    for (const lang of ['en', 'ja']) {
      it(`?seed=${seed} (${lang}) is named before the first question`, async () => {
        const page = await freshPage(`?seed=${encodeURIComponent(seed)}&lang=${lang}`);
        await page.waitFor(() => document.querySelector('dialog[open]'));
        assert.equal(await text(page, 'dialog[open] p'),
          (lang === 'ja' ? ja(P, said) : said).replace('%1', seed).replace('%2', '18446744073709551615'));
        await page.click('dialog[open] button[value="ok"]');
        assert.equal((await question(page)).title, lang === 'ja' ? ja(MW, ' Setting the number of guests') : ' Setting the number of guests');
        await page.close();
      });
    }
  }
  for (const seed of ['0', '18446744073709551615']) {
    it(`?seed=${seed} is a seed: the first question comes at once`, async () => {
      const page = await freshPage(`?seed=${seed}`);
      await question(page);
      assert.equal(await count(page, 'dialog.notice'), 0);
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
