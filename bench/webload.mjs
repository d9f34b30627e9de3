// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The page's load figures, in the browser the tests use: the bytes the
// server sends (gzip, as a static server sends them) and the time from
// navigation to the first frame, median of ten loads in fresh browser
// contexts, beside the same figures for a bare Qt window built the same way.
// The two are loaded in turn, so a busy machine slows both alike.
// Usage: node webload.mjs GAME_FOLDER BARE_FOLDER [--runs N] [--out FILE]
import { writeFileSync } from 'node:fs';

import { launchBrowser, openPage } from '../tests/web/driver.mjs';
import { serve } from '../scripts/serve-web.mjs';

const args = process.argv.slice(2);
const option = (name, fallback) => {
  const at = args.indexOf(name);
  return at >= 0 ? args[at + 1] : fallback;
};
const [gameFolder, bareFolder] = args;
const runs = Number(option('--runs', 10));
const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

const servers = [await serve(gameFolder), await serve(bareFolder)];
const urls = servers.map((s) => `http://127.0.0.1:${s.address().port}/`);
const browser = await launchBrowser();
const frames = [[], []];
const bytes = [[], []];
for (let run = 0; run < runs; ++run) {
  for (const which of [0, 1]) {
    const { context, firstFrameMs, bytes: sent } = await openPage(browser, urls[which]);
    frames[which].push(firstFrameMs);
    bytes[which].push(sent);
    await context.close();
  }
}
await browser.close();
servers.forEach((s) => s.close());

const [game, bare] = [0, 1].map((i) => ({ frame: median(frames[i]), bytes: median(bytes[i]) }));
const mb = (n) => (n / 1e6).toFixed(2);
const report = `# Loading the page

Headless Chromium (${runs} loads each, fresh contexts, in turn), served by
\`scripts/serve-web.mjs\` with gzip. Measured ${new Date().toISOString().slice(0, 10)}.

| | game | bare Qt window | game / bare | target |
|---|---|---|---|---|
| bytes transferred | ${mb(game.bytes)} MB | ${mb(bare.bytes)} MB | ${(game.bytes / bare.bytes).toFixed(2)} | ≤ 5 MB |
| navigation to first frame, median | ${game.frame.toFixed(0)} ms | ${bare.frame.toFixed(0)} ms | ${(game.frame / bare.frame).toFixed(2)} | ≤ 1.2 |

First frames, game: ${frames[0].map((v) => v.toFixed(0)).join(', ')} ms
First frames, bare: ${frames[1].map((v) => v.toFixed(0)).join(', ')} ms
`;
process.stdout.write(report);
const out = option('--out');
if (out) {
  writeFileSync(out, report);
}
