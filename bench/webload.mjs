// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The page's load figures, in the browser the tests use: the bytes the
// server sends (the staged brotli copies, as a static server sends them to
// a browser that accepts them) and the time from navigation to the first
// frame, median of thirty loads in fresh browser contexts, beside the same
// figures for a bare Qt window built the same way. The two are loaded in
// turn, so a busy machine slows both alike. It also lists the staged large
// files' sizes: as they are, gzip'ed and brotli'ed.
// Usage: node webload.mjs GAME_FOLDER BARE_FOLDER [--runs N] [--out FILE]
import { readdirSync, statSync, writeFileSync } from 'node:fs';
import path from 'node:path';

import { launchBrowser, openPage } from '../tests/web/driver.mjs';
import { serve } from '../scripts/serve-web.mjs';

const args = process.argv.slice(2);
const option = (name, fallback) => {
  const at = args.indexOf(name);
  return at >= 0 ? args[at + 1] : fallback;
};
const [gameFolder, bareFolder] = args;
const runs = Number(option('--runs', 30));  // ten moved the median by 10%
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
const size = (file) => { try { return statSync(file).size; } catch { return NaN; } };
const files = readdirSync(gameFolder).filter((f) => /\.(wasm|js|html)$/.test(f)).sort()
  .map((f) => {
    const file = path.join(gameFolder, f);
    return `| ${f} | ${mb(size(file))} MB | ${mb(size(`${file}.gz`))} MB | ${mb(size(`${file}.br`))} MB |`;
  }).join('\n');
const report = `# Loading the page

Headless Chromium (${runs} loads each, fresh contexts, in turn), served by
\`scripts/serve-web.mjs\`, which sends the staged brotli copies. Measured
${new Date().toISOString().slice(0, 10)}.

| | game | bare Qt window | game / bare | target |
|---|---|---|---|---|
| bytes transferred | ${mb(game.bytes)} MB | ${mb(bare.bytes)} MB | ${(game.bytes / bare.bytes).toFixed(2)} | ≤ 2.7 MB |
| navigation to first frame, median | ${game.frame.toFixed(0)} ms | ${bare.frame.toFixed(0)} ms | ${(game.frame / bare.frame).toFixed(2)} | ≤ 1.1 |

| staged file | as it is | gzip -9 | brotli -q 11 |
|---|---|---|---|
${files}

First frames, game: ${frames[0].map((v) => v.toFixed(0)).join(', ')} ms
First frames, bare: ${frames[1].map((v) => v.toFixed(0)).join(', ')} ms
`;
process.stdout.write(report);
const out = option('--out');
if (out) {
  writeFileSync(out, report);
}
