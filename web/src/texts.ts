// The page speaks English or Japanese: ?lang=en|ja, else the browser's
// first language. Texts are the desktop's, from its catalogues: English is
// the source text (its plural forms from the English catalogue), Japanese
// its translation.
import catalogue from 'virtual:catalogue';
import type { Message } from './core';

export type Language = 'en' | 'ja';

export function chooseLanguage(search: string, browserLanguages: readonly string[]): Language {
  const asked = new URLSearchParams(search).get('lang');
  if (asked === 'en' || asked === 'ja') return asked;
  const first = browserLanguages[0] ?? 'en';
  return first.toLowerCase().startsWith('ja') ? 'ja' : 'en';
}

let language: Language = 'en';

export function setLanguage(chosen: Language): void {
  language = chosen;
  document.documentElement.lang = chosen;
}

// English tells one from many; Japanese has one form.
const pluralForm = (count: number) => (language === 'en' && count !== 1 ? 1 : 0);

// As Qt's tr() and QString::arg do: %n the count, %1, %2, ... each filled in
// once with its argument, itself translated.
export function translate(message: Message): string {
  const found = message.context ? catalogue[language][message.context]?.[message.source] : undefined;
  const text = Array.isArray(found) ? found[pluralForm(message.count ?? 0)] ?? found[0] : found ?? message.source;
  return text.replace(/%(\d|n)/g, (whole, marker: string) => {
    if (marker === 'n') return message.count === undefined ? whole : String(message.count);
    const arg = message.args[Number(marker) - 1];
    return arg ? translate(arg) : whole;
  });
}

export const verbatim = (text: string | number): Message => ({ context: '', source: String(text), args: [] });

// The page's own texts, which the desktop has no use for; the catalogue
// holds them too.
export const pageText = (source: string, ...args: (string | number)[]) =>
  translate({ context: 'coinwell::web::Page', source, args: args.map(verbatim) });
