// The one painter of the graph area: the core's drawing, shape by shape in
// its order, onto a canvas or into SVG (svg_context.ts) by the same calls,
// and the measures of the font its texts are set in.
import type { Drawing, TextSetter } from './core';
import { translate } from './texts';

// What the painter asks of a context: a part of CanvasRenderingContext2D,
// whose transform it sets by the six numbers only.
export type PaintContext = Pick<CanvasRenderingContext2D, 'fillStyle' | 'strokeStyle' | 'lineWidth' | 'lineCap' |
  'lineJoin' | 'font' | 'save' | 'restore' | 'setLineDash' | 'beginPath' | 'moveTo' | 'lineTo' | 'closePath' | 'arc' |
  'stroke' | 'fill' | 'fillRect' | 'fillText'> & { setTransform(a: number, b: number, c: number, d: number, e: number, f: number): void };

export interface Face { family: string; pixels: number }

// The texts' face, and the colour of those the core leaves to the page.
export interface Look { face: Face; colour: string }

const cssFont = (face: Face) => `${face.pixels}px ${face.family}`;

const enum Kind { Path, Segments, Polygon, Box, Dot, Ring, Text }
const kDashed = 1;
const kCrisp = 2;
const kRound = 4;

const measuring = document.createElement('canvas').getContext('2d')!;

// Texts translated and measured in `face`, as the core places them.
export function textSetter(face: Face): TextSetter {
  const g = measuring;
  g.font = cssFont(face);
  const metrics = g.measureText('Mg');
  const ascent = metrics.fontBoundingBoxAscent || face.pixels * 0.88;
  return {
    text: translate,
    width: (text) => {
      g.font = cssFont(face);
      return g.measureText(text).width;
    },
    ascent,
    lineHeight: ascent + (metrics.fontBoundingBoxDescent || face.pixels * 0.12),
    digitWidth: g.measureText('0').width,
  };
}

// Paints onto a context whose pixels are `ratio` device pixels to the
// area's one, on `ground` if given. Crisp shapes fall on device pixels,
// lines one wide and unsmoothed, so that they stay sharp at any zoom.
export function paint(g: PaintContext, drawing: Drawing, look: Look, ratio: number, ground?: string): void {
  const { kinds, colours, sizes, flags, counts, points, texts } = drawing;
  g.save();
  g.setTransform(1, 0, 0, 1, 0, 0);
  if (ground) {
    g.fillStyle = ground;
    g.fillRect(0, 0, drawing.area[2] * ratio, drawing.area[3] * ratio);
  }
  g.font = cssFont(look.face);
  const snap = (v: number) => Math.floor(v * ratio) + 0.5;
  // A line through the points, or one for each pair of them.
  const trace = (from: number, count: number, pairs: boolean, at = (v: number) => v) => {
    g.beginPath();
    for (let k = 0; k < count; k++) {
      const x = at(points[2 * (from + k)]);
      const y = at(points[2 * (from + k) + 1]);
      if (k === 0 || (pairs && k % 2 === 0)) g.moveTo(x, y);
      else g.lineTo(x, y);
    }
  };
  let from = 0;
  let text = 0;
  kinds.forEach((kind: Kind, i) => {
    const count = counts[i];
    // A point, or a box's top left corner and its width and height.
    const [x, y, wide, high] = points.slice(2 * from, 2 * from + 4);
    const colour = colours[3 * i] < 0 ? look.colour : `rgb(${colours[3 * i]}, ${colours[3 * i + 1]}, ${colours[3 * i + 2]})`;
    g.fillStyle = colour;
    g.strokeStyle = colour;
    if (flags[i] & kCrisp) {
      g.setTransform(1, 0, 0, 1, 0, 0);
      if (kind === Kind.Box) {
        const left = Math.round(x * ratio);
        const top = Math.round(y * ratio);
        g.fillRect(left, top, Math.max(1, Math.round((x + wide) * ratio) - left), Math.round((y + high) * ratio) - top);
      } else {
        trace(from, count, kind === Kind.Segments, snap);
        g.lineWidth = 1;
        g.lineCap = 'butt';
        g.setLineDash(flags[i] & kDashed ? [4, 2] : []);
        g.stroke();
      }
    } else {
      g.setTransform(ratio, 0, 0, ratio, 0, 0);
      const width = sizes[i] > 0 ? sizes[i] : 1 / ratio;
      if (kind === Kind.Path || kind === Kind.Segments) {
        trace(from, count, kind === Kind.Segments);
        g.lineWidth = width;
        g.lineCap = flags[i] & kRound ? 'round' : 'butt';
        g.lineJoin = 'round';
        g.setLineDash(flags[i] & kDashed ? [4 * width, 2 * width] : []);
        g.stroke();
      } else if (kind === Kind.Polygon) {
        trace(from, count, false);
        g.closePath();
        g.fill();
      } else if (kind === Kind.Box) {
        g.fillRect(x, y, wide, high);
      } else if (kind === Kind.Dot || kind === Kind.Ring) {
        g.beginPath();
        g.arc(x, y, sizes[i], 0, 2 * Math.PI);
        if (kind === Kind.Dot) {
          g.fill();
        } else {
          g.lineWidth = 1 / ratio;
          g.setLineDash([]);
          g.stroke();
        }
      } else {
        g.fillText(texts[text++], x, y);
      }
    }
    from += count;
  });
  g.restore();
}

// Paints onto a canvas, its backing store sized to the drawing's area at
// `ratio` (a new size costs a new store; the same size only a clearing).
export function paintCanvas(canvas: HTMLCanvasElement, drawing: Drawing, look: Look, ratio: number,
  ground?: string): void {
  const width = Math.round(drawing.area[2] * ratio);
  const height = Math.round(drawing.area[3] * ratio);
  if (canvas.width !== width || canvas.height !== height) {
    canvas.width = width;
    canvas.height = height;
  }
  const g = canvas.getContext('2d');
  if (!g) return;
  g.setTransform(1, 0, 0, 1, 0, 0);
  g.clearRect(0, 0, width, height);
  paint(g, drawing, look, ratio, ground);
}
