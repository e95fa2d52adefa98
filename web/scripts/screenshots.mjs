// Makes the README's pictures of the page after a run of 100 guests x 100
// experiments (seed 1): docs/web-{desktop,phone}-{en,ja}.png; and those of
// a share of guests paying with a coin, of a class's meetings and of the
// tally sheet.
import { writeFileSync } from 'node:fs';
import { answer, byName, control, launch, serve } from '../tests/support.mjs';

const docs = new URL('../../docs/', import.meta.url).pathname;
const server = await serve();
const sizes = { desktop: { width: 1024, height: 768 }, phone: { width: 375, height: 667, scale: 2 } };
for (const [size, viewport] of Object.entries(sizes)) {
  for (const lang of ['en', 'ja']) {
    const browser = await launch({ viewport });
    const page = await browser.newTab();
    await page.goto(`${server.url}?seed=1&lang=${lang}`);
    await answer(page, '100');
    await answer(page, '100');
    await page.click(control('startButton'));
    writeFileSync(`${docs}web-${size}-${lang}.png`, await page.screenshot());
    await browser.close();
  }
}

// A run of 35 guests x 1000 experiments with 40 % of guests paying with a
// coin, beside the exact law, and the same guests at 50 % with 20 meetings
// a class held by tossing coins, and the tally sheet for 35 guests:
// docs/coin-share-40.png, docs/class-meetings.png, docs/tally-sheet.png.
{
  const browser = await launch({ viewport: sizes.desktop });
  const page = await browser.newTab();
  const item = async (name) => {
    await page.click(control('graphMenuButton'));
    await page.click(await byName(page, name));
  };
  await page.goto(`${server.url}?seed=1&lang=en`);
  await answer(page, '35');
  await answer(page, '1000');
  await item('Share of guests paying with a coin...');
  await answer(page, '40');
  await page.click(control('startButton'));
  await page.press('t');
  await page.press('k');
  writeFileSync(`${docs}coin-share-40.png`, await page.screenshot());
  await item('Share of guests paying with a coin...');
  await answer(page, '50');
  await page.click(control('initButton'));
  await answer(page, '35');
  await answer(page, '1000');
  await page.click(control('startButton'));
  await item("Enter the class's meetings...");
  await page.waitFor(() => document.querySelector('dialog.question[open] textarea'));
  await page.evaluate(() => {
    document.querySelector('dialog.question[open] textarea').value =
      '-3 -5 -1 0 -7 -2 -4 -6 -1 -3\n-9 -2 -5 0 -4 -3 -8 -1 -2 -6\nHTTHTHHTTTHTHTTHHTHTTTHHTHTHTTHHTTH';
  });
  await page.click('dialog.question[open] button[value="ok"]');
  await page.waitFor(() => !document.querySelector('dialog[open]'));
  await page.press('f');
  writeFileSync(`${docs}class-meetings.png`, await page.screenshot());
  // The tally sheet for 35 guests as it goes to the printer, on white.
  await page.evaluate(() => { window.print = () => {}; });
  await item('Print a tally sheet...');
  await page.setViewport(680, 945);
  await page.evaluate(() => {
    const sheet = document.querySelector('#print-sheet img');
    document.body.replaceChildren(sheet);
    Object.assign(sheet.style, { display: 'block', width: '680px' });
    Object.assign(document.body.style, { margin: '0', background: '#ffffff' });
  });
  writeFileSync(`${docs}tally-sheet.png`, await page.screenshot());
  await browser.close();
}
await server.close();
