// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser edition against the desktop, measured in one run on one machine:
//   node bench/web/bench_web.mjs [seconds]   (after scripts/build build, scripts/web --build-only
//                                             and npm ci in tests/web)
// - the voyage core's steps per second natively, in WebAssembly under Node.js
//   and in WebAssembly in Chromium (bench_core, `seconds` for each of its two phases);
// - a run at delay 0 with the ship lying still, in the page and in the desktop's
//   window (bench_run's "still" phase under Xvfb);
// - the time from loading the page to its first complete picture;
// - the download size of the page's folder, as it is and compressed;
// - the page's memory during a run of 60 s at delay 0, the ship circling the island.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { fileURLToPath } from 'node:url';
import { serve, launch, open, runsEnded, setFields } from '../../tests/web/harness.js';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const seconds = Number(process.argv[2] || 5);
const site = path.join(root, 'build-web/site');
const rate = (text, what) => Number(new RegExp(`([0-9.]+) (?:steps/s )?${what}`).exec(text)[1]);
const out = [];
const report = (what, figure) => { out.push([what, figure]); console.log(`${what}: ${figure}`); };

// The core natively, under Node.js and in Chromium.
const native = execFileSync(path.join(root, 'build/bench/bench_core'), [String(seconds)], { encoding: 'utf8' });
const node = execFileSync('node', ['--require', path.join(root, 'tests/shared/nofetch.cjs'),
  path.join(root, 'build-web/bench/bench_core.js'), String(seconds)], { encoding: 'utf8' });
fs.writeFileSync(path.join(root, 'build-web/bench/bench_core.html'),
  `<!DOCTYPE html><script>var Module = { arguments: ['${seconds}'], print: t => console.log(t) };</script>` +
  '<script src="bench_core.js"></script>');
const benchServer = await serve(path.join(root, 'build-web/bench'));
const browser = await launch(['--js-flags=--expose-gc']);
let chromium;
{
  const page = await browser.newPage();
  const line = new Promise(resolve => page.on('console', m => { if (m.text().startsWith('core:')) resolve(m.text()); }));
  await page.goto(`http://127.0.0.1:${benchServer.address().port}/bench_core.html`);
  chromium = await line;
  await page.close();
}
benchServer.close();
for (const what of ['still', 'turning']) {
  const n = rate(native, what), w = rate(node, what), c = rate(chromium, what);
  report(`core ${what}: native / WebAssembly in Node.js / in Chromium, steps/s`,
    `${n.toFixed(0)} / ${w.toFixed(0)} (${(w / n).toFixed(2)}) / ${c.toFixed(0)} (${(c / n).toFixed(2)})`);
}

// A run at delay 0, ship lying still, autopilot on: the page and the desktop.
const server = await serve(site);
const url = `http://127.0.0.1:${server.address().port}/`;
const sail = async (page, forSeconds) => {
  await page.click('#cmdFahrt');
  await new Promise(r => setTimeout(r, forSeconds * 1000));
  await page.click('#cmdStop');
  await runsEnded(page);
  return page.evaluate(() => window.vendralPage.page.travelTime());
};
{
  const page = await open(browser, url);
  await setFields(page, { txtFahrtv: '0', txtStromv: '0', txtVerz: '0' });
  const steps = await sail(page, seconds);
  const desktop = execFileSync('xvfb-run', ['-a', '-s', '-screen 0 1280x1024x24', path.join(root, 'build/bench/bench_run'),
    String(seconds)], { encoding: 'utf8', env: { ...process.env, DBUS_SESSION_BUS_ADDRESS: 'disabled:' } });
  const still = Number(/still ([0-9.]+)/.exec(desktop.split('\n').find(l => l.startsWith('steps/s:')))[1]);
  report('"Fahrt" at delay 0, ship still: page / desktop, steps/s',
    `${(steps / seconds).toFixed(0)} / ${still.toFixed(0)} (${(steps / seconds / still).toFixed(2)})`);
  await page.close();
}

// Loading to the first complete picture, five loads.
{
  const times = [];
  for (let i = 0; i < 5; ++i) {
    const page = await open(browser, url);
    await page.waitForFunction(() => window.vendralPage.pictureAt > 0);
    times.push(await page.evaluate(() => window.vendralPage.pictureAt));
    await page.close();
  }
  times.sort((a, b) => a - b);
  report('loading to the first complete picture, ms (median of 5, least, most)',
    `${times[2].toFixed(0)} (${times[0].toFixed(0)}, ${times[4].toFixed(0)})`);
}

// The folder's download size.
{
  let bytes = 0, compressed = 0;
  const walk = dir => {
    for (const entry of fs.readdirSync(dir, { withFileTypes: true })) {
      const file = path.join(dir, entry.name);
      if (entry.isDirectory()) {
        walk(file);
        continue;
      }
      const data = fs.readFileSync(file);
      bytes += data.length;
      compressed += zlib.gzipSync(data, { level: 9 }).length;
    }
  };
  walk(site);
  report('download size, KiB as is / gzip -9', `${(bytes / 1024).toFixed(0)} / ${(compressed / 1024).toFixed(0)}`);
}

// Memory over a run of 60 s, the ship circling the island's aim point.
{
  const page = await open(browser, url);
  await setFields(page, { txtSchiffx: '85.2', txtSchiffy: '75.6', txtFahrtv: '1', txtStromv: '0', txtVerz: '0' });
  await page.click('#cmdFahrt');
  const samples = [];
  for (let s = 0; s <= 60; s += 20) {
    if (s)
      await new Promise(r => setTimeout(r, 20000));
    await page.evaluate(() => window.gc && window.gc());
    const m = await page.metrics();
    const wasm = await page.evaluate(() => window.vendralPage.memoryBytes);
    samples.push(`${s} s: JS ${(m.JSHeapUsedSize / 1048576).toFixed(1)} MiB, WebAssembly ${(wasm / 1048576).toFixed(1)} MiB, ` +
      `${m.Nodes} nodes`);
  }
  await page.click('#cmdStop');
  await runsEnded(page);
  const steps = await page.evaluate(() => window.vendralPage.page.travelTime());
  report(`memory of the page in a run of 60 s (${steps} steps)`, samples.join('; '));
  await page.close();
}

await browser.close();
server.close();
