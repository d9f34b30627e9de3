// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The real-window harness's hands in a browser: serves a page's folder on
// 127.0.0.1, opens it in Debian's Chromium, headless, through puppeteer-core,
// and answers the harness line by line on stdin and stdout:
//   (at start)    ready MS        the game's first frame, MS after navigation
//   grab          png BASE64      the canvas as the screen shows it
//   click X Y     ok              the primary button at a point of the canvas
//   key NAME      ok              a key (Space, Tab) to the page
//   close         (exits 0)       the tab is closed
// When the page says the game has ended, the driver exits with the game's
// status, or 3 if the page wrote anything to the browser's storage.
// The load figures (bench/webload.mjs) use its openPage().
// Usage: node driver.mjs FOLDER [--scale S]
import readline from 'node:readline';
import { pathToFileURL } from 'node:url';

import puppeteer from 'puppeteer-core';

import { serve } from '../../scripts/serve-web.mjs';

const kWait = 60000;  // ms; an upper limit, never a fixed pause

// Runs in the page before its own scripts: the first frame is the one in
// which the first WebGL draw call is shown, at the animation frame after it.
function watchFirstFrame() {
  const mark = () => {
    if (window.__firstDraw !== undefined) return;
    window.__firstDraw = performance.now();
    requestAnimationFrame(() => { window.__firstFrame = performance.now(); });
  };
  for (const kind of [window.WebGLRenderingContext, window.WebGL2RenderingContext]) {
    for (const name of ['drawArrays', 'drawElements']) {
      const draw = kind.prototype[name];
      kind.prototype[name] = function (...args) {
        mark();
        return draw.apply(this, args);
      };
    }
  }
}

export function launchBrowser() {
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    // No sandbox (CI runs as root); WebGL on the CPU; and none of the
    // browser's own connections, which a closed network refuses.
    args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
      '--no-first-run', '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--disable-quic', '--disable-default-apps'],
  });
}

// Opens `url` in a fresh context, at a device scale, and waits for the first
// frame. Resolves to the page, the milliseconds from navigation to that
// frame and the bytes the server sent.
export async function openPage(browser, url, scale = 1) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width: 1024, height: 768, deviceScaleFactor: scale });
  const session = await page.createCDPSession();
  await session.send('Network.enable');
  let bytes = 0;
  session.on('Network.loadingFinished', (event) => { bytes += event.encodedDataLength; });
  page.on('console', (message) => process.stderr.write(`page: ${message.text()}\n`));
  page.on('pageerror', (error) => process.stderr.write(`page error: ${error.message}\n`));
  await page.evaluateOnNewDocument(watchFirstFrame);
  await page.goto(url);
  await page.waitForFunction(() => window.__firstFrame !== undefined, { timeout: kWait });
  const firstFrameMs = await page.evaluate(() => window.__firstFrame);
  return { page, context, firstFrameMs, bytes };
}

async function main() {
  const [folder, ...options] = process.argv.slice(2);
  const scaleAt = options.indexOf('--scale');
  const scale = scaleAt >= 0 ? Number(options[scaleAt + 1]) : 1;
  const server = await serve(folder);
  const browser = await launchBrowser();
  const quit = async (status) => {
    await browser.close().catch(() => {});
    server.close();
    process.exit(status);
  };
  const url = `http://127.0.0.1:${server.address().port}/`;
  let ended;
  const endedPromise = new Promise((resolve) => { ended = resolve; });
  const opened = await openPage(browser, url, scale).catch(async (error) => {
    process.stderr.write(`driver: ${error.message}\n`);
    await quit(2);
  });
  const { page } = opened;
  await page.exposeFunction('__klikomanEnded', (status) => ended(status));
  await page.evaluate(() => window.addEventListener('klikoman-ended',
    (event) => window.__klikomanEnded(event.detail)));
  endedPromise.then(async (status) => {
    const stored = await page.evaluate(async () => localStorage.length + sessionStorage.length +
      (await indexedDB.databases()).length + (document.cookie ? 1 : 0) +
      (await caches.keys()).length);
    await quit(stored > 0 ? 3 : Number(status));
  });
  const canvas = async () => page.$eval('#screen', (c) => {
    const r = c.getBoundingClientRect();
    return { x: r.left, y: r.top, width: r.width, height: r.height };
  });
  process.stdout.write(`ready ${Math.round(opened.firstFrameMs)}\n`);

  const lines = readline.createInterface({ input: process.stdin });
  for await (const line of lines) {
    const [command, ...words] = line.trim().split(/\s+/);
    if (command === 'grab') {
      const png = await page.screenshot({ clip: await canvas(), encoding: 'base64' });
      process.stdout.write(`png ${png}\n`);
    } else if (command === 'click') {
      const at = await canvas();
      await page.mouse.click(at.x + Number(words[0]), at.y + Number(words[1]));
      process.stdout.write('ok\n');
    } else if (command === 'key') {
      await page.keyboard.press(words[0]);
      process.stdout.write('ok\n');
    } else if (command === 'close') {
      await quit(0);
    }
  }
  await quit(0);
}

if (process.argv[1] && import.meta.url === pathToFileURL(process.argv[1]).href) {
  await main();
}
