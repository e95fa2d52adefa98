declare module 'virtual:catalogue' {
  const catalogue: Record<string, Record<string, string>>;
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
