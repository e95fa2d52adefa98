// Makes the README's pictures of the page after a run of 100 guests x 100
// experiments (seed 1): docs/web-{desktop,phone}-{en,ja}.png.
import { answer, launch, serve, value } from '../tests/support.mjs';

const docs = new URL('../../docs/', import.meta.url).pathname;
const server = await serve();
const sizes = { desktop: { width: 1024, height: 768 }, phone: { width: 375, height: 667 } };
for (const [size, viewport] of Object.entries(sizes)) {
  for (const lang of ['en', 'ja']) {
    const browser = await launch({ viewport, deviceScaleFactor: size === 'phone' ? 2 : 1 });
    const page = browser.context.pages()[0];
    await page.goto(`${server.url}?seed=1&lang=${lang}`);
    await answer(page, '100');
    await answer(page, '100');
    await value(page, 'startButton').click();
    await page.screenshot({ path: `${docs}web-${size}-${lang}.png` });
    await browser.close();
  }
}
await server.close();
