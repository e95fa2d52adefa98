// What the page does with the graph area's picture itself: copies it, saves
// it as PNG or SVG (both with the core's caption line under the picture
// while that option is on), saves the run's CSV table and prints it with
// its caption line, or prints the tally sheet. Pictures are painted on
// white, twice the designed size unless a width is asked for, their texts
// scaled with them.
import { kHistogram, type CoreModule, type Message, type Session } from './core';
import { askInteger } from './dialogs';
import type { GraphView } from './graph_view';
import { paint, paintCanvas, textSetter, type Look } from './painter';
import { SvgContext } from './svg_context';
import { pageText, translate } from './texts';

type Kind = 'png' | 'svg';

export class GraphExport {
  private readonly texts: ReturnType<CoreModule['windowTexts']>;
  private readonly printing: number;
  private readonly tallyName: Message;
  // While the tally sheet prints, the graph stays off the print sheet.
  private sheetShown = false;

  constructor(core: CoreModule, private readonly session: Session, private readonly graph: GraphView) {
    this.texts = core.windowTexts();
    this.printing = core.commands().find((row) => row.name === 'printGraph')!.command;
    this.tallyName = core.commands().find((row) => row.name === 'printTallySheet')!.label;
    window.addEventListener('beforeprint', () => this.fillPrintSheet());
  }

  async copy(): Promise<void> {
    try {
      await navigator.clipboard.write([new ClipboardItem({ 'image/png': this.png() })]);
    } catch {
      // the browser refused the clipboard; nothing changes
    }
  }

  // Asks for the width first, as the desktop does; Cancel saves nothing.
  async save(kind: Kind, command: number): Promise<void> {
    const width = await askInteger(translate(this.texts.imageWidthPrompt), translate(this.texts.saveImageTitle),
      2 * this.graph.inner.width, 100, 10000);
    if (width === undefined) return;
    const name = this.session.fileName(command);
    this.download(name, kind === 'png' ? await this.png(width) : new Blob([this.svg(width)], { type: 'image/svg+xml' }));
  }

  saveCsv(command: number): void {
    this.download(this.session.fileName(command), new Blob([this.session.csv()], { type: 'text/csv' }));
  }

  print(): void {
    this.fillPrintSheet();
    window.print();
  }

  // The tally sheet for the guests given so far, 180 x 250 mm (which A4
  // and US Letter both hold) at 96 pixels an inch, its texts at 10 points.
  printTallySheet(): void {
    const sheet = document.getElementById('print-sheet');
    if (!sheet) return;
    const [width, height] = [680, 945];
    const face = { family: this.graph.face(1).family, pixels: 40 / 3 };
    const drawing = this.session.tallySheet(width, height, textSetter(face));
    const svg = new SvgContext();
    paint(svg, drawing, { face, colour: '#000000' }, 1, '#ffffff');
    const image = document.createElement('img');
    image.className = 'tally-sheet';
    image.alt = translate(this.tallyName);
    image.src = `data:image/svg+xml;charset=utf-8,${encodeURIComponent(svg.document(width, height, image.alt))}`;
    sheet.replaceChildren(image);
    this.sheetShown = true;
    window.print();
    this.sheetShown = false;
  }

  // saved: with the caption line under it while that option is on.
  private picture(width = 2 * this.graph.inner.width, saved = true) {
    const scale = width / this.graph.inner.width;
    const look: Look = { face: this.graph.face(scale), colour: '#000000' };
    return { drawing: this.graph.picture(width, Math.round(this.graph.inner.height * scale), look.face, saved), look };
  }

  private png(width?: number): Promise<Blob> {
    const { drawing, look } = this.picture(width);
    const canvas = document.createElement('canvas');
    paintCanvas(canvas, drawing, look, 1, '#ffffff');
    return new Promise((resolve, reject) => canvas.toBlob((blob) => (blob ? resolve(blob) : reject(new Error('png'))), 'image/png'));
  }

  private svg(width?: number, saved = true): string {
    const { drawing, look } = this.picture(width, saved);
    const svg = new SvgContext();
    paint(svg, drawing, look, 1, '#ffffff');
    return svg.document(drawing.area[2], drawing.area[3], translate(this.texts.graphName));
  }

  private download(name: string, blob: Blob): void {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 10_000);
  }

  // The picture and under it the core's caption line, the seed the page
  // could not use, and the time of printing.
  private fillPrintSheet(): void {
    const sheet = document.getElementById('print-sheet');
    if (!sheet || this.sheetShown) return;
    sheet.replaceChildren();
    if (!this.graph.element.isConnected || !this.session.enabled(this.printing)) return;
    const image = document.createElement('img');
    image.alt = translate(this.texts.graphName);
    image.src = `data:image/svg+xml;charset=utf-8,${encodeURIComponent(this.svg(undefined, false))}`;
    const caption = document.createElement('p');
    let line = translate(this.session.caption());
    const refused = this.session.refusedSeed();
    if (refused && this.session.view() === kHistogram) line += pageText(', the time of day instead of the seed "%1"', refused);
    caption.textContent = `${line}, ${new Date().toLocaleString(document.documentElement.lang)}`;
    sheet.append(image, caption);
  }
}
