// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser edition as its users meet it, in Debian's Chromium: pointer,
// touch and keys through the page, runs sliced between input and paint, the
// layout on the screens of a classroom, what a screen reader is given, and
// the pictures beside the desktop's. Usage: node browser.test.js [site]
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve, launch, open, check, near, test, failed, fields, setFields, centre, runsEnded } from './harness.js';

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, '../..');
const site = path.resolve(process.argv[2] || path.join(root, 'build-web/site'));
const examples = JSON.parse(fs.readFileSync(path.join(root, 'tests/worked-examples.json'), 'utf8'));

// Nothing here may hang the test run.
const watchdog = setTimeout(() => { console.log('FAIL watchdog: still running after 10 minutes'); process.exit(1); },
  600000);

const server = await serve(site);
const url = `http://127.0.0.1:${server.address().port}/`;
const browser = await launch();

// After an event the page shows its changes at the next frame.
const shown = page => page.evaluate(() => new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r))));

async function fresh(page) {
  await page.reload();
  await page.waitForSelector('body[data-ready="1"]');
}

const setField = (page, name, value) => setFields(page, { [name]: value });

async function tick(page, name, on) {
  if (await page.$eval(`#${name} input`, box => box.checked) !== on)
    await page.click(`#${name} input`);
}

const number = async (page, name) => parseFloat((await fields(page, [name]))[name]);
const minutesSailed = page => page.evaluate(() => window.vendralPage.page.travelTime());

async function drag(page, from, to, steps = 8) {
  await page.mouse.move(...from);
  await page.mouse.down();
  await page.mouse.move(...to, { steps });
  await page.mouse.up();
  await shown(page);
}

let page = await open(browser, url);

await test('worked examples give the desktop\'s field texts', async () => {
  for (const example of examples) {
    await fresh(page);
    for (const step of example.steps) {
      for (const [name, on] of Object.entries(step.tick || {}))
        await tick(page, name, on);
      for (const [name, value] of Object.entries(step.set || {}))
        await setField(page, name, value);
      for (const button of step.press)
        await page.click('#' + button);
    }
    await shown(page);
    const got = await fields(page, Object.keys(example.expect));
    for (const [name, want] of Object.entries(example.expect))
      check(got[name] === want, `${example.name}: ${name} shows "${got[name]}", not "${want}"`);
  }
  check(page.errors.length === 0, `errors: ${page.errors.join('; ')}`);
});

await test('the dials follow the mouse and touch, with the pointer held', async () => {
  await fresh(page);
  const [cx, cy, box] = await centre(page, '#picFahrt canvas');
  // The pointer leaves the dial on the way: it stays held.
  await drag(page, [cx + 20, cy], [cx, cy - box.height]);
  near(await number(page, 'txtFahrtx'), 0, 1e-9, 'heading east after a drag north');
  near(await number(page, 'txtFahrty'), 1, 1e-9, 'heading north after a drag north');
  const slider = await page.$eval('#picFahrt canvas', c => [c.getAttribute('role'), c.getAttribute('aria-valuenow')]);
  check(slider[0] === 'slider' && +slider[1] === parseFloat((await fields(page, ['txtWinkel'])).txtWinkel),
    `the dial's value ${slider} is the angle shown`);

  const touchPage = await open(browser, url, 1024, 768, 1, true);
  const [sx, sy] = await centre(touchPage, '#picStrom canvas');
  await touchPage.touchscreen.touchStart(sx, sy - 10);
  await touchPage.touchscreen.touchMove(sx + 200, sy);
  await touchPage.touchscreen.touchEnd();
  await shown(touchPage);
  near(await number(touchPage, 'txtStromx'), 1, 0.002, 'current east after a touch east');
  near(await number(touchPage, 'txtStromy'), 0, 0.01, 'current north after a touch east');
  await touchPage.close();
});

await test('markers dragged onto the chart land where dropped', async () => {
  await fresh(page);
  const area = await (await page.$('#picSee .chartpicture')).boundingBox();
  // Pressed beside its check box, which takes its own clicks.
  const start = await (await page.$('#image2')).boundingBox();
  const [ix, iy] = [start.x + 3, start.y + 3];
  const drop = [area.x + area.width * 0.3, area.y + area.height * 0.4];
  await drag(page, [ix, iy], drop);
  const island = await (await page.$('#image2')).boundingBox();
  near(island.x, drop[0], 1, 'the island\'s left edge');
  near(island.y, drop[1], 1, 'the island\'s top edge');
  const f = await fields(page, ['txtInselx', 'txtInsely', 'txtAbstand']);
  check(f.txtInselx === '30' && f.txtInsely === '60', `island fields ${f.txtInselx}, ${f.txtInsely}`);
  check(f.txtAbstand === 'Entfernung zur Insel 51 sm', `distance "${f.txtAbstand}"`);
  // A drop beside the chart leaves the ship where it was.
  const ship = await (await page.$('#image1')).boundingBox();
  await drag(page, [ship.x + ship.width / 2, ship.y + ship.height / 2], [area.x - 40, area.y + 10]);
  const after = await (await page.$('#image1')).boundingBox();
  check(after.x === ship.x && after.y === ship.y, `the ship moved to ${after.x}, ${after.y} by a drop beside the chart`);
});

// The speed's bar stands upright with its largest value at the top.
await test('scroll bars answer their thumb, arrows, track and keys', async () => {
  await fresh(page);
  const bar = await (await page.$('#hscfahrtv')).boundingBox();
  const max = await page.$eval('#hscfahrtv', n => +n.getAttribute('aria-valuemax'));
  const [tx, ty] = await centre(page, '#hscfahrtv .thumb');
  await drag(page, [tx, ty], [tx, bar.y - 50]);
  check(await number(page, 'txtFahrtv') === max, 'the thumb dragged past the top gives the largest speed');
  await page.mouse.click(tx, bar.y + bar.height - 3);
  await shown(page);
  check(await number(page, 'txtFahrtv') === max - 1, 'the lower arrow takes one off');
  await page.mouse.click(tx, bar.y + bar.height - bar.width - 5);
  await shown(page);
  check(await number(page, 'txtFahrtv') === max - 2, 'the track below the thumb takes one off');
  await page.keyboard.press('End');
  await shown(page);
  check(await number(page, 'txtFahrtv') === 0, 'End gives the smallest speed');
  await page.keyboard.press('ArrowUp');
  await shown(page);
  check(await number(page, 'txtFahrtv') === 1, 'Up adds one');
  check(await page.$eval('#hscfahrtv', n => n.getAttribute('aria-valuenow')) === '1', 'the bar tells its value');
});

await test('the keyboard turns the dials, moves the markers and walks the menu', async () => {
  await fresh(page);
  await page.focus('#picFahrt canvas');
  await page.keyboard.press('ArrowRight');
  await page.keyboard.press('PageUp');
  await shown(page);
  const angle = parseFloat((await fields(page, ['txtWinkel'])).txtWinkel);
  check(angle === 101, `course turned from 90 by Right and PageUp to ${angle}`);
  await page.focus('#image2');
  await page.keyboard.press('ArrowLeft');
  await page.keyboard.press('ArrowUp');
  await shown(page);
  const f = await fields(page, ['txtInselx', 'txtInsely']);
  check(f.txtInselx === '79' && f.txtInsely === '81', `island moved by keys to ${f.txtInselx}, ${f.txtInsely}`);
  await page.click('#Command1');
  await page.focus('#cmdStart');
  await page.keyboard.press('ArrowRight');
  check(await page.evaluate(() => document.activeElement.id) === 'cmdEtap', 'Right moves along the menu bar');
  await page.keyboard.press('Enter');
  await shown(page);
  check((await fields(page, ['txtReisezeitmin'])).txtReisezeitmin === '0', 'Enter on the menu item clears the counters');
});

// Each run's steps counted from the travel time at dt = 1.
await test('runs step between input and paint, and end as the desktop\'s', async () => {
  for (const delay of ['0', '10', '100']) {
    await fresh(page);
    await tick(page, 'chkAuto', false);
    await setField(page, 'txtVerz', delay);
    await setField(page, 'txtFahrtv', '0');
    await setField(page, 'txtStromv', '0');
    await page.click('#cmdFahrt');
    // The page paints while the run goes on.
    const painted = await page.evaluate(() => new Promise(r => requestAnimationFrame(() => r(window.vendralPage.page.runDepth()))));
    check(painted === 1, `delay ${delay}: a frame is painted during the run`);
    // "Stop" is handled between two steps; one more step follows.
    const atStop = await page.evaluate(() => {
      const minutes = window.vendralPage.page.travelTime();
      document.getElementById('cmdStop').click();
      return minutes;
    });
    await runsEnded(page);
    check(await minutesSailed(page) === atStop + 1, `delay ${delay}: one step after "Stop"`);
  }

  await fresh(page);
  await page.evaluate(() => { document.getElementById('cmdFahrt').click(); document.getElementById('cmdStop').click(); });
  await runsEnded(page);
  check(await minutesSailed(page) === 1, '"Fahrt" and "Stop" at once make one step');

  await fresh(page);
  await tick(page, 'chkAuto', false);
  await setField(page, 'txtVerz', '10');
  await setField(page, 'txtFahrtv', '0');
  await page.click('#cmdFahrt');
  await page.click('#cmdFahrt');
  check(await page.evaluate(() => window.vendralPage.page.runDepth()) === 2, 'a second "Fahrt" runs inside the first');
  const atStop = await page.evaluate(() => {
    const minutes = window.vendralPage.page.travelTime();
    document.getElementById('cmdStop').click();
    return minutes;
  });
  await runsEnded(page);
  check(await minutesSailed(page) === atStop + 2, 'the inner run and then the outer run make one more step each');
  await shown(page);
  const said = await page.$eval('#announcer', n => n.textContent);
  check(said.length > 0, 'the end of the run is announced');
  check(page.errors.length === 0, `errors: ${page.errors.join('; ')}`);
});

await test('menu commands: Startzustand, the credits and beenden', async () => {
  await fresh(page);
  await page.click('#Command1');
  await page.click('#cmdStart');
  await shown(page);
  const f = await fields(page, ['txtSchiffx', 'txtSchiffy', 'txtInselx', 'txtReisezeitd', 'txtFahrtx']);
  check(f.txtSchiffx === '10' && f.txtSchiffy === '10' && f.txtInselx === '80', `start positions ${JSON.stringify(f)}`);
  check(f.txtReisezeitd === '0' && f.txtFahrtx === ' 1', `counters and heading ${JSON.stringify(f)}`);
  await page.click('#cmdc');
  check(await page.$eval('#credits', d => d.open && d.matches(':modal')), 'the credits are a modal dialog');
  await page.keyboard.press('Escape');
  check(await page.evaluate(() => !document.getElementById('credits').open && document.activeElement.id === 'cmdc'),
    'Escape closes the credits, back where the user was');
  await page.click('#cmdFahrt');
  await page.click('#cmdend');
  const ended = await page.evaluate(() => [document.getElementById('ended').hidden, document.getElementById('client').hidden,
    window.vendralPage.page.runDepth()]);
  check(!ended[0] && ended[1] && ended[2] === 0, `"beenden" ends the voyage and says so: ${ended}`);
  await fresh(page);
  check(await page.$eval('#client', n => !n.hidden), 'reloading starts afresh');
});

// Pixels of a colour on a canvas, at most `tolerance` off in each channel.
const pixels = (page, selector, colour, tolerance = 40) => page.$eval(selector, (canvas, colour, tolerance) => {
  const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
  let n = 0;
  for (let i = 0; i < data.length; i += 4)
    if (data[i + 3] > 128 && [0, 1, 2].every(c => Math.abs(data[i + c] - colour[c]) <= tolerance))
      n++;
  return n;
}, colour, tolerance);

await test('the chart shows the track and the bearing line, and its "x" clears it', async () => {
  await fresh(page);
  const track = () => pixels(page, '#picSee .chartpicture', [240, 240, 2]);
  const bearing = () => pixels(page, '#linpeil', [255, 140, 0]);
  for (let i = 0; i < 5; ++i)
    await page.click('#Command1');
  await shown(page);
  check(await track() > 0, 'the steps draw a yellow track');
  check(await bearing() === 0, 'no bearing line while "Peilung" is unticked');
  await tick(page, 'chkPeil', true);
  await shown(page);
  check(await bearing() > 0, 'ticking "Peilung" shows the bearing line');
  await page.click('#Command4');
  await shown(page);
  check(await track() === 0, 'the chart\'s "x" clears the track');
  await tick(page, 'chkPeil', false);
  await page.click('#Command1');
  await shown(page);
  check(await bearing() === 0, 'a step with "Peilung" unticked hides the bearing line');
});

// Every control lies whole inside the page and answers where it is drawn.
async function controlsAnswer(page, what) {
  const problems = await page.evaluate(() => {
    const out = [];
    const selector = '#client input, #client button, #client .bar, #client .dial, #client .marker, #client .sea, #menubar button';
    for (const node of document.querySelectorAll(selector)) {
      const r = node.getBoundingClientRect();
      if (r.width < 1 || r.height < 1 || r.left < 0 || r.top < 0 || r.right > innerWidth + 0.5 || r.bottom > innerHeight + 0.5) {
        out.push(`${node.id || node.className} at ${r.left},${r.top},${r.width}x${r.height}`);
        continue;
      }
      // The island's check box lies on its centre.
      const [x, y] = node.id === 'image2' ? [r.left + 3, r.top + 3] : [r.left + r.width / 2, r.top + r.height / 2];
      const hit = document.elementFromPoint(x, y);
      if (!node.contains(hit) && !(hit && hit.control === node) && !(node.closest('label') && node.closest('label').contains(hit)))
        out.push(`${node.id || node.className} covered by ${hit && (hit.id || hit.className)}`);
    }
    return out;
  });
  check(problems.length === 0, `${what}: ${problems.join('; ')}`);
}

await test('the layout on every screen of a classroom', async () => {
  for (const [w, h, ratio] of [[800, 600, 1], [1366, 768, 1], [1920, 1080, 1], [768, 1024, 1], [1280, 1024, 2]]) {
    const p = await open(browser, url, w, h, ratio);
    await controlsAnswer(p, `${w} x ${h} @${ratio}`);
    const canvas = await p.$eval('#picSee .chartpicture', c => [c.width, parseFloat(c.style.width), devicePixelRatio]);
    near(canvas[0], canvas[1] * canvas[2], 1, `${w} x ${h} @${ratio}: the chart is drawn at the pixel ratio`);
    if (w === 1366) {
      // The tablet turned: the same page laid out anew, the track kept.
      for (let i = 0; i < 5; ++i)
        await p.click('#Command1');
      await p.setViewport({ width: 768, height: 1024 });
      await shown(p);
      await controlsAnswer(p, '1366 x 768 turned to 768 x 1024');
      check(await pixels(p, '#picSee .chartpicture', [240, 240, 2]) > 0, 'the track is drawn again at the new size');
    }
    await p.close();
  }
});

await test('axe-core finds nothing a screen reader would miss', async () => {
  await fresh(page);
  await page.addScriptTag({ path: path.join(here, 'node_modules/axe-core/axe.min.js') });
  const violations = await page.evaluate(async () => (await window.axe.run()).violations.map(v => `${v.id}: ${v.nodes.length}`));
  check(violations.length === 0, violations.join('; '));
  const values = await page.evaluate(() => ['image1', 'image2'].map(n => document.getElementById(n).getAttribute('aria-valuetext')));
  check(values.every(n => /\d/.test(n)), `the markers tell where they are: ${values}`);
});

// The reference pictures hold the desktop's drawing inside a sunken border
// of 2 pixels a side (at the pixel ratio); the page's canvas holds the drawing.
async function againstReference(page, selector, reference, ratio) {
  const file = path.join(root, 'tests/reference', `${reference}@${ratio}.png`);
  const data = 'data:image/png;base64,' + fs.readFileSync(file).toString('base64');
  return page.$eval(selector, async (canvas, data, border) => {
    const img = new Image();
    img.src = data;
    await img.decode();
    const scratch = new OffscreenCanvas(canvas.width, canvas.height).getContext('2d');
    scratch.drawImage(img, -border, -border);
    const want = scratch.getImageData(0, 0, canvas.width, canvas.height).data;
    const got = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    // A pixel differs when no reference pixel within one of it is close to it,
    // so that an edge antialiased half a pixel over does not count.
    const w = canvas.width, h = canvas.height;
    const close = (i, j) => Math.max(Math.abs(got[i] - want[j]), Math.abs(got[i + 1] - want[j + 1]),
      Math.abs(got[i + 2] - want[j + 2])) <= 96;
    let far = 0;
    for (let y = 0; y < h; ++y)
      for (let x = 0; x < w; ++x) {
        const i = 4 * (y * w + x);
        let near = false;
        for (let dy = -1; dy <= 1 && !near; ++dy)
          for (let dx = -1; dx <= 1 && !near; ++dx)
            near = x + dx >= 0 && x + dx < w && y + dy >= 0 && y + dy < h && close(i, 4 * ((y + dy) * w + x + dx));
        if (!near)
          far++;
      }
    return { size: [img.width - 2 * border, img.height - 2 * border, canvas.width, canvas.height], far: far / (got.length / 4) };
  }, data, 2 * ratio);
}

await test('the chart and the course dial as the desktop draws them, at 1280 x 1024', async () => {
  for (const ratio of [1, 2]) {
    const p = await open(browser, url, 1280, 1024, ratio);
    for (const [selector, reference] of [['#picSee .chartpicture', 'chart-start'], ['#picFahrt canvas', 'course-east']]) {
      const r = await againstReference(p, selector, reference, ratio);
      check(r.size[0] === r.size[2] && r.size[1] === r.size[3], `${reference}@${ratio}: sizes ${r.size}`);
      // Antialiasing and the fonts' rasterising differ; nothing else may.
      check(r.far < 0.002, `${reference}@${ratio}: ${(r.far * 100).toFixed(2)} % of the pixels differ`);
      console.log(`  ${reference}@${ratio}: ${(r.far * 100).toFixed(3)} % of the pixels differ beyond antialiasing`);
    }
    if (ratio === 1)
      await p.screenshot({ path: path.join(site, '..', 'page-1280x1024.png') });
    await p.close();
  }
});

clearTimeout(watchdog);
await browser.close();
server.close();
console.log(failed() ? `browser tests: ${failed()} failed` : 'browser tests: all passed');
process.exit(failed() ? 1 : 0);
