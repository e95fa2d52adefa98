// What the graph is drawn from: lines, boxes and texts in the pixels of the
// graph's area, painted alike onto a canvas and into an SVG file.
export interface Line { x1: number; y1: number; x2: number; y2: number }
export interface Box { x: number; y: number; width: number; height: number }
export interface Text { x: number; y: number; text: string } // top left

export interface Scene {
  width: number;
  height: number;
  frame: Line[];       // black, one device pixel wide
  bars: Box[];         // light blue
  axis: Line;          // black, over the bars
  texts: Text[];       // in the text colour
  exact?: { line: { x: number; y: number }[]; mark: { x: number; y: number }[]; label: Text; width: number };
}

export const kFrameColour = '#000000';
export const kBarColour = '#0000ff';
export const kExactColour = 'rgb(230, 90, 0)';

export interface Font { family: string; pixels: number }

export function cssFont(font: Font): string {
  return `${font.pixels}px ${font.family}`;
}

// Paints onto a canvas whose backing store has `ratio` device pixels per
// area pixel. Lines fall on device pixels, so they stay sharp at any zoom.
export function paintCanvas(canvas: HTMLCanvasElement, scene: Scene, font: Font, ratio: number, textColour: string,
  ground?: string): void {
  canvas.width = Math.round(scene.width * ratio);
  canvas.height = Math.round(scene.height * ratio);
  const g = canvas.getContext('2d');
  if (!g) return;
  g.setTransform(1, 0, 0, 1, 0, 0);
  g.clearRect(0, 0, canvas.width, canvas.height);
  if (ground) {
    g.fillStyle = ground;
    g.fillRect(0, 0, canvas.width, canvas.height);
  }
  const snap = (v: number) => Math.floor(v * ratio) + 0.5;
  const strokeLines = (lines: Line[]) => {
    g.beginPath();
    for (const l of lines) {
      g.moveTo(snap(l.x1), snap(l.y1));
      g.lineTo(snap(l.x2), snap(l.y2));
    }
    g.strokeStyle = kFrameColour;
    g.lineWidth = 1;
    g.stroke();
  };
  strokeLines(scene.frame);
  g.fillStyle = kBarColour;
  for (const b of scene.bars) {
    const left = Math.round(b.x * ratio);
    const top = Math.round(b.y * ratio);
    g.fillRect(left, top, Math.round((b.x + b.width) * ratio) - left, Math.round((b.y + b.height) * ratio) - top);
  }
  strokeLines([scene.axis]);
  g.scale(ratio, ratio);
  g.font = cssFont(font);
  g.textBaseline = 'top';
  g.fillStyle = textColour;
  for (const t of scene.texts) g.fillText(t.text, t.x, t.y);
  if (scene.exact) {
    g.strokeStyle = kExactColour;
    g.lineWidth = Math.max(1.5, font.pixels / 8);
    g.lineCap = 'round';
    g.lineJoin = 'round';
    g.beginPath();
    scene.exact.line.forEach((p, i) => (i === 0 ? g.moveTo(p.x, p.y) : g.lineTo(p.x, p.y)));
    g.stroke();
    g.fillStyle = kExactColour;
    g.beginPath();
    scene.exact.mark.forEach((p, i) => (i === 0 ? g.moveTo(p.x, p.y) : g.lineTo(p.x, p.y)));
    g.fill();
    g.fillText(scene.exact.label.text, scene.exact.label.x, scene.exact.label.y);
  }
}

const escapeXml = (text: string) =>
  text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');

const n = (v: number) => String(Math.round(v * 100) / 100);

export function sceneSvg(scene: Scene, font: Font, title: string): string {
  const lines = (list: Line[]) => list.map((l) => `M${n(l.x1)} ${n(l.y1)}L${n(l.x2)} ${n(l.y2)}`).join('');
  const parts = [
    `<svg xmlns="http://www.w3.org/2000/svg" width="${n(scene.width)}" height="${n(scene.height)}" ` +
      `viewBox="0 0 ${n(scene.width)} ${n(scene.height)}">`,
    `<title>${escapeXml(title)}</title>`,
    `<rect width="100%" height="100%" fill="#ffffff"/>`,
    `<path d="${lines(scene.frame)}" stroke="${kFrameColour}" stroke-width="1" fill="none" shape-rendering="crispEdges"/>`,
    `<path d="${scene.bars.map((b) => `M${n(b.x)} ${n(b.y)}h${n(b.width)}v${n(b.height)}h${n(-b.width)}z`).join('')}" ` +
      `fill="${kBarColour}" shape-rendering="crispEdges"/>`,
    `<path d="${lines([scene.axis])}" stroke="${kFrameColour}" stroke-width="1" shape-rendering="crispEdges"/>`,
    `<g font-family="${escapeXml(font.family)}" font-size="${font.pixels}" dominant-baseline="text-before-edge">`,
    ...scene.texts.map((t) => `<text x="${n(t.x)}" y="${n(t.y)}">${escapeXml(t.text)}</text>`),
    '</g>',
  ];
  if (scene.exact) {
    const e = scene.exact;
    parts.push(
      `<polyline points="${e.line.map((p) => `${n(p.x)},${n(p.y)}`).join(' ')}" fill="none" stroke="${kExactColour}" ` +
        `stroke-width="${n(Math.max(1.5, font.pixels / 8))}" stroke-linecap="round" stroke-linejoin="round"/>`,
      `<polygon points="${e.mark.map((p) => `${n(p.x)},${n(p.y)}`).join(' ')}" fill="${kExactColour}"/>`,
      `<text x="${n(e.label.x)}" y="${n(e.label.y)}" fill="${kExactColour}" font-family="${escapeXml(font.family)}" ` +
        `font-size="${font.pixels}" dominant-baseline="text-before-edge">${escapeXml(e.label.text)}</text>`,
    );
  }
  parts.push('</svg>');
  return parts.join('\n');
}
