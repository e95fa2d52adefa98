// WebKitGTK through classic W3C WebDriver over plain HTTP: Debian's
// WebKitWebDriver starts WebKit's MiniBrowser on a virtual X display that
// the test starts for itself (Xvfb). The session is ephemeral: nothing is
// kept from another run.
//
// WebKitWebDriver has no BiDi, so neither console events nor init scripts,
// and MiniBrowser's enable-write-console-messages-to-stdout does not reach
// the web views it makes for automation. The driver listens in the page
// instead, once each navigation has loaded: uncaught exceptions, unhandled
// rejections and console.error calls from then on. An error that the
// page's scripts raise before their load event is not seen in WebKit.
import { spawn } from 'node:child_process';
import { existsSync, mkdirSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { parseKey, pollUntil, shown, waitInPage } from './common.mjs';

const element = 'element-6066-11e4-a52e-4f735466cecf';

// Where Debian puts MiniBrowser, which webkit2gtk-driver's library carries.
const miniBrowser = ['x86_64-linux-gnu', 'aarch64-linux-gnu', 'i386-linux-gnu']
  .flatMap((arch) => [`/usr/lib/${arch}/webkit2gtk-4.1/MiniBrowser`, `/usr/lib/${arch}/webkitgtk-6.0/MiniBrowser`])
  .find((path) => existsSync(path));

// The WebDriver key codes of the keys the tests press.
const keys = {
  Escape: '\uE00C', Enter: '\uE007', Tab: '\uE004', Backspace: '\uE003', Delete: '\uE017', End: '\uE010',
  Home: '\uE011', ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015',
  Shift: '\uE008', Control: '\uE009', Alt: '\uE00A', Meta: '\uE03D', ContextMenu: '\uE03C',
  ...Object.fromEntries(Array.from({ length: 12 }, (_, n) => [`F${n + 1}`, String.fromCharCode(0xE031 + n)])),
};
const code = (key) => keys[key] ?? key;

// Installed in the page once it has loaded, as nothing can be earlier.
function listenForErrors() {
  if (window.coinwellErrors) return;
  const errors = [];
  window.coinwellErrors = errors;
  addEventListener('error', (event) => errors.push(String(event.error?.message ?? event.message)));
  addEventListener('unhandledrejection', (event) => errors.push(`unhandled rejection: ${event.reason?.message ?? event.reason}`));
  const logError = console.error;
  console.error = (...args) => { errors.push(args.map(String).join(' ')); logError.apply(console, args); };
}

const freePort = () => new Promise((done, fail) => {
  const probe = createServer();
  probe.once('error', fail);
  probe.listen(0, '127.0.0.1', () => { const { port } = probe.address(); probe.close(() => done(port)); });
});

// Starts a process and resolves once `ready` finds what it waits for in
// its output; rejects if the process ends first.
function start(command, args, options, ready) {
  const child = spawn(command, args, options);
  const exited = new Promise((_, fail) => child.once('exit', (status) => fail(new Error(`${command} ended (${status})`))));
  exited.catch(() => {});
  return { child, ready: Promise.race([ready(child), exited]) };
}

export async function launchWebKit({ viewport }) {
  if (!miniBrowser) throw new Error('MiniBrowser not found: install webkit2gtk-driver');
  const home = mkdtempSync(join(tmpdir(), 'coinwell-webkit-'));
  const xvfb = start('Xvfb', ['-displayfd', '3', '-screen', '0', '1600x1200x24', '-nolisten', 'tcp'],
    { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] },
    (child) => new Promise((done) => {
      let text = '';
      child.stdio[3].on('data', (bytes) => { text += bytes; if (text.includes('\n')) done(`:${text.trim()}`); });
    }));
  const display = await xvfb.ready;
  // MiniBrowser's toolbar holds its window at least 447 pixels wide; GTK
  // styles from the session's own config folder let it be as narrow as a phone.
  mkdirSync(join(home, 'config', 'gtk-3.0'), { recursive: true });
  writeFileSync(join(home, 'config', 'gtk-3.0', 'gtk.css'),
    '* { min-width: 0; min-height: 0; padding: 0; margin: 0; font-size: 4px; }\n');
  const port = await freePort();
  const env = { ...process.env, DISPLAY: display, HOME: home, XDG_CONFIG_HOME: join(home, 'config'),
    XDG_CACHE_HOME: join(home, 'cache'), XDG_DATA_HOME: join(home, 'data'), GTK_A11Y: 'none', NO_AT_BRIDGE: '1' };
  // A process group of its own, which MiniBrowser and WebKit's processes
  // join: ending the session leaves them running a while, and they write
  // into the session's folder until they have ended.
  const driver = spawn('WebKitWebDriver', [`--port=${port}`], { env, stdio: 'ignore', detached: true });
  const group = -driver.pid;
  const groupEnded = () => {
    try {
      process.kill(group, 0);
      return false;
    } catch {
      return true;
    }
  };

  const base = `http://127.0.0.1:${port}`;
  async function call(method, path, body) {
    const response = await fetch(base + path, {
      method, headers: { 'content-type': 'application/json; charset=utf-8' }, body: body && JSON.stringify(body),
    });
    const answer = await response.json();
    if (answer.value?.error) throw new Error(`WebDriver ${method} ${path}: ${answer.value.error}: ${answer.value.message}`);
    return answer.value;
  }
  // The driver answers /status once it listens.
  await pollUntil(() => fetch(`${base}/status`).then((r) => r.ok, () => false), 'the driver listening', []);
  const session = await call('POST', '/session', {
    capabilities: { alwaysMatch: { 'webkitgtk:browserOptions': {
      binary: miniBrowser, args: ['--automation'],
    } } },
  });
  const s = `/session/${session.sessionId}`;
  await call('POST', `${s}/timeouts`, { script: 120_000, pageLoad: 60_000 });
  // The first window stays open: closing a session's last window ends it.
  const firstWindow = await call('GET', `${s}/window`);
  let current = firstWindow;
  const focus = async (handle) => {
    if (current !== handle) await call('POST', `${s}/window`, { handle });
    current = handle;
  };

  async function newTab() {
    const { handle } = await call('POST', `${s}/window/new`, { type: 'window' });
    await focus(handle);
    const errors = [];
    const on = async (method, path, body) => { await focus(handle); return call(method, `${s}${path}`, body); };
    const evaluate = async (fn, ...args) => {
      const result = await on('POST', '/execute/async', {
        script: `const done = arguments[arguments.length - 1];
          Promise.resolve().then(() => (${fn}).apply(null, arguments[0])).then(
            (value) => done({ value: value === undefined ? null : value }),
            (error) => done({ error: String(error && error.stack || error) }));`,
        args: [args],
      });
      if (result.error) throw new Error(`in the page: ${result.error}`);
      return result.value;
    };
    // What the page has reported since the last look (nothing before the
    // listener: an unloaded page, a page of another origin).
    const harvest = async () => {
      const found = await evaluate(() => (window.coinwellErrors ?? []).splice(0)).catch(() => []);
      errors.push(...found);
    };
    const navigate = async (path, body) => {
      await harvest();
      await on('POST', path, body);
      await evaluate(listenForErrors);
    };
    const find = async (selector) => (await on('POST', '/element', { using: 'css selector', value: selector }))[element];
    const keyActions = (actions) => on('POST', '/actions', { actions: [{ type: 'key', id: 'keyboard', actions }] });
    const tab = {
      async errors() { await harvest(); return [...errors]; },
      goto: (url) => navigate('/url', { url }),
      reload: () => navigate('/refresh', {}),
      back: () => navigate('/back', {}),
      async close() {
        await harvest();
        await on('DELETE', '/window');
        current = undefined;
        await focus(firstWindow);
      },
      evaluate,
      waitFor: (fn, ...args) => waitInPage(evaluate, fn, args),
      async click(selector) {
        await shown(evaluate, selector);
        await on('POST', `/element/${await find(selector)}/click`, {});
      },
      async press(combination) {
        const { modifiers, key } = parseKey(combination);
        const down = [...modifiers, key].map((k) => ({ type: 'keyDown', value: code(k) }));
        const up = [key, ...modifiers.reverse()].map((k) => ({ type: 'keyUp', value: code(k) }));
        await keyActions([...down, ...up]);
      },
      type: (text) => keyActions([...text].flatMap((c) => [{ type: 'keyDown', value: c }, { type: 'keyUp', value: c }])),
      // The window is the page plus MiniBrowser's toolbar: sized by the
      // difference, until the page has the size asked.
      async setViewport(width, height) {
        const [dw, dh] = await evaluate(() => [outerWidth - innerWidth, outerHeight - innerHeight]);
        await on('POST', '/window/rect', { width: width + dw, height: height + dh });
        await waitInPage(evaluate, (w, h) => innerWidth === w && innerHeight === h, [width, height]);
      },
      async screenshot() { return Buffer.from(await on('GET', '/screenshot'), 'base64'); },
      // WebKitWebDriver does not know WebDriver's Print Page command.
      printPdf: async () => null,
    };
    await tab.setViewport(viewport.width, viewport.height);
    return tab;
  }

  return {
    newTab,
    async close() {
      await call('DELETE', s).catch(() => {});
      if (!groupEnded()) process.kill(group, 'SIGTERM');
      await pollUntil(groupEnded, 'the driver, MiniBrowser and its processes ending', []);
      if (xvfb.child.exitCode === null && xvfb.child.signalCode === null) {
        const ended = new Promise((done) => xvfb.child.once('exit', done));
        xvfb.child.kill();
        await ended;
      }
      rmSync(home, { recursive: true, force: true });
    },
  };
}
