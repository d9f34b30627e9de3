// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The real-window harness's hands in a browser: serves a page's folder on
// 127.0.0.1, opens it in Debian's Chromium or Firefox ESR, headless, through
// puppeteer-core, and answers the harness line by line on stdin and stdout:
//   (at start)    ready MS        the game's first frame, MS after navigation
//   grab          png BASE64      the window as the screen shows it
//   click X Y     ok              a click (or a tap) at a point of the window
//   names         names JSON      the roles and names the page's accessibility
//                                 tree gives, in order (Chromium)
//   close         (exits 0)       the tab is closed
// Points are the window's own pixels, wherever and at whatever scale the
// page shows it. When the page says the game has ended, the driver exits
// with the game's status, or 3 if the page wrote anything to the browser's
// storage. The load figures (bench/webload.mjs) use its openPage().
// Usage: node driver.mjs FOLDER --window WxH [--browser B] [--viewport WxH@R]
//                               [--touch] [--no-webgl] [--scale S]
import readline from 'node:readline';
import { pathToFileURL } from 'node:url';

import puppeteer from 'puppeteer-core';

import { serve } from '../../scripts/serve-web.mjs';

const kWait = 60000;  // ms; an upper limit, never a fixed pause

// Runs in the page before its own scripts: the first frame is the one in
// which the program first draws into a canvas, at the animation frame after.
function watchFirstFrame() {
  const mark = () => {
    if (window.__firstDraw !== undefined) return;
    window.__firstDraw = performance.now();
    requestAnimationFrame(() => { window.__firstFrame = performance.now(); });
  };
  const kinds = [[window.CanvasRenderingContext2D, ['putImageData', 'drawImage']],
    [window.WebGLRenderingContext, ['drawArrays', 'drawElements']],
    [window.WebGL2RenderingContext, ['drawArrays', 'drawElements']]];
  for (const [kind, names] of kinds) {
    for (const name of kind ? names : []) {
      const draw = kind.prototype[name];
      kind.prototype[name] = function (...args) {
        mark();
        return draw.apply(this, args);
      };
    }
  }
}

// Runs in the page: the window's canvas as PNG (base64), cut to the
// window's own size in the canvas's pixels. The canvas holds what the
// screen shows of the window, and reading it is quick, so a poll sees every
// darkening; a screenshot goes through the browser's compositor, far slower.
function grabWindow(width, height) {
  const shadow = document.querySelector('#screen #qt-shadow-container')?.shadowRoot;
  const canvas = shadow?.querySelector('canvas');
  const css = canvas?.getBoundingClientRect().width;
  if (!css || !canvas.width) return '';
  // Device pixels per pixel of the layout, at the scale the page fits it.
  const ratio = canvas.width * window.klikomanFitScale(width, height) / css;
  const cut = document.createElement('canvas');
  cut.width = Math.round(width * ratio);
  cut.height = Math.round(height * ratio);
  cut.getContext('2d').drawImage(canvas, 0, 0);
  return cut.toDataURL('image/png').slice(22);
}

// Options a run of the page is made with: the browser, the viewport (CSS
// pixels and device ratio), touch or a mouse, WebGL or none.
export function pageOptions(args) {
  const option = (name, fallback) => {
    const at = args.indexOf(name);
    return at >= 0 ? args[at + 1] : fallback;
  };
  const [, width, height, ratio] = option('--viewport', '1024x768@1')
    .match(/^(\d+)x(\d+)@([\d.]+)$/).map(Number);
  return {
    browser: option('--browser', 'chromium'),
    viewport: { width, height, deviceScaleFactor: Number(option('--scale', ratio)) },
    touch: args.includes('--touch'),
    webgl: !args.includes('--no-webgl'),
  };
}

export function launchBrowser(options = pageOptions([])) {
  // None of the browser's own connections, which a closed network refuses;
  // no sandbox only where it cannot have one (as root).
  const root = process.getuid?.() === 0;
  if (options.browser === 'firefox') {
    return puppeteer.launch({
      browser: 'firefox',
      executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr',
      headless: true,
      extraPrefsFirefox: { 'network.captive-portal-service.enabled': false,
        'browser.safebrowsing.update.enabled': false, 'app.update.enabled': false },
    });
  }
  // WebGL, where asked for, on the CPU; the page itself needs none.
  const webgl = options.webgl ? ['--use-angle=swiftshader', '--enable-unsafe-swiftshader']
    : ['--disable-webgl', '--disable-3d-apis'];
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: [...(root ? ['--no-sandbox'] : []), ...webgl, '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--disable-quic', '--disable-default-apps'],
  });
}

// Opens `url` in a fresh context with the run's viewport and waits for the
// first frame. Resolves to the page, the milliseconds from navigation to
// that frame and the bytes the server sent.
export async function openPage(browser, url, options = pageOptions([])) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ ...options.viewport, hasTouch: options.touch,
    isMobile: options.touch });
  let bytes = 0;
  page.on('response', async (response) => {
    bytes += Number(response.headers()['content-length'] || 0);
  });
  page.on('console', (message) => process.stderr.write(`page: ${message.text()}\n`));
  page.on('pageerror', (error) => process.stderr.write(`page error: ${error.message}\n`));
  await page.evaluateOnNewDocument(watchFirstFrame);
  await page.goto(url);
  await page.waitForFunction(() => window.__firstFrame !== undefined, { timeout: kWait });
  const firstFrameMs = await page.evaluate(() => window.__firstFrame);
  return { page, context, firstFrameMs, bytes };
}

async function main() {
  const [folder, ...args] = process.argv.slice(2);
  const options = pageOptions(args);
  const [windowWidth, windowHeight] = args[args.indexOf('--window') + 1].split('x').map(Number);
  const server = await serve(folder);
  const browser = await launchBrowser(options);
  const quit = async (status) => {
    await browser.close().catch(() => {});
    server.close();
    process.exit(status);
  };
  const url = `http://127.0.0.1:${server.address().port}/`;
  let ended;
  const endedPromise = new Promise((resolve) => { ended = resolve; });
  const opened = await openPage(browser, url, options).catch(async (error) => {
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
  // The window on the page: where it lies and at what scale it is shown.
  const shown = async () => {
    const r = await page.$eval('#screen', (e) => {
      const box = e.getBoundingClientRect();
      return { x: box.left, y: box.top, width: box.width };
    });
    return { ...r, scale: r.width / windowWidth };
  };
  process.stdout.write(`ready ${Math.round(opened.firstFrameMs)}\n`);

  const lines = readline.createInterface({ input: process.stdin });
  for await (const line of lines) {
    const [command, ...words] = line.trim().split(/\s+/);
    if (command === 'grab') {
      const png = await page.evaluate(grabWindow, windowWidth, windowHeight);
      process.stdout.write(`png ${png}\n`);
    } else if (command === 'click') {
      const at = await shown();
      // The middle of the window's pixel, in the page's CSS pixels.
      const x = at.x + (Number(words[0]) + 0.5) * at.scale;
      const y = at.y + (Number(words[1]) + 0.5) * at.scale;
      await (options.touch ? page.touchscreen.tap(x, y) : page.mouse.click(x, y));
      process.stdout.write('ok\n');
    } else if (command === 'names') {
      // The browser's own accessibility tree, as a screen reader gets it.
      let names = [];
      if (options.browser === 'chromium') {
        const cdp = await page.createCDPSession();
        const { nodes } = await cdp.send('Accessibility.getFullAXTree');
        names = nodes.filter((n) => !n.ignored && n.name?.value &&
          ['button', 'StaticText', 'image', 'alert'].includes(n.role?.value))
          .map((n) => `${n.role.value}\t${n.name.value}`);
      }
      process.stdout.write(`names ${JSON.stringify(names)}\n`);
    } else if (command === 'close') {
      await quit(0);
    }
  }
  await quit(0);
}

if (process.argv[1] && import.meta.url === pathToFileURL(process.argv[1]).href) {
  await main();
}
