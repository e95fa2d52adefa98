// Paints a view's picture as the core draws it (fills, strokes, dots, then
// texts) onto a canvas and into SVG. Texts are measured here, aligned at
// their anchor and moved only as far as needed to lie within the area.
import type { CoreDrawing } from './core';
import { cssFont, escapeXml, n, prepareCanvas, type TextLook } from './surface';

const rgb = (list: number[], at = 0) => `rgb(${list[at]}, ${list[at + 1]}, ${list[at + 2]})`;

function paths(flat: number[], sizes: number[]): [number, number][][] {
  const list: [number, number][][] = [];
  let at = 0;
  for (const size of sizes) {
    const path: [number, number][] = [];
    for (let i = 0; i < size; i++, at += 2) path.push([flat[at], flat[at + 1]]);
    list.push(path);
  }
  return list;
}

interface Stroke { path: [number, number][]; colour: string; width: number; dashed: boolean }

function strokes(drawing: CoreDrawing): Stroke[] {
  const looks = drawing.strokeLooks;
  return paths(drawing.strokes, drawing.strokeSizes).map((path, i) =>
    ({ path, colour: rgb(looks, 5 * i), width: looks[5 * i + 3], dashed: looks[5 * i + 4] !== 0 }));
}

interface Dot { x: number; y: number; radius: number; colour: string; filled: boolean }

function dots(drawing: CoreDrawing): Dot[] {
  const d = drawing.dots;
  const list: Dot[] = [];
  for (let i = 0; i < d.length; i += 7) list.push({ x: d[i], y: d[i + 1], radius: d[i + 2], colour: rgb(d, i + 3), filled: d[i + 6] !== 0 });
  return list;
}

interface PlacedText { text: string; left: number; baseline: number; colour: string }

function placeTexts(drawing: CoreDrawing, look: TextLook, measure: (text: string) => number): PlacedText[] {
  const [left, top, width, height] = drawing.area;
  return drawing.texts.map((t) => {
    const wide = measure(t.text);
    const x = t.align === 'left' ? t.x : t.align === 'right' ? t.x - wide : t.x - wide / 2;
    const y = Math.max(top, Math.min(t.y, top + height - look.lineHeight));
    return { text: t.text, left: Math.max(left, Math.min(x, left + width - wide)), baseline: y + look.ascent,
      colour: t.colour ? rgb(t.colour) : look.colour };
  });
}

// The dashes, as the desktop's dashed pen draws them: four widths on, two off.
const dashes = (width: number) => [4 * width, 2 * width];

// Onto a context that maps the area's pixels onto `ratio` device pixels each.
export function paintDrawing(g: CanvasRenderingContext2D, drawing: CoreDrawing, look: TextLook, ratio: number): void {
  g.save();
  const trace = (path: [number, number][]) => {
    g.beginPath();
    path.forEach(([x, y], i) => (i === 0 ? g.moveTo(x, y) : g.lineTo(x, y)));
  };
  const fills = paths(drawing.fills, drawing.fillSizes);
  fills.forEach((polygon, i) => {
    trace(polygon);
    g.closePath();
    g.fillStyle = rgb(drawing.fillColours, 3 * i);
    g.fill();
  });
  g.lineJoin = 'round';
  for (const stroke of strokes(drawing)) {
    const width = stroke.width > 0 ? stroke.width : 1 / ratio;
    trace(stroke.path);
    g.lineWidth = width;
    g.strokeStyle = stroke.colour;
    g.setLineDash(stroke.dashed ? dashes(width) : []);
    g.stroke();
  }
  g.setLineDash([]);
  g.lineWidth = 1 / ratio;
  for (const dot of dots(drawing)) {
    g.beginPath();
    g.arc(dot.x, dot.y, dot.radius, 0, 2 * Math.PI);
    if (dot.filled) {
      g.fillStyle = dot.colour;
      g.fill();
    } else {
      g.strokeStyle = dot.colour;
      g.stroke();
    }
  }
  g.font = cssFont(look.font);
  g.textBaseline = 'alphabetic';
  for (const t of placeTexts(drawing, look, (text) => g.measureText(text).width)) {
    g.fillStyle = t.colour;
    g.fillText(t.text, t.left, t.baseline);
  }
  g.restore();
}

// The same as SVG elements in the area's pixels; `measure` sets a text in look's font.
export function drawingSvg(drawing: CoreDrawing, look: TextLook, measure: (text: string) => number): string[] {
  const points = (path: [number, number][]) => path.map(([x, y]) => `${n(x)},${n(y)}`).join(' ');
  const parts = paths(drawing.fills, drawing.fillSizes).map((polygon, i) =>
    `<polygon points="${points(polygon)}" fill="${rgb(drawing.fillColours, 3 * i)}"/>`);
  for (const stroke of strokes(drawing)) {
    // Width 0: one device pixel, kept so at any zoom of the image.
    const width = stroke.width > 0 ? `stroke-width="${n(stroke.width)}"` : 'stroke-width="1" vector-effect="non-scaling-stroke"';
    const dashed = stroke.dashed ? ` stroke-dasharray="${dashes(stroke.width || 1).map(n).join(' ')}"` : '';
    parts.push(`<polyline points="${points(stroke.path)}" fill="none" stroke="${stroke.colour}" ${width}${dashed} ` +
      'stroke-linejoin="round"/>');
  }
  for (const dot of dots(drawing)) {
    const paint = dot.filled ? `fill="${dot.colour}"` : `fill="none" stroke="${dot.colour}" stroke-width="1" vector-effect="non-scaling-stroke"`;
    parts.push(`<circle cx="${n(dot.x)}" cy="${n(dot.y)}" r="${n(dot.radius)}" ${paint}/>`);
  }
  parts.push(`<g font-family="${escapeXml(look.font.family)}" font-size="${n(look.font.pixels)}">`,
    ...placeTexts(drawing, look, measure).map((t) =>
      `<text x="${n(t.left)}" y="${n(t.baseline)}" fill="${t.colour}">${escapeXml(t.text)}</text>`),
    '</g>');
  return parts;
}

// A view on a canvas of its own, as paintCanvas paints the histogram.
export function paintDrawingCanvas(canvas: HTMLCanvasElement, drawing: CoreDrawing, size: { width: number; height: number },
  look: TextLook, ratio: number, ground?: string): void {
  const g = prepareCanvas(canvas, size, ratio, ground);
  if (!g) return;
  g.save();
  g.scale(ratio, ratio);
  paintDrawing(g, drawing, look, ratio);
  g.restore();
}
