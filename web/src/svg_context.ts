// Just as much of a canvas's 2D context as the painter uses, writing SVG
// elements instead of pixels: the saved graph is painted by the very calls
// that paint the screen. Arcs are whole circles, the painter's one use.
import type { PaintContext } from './painter';

const n = (v: number) => String(Math.round(v * 100) / 100);

const escapeXml = (text: string) =>
  text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');

export class SvgContext implements PaintContext {
  fillStyle: string | CanvasGradient | CanvasPattern = '#000000';
  strokeStyle: string | CanvasGradient | CanvasPattern = '#000000';
  lineWidth = 1;
  lineCap: CanvasLineCap = 'butt';
  lineJoin: CanvasLineJoin = 'miter';
  font = '10px sans-serif';
  private dashes: number[] = [];
  // Scales and moves only, as the painter's transforms do: x, y scale, then dx, dy.
  private transform = [1, 1, 0, 0];
  private path = '';
  private readonly body: string[] = [];
  private readonly saved: object[] = [];

  save(): void {
    const { body: _body, saved: _saved, path: _path, ...state } = this;
    this.saved.push(state);
  }

  restore(): void {
    Object.assign(this, this.saved.pop());
  }

  setTransform(a: number, _b: number, _c: number, d: number, e: number, f: number): void {
    this.transform = [a, d, e, f];
  }

  setLineDash(segments: number[]): void {
    this.dashes = [...segments];
  }

  beginPath(): void {
    this.path = '';
  }

  moveTo(x: number, y: number): void {
    this.path += `M${this.at(x, y).join(' ')}`;
  }

  lineTo(x: number, y: number): void {
    this.path += `L${this.at(x, y).join(' ')}`;
  }

  closePath(): void {
    this.path += 'Z';
  }

  arc(x: number, y: number, radius: number): void {
    const [sx, sy, dx, dy] = this.transform;
    const [cx, cy, r] = [sx * x + dx, sy * y + dy, radius * this.scale()];
    const half = (to: number) => `A${n(r)} ${n(r)} 0 1 0 ${n(to)} ${n(cy)}`;
    this.path += `M${n(cx + r)} ${n(cy)}${half(cx - r)}${half(cx + r)}Z`;
  }

  stroke(): void {
    const scale = this.scale();
    let look = `stroke="${String(this.strokeStyle)}" stroke-width="${n(this.lineWidth * scale)}"`;
    if (this.lineCap !== 'butt') look += ` stroke-linecap="${this.lineCap}"`;
    if (this.lineJoin !== 'miter') look += ` stroke-linejoin="${this.lineJoin}"`;
    if (this.dashes.length) look += ` stroke-dasharray="${this.dashes.map((d) => n(d * scale)).join(' ')}"`;
    this.body.push(`<path d="${this.path}" fill="none" ${look}/>`);
  }

  fill(): void {
    this.body.push(`<path d="${this.path}" fill="${String(this.fillStyle)}"/>`);
  }

  fillRect(x: number, y: number, width: number, height: number): void {
    const [left, top] = this.at(x, y);
    const [sx, sy] = this.transform;
    this.body.push(`<rect x="${left}" y="${top}" width="${n(sx * width)}" height="${n(sy * height)}" ` +
      `fill="${String(this.fillStyle)}"/>`);
  }

  fillText(text: string, x: number, y: number): void {
    const [, pixels, family] = /^([\d.]+)px (.*)$/.exec(this.font) ?? ['', '10', 'sans-serif'];
    const [left, baseline] = this.at(x, y);
    this.body.push(`<text x="${left}" y="${baseline}" font-family="${escapeXml(family)}" ` +
      `font-size="${n(Number(pixels) * this.scale())}" fill="${String(this.fillStyle)}">${escapeXml(text)}</text>`);
  }

  // The document of what was painted, `width` x `height`, with its title.
  document(width: number, height: number, title: string): string {
    return [
      `<svg xmlns="http://www.w3.org/2000/svg" width="${n(width)}" height="${n(height)}" ` +
        `viewBox="0 0 ${n(width)} ${n(height)}">`,
      `<title>${escapeXml(title)}</title>`,
      ...this.body,
      '</svg>',
    ].join('\n');
  }

  private at(x: number, y: number): [string, string] {
    const [sx, sy, dx, dy] = this.transform;
    return [n(sx * x + dx), n(sy * y + dy)];
  }

  private scale(): number {
    const [sx, sy] = this.transform;
    return Math.sqrt(Math.abs(sx * sy));
  }
}
