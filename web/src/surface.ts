// What every picture of the page shares: its font, a canvas ready to paint
// on, and the SVG document around it, with escaped texts and short numbers.
export interface Font { family: string; pixels: number }

// The font and what it measures, and the colour of texts given none.
export interface TextLook { font: Font; ascent: number; lineHeight: number; colour: string }

export function cssFont(font: Font): string {
  return `${font.pixels}px ${font.family}`;
}

// A canvas of `size` area pixels at `ratio` device pixels each, cleared (on
// `ground` if given). A new size costs a new backing store; the same size
// only a clearing.
export function prepareCanvas(canvas: HTMLCanvasElement, size: { width: number; height: number }, ratio: number,
  ground?: string): CanvasRenderingContext2D | null {
  const width = Math.round(size.width * ratio);
  const height = Math.round(size.height * ratio);
  if (canvas.width !== width || canvas.height !== height) {
    canvas.width = width;
    canvas.height = height;
  }
  const g = canvas.getContext('2d');
  if (!g) return null;
  g.setTransform(1, 0, 0, 1, 0, 0);
  g.clearRect(0, 0, width, height);
  if (ground) {
    g.fillStyle = ground;
    g.fillRect(0, 0, width, height);
  }
  return g;
}

export const escapeXml = (text: string) =>
  text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');

export const n = (v: number) => String(Math.round(v * 100) / 100);

export function svgDocument(size: { width: number; height: number }, title: string, body: string[]): string {
  return [
    `<svg xmlns="http://www.w3.org/2000/svg" width="${n(size.width)}" height="${n(size.height)}" ` +
      `viewBox="0 0 ${n(size.width)} ${n(size.height)}">`,
    `<title>${escapeXml(title)}</title>`,
    `<rect width="100%" height="100%" fill="#ffffff"/>`,
    ...body,
    '</svg>',
  ].join('\n');
}
