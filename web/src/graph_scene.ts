// Paints the core's scene of the graph onto a canvas and into an SVG file.
// Lines and bars come in the graph's logical space and are mapped onto the
// area here; texts and the overlay come in the area's pixels.
import type { CoreScene } from './core';
import { drawingSvg, paintDrawing } from './drawing_paint';
import { cssFont, escapeXml, n, prepareCanvas, svgDocument, type TextLook } from './surface';

export const kFrameColour = '#000000';
export const kBarColour = '#0000ff';
export const kExactColour = 'rgb(230, 90, 0)';
export const kReadyColour = 'rgb(0, 110, 40)';
// The exact coins' dashes, as the desktop's dashed line of one pixel draws
// them: four on, two off.
const kDashes = [4, 2];

interface Mapped {
  lines: number[][]; // [x1, y1, x2, y2] in area pixels, frame then axis
  axisFrom: number;
  bars: number[][];  // [left, top, right, bottom]
}

function mapped(scene: CoreScene): Mapped {
  const { scaleX, scaleY, dx, dy } = scene.toArea;
  const x = (v: number) => scaleX * v + dx;
  const y = (v: number) => scaleY * v + dy;
  const lines: number[][] = [];
  const all = [...scene.frame, ...scene.axis];
  for (let i = 0; i < all.length; i += 4) lines.push([x(all[i]), y(all[i + 1]), x(all[i + 2]), y(all[i + 3])]);
  const bars: number[][] = [];
  for (let i = 0; i < scene.bars.length; i += 4) {
    const [l, t, w, h] = scene.bars.slice(i, i + 4);
    if (h > 0) bars.push([x(l), y(t), x(l + w), y(t + h)]);
  }
  return { lines, axisFrom: scene.frame.length / 4, bars };
}

// The coins to have ready's lines in area pixels, the exact coins' second.
function readyLines(scene: CoreScene): { line: number[]; exact?: number[] } | undefined {
  const ready = scene.ready;
  if (!ready) return undefined;
  const { scaleX, scaleY, dx, dy } = scene.toArea;
  const map = ([x1, y1, x2, y2]: number[]) => [scaleX * x1 + dx, scaleY * y1 + dy, scaleX * x2 + dx, scaleY * y2 + dy];
  return { line: map(ready.line), exact: ready.exactLine && map(ready.exactLine) };
}

const pairs = (flat: number[]) => {
  const points: [number, number][] = [];
  for (let i = 0; i < flat.length; i += 2) points.push([flat[i], flat[i + 1]]);
  return points;
};

// Paints onto a canvas whose backing store has `ratio` device pixels per
// area pixel. Lines fall on device pixels, one wide, so they stay sharp at
// any zoom.
export function paintCanvas(canvas: HTMLCanvasElement, scene: CoreScene, size: { width: number; height: number },
  look: TextLook, ratio: number, ground?: string): void {
  const g = prepareCanvas(canvas, size, ratio, ground);
  if (!g) return;
  g.save();  // restored at the end, so the next paint starts from the defaults
  const { lines, axisFrom, bars } = mapped(scene);
  const snap = (v: number) => Math.floor(v * ratio) + 0.5;
  const stroke = (list: number[][], colour = kFrameColour) => {
    g.beginPath();
    for (const [x1, y1, x2, y2] of list) {
      g.moveTo(snap(x1), snap(y1));
      g.lineTo(snap(x2), snap(y2));
    }
    g.strokeStyle = colour;
    g.lineWidth = 1;
    g.stroke();
  };
  stroke(lines.slice(0, axisFrom));
  g.fillStyle = kBarColour;
  for (const [l, t, r, b] of bars) {
    const left = Math.round(l * ratio);
    const top = Math.round(t * ratio);
    g.fillRect(left, top, Math.max(1, Math.round(r * ratio) - left), Math.round(b * ratio) - top);
  }
  stroke(lines.slice(axisFrom));
  g.scale(ratio, ratio);
  g.font = cssFont(look.font);
  g.textBaseline = 'alphabetic';
  g.fillStyle = look.colour;
  for (const t of scene.texts) g.fillText(t.text, t.left, t.baseline);
  const overlay = scene.overlay;
  if (overlay) {
    g.strokeStyle = kExactColour;
    g.fillStyle = kExactColour;
    g.lineWidth = overlay.lineWidth;
    g.lineCap = 'round';
    g.lineJoin = 'round';
    g.beginPath();
    pairs(overlay.line).forEach(([x, y], i) => (i === 0 ? g.moveTo(x, y) : g.lineTo(x, y)));
    g.stroke();
    g.beginPath();
    pairs(overlay.mark).forEach(([x, y], i) => (i === 0 ? g.moveTo(x, y) : g.lineTo(x, y)));
    g.fill();
    g.fillText(overlay.label.text, overlay.label.left, overlay.label.baseline);
  }
  // Over the overlay, as on the desktop: the lines on device pixels like
  // the frame, the words at the font's size.
  const ready = readyLines(scene);
  if (ready && scene.ready) {
    g.save();
    g.setTransform(1, 0, 0, 1, 0, 0);
    g.lineCap = 'butt';
    stroke([ready.line], kReadyColour);
    if (ready.exact) {
      g.setLineDash(kDashes);
      stroke([ready.exact], kReadyColour);
    }
    g.restore();
    g.fillStyle = kReadyColour;
    for (const t of [scene.ready.label, scene.ready.exactLabel]) if (t) g.fillText(t.text, t.left, t.baseline);
  }
  if (scene.coverage) paintDrawing(g, scene.coverage, look, ratio);
  g.restore();
}

// `measure` sets a text in look's font, for the coverage curve's words.
export function sceneSvg(scene: CoreScene, size: { width: number; height: number }, look: TextLook, title: string,
  measure: (text: string) => number): string {
  const font = look.font;
  const { lines, axisFrom, bars } = mapped(scene);
  const path = (list: number[][]) => list.map(([x1, y1, x2, y2]) => `M${n(x1)} ${n(y1)}L${n(x2)} ${n(y2)}`).join('');
  const text = (t: { text: string; left: number; baseline: number }, fill: string) =>
    `<text x="${n(t.left)}" y="${n(t.baseline)}" fill="${fill}">${escapeXml(t.text)}</text>`;
  const parts = [
    `<path d="${path(lines.slice(0, axisFrom))}" stroke="${kFrameColour}" fill="none" shape-rendering="crispEdges"/>`,
    `<path d="${bars.map(([l, t, r, b]) => `M${n(l)} ${n(t)}H${n(r)}V${n(b)}H${n(l)}z`).join('')}" ` +
      `fill="${kBarColour}" shape-rendering="crispEdges"/>`,
    `<path d="${path(lines.slice(axisFrom))}" stroke="${kFrameColour}" shape-rendering="crispEdges"/>`,
    `<g font-family="${escapeXml(font.family)}" font-size="${n(font.pixels)}">`,
    ...scene.texts.map((t) => text(t, kFrameColour)),
  ];
  const overlay = scene.overlay;
  if (overlay) {
    const points = (flat: number[]) => pairs(flat).map(([x, y]) => `${n(x)},${n(y)}`).join(' ');
    parts.push(
      `<polyline points="${points(overlay.line)}" fill="none" stroke="${kExactColour}" ` +
        `stroke-width="${n(overlay.lineWidth)}" stroke-linecap="round" stroke-linejoin="round"/>`,
      `<polygon points="${points(overlay.mark)}" fill="${kExactColour}"/>`,
      text(overlay.label, kExactColour),
    );
  }
  const ready = readyLines(scene);
  if (ready && scene.ready) {
    const line = (at: number[], dashes = '') =>
      `<path d="${path([at])}" stroke="${kReadyColour}"${dashes} shape-rendering="crispEdges"/>`;
    parts.push(line(ready.line), text(scene.ready.label, kReadyColour));
    if (ready.exact) parts.push(line(ready.exact, ` stroke-dasharray="${kDashes.join(' ')}"`));
    if (scene.ready.exactLabel) parts.push(text(scene.ready.exactLabel, kReadyColour));
  }
  parts.push('</g>');
  if (scene.coverage) parts.push(...drawingSvg(scene.coverage, look, measure));
  return svgDocument(size, title, parts);
}
