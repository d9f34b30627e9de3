// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The page's server (scripts/serve-web.mjs) as a browser and a prober meet
// it: a folder with a page, its compressed copies and links out of it, next
// to a secret it must never send or give away. Run by CTest with node's own
// test runner.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, mkdirSync, rmSync, symlinkSync, writeFileSync } from 'node:fs';
import { request } from 'node:http';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';

import { serve } from '../../scripts/serve-web.mjs';

const kSecret = 'the secret outside the folder';
let server;
let port;
let top;

before(async () => {
  top = mkdtempSync(path.join(tmpdir(), 'klikoman-serve-'));
  const folder = path.join(top, 'page');
  mkdirSync(folder);
  writeFileSync(path.join(top, 'secret'), kSecret);
  const file = (name, text) => writeFileSync(path.join(folder, name), text);
  const linkOut = (name) => symlinkSync(path.join(top, 'secret'), path.join(folder, name));
  file('index.html', 'page');
  linkOut('index.html.br');  // a compressed copy that leads out
  file('index.html.gz', 'page, gzip');
  file('game.js', 'script');
  file('game.js.br', 'script, brotli');
  file('game.js.gz', 'script, gzip');
  linkOut('leak.txt');  // a file that leads out
  execFileSync('mkfifo', [path.join(folder, 'pipe.txt')]);  // no file: opening it would wait
  server = await serve(folder);
  port = server.address().port;
});

after(() => {
  server.close();
  rmSync(top, { recursive: true });
});

// Sends a request with the path exactly as written.
function get(target, { method = 'GET', encoding } = {}) {
  return new Promise((resolve, reject) => {
    const headers = encoding === undefined ? {} : { 'Accept-Encoding': encoding };
    const options = { host: '127.0.0.1', port, path: target, method, headers, agent: false };
    const req = request(options, (res) => {
      let body = '';
      res.setEncoding('latin1');
      res.on('data', (chunk) => { body += chunk; });
      res.on('end', () => resolve({ status: res.statusCode, headers: res.headers, body }));
    });
    req.on('error', reject);
    req.end();
  });
}

test('no file outside the folder is sent, through a link or a compressed copy', { timeout: 10000 }, async () => {
  for (const [target, encoding] of [['/', 'br'], ['/index.html', 'br, gzip'],
    ['/leak.txt', 'br, gzip'], ['/leak.txt', undefined]]) {
    const answer = await get(target, { encoding });
    assert.ok(!answer.body.includes(kSecret), `${target} (${encoding}) sent the secret`);
  }
  assert.equal((await get('/leak.txt')).status, 404);
  assert.equal((await get('/pipe.txt')).status, 404);
  // The copy that leads out is passed over for the next the browser takes.
  const page = await get('/', { encoding: 'br, gzip' });
  assert.equal(page.headers['content-encoding'], 'gzip');
  assert.equal(page.body, 'page, gzip');
});

test('a path out of the folder is answered as a missing file', async () => {
  const answers = [];
  for (const target of ['/..%2fsecret', '/..%2fno-such-file', '/no-such-file',
    '/../secret', '/%2e%2e/secret', '/..%5c..%5csecret']) {
    const { status, headers, body } = await get(target);
    answers.push([target, status, headers['content-length'], body]);
  }
  for (const answer of answers) {
    assert.deepEqual(answer.slice(1), answers[2].slice(1), `${answer[0]} answered otherwise`);
  }
  assert.equal(answers[2][1], 404);
});

test('the copy sent follows the q-values of Accept-Encoding', async () => {
  const rows = [
    ['br, gzip', 'br'],
    ['gzip, br', 'br'],  // alike: the smaller copy
    ['br;q=0, gzip', 'gzip'],
    ['br;q=0.5, gzip;q=0.8', 'gzip'],
    ['BR;Q=1', 'br'],
    ['*', 'br'],
    ['*;q=0, gzip', 'gzip'],
    ['br;q=0, gzip;q=0', undefined],
    ['br;q=2', undefined],  // not a q-value: refused
    ['identity', undefined],
    ['', undefined],
  ];
  for (const [encoding, expected] of rows) {
    const answer = await get('/game.js', { encoding });
    assert.equal(answer.headers['content-encoding'], expected, `Accept-Encoding: ${encoding}`);
    assert.equal(answer.headers.vary, 'Accept-Encoding');
  }
});

test('a path that cannot be read and a method other than GET or HEAD are refused', async () => {
  const rows = [
    ['/%ff', 'GET', 400],
    ['/%', 'GET', 400],
    ['/index.html%00.png', 'GET', 400],
    ['/game.js', 'POST', 405],
    ['/game.js', 'DELETE', 405],
    ['/game.js', 'HEAD', 200],
    ['/game.js', 'GET', 200],
  ];
  for (const [target, method, status] of rows) {
    const answer = await get(target, { method });
    assert.equal(answer.status, status, `${method} ${target}`);
    if (status === 405) {
      assert.equal(answer.headers.allow, 'GET, HEAD');
    }
    if (method === 'HEAD') {
      assert.equal(answer.body, '');
      assert.equal(answer.headers['content-length'], String('script'.length));
    }
  }
  // And it still serves.
  assert.equal((await get('/')).body, 'page');
});
