declare module 'virtual:catalogue' {
  // Per language, context and source: a translation, or a plural's forms.
  const catalogue: Record<'en' | 'ja', Record<string, Record<string, string | string[]>>>;
  export default catalogue;
}

declare module 'coinwell-core' {
  import type { CoreModule } from './core';
  const createCoinwellCore: (options: { locateFile: (path: string) => string }) => Promise<CoreModule>;
  export default createCoinwellCore;
}

declare module 'coinwell-core-wasm?url' {
  const url: string;
  export default url;
}
declare module '*.css';
