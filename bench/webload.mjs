// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The page's load figures, in the browser the tests use. Weight: every file
// the page sends (its service worker fetches them all after the first
// visit), brotli'ed where the server sends that copy, and the bytes one
// load sends. Speed: the time from navigation to the first frame that
// shows the game's window, median of thirty loads in fresh browser
// contexts, beside the same for a static page of the same elements without
// code (the game's page as it stands once its window is shown, its scripts
// taken out), the two loaded in turn so a busy machine slows both alike.
// The window's first frame is when the browser paints the first text in it
// (Element Timing). And Lighthouse's default mobile run on the served page.
// Writes the figures to the file --out names.
// Usage: node webload.mjs PAGE_FOLDER [--runs N] [--out FILE]
import {
  copyFileSync, mkdtempSync, readdirSync, rmSync, statSync, unlinkSync, writeFileSync,
} from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';

import lighthouse from '../tests/web/node_modules/lighthouse/core/index.js';
import { launchBrowser } from '../tests/web/driver.mjs';
import { serve } from '../scripts/serve-web.mjs';

const args = process.argv.slice(2);
const option = (name, fallback) => {
  const at = args.indexOf(name);
  return at >= 0 ? args[at + 1] : fallback;
};
const [folder] = args;
const runs = Number(option('--runs', 30));
const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const kb = (n) => (n / 1000).toFixed(1);

// Every text in the window is timed as it is first painted.
function timeWindowText() {
  new MutationObserver((changes) => {
    for (const change of changes) {
      for (const node of change.addedNodes) {
        if (node.nodeType === 1 && node.closest('#window')) {
          node.setAttribute('elementtiming', 'window');
        }
      }
    }
  }).observe(document, { childList: true, subtree: true });
  window.__firstFrame = new Promise((resolve) => {
    new PerformanceObserver((list) => {
      resolve(Math.min(...list.getEntries().map((e) => e.renderTime || e.loadTime)));
    }).observe({ type: 'element', buffered: true });
  });
}

// Loads a page in a fresh context: the window's first frame (ms after
// navigation) and the bytes (headers too) of the requests finished by the
// time that frame has been timed.
async function load(browser, url, html) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  let bytes = 0;
  const cdp = await page.createCDPSession();
  await cdp.send('Network.enable');
  cdp.on('Network.loadingFinished', (e) => { bytes += e.encodedDataLength; });
  await page.evaluateOnNewDocument(timeWindowText);
  await page.goto(url);
  const firstFrame = await page.evaluate(() => window.__firstFrame);
  const snapshot = html ? await page.evaluate(() => {
    const copy = document.documentElement.cloneNode(true);
    copy.querySelectorAll('script').forEach((s) => s.remove());
    return `<!doctype html>\n${copy.outerHTML}`;
  }) : null;
  await context.close();
  return { firstFrame, bytes, snapshot };
}

const server = await serve(folder);
const url = `http://127.0.0.1:${server.address().port}/`;
const browser = await launchBrowser();

// The static page: the game's once its window is shown, without its code,
// beside the same files.
const still = mkdtempSync(path.join(tmpdir(), 'klikoman-static-'));
for (const f of readdirSync(folder)) {
  if (statSync(path.join(folder, f)).isFile()) {
    copyFileSync(path.join(folder, f), path.join(still, f));
  }
}
writeFileSync(path.join(still, 'index.html'), (await load(browser, url, true)).snapshot);
for (const f of ['index.html.br', 'index.html.gz']) {
  unlinkSync(path.join(still, f));  // the game's page, compressed
}
const staticServer = await serve(still);
const staticUrl = `http://127.0.0.1:${staticServer.address().port}/`;

const frames = [[], []];
const sent = [[], []];
for (let run = 0; run < runs; ++run) {
  for (const [which, address] of [[0, url], [1, staticUrl]]) {
    const { firstFrame, bytes } = await load(browser, address);
    frames[which].push(firstFrame);
    sent[which].push(bytes);
  }
}
await browser.close();
staticServer.close();
rmSync(still, { recursive: true });

// Lighthouse's default run: a phone, throttled as it simulates.
const chrome = await launchBrowser();
const port = new URL(chrome.wsEndpoint()).port;
const result = await lighthouse(url, { port: Number(port), output: 'json', logLevel: 'error' });
await chrome.close();
server.close();
const lhr = result.lhr;
const score = (category) => Math.round(lhr.categories[category].score * 100);
const failed = lhr.categories['best-practices'].auditRefs.map((r) => lhr.audits[r.id])
  .filter((a) => a.score === 0).map((a) => a.id);

// What the page sends, file by file: brotli where the server has that copy.
const files = readdirSync(folder).filter((f) => statSync(path.join(folder, f)).isFile() &&
  !/\.(br|gz|md|txt)$/.test(f)).sort();
const size = (f) => { try { return statSync(path.join(folder, f)).size; } catch { return NaN; } };
const sentSize = (f) => (Number.isNaN(size(`${f}.br`)) ? size(f) : size(`${f}.br`));
const total = files.reduce((sum, f) => sum + sentSize(f), 0);
const rows = files.map((f) => `| ${f} | ${size(f)} | ${size(`${f}.gz`) || ''} | ${sentSize(f)} |`);
const [game, plain] = [0, 1].map((i) => median(frames[i]));
const report = `# Loading the page

Made by \`make bench-web\` on ${new Date().toISOString().slice(0, 10)}: headless Chromium, the page
served by \`scripts/serve-web.mjs\` (which sends the staged brotli copies) on this machine.

| figure | measured | target |
|---|---|---|
| everything the page sends (brotli where staged; the service worker fetches all after the first visit) | ${kb(total)} KB | ≤ 40 KB |
| bytes one load has received (headers too) once its first frame is timed, median | ${kb(median(sent[0]))} KB | |
| navigation to the window's first frame, median of ${runs} | ${game.toFixed(0)} ms | |
| the same for a static page of the same elements without code | ${plain.toFixed(0)} ms | |
| ratio | ${(game / plain).toFixed(2)} | ≤ 1.5 |
| Lighthouse (mobile): performance | ${score('performance')} | ≥ 98 |
| Lighthouse: accessibility | ${score('accessibility')} | 100 |
| Lighthouse: best practices | ${score('best-practices')} (failed: ${failed.join(', ') || 'none'}) | only image-size-responsive fails |
| Lighthouse: first contentful paint, largest contentful paint, total blocking time | ${lhr.audits['first-contentful-paint'].displayValue}, ${lhr.audits['largest-contentful-paint'].displayValue}, ${lhr.audits['total-blocking-time'].displayValue} | |

| staged file | bytes | gzip -9 | sent |
|---|---|---|---|
${rows.join('\n')}

First frames, game: ${frames[0].map((v) => v.toFixed(0)).join(', ')} ms
First frames, static: ${frames[1].map((v) => v.toFixed(0)).join(', ')} ms
`;
process.stdout.write(report);
const out = option('--out');
if (out) {
  writeFileSync(out, report);
}
