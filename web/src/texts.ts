// The page speaks English or Japanese: ?lang=en|ja, else the browser's
// first language. Texts are the desktop's, from its catalogue: English is
// the source text, Japanese its translation.
import catalogue from 'virtual:catalogue';

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

// Qt's %1, %2, ... markers, each replaced once, as QString::arg does.
export function tr(context: string, source: string, ...args: (string | number)[]): string {
  const text = language === 'ja' ? catalogue[context]?.[source] ?? source : source;
  return text.replace(/%(\d)/g, (whole, n: string) => {
    const value = args[Number(n) - 1];
    return value === undefined ? whole : String(value);
  });
}

// The page's own texts, which the desktop has no use for; the catalogue
// holds them too.
export const pageText = (source: string, ...args: (string | number)[]) => tr('coinwell::web::Page', source, ...args);

// The help window's text: the one message of its context.
export function helpLines(): string[] {
  const context = 'coinwell::HelpTextView';
  const source = Object.keys(catalogue[context] ?? {})[0] ?? '';
  return tr(context, source).split('\n');
}
