// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browser tests share: the built page served from memory on
// 127.0.0.1, Debian's Chromium driven headless, and small checks.
import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const TYPES = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.png': 'image/png', '.ttf': 'font/ttf' };

export function serve(root) {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(root, name === '/' ? 'index.html' : name);
    if (!file.startsWith(path.resolve(root)) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
      response.writeHead(404);
      response.end();
      return;
    }
    response.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream' });
    fs.createReadStream(file).pipe(response);
  });
  return new Promise(resolve => server.listen(0, '127.0.0.1', () => resolve(server)));
}

export async function launch(extra = []) {
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-dev-shm-usage',
      '--font-render-hinting=none', '--force-renderer-accessibility', ...extra],
  });
}

// A page of the given viewport with the voyage started.
export async function open(browser, url, width = 1280, height = 1024, deviceScaleFactor = 1, touch = false) {
  const page = await browser.newPage();
  const errors = [];
  page.on('pageerror', e => errors.push(String(e)));
  page.on('console', m => { if (m.type() === 'error') errors.push(m.text()); });
  page.errors = errors;
  await page.setViewport({ width, height, deviceScaleFactor, hasTouch: touch, isMobile: touch });
  await page.goto(url);
  await page.waitForSelector('body[data-ready="1"]', { timeout: 30000 });
  return page;
}

let failures = 0;
let current = '';

export function check(ok, what) {
  if (ok)
    return;
  failures++;
  console.log(`FAIL ${current}: ${what}`);
}

export function near(a, b, tolerance, what) {
  check(Math.abs(a - b) <= tolerance, `${what}: ${a} is not within ${tolerance} of ${b}`);
}

export async function test(name, body) {
  current = name;
  const before = failures;
  try {
    await body();
  } catch (e) {
    failures++;
    console.log(`FAIL ${name}: ${e.stack || e}`);
  }
  console.log(`${failures === before ? 'PASS' : 'FAIL'} ${name}`);
}

export function failed() { return failures; }

// Fields by name, as the page shows them.
export function fields(page, names) {
  return page.evaluate(list => Object.fromEntries(list.map(n => [n, document.getElementById(n).value])), names);
}

// Sets fields as the controls that own them would.
export function setFields(page, values) {
  return page.evaluate(values => {
    for (const [name, value] of Object.entries(values)) {
      const input = document.getElementById(name);
      input.value = value;
      input.dispatchEvent(new Event('input'));
    }
  }, values);
}

// The centre of an element in page coordinates.
export async function centre(page, selector) {
  const box = await (await page.$(selector)).boundingBox();
  return [box.x + box.width / 2, box.y + box.height / 2, box];
}

// Waits, without a fixed time, until the page's runs have ended.
export function runsEnded(page, timeout = 20000) {
  return page.waitForFunction(() => window.vendralPage.page.runDepth() === 0, { timeout, polling: 'raf' });
}
