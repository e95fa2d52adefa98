// TEMPORARY: the graph's geometry until the core provides it as data; it
// follows the desktop's painter line for line and goes once the core's
// geometry is there. Logical space: x 0..130 across, y 0..300 down; a count c
// at y = 280 - c, the bar of bin b from x = 5 + b to 6 + b.
import type { Line, Scene, Text } from './graph_scene';
import { tr } from './texts';

const kBaseLineY = 280;

export interface GraphRun {
  bins: number[];
  expected?: number[]; // with the exact distribution
  exactMean?: number;
  exactMeanText?: string;
}

export function graphScene(width: number, height: number, run: GraphRun | undefined,
  measure: (text: string) => number, lineHeight: number): Scene {
  const sx = width / 130;
  const sy = height / 300;
  const line = (x1: number, y1: number, x2: number, y2: number): Line => ({ x1: x1 * sx, y1: y1 * sy, x2: x2 * sx, y2: y2 * sy });
  const frame: Line[] = [];
  for (let x = 10; x <= 120; x += 10) frame.push(line(x, 278, x, 285));
  frame.push(line(3, kBaseLineY, 3, 10));
  for (let y = 280; y >= 20; y -= 10) frame.push(line(2, y, 4, y));
  for (let y = 270; y >= 30; y -= 10) for (let x = 11; x <= 127; x += 2) frame.push(line(x, y, x + 1, y));
  for (let y = 230; y >= 30; y -= 50) frame.push(line(11, y, 127, y));

  const captions: [number, number, string][] = [
    [5, 7, tr('coinwell::graph::GraphView', '（Vertical axis : Number of experiments）')],
    [93, 7, tr('coinwell::graph::GraphView', '（Horizontal axis : Shortage）')],
    [5, 27, '250'], [5, 77, '200'], [5, 127, '150'], [5, 177, '100'], [5, 227, '50'],
  ];
  const texts: Text[] = captions.map(([x, y, text]) => ({
    x: Math.max(0, Math.min(x * sx, width - measure(text))), y: y * sy, text,
  }));
  const rowTop = kBaseLineY * sy + lineHeight;
  for (let tick = 0; tick < 12; tick++) {
    const text = String(-110 + tick * 10);
    texts.push({ x: (10 + tick * 10) * sx - measure(text) / 2, y: rowTop, text });
  }

  const bins = run?.bins ?? [];
  const bars = bins.map((count, bin) => ({ x: (5 + bin) * sx, y: (kBaseLineY - count) * sy, width: sx, height: count * sy }))
    .filter((bar) => bar.height > 0);
  const scene: Scene = { width, height, frame, bars, axis: line(3, kBaseLineY, 127, kBaseLineY), texts };

  if (run?.expected && run.exactMean !== undefined && run.exactMeanText) {
    const expected = run.expected;
    let first = expected.findIndex((v) => v > 0);
    const last = expected.length - 1 - [...expected].reverse().findIndex((v) => v > 0);
    while (first < last && expected[first] < 0.01) first++;
    const points = [];
    for (let bin = first; bin <= last; bin++) points.push({ x: (5.5 + bin) * sx, y: (kBaseLineY - expected[bin]) * sy });
    const tip = { x: (120.5 + run.exactMean) * sx, y: kBaseLineY * sy };
    const half = lineHeight / 3;
    const mark = [tip, { x: tip.x - half, y: tip.y + 2 * half }, { x: tip.x + half, y: tip.y + 2 * half }];
    const text = tr('coinwell::graph', 'exact mean %1', run.exactMeanText);
    const textWidth = measure(text);
    const plotLeft = 5 * sx;
    const plotRight = 125 * sx;
    const left = Math.min(Math.max(tip.x - textWidth / 2, plotLeft), Math.max(plotLeft, plotRight - textWidth));
    const firstBin = Math.max(0, Math.floor(left / sx) - 6);
    const lastBin = Math.min(119, Math.floor((left + textWidth) / sx) - 5);
    let highest = 0;
    for (let bin = firstBin; bin <= lastBin; bin++) highest = Math.max(highest, bins[bin] ?? 0, expected[bin] ?? 0);
    const gap = lineHeight / 4;
    let label = { x: left, y: (kBaseLineY - highest) * sy - gap - lineHeight, text };
    if (label.y < 7 * sy + lineHeight) label = { x: Math.min(tip.x + half + gap, plotRight - textWidth), y: tip.y, text };
    scene.exact = { line: points, mark, label, width: textWidth };
  }
  return scene;
}
