// Builds the page into a folder of static files. The core's module, the
// chimes and the icon come from the C++ build (COINWELL_WASM_DIR,
// COINWELL_ASSETS_DIR); the texts come from the desktop's catalogues; the
// service worker is written last, with the list of every file it keeps.
import { defineConfig, type Plugin } from 'vite';
import { readFileSync, readdirSync, statSync, writeFileSync } from 'node:fs';
import { join, relative, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { readCatalogues } from './scripts/catalogue.mjs';

const root = fileURLToPath(new URL('.', import.meta.url));
const wasmDir = resolve(process.env.COINWELL_WASM_DIR ?? join(root, '../build/web/cmake/wasm'));
const assetsDir = resolve(process.env.COINWELL_ASSETS_DIR ?? join(root, '../build/web/assets'));

function catalogue(): Plugin {
  const id = 'virtual:catalogue';
  const folder = join(root, '../translations');
  return {
    name: 'coinwell-catalogue',
    resolveId: (source) => (source === id ? '\0' + id : undefined),
    load(loaded) {
      if (loaded !== '\0' + id) return undefined;
      for (const language of ['en', 'ja']) this.addWatchFile(join(folder, `coinwell_${language}.ts`));
      return `export default ${JSON.stringify(readCatalogues(folder))};`;
    },
  };
}

function assets(): Plugin {
  const files: Record<string, string> = {
    'pinpon.wav': 'pinpon.wav',
    'endpinpon.wav': 'endpinpon.wav',
    'icon-192.png': 'icon-192.png',
    'icon-512.png': 'icon-512.png',
    'icon-32.png': 'icon-32.png',
  };
  return {
    name: 'coinwell-assets',
    generateBundle() {
      for (const [name, from] of Object.entries(files)) {
        this.emitFile({ type: 'asset', fileName: name, source: readFileSync(join(assetsDir, from)) });
      }
      this.emitFile({
        type: 'asset',
        fileName: 'manifest.webmanifest',
        source: JSON.stringify({
          name: 'Coinwell',
          short_name: 'Coinwell',
          description: 'How many 500-yen coins does the secretary need? A coin-toss simulation.',
          start_url: './',
          scope: './',
          display: 'standalone',
          background_color: '#f0f0f0',
          theme_color: '#80ffff',
          icons: [
            { src: 'icon-192.png', sizes: '192x192', type: 'image/png', purpose: 'any' },
            { src: 'icon-512.png', sizes: '512x512', type: 'image/png', purpose: 'any' },
          ],
        }, null, 2),
      });
    },
  };
}

// The core's .wasm is fetched as soon as the page is, beside the script
// that asks for it, rather than after that script has run.
function preloadCore(): Plugin {
  return {
    name: 'coinwell-preload-core',
    transformIndexHtml: {
      order: 'post',
      handler(_html, context) {
        const wasm = Object.keys(context.bundle ?? {}).find((name) => name.endsWith('.wasm'));
        return wasm ? [{
          tag: 'link', injectTo: 'head',
          attrs: { rel: 'preload', href: `./${wasm}`, as: 'fetch', type: 'application/wasm', crossorigin: 'anonymous' },
        }] : [];
      },
    },
  };
}

// Every file of the site goes into the worker's list, with a version made
// of their names (hashed by the build) so that a new build replaces the old.
function serviceWorker(): Plugin {
  let outDir = '';
  return {
    name: 'coinwell-service-worker',
    configResolved(config) {
      outDir = resolve(config.root, config.build.outDir);
    },
    closeBundle() {
      const files: string[] = [];
      const walk = (dir: string) => {
        for (const name of readdirSync(dir)) {
          const path = join(dir, name);
          if (statSync(path).isDirectory()) walk(path);
          else if (name !== 'sw.js') files.push(relative(outDir, path).split('\\').join('/'));
        }
      };
      walk(outDir);
      files.sort();
      const template = readFileSync(join(root, 'src/sw.js'), 'utf8');
      const version = files.join('|').split('').reduce((h, c) => (Math.imul(h, 31) + c.charCodeAt(0)) | 0, 7);
      writeFileSync(join(outDir, 'sw.js'), template
        .replace('self.__SITE_FILES__', JSON.stringify(['./', ...files]))
        .replace('__SITE_VERSION__', (version >>> 0).toString(16)));
    },
  };
}

export default defineConfig({
  base: './',
  resolve: {
    alias: [
      { find: /^coinwell-core-wasm/, replacement: join(wasmDir, 'coinwell_core.wasm') },
      { find: /^coinwell-core$/, replacement: join(wasmDir, 'coinwell_core.js') },
    ],
  },
  server: { fs: { allow: [root, wasmDir, assetsDir, join(root, '../translations')] } },
  build: {
    outDir: process.env.COINWELL_SITE_DIR ?? join(root, '../build/web/site'),
    emptyOutDir: true,
    assetsInlineLimit: 0,
    target: 'es2022',
  },
  plugins: [catalogue(), assets(), preloadCore(), serviceWorker()],
});
