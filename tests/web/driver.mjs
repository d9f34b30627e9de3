// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The real-window harness's hands in a browser: serves a page's folder on
// 127.0.0.1, opens it in Debian's Chromium or Firefox ESR, headless, through
// puppeteer-core, and answers the harness line by line on stdin and stdout:
//   (at start)    ready MS        the window is shown, MS after navigation
//   grab          png X Y W H BASE64
//                                 the screen around the window, and where
//                                 the window lies in it
//   click X Y     ok              a click (or a tap) at a point of the window
//   key NAME      ok              a key pressed on the focused element
//   names         names JSON      the roles and names the page's accessibility
//                                 tree gives, in order (Chromium), "role\tname"
//   close         (exits 0)       the tab is closed
// Points are the window's own pixels, wherever and at whatever scale the
// page shows it; a grab has the device pixels the window covers. When the
// page says the game has ended, the driver exits with the game's status, or
// 3 if the page stored anything but its own files.
// With --offline the page is played after a first visit with the server
// gone, from what its service worker keeps.
// Usage: node driver.mjs FOLDER --window WxH [--browser B] [--viewport WxH@R]
//                               [--touch] [--scale S] [--offline]
import { readdirSync } from 'node:fs';
import readline from 'node:readline';
import { pathToFileURL } from 'node:url';

import puppeteer from 'puppeteer-core';

import { serve } from '../../scripts/serve-web.mjs';

const kWait = 60000;  // ms; an upper limit, never a fixed pause

// Options a run of the page is made with: the browser, the viewport (CSS
// pixels and device ratio), touch or a mouse.
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
  };
}

export function launchBrowser(options = pageOptions([])) {
  // None of the browser's own connections, which a closed network refuses;
  // no sandbox only where it cannot have one (as root).
  if (options.browser === 'firefox') {
    return puppeteer.launch({
      browser: 'firefox',
      executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr',
      headless: true,
      extraPrefsFirefox: { 'network.captive-portal-service.enabled': false,
        'browser.safebrowsing.update.enabled': false, 'app.update.enabled': false },
    });
  }
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: [...(process.getuid?.() === 0 ? ['--no-sandbox'] : []), '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--disable-quic', '--disable-default-apps'],
  });
}

// Opens `url` in a fresh context with the run's viewport and waits until
// the game's window is shown. Resolves to the page and the milliseconds
// from navigation to then.
export async function openPage(browser, url, options = pageOptions([])) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ ...options.viewport, hasTouch: options.touch,
    isMobile: options.touch });
  page.on('console', (message) => process.stderr.write(`page: ${message.text()}\n`));
  page.on('pageerror', (error) => process.stderr.write(`page error: ${error.message}\n`));
  await page.goto(url);
  await page.waitForFunction(() => !document.getElementById('window').hidden,
    { timeout: kWait });
  const shownMs = await page.evaluate(() => performance.now());
  return { page, context, shownMs };
}

// What the page stored that is not one of its own files: storage, cookies,
// databases, and cached requests for anything else.
async function storedBeyondItsFiles(page, files) {
  return page.evaluate(async (own) => {
    let stored = localStorage.length + sessionStorage.length + (document.cookie ? 1 : 0) +
      (indexedDB.databases ? (await indexedDB.databases()).length : 0);
    for (const name of await caches.keys()) {
      for (const request of await (await caches.open(name)).keys()) {
        const file = new URL(request.url).pathname.slice(1) || 'index.html';
        stored += own.includes(file) ? 0 : 1;
      }
    }
    return stored;
  }, files);
}

// The names a screen reader gets in reading order, within the game's window:
// each button, image, alert and piece of text, a button's or an alert's own
// text within its name; text that is told as it changes (a polite live
// region) as a status.
async function readerNames(page) {
  const cdp = await page.createCDPSession();
  const { nodes } = await cdp.send('Accessibility.getFullAXTree');
  const byId = new Map(nodes.map((n) => [n.nodeId, n]));
  const { backendNodeId } = (await cdp.send('DOM.describeNode', {
    objectId: (await cdp.send('Runtime.evaluate', { expression: 'document.getElementById("window")' }))
      .result.objectId,
  })).node;
  const names = [];
  const walk = (n, inWindow, live) => {
    inWindow = inWindow || n.backendDOMNodeId === backendNodeId;
    live = live || n.properties?.find((p) => p.name === 'live')?.value?.value === 'polite';
    const role = n.role?.value;
    if (inWindow && !n.ignored && n.name?.value && ['button', 'image', 'alert', 'StaticText'].includes(role)) {
      // A polite live region's text is told as it changes.
      names.push(`${live && role === 'StaticText' ? 'status' : role}\t${n.name.value}`);
      if (role !== 'StaticText') return;  // its text is its name
    }
    for (const id of n.childIds || []) walk(byId.get(id), inWindow, live);
  };
  walk(nodes[0], false, false);
  return names;
}

async function main() {
  const [folder, ...args] = process.argv.slice(2);
  const options = pageOptions(args);
  const [windowWidth] = args[args.indexOf('--window') + 1].split('x').map(Number);
  const server = await serve(folder);
  const browser = await launchBrowser(options);
  const quit = async (status) => {
    await browser.close().catch(() => {});
    server.close();
    process.exit(status);
  };
  const url = `http://127.0.0.1:${server.address().port}/`;
  const opened = await openPage(browser, url, options).catch(async (error) => {
    process.stderr.write(`driver: ${error.message}\n`);
    await quit(2);
  });
  const { page } = opened;
  if (args.includes('--offline')) {
    // Once the service worker has the page, the server goes, and the page
    // is opened again as a player with no network opens it.
    await page.evaluate(() => navigator.serviceWorker.ready.then(() =>
      navigator.serviceWorker.controller || new Promise((resolve) =>
        navigator.serviceWorker.addEventListener('controllerchange', resolve, { once: true }))));
    server.close();
    server.closeAllConnections();
    await page.reload();
    await page.waitForFunction(() => !document.getElementById('window').hidden,
      { timeout: kWait }).catch(async (error) => {
      process.stderr.write(`driver: offline: ${error.message}\n`);
      await quit(2);
    });
  }
  const ended = new Promise((resolve) => {
    page.exposeFunction('__klikomanEnded', resolve).then(() => page.evaluate(() =>
      addEventListener('klikoman-ended', (event) => window.__klikomanEnded(event.detail))));
  });
  ended.then(async (status) => {
    const stored = await storedBeyondItsFiles(page, readdirSync(folder));
    await quit(stored > 0 ? 3 : Number(status));
  });
  // The window on the page: where it lies and at what scale it is shown.
  const shown = () => page.$eval('#window', (e) => {
    const box = e.getBoundingClientRect();
    return { x: box.left, y: box.top, width: box.width, height: box.height,
      ratio: devicePixelRatio };
  });
  process.stdout.write(`ready ${Math.round(opened.shownMs)}\n`);

  const lines = readline.createInterface({ input: process.stdin });
  for await (const line of lines) {
    const [command, ...words] = line.trim().split(/\s+/);
    if (command === 'grab') {
      // The whole CSS pixels around the window, and where the window lies
      // in them in device pixels, for the harness to cut out: a box of
      // fractional CSS pixels would be rounded.
      const { ratio, ...box } = await shown();
      const clip = { x: Math.floor(box.x), y: Math.floor(box.y) };
      clip.width = Math.ceil(box.x + box.width) - clip.x;
      clip.height = Math.ceil(box.y + box.height) - clip.y;
      const cut = [box.x - clip.x, box.y - clip.y, box.width, box.height]
        .map((v) => Math.round(v * ratio));
      const png = await page.screenshot({ clip, encoding: 'base64',
        ...(options.browser === 'chromium' ? { optimizeForSpeed: true } : {}) })
        .catch((error) => {
          process.stderr.write(`driver: grab: ${error.message}\n`);
          return '';
        });
      process.stdout.write(`png ${cut.join(' ')} ${png}\n`);
    } else if (command === 'click') {
      const at = await shown();
      const scale = at.width / windowWidth;
      // The middle of the window's pixel, in the page's CSS pixels.
      const x = at.x + (Number(words[0]) + 0.5) * scale;
      const y = at.y + (Number(words[1]) + 0.5) * scale;
      await (options.touch ? page.touchscreen.tap(x, y) : page.mouse.click(x, y));
      process.stdout.write('ok\n');
    } else if (command === 'key') {
      // Space by the key it gives, which every browser's protocol knows.
      await page.keyboard.press(words[0] === 'Space' ? ' ' : words[0]);
      process.stdout.write('ok\n');
    } else if (command === 'names') {
      const names = options.browser === 'chromium' ? await readerNames(page) : [];
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
