// Makes the README's pictures of the page after a run of 100 guests x 100
// experiments (seed 1): docs/web-{desktop,phone}-{en,ja}.png.
import { writeFileSync } from 'node:fs';
import { answer, control, launch, serve } from '../tests/support.mjs';

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
await server.close();
