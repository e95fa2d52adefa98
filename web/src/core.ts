// The C++ core, compiled to WebAssembly: the settings' rules, the runs, the
// graph area's commands, pictures and words, and the windows' placement
// tables all come from it, as the desktop has them.
import createCoinwellCore from 'coinwell-core';
import wasmUrl from 'coinwell-core-wasm?url';

// A text as the core chooses it; texts.ts translates it. An empty context
// shows the source as it is, its markers still filled in.
export interface Message { context: string; source: string; args: Message[]; count?: number }

export interface Placement {
  name: string;
  left: number;
  top: number;
  width: number;
  height: number;
  points: number;
  bold: boolean;
  text: Message | null;
}

// A row of the graph area's command table (core/commands.h), of a command
// the page offers.
export interface CommandRow {
  command: number;
  name: string;
  label: Message;
  keys: string[]; // Qt's portable notation, the first shown
  part: number;   // 0 the menu, 1 the shares' group, 2 the replay's
  separatorBefore: boolean;
  check: number;     // 0 none, 1 a checkbox, 2 a radio button
  graphKey: boolean; // only while the graph has the focus
}

// What a command asks for: a number, with the number now and the range it
// may take, or lines of text (`lines`), with the text last given.
export interface Question {
  prompt: Message;
  title: Message;
  value: number;
  lowest: number;
  highest: number;
  lines: boolean;
  text: string;
}

// Session.view()'s numbers.
export const kHistogram = 0;
export const kReplay = 1;
export const kRunningAverage = 3;

// A picture as flat lists, one entry (or three, or a point count) per shape.
export interface Drawing {
  area: number[]; // left top width height
  kinds: number[];
  colours: number[]; // r g b; -1 -1 -1 the text colour
  sizes: number[];
  flags: number[];   // 1 dashed, 2 crisp, 4 round
  counts: number[];
  points: number[];  // x y ...
  texts: string[];
}

// How the page sets texts: translated, and measured in the area's pixels.
export interface TextSetter {
  text(message: Message): string;
  width(text: string): number;
  lineHeight: number;
  ascent: number;
  digitWidth: number;
}

export interface Session {
  refusedSeed(): string;
  setGuests(count: number): void;
  setExperiments(count: number): void;
  run(): void;
  clear(): void;
  // The value labels' texts by their placements' names ("averageValue"
  // shows average), '' for a count not given or before a run.
  values(): { guestCount: string; experimentCount: string; average: string };
  csv(): string;
  view(): number;
  showHistogram(): void;
  advance(seconds: number): void;
  playing(): boolean;
  option(index: number): number;
  restoreOption(index: number, value: number): void;
  enabled(command: number): boolean;
  checked(command: number): boolean;
  // False for what the page does itself, and for a command not enabled.
  trigger(command: number): boolean;
  picture(width: number, height: number, setter: TextSetter): Drawing;
  // As copied or saved: taller by the caption line while that option is on.
  savedPicture(width: number, height: number, setter: TextSetter): Drawing;
  // The tally sheet for the guests given so far.
  tallySheet(width: number, height: number, setter: TextSetter): Drawing;
  description(): Message;
  caption(): Message;
  fileName(command: number): string;
  // What a command asks before it sets an option to the number given, or null.
  question(command: number): Question | null;
  // False for a number out of the question's range.
  answer(command: number, value: number): boolean;
  // null when all of the text reads, else what is wrong with it.
  answerText(command: number, text: string): Message | null;
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
  acceptedGuests(entry: string): number;
  acceptedExperiments(entry: string): number;
  mainWindowPlacements(): Placement[];
  helpWindowPlacements(): Placement[];
  commands(): CommandRow[];
  options(): string[]; // the remembered options' names
  windowTexts(): Record<WindowText, Message>;
  seedHighest(): string;
  Session: new (seedText: string) => Session;
}

export type WindowText = 'mainWindowTitle' | 'programName' | 'graphName' | 'graphMenuName' | 'namedValue' | 'firstGuestsTitle' |
  'firstExperimentsTitle' | 'guestsTitle' | 'experimentsTitle' | 'countPrompt' | 'exitNotice' | 'imageWidthPrompt' |
  'saveImageTitle' | 'helpWindowTitle' | 'helpText' | 'helpTextName' | 'sharesCaption' | 'replayCaption';

export function loadCore(): Promise<CoreModule> {
  return createCoinwellCore({ locateFile: (path) => (path.endsWith('.wasm') ? wasmUrl : path) });
}
