// The built site served on 127.0.0.1 by Vite's preview server: `make web`
// on port 8080 (node scripts/serve.mjs 8080), the tests each on a free port
// of their own, with plugins of theirs.
import { resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { preview } from 'vite';

export const siteDir = resolve(process.env.COINWELL_SITE_DIR ?? new URL('../../build/web/site', import.meta.url).pathname);

// Every answer is checked again before it is used, so that a page reloaded
// from the same server gets what the server now answers. A missing file is
// a 404, not the page. No CORS: the site asks nothing of other origins, and
// the 'Vary: Origin' of Vite's CORS answers keeps the service worker from
// finding its kept files for the page's own requests once offline.
export async function serve({ dir = siteDir, port = 0, plugins = [] } = {}) {
  const server = await preview({
    configFile: false,
    root: fileURLToPath(new URL('..', import.meta.url)),
    logLevel: 'warn',
    appType: 'mpa',
    build: { outDir: dir },
    preview: { host: '127.0.0.1', port, strictPort: true, cors: false, headers: { 'Cache-Control': 'no-cache' } },
    plugins,
  });
  return { url: `http://127.0.0.1:${server.httpServer.address().port}/`, close: () => server.close() };
}

// node scripts/serve.mjs [port]: until Ctrl+C.
if (process.argv[1] && import.meta.url === pathToFileURL(process.argv[1]).href) {
  await serve({ port: Number(process.argv[2] ?? 8080) });
}
