// The C++ core, compiled to WebAssembly: the settings' rules, the runs, the
// average, the CSV table and the windows' placement tables all come from
// it, as the desktop has them.
import createCoinwellCore from 'coinwell-core';
import wasmUrl from 'coinwell-core-wasm?url';

export interface Placement {
  name: string;
  left: number;
  top: number;
  width: number;
  height: number;
  points: number;
  bold: boolean;
}

export interface Session {
  seeded(): boolean;
  seed(): string;
  run(guests: number, experiments: number): void;
  clear(): void;
  hasResult(): boolean;
  guests(): number;
  experiments(): number;
  average(): string;
  exactMean(decimals: number): string;
  bins(): number[];
  expectedCounts(): number[];
  csv(): string;
  delete(): void;
}

export interface CoreModule {
  guestLowest: number;
  guestHighest: number;
  experimentLowest: number;
  experimentHighest: number;
  mainWindowWidth: number;
  mainWindowHeight: number;
  helpWindowWidth: number;
  helpWindowHeight: number;
  lowestSingleShortage: number;
  acceptedGuests(entry: string): number;
  acceptedExperiments(entry: string): number;
  formatOneDecimal(value: number): string;
  mainWindowPlacements(): Placement[];
  helpWindowPlacements(): Placement[];
  Session: new (seedText: string) => Session;
}

export function loadCore(): Promise<CoreModule> {
  return createCoinwellCore({ locateFile: (path) => (path.endsWith('.wasm') ? wasmUrl : path) });
}
