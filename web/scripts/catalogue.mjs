// Reads a Qt Linguist catalogue that both editions share into
// { context: { source: translation } }, a plural message's translation
// being its list of forms. The page's English is the source text, but for
// the plural forms of the English catalogue; a message without a finished
// translation is left out, so that the page falls back on its source as
// the desktop does.
import { readFileSync } from 'node:fs';

const entities = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };

export function unescapeXml(text) {
  return text.replace(/&(#x[0-9a-f]+|#[0-9]+|[a-z]+);/gi, (whole, name) => {
    if (name[0] === '#') {
      return String.fromCodePoint(name[1] === 'x' || name[1] === 'X' ? parseInt(name.slice(2), 16) : parseInt(name.slice(1), 10));
    }
    return entities[name] ?? whole;
  });
}

export function parseCatalogue(xml) {
  const catalogue = {};
  for (const [, context] of xml.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const name = unescapeXml(/<name>([\s\S]*?)<\/name>/.exec(context)?.[1] ?? '');
    const messages = (catalogue[name] ??= {});
    for (const [, attributes, message] of context.matchAll(/<message([^>]*)>([\s\S]*?)<\/message>/g)) {
      const source = /<source>([\s\S]*?)<\/source>/.exec(message);
      const translation = /<translation(\s[^>]*)?>([\s\S]*?)<\/translation>/.exec(message);
      if (!source || !translation || /type="(unfinished|vanished|obsolete)"/.test(translation[1] ?? '')) {
        continue;
      }
      const forms = [...translation[2].matchAll(/<numerusform>([\s\S]*?)<\/numerusform>/g)].map((form) => unescapeXml(form[1]));
      messages[unescapeXml(source[1])] = /numerus="yes"/.test(attributes) ? forms : unescapeXml(translation[2]);
    }
  }
  return catalogue;
}

export function readCatalogue(path) {
  return parseCatalogue(readFileSync(path, 'utf8'));
}

// Both catalogues the page reads, from the translations folder.
export function readCatalogues(folder) {
  return { en: readCatalogue(`${folder}/coinwell_en.ts`), ja: readCatalogue(`${folder}/coinwell_ja.ts`) };
}
