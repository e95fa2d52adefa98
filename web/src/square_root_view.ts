// The square-root law's picture and its sentence for screen readers: the
// exact curves for the share of meetings chosen, and the page's runs.
import type { CoreDrawing, Session, TextMetrics } from './core';
import { tr } from './texts';

const G = 'coinwell::graph';
// The reference curve's legend is a formula, the same in every language.
const kReferenceLegend = '√(2n/π)';

export function squareRootView(session: Session, width: number, height: number, metrics: TextMetrics,
  percent: number): { drawing: CoreDrawing; told: string } {
  const lesson = tr(G, 'Four times the guests need only about twice the coins.');
  const law = session.squareRoot(width, height, {
    ...metrics,
    verticalCaption: tr(G, 'Coins'),
    horizontalCaption: tr(G, 'Guests'),
    lesson,
    meanLegend: tr(G, 'exact mean shortage, as coins'),
    coinsLegend: tr(G, 'exact coins for %1% of meetings', percent),
    referenceLegend: kReferenceLegend,
    runsLegend: tr(G, 'runs: ○ average, ● coins'),
  }, percent);
  const [at100, at400, at1000] = law.coins;
  return {
    drawing: law.drawing,
    told: tr(G, 'Square-root law. %1 For %2% of meetings the exact coins are %3 at 100 guests, %4 at 400 and %5 at 1000; runs shown: %6.',
      lesson, percent, at100, at400, at1000, law.runs),
  };
}
