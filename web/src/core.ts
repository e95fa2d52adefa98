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

export interface MeasuredText { text: string; width: number }

export interface MeasuredTexts {
  verticalCaption: MeasuredText;
  horizontalCaption: MeasuredText;
  exactMean: MeasuredText;
  numbers: number[]; // the widths of axisNumbers(), in its order
  lineHeight: number;
  ascent: number;
  ready: MeasuredText;      // only read while the coins to have ready are marked
  exactReady: MeasuredText; // likewise, with the exact law shown
  coverageTop: string;      // the coverage scale's 100 %, read with the curve shown
  digitWidth: number;
}

export interface TextMetrics { lineHeight: number; digitWidth: number }

export interface ChartTexts extends TextMetrics { verticalCaption: string; horizontalCaption: string }

// A view's picture in the area's pixels, as the core draws it: paths flat
// (x y ...) with the number of points of each, colours as r g b.
export interface CoreDrawing {
  area: number[]; // left top width height
  fills: number[];
  fillSizes: number[];
  fillColours: number[];
  strokes: number[];
  strokeSizes: number[];
  strokeLooks: number[]; // r g b width dashed, per stroke; width 0 is one device pixel
  dots: number[];        // x y radius r g b filled, per dot
  texts: { text: string; x: number; y: number; align: 'left' | 'centre' | 'right'; colour?: number[] }[];
}

export interface ReplayFacts { shown: number; guests: number; balance: number; lowest: number | null; lowestGuest: number }

export interface ReplayTexts extends ChartTexts { progress: string; state: string; mirror: string }

// One meeting played back; delete() when done with it.
export interface Replay {
  guests(): number;
  balances(): number[];
  exactCoins(percent: number): number;
  advance(seconds: number): void;
  togglePause(): void;
  step(): void;
  faster(): void;
  slower(): void;
  finish(): void;
  paused(): boolean;
  finished(): boolean;
  pace(): number;
  facts(): ReplayFacts;
  scene(width: number, height: number, texts: ReplayTexts, mirrorCoins: number): CoreDrawing;
  delete(): void;
}

export interface SquareRootTexts extends ChartTexts {
  lesson: string;
  meanLegend: string;
  coinsLegend: string;
  referenceLegend: string;
  runsLegend: string;
}

export interface PlacedText { text: string; left: number; top: number; baseline: number }

// The graph as the core places it: lines (x1 y1 x2 y2 ...) and bars (left
// top width height ...) in logical space, drawn through toArea; texts and
// the overlay in the area's pixels.
export interface CoreScene {
  toArea: { scaleX: number; scaleY: number; dx: number; dy: number };
  frame: number[];
  bars: number[];
  axis: number[];
  texts: PlacedText[];
  overlay?: { line: number[]; lineWidth: number; mark: number[]; label: PlacedText };
  // The coins to have ready: lines (x1 y1 x2 y2) in logical space, the
  // exact coins' dashed; the words in the area's pixels.
  ready?: { line: number[]; label: PlacedText; exactLine?: number[]; exactLabel?: PlacedText };
  coverage?: CoreDrawing;
}

export interface Session {
  seeded(): boolean;
  seed(): string;
  refusedSeed(): string;
  run(guests: number, experiments: number): void;
  clear(): void;
  hasResult(): boolean;
  guests(): number;
  experiments(): number;
  average(): string;
  exactMean(decimals: number): string;
  bins(): number[];
  csv(): string;
  // For 90, 95 and 99 % of meetings; empty before a run.
  coinsToHaveReady(): { percent: number; run: number; exact: number }[];
  graph(width: number, height: number, texts: MeasuredTexts, withExactLaw: boolean, readyShown: boolean,
    readyPercent: number, coverageShown: boolean): CoreScene;
  // A new meeting from the runs' generator and clock.
  meeting(guests: number): Replay;
  // coins: the exact coins at 100, 400 and 1000 guests; runs: how many are shown.
  squareRoot(width: number, height: number, texts: SquareRootTexts, percent: number):
    { drawing: CoreDrawing; coins: number[]; runs: number };
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
  axisNumbers(): string[];
  seedHighest(): string;
  Session: new (seedText: string) => Session;
}

export function loadCore(): Promise<CoreModule> {
  return createCoinwellCore({ locateFile: (path) => (path.endsWith('.wasm') ? wasmUrl : path) });
}
