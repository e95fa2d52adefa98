// What every browser test shares: the built site served on 127.0.0.1 by
// Vite's preview server (scripts/serve.mjs, as `make web` serves it), the
// browser of COINWELL_ENGINE (driver/), and the page's questions answered.
import { afterEach } from 'node:test';
import { extname } from 'node:path';
import { readCatalogue } from '../scripts/catalogue.mjs';
import { serve as serveSite } from '../scripts/serve.mjs';

export { engine, launch } from './driver/index.mjs';
export { siteDir } from '../scripts/serve.mjs';

// The site on a free port. `withheld` maps a file's extension to how the
// server fails it: 'missing' answers 404, 'never sent' never answers.
export const serve = (withheld = {}) => serveSite({ plugins: [{
  name: 'coinwell-withheld',
  configurePreviewServer: (server) => void server.middlewares.use((request, response, next) => {
    const how = withheld[extname(new URL(request.url, 'http://x').pathname)];
    if (how === 'missing') response.writeHead(404).end();
    else if (how !== 'never sent') next();
  }),
}] });

// The Japanese of a text as the shared catalogue has it: a plural text's
// one form.
const catalogue = readCatalogue(new URL('../../translations/coinwell_ja.ts', import.meta.url).pathname);
export const ja = (context, source) => [catalogue[context][source]].flat()[0];

// The question that is open: its title, prompt and entry.
export const question = (tab) => tab.waitFor(() => {
  const dialog = document.querySelector('dialog.question[open]');
  return dialog && { title: dialog.querySelector('.box-title').textContent,
    prompt: dialog.querySelector('label').textContent, entry: dialog.querySelector('input').value };
});

// Types `text` over the open question's entry, as a person would.
export async function fill(tab, text) {
  await tab.waitFor(() => document.querySelector('dialog.question[open] input'));
  await tab.click('dialog.question[open] input');
  await tab.evaluate(() => document.querySelector('dialog.question[open] input').select());
  await tab.press('Backspace');
  if (text) await tab.type(text);
}

let answered = 0;
// Answers the open question; waits until that question has gone.
export async function answer(tab, text) {
  await fill(tab, text);
  const mark = String(++answered);
  await tab.evaluate((m) => { document.querySelector('dialog.question[open]').dataset.answered = m; }, mark);
  await tab.click('dialog.question[open] button[value="ok"]');
  await tab.waitFor((m) => !document.querySelector(`dialog[data-answered="${m}"]`), mark);
}

// Opens tabs in the browser that `browser()` gives, each at a url with its
// questions answered, and closes them after each test with the options the
// page stored forgotten: the tests of a file share one origin's storage.
export function tabsOf(browser) {
  const opened = [];
  afterEach(async () => {
    await opened[0]?.evaluate(() => localStorage.clear());
    for (const tab of opened.splice(0)) await tab.close();
  });
  return async (url, answers = []) => {
    const tab = await browser().newTab();
    opened.push(tab);
    await tab.goto(url);
    for (const entry of answers) await answer(tab, entry);
    return tab;
  };
}

export const control = (name) => `[data-control="${name}"]`;
// A control's text, or one of its attributes.
export const value = (tab, name, attribute) => tab.evaluate((selector, attribute) => {
  const element = document.querySelector(selector);
  return attribute ? element.getAttribute(attribute) : element.textContent;
}, control(name), attribute ?? null);
export const text = (tab, selector) => tab.evaluate((s) => document.querySelector(s)?.textContent ?? null, selector);
export const disabled = (tab, name) => tab.evaluate((s) => document.querySelector(s).disabled, control(name));
export const focused = (tab) => tab.evaluate(() => document.activeElement.dataset.control ?? null);
export const focus = (tab, name) => tab.evaluate((s) => document.querySelector(s).focus(), control(name));
export const count = (tab, selector) => tab.evaluate((s) => document.querySelectorAll(s).length, selector);
// The graph canvas's pixels within a few steps of a colour.
export const pixels = (tab, [r, g, b]) => tab.evaluate((r, g, b) => {
  const c = document.querySelector('.graph canvas');
  const data = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
  let found = 0;
  for (let i = 0; i < data.length; i += 4) {
    if (Math.abs(data[i] - r) < 8 && Math.abs(data[i + 1] - g) < 8 && Math.abs(data[i + 2] - b) < 8) found++;
  }
  return found;
}, r, g, b);

// Marks the button shown whose words are `name` (its label, or a menu
// item's words without the key) so that it can be clicked by a selector;
// the selector of the mark.
let marked = 0;
export async function byName(tab, name) {
  const mark = String(++marked);
  await tab.waitFor((name, mark) => {
    const found = [...document.querySelectorAll('button')].find((element) => element.getClientRects().length > 0 &&
      (element.getAttribute('aria-label') ?? (element.querySelector('span') ?? element).textContent).trim() === name);
    if (found) found.dataset.testMark = mark;
    return Boolean(found);
  }, name, mark);
  return `[data-test-mark="${mark}"]`;
}

// What the page hands the browser to save, seen in the page where every
// engine can: the link it clicks, with its file's name and bytes. Where
// the browser then puts the file is the browser's own business.
export function watchDownloads() {
  if (window.downloads) return;
  window.downloads = [];
  const click = HTMLElement.prototype.click;
  HTMLAnchorElement.prototype.click = function () {
    if (!this.download) return click.call(this);
    const saved = { name: this.download };
    window.downloads.push(saved);
    const reader = new FileReader();
    reader.onload = () => { saved.base64 = reader.result.split(',')[1]; };
    fetch(this.href).then((response) => response.blob()).then((blob) => reader.readAsDataURL(blob));
    return undefined;
  };
}
