// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser edition's window: real HTML controls and canvases, laid out by
// the module from the design's table, and every rule the module's own. The
// page only translates events into the module's handlers and shows what the
// module says changed, once per frame.

const FIELD_NAMES = [];
const OPTIONS = { chkAuto: 0, chkPeil: 1, Check1: 2 };
const BARS = { hscfahrtv: 0, hscstromv: 1, hscdt: 2, hscverz: 3 };
const BAR_FIELDS = { hscfahrtv: 'txtFahrtv', hscstromv: 'txtStromv', hscdt: 'txtdt', hscverz: 'txtVerz' };
const DIALS = { picFahrt: 0, picStrom: 1 };
const MARKERS = { image1: 0, image2: 1 };
const DIAL_KEYS = { ArrowRight: 0, ArrowUp: 1, ArrowLeft: 2, ArrowDown: 3, PageUp: 4, PageDown: 5 };
const CHANGE = { fields: 1, markers: 2, course: 4, current: 8, bearing: 16, chart: 32 };
const STRIDE = 10;
const DASHES = { 0: [], 1: [6, 3], 2: [1, 2] };

let module;
let page;
let layout;
const el = {};          // the controls by their design names
const bars = {};        // the scroll bars by name
let fontFamily = '"Liberation Sans", sans-serif';
let ended = false;
let frameAsked = false;
let pumpTimer = 0;
let dirtyAll = true;

function rgb(r, g, b) { return `rgb(${r},${g},${b})`; }

// Replays recorded drawings onto a 2D context whose transform maps CSS pixels.
function replay(ctx, drawings, texts, font, crisp) {
  const lines = texts ? texts.split('\n') : [];
  for (let i = 0; i + STRIDE <= drawings.length; i += STRIDE) {
    const kind = drawings[i];
    const colour = rgb(drawings[i + 1], drawings[i + 2], drawings[i + 3]);
    const width = drawings[i + 4];
    const style = drawings[i + 5];
    const a = drawings[i + 6], b = drawings[i + 7], c = drawings[i + 8], d = drawings[i + 9];
    const shift = crisp && width % 2 === 1 ? 0.5 : 0;
    switch (kind) {
      case 1:
        ctx.fillStyle = colour;
        ctx.fillRect(0, 0, ctx.canvas.width, ctx.canvas.height);
        break;
      case 2:
        ctx.strokeStyle = colour;
        ctx.lineWidth = width;
        ctx.lineCap = 'butt';
        ctx.setLineDash(width === 1 ? DASHES[style] : []);
        ctx.beginPath();
        ctx.moveTo(crisp ? Math.floor(a) + shift : a, crisp ? Math.floor(b) + shift : b);
        ctx.lineTo(crisp ? Math.floor(c) + shift : c, crisp ? Math.floor(d) + shift : d);
        ctx.stroke();
        break;
      case 3:
        ctx.strokeStyle = colour;
        ctx.lineWidth = width;
        ctx.setLineDash(width === 1 ? DASHES[style] : []);
        ctx.beginPath();
        ctx.arc(a, b, c, 0, 2 * Math.PI);
        ctx.stroke();
        break;
      case 4:
        ctx.fillStyle = colour;
        ctx.fillRect(a - width / 2, b - width / 2, width, width);
        break;
      case 5:
        ctx.fillStyle = colour;
        ctx.font = font;
        ctx.textBaseline = 'top';
        ctx.fillText(lines[c] ?? '', a, b);
        break;
    }
  }
}

function sizeCanvas(canvas, w, h) {
  const dpr = window.devicePixelRatio || 1;
  const pw = Math.max(1, Math.round(w * dpr)), ph = Math.max(1, Math.round(h * dpr));
  canvas.style.width = w + 'px';
  canvas.style.height = h + 'px';
  if (canvas.width === pw && canvas.height === ph)
    return false;
  canvas.width = pw;
  canvas.height = ph;
  canvas.getContext('2d').setTransform(dpr, 0, 0, dpr, 0, 0);
  return true;
}

// The channels of a colour given as #rrggbb.
function channels(c) { return [1, 3, 5].map(i => parseInt(c.slice(i, i + 2), 16)); }

// WCAG's contrast of two colours given as channels.
function contrast(a, b) {
  const luminance = c => {
    const [r, g, bl] = c.map(v => { v /= 255; return v <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4; });
    return 0.2126 * r + 0.7152 * g + 0.0722 * bl;
  };
  const [l1, l2] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (l1 + 0.05) / (l2 + 0.05);
}

// The design's background, moved just far enough from its text's colour
// that the text can be read (4.5 : 1); most backgrounds stay as they are.
function readable(back, text) {
  const fore = channels(text);
  const darker = contrast(fore, [0, 0, 0]) > contrast(fore, [255, 255, 255]);
  let c = channels(back);
  for (let i = 0; i < 255 && contrast(c, fore) < 4.5; ++i)
    c = c.map(v => Math.max(0, Math.min(255, v + (darker ? -1 : 1))));
  return rgb(...c);
}

function font(px, bold) { return `${bold ? 'bold ' : ''}${px}px ${fontFamily}`; }

function announce(text) {
  if (!text)
    return;
  const region = document.getElementById('announcer');
  // The region's own text changes, never a node replaced (a screen reader
  // may miss a node that was added and removed); a repeated text is told
  // apart by a no-break space, so that it is spoken again.
  region.textContent = region.textContent === text ? text + '\u00a0' : text;
}

function fieldIndex(name) { return FIELD_NAMES.indexOf(name); }

// ----- the scroll bars -------------------------------------------------------

class ScrollBar {
  constructor(node, row, onChange) {
    this.node = node;
    this.vertical = row.kind === 'vbar';
    [this.first, this.last, this.value] = row.range;
    this.count = Math.abs(this.last - this.first);
    this.sign = this.last >= this.first ? 1 : -1;
    this.position = (this.value - this.first) * this.sign;
    this.dragging = null;
    this.onChange = onChange;
    node.classList.add('bar', this.vertical ? 'v' : 'h');
    // A slider to a screen reader: on a scroll bar one in browse mode keeps
    // the arrows for itself, on a slider it hands them over.
    node.setAttribute('role', 'slider');
    node.setAttribute('aria-orientation', this.vertical ? 'vertical' : 'horizontal');
    node.setAttribute('aria-valuemin', Math.min(this.first, this.last));
    node.setAttribute('aria-valuemax', Math.max(this.first, this.last));
    node.tabIndex = 0;
    this.arrowFirst = this.part('arrow first');
    this.arrowLast = this.part('arrow last');
    this.thumb = this.part('thumb');
    node.addEventListener('pointerdown', e => this.press(e));
    node.addEventListener('pointermove', e => this.drag(e));
    node.addEventListener('pointerup', e => this.release(e));
    node.addEventListener('pointercancel', e => this.release(e));
    node.addEventListener('keydown', e => this.key(e));
    this.show();
  }

  part(cls) {
    const d = document.createElement('div');
    d.className = cls;
    this.node.appendChild(d);
    return d;
  }

  metrics() {
    const w = this.node.clientWidth, h = this.node.clientHeight;
    const thick = this.vertical ? w : h, long = this.vertical ? h : w;
    const arrow = Math.min(thick, long / 3);
    const track = Math.max(0, long - 2 * arrow);
    // Large enough to be taken by a finger or a shaky hand, as the desktop's.
    const thumb = Math.max(Math.min(track / 2, 24), track / (this.count + 1));
    return { thick, long, arrow, track, thumb };
  }

  place(part, at, size) {
    const m = this.metrics();
    Object.assign(part.style, this.vertical
      ? { left: '0px', width: m.thick + 'px', top: at + 'px', height: size + 'px' }
      : { top: '0px', height: m.thick + 'px', left: at + 'px', width: size + 'px' });
  }

  thumbAt(position) {
    const m = this.metrics();
    return m.arrow + (this.count ? (m.track - m.thumb) * position / this.count : 0);
  }

  show(position = this.position) {
    const m = this.metrics();
    this.place(this.arrowFirst, 0, m.arrow);
    this.place(this.arrowLast, m.long - m.arrow, m.arrow);
    this.place(this.thumb, this.thumbAt(position), m.thumb);
    this.node.setAttribute('aria-valuenow', this.value);
  }

  set(position) {
    position = Math.max(0, Math.min(this.count, position));
    if (position === this.position) {
      this.show();
      return;
    }
    this.position = position;
    this.value = this.first + this.sign * position;
    this.show();
    this.onChange(this.value);
  }

  along(e) {
    const r = this.node.getBoundingClientRect();
    return this.vertical ? e.clientY - r.top : e.clientX - r.left;
  }

  press(e) {
    if (e.button !== 0)
      return;
    e.preventDefault();
    this.node.focus();
    this.node.setPointerCapture(e.pointerId);
    const at = this.along(e), m = this.metrics(), thumb = this.thumbAt(this.position);
    if (at < m.arrow)
      this.repeat(-1);
    else if (at >= m.long - m.arrow)
      this.repeat(1);
    else if (at >= thumb && at < thumb + m.thumb)
      this.dragging = { from: at, position: this.position };
    else
      this.repeat(at < thumb ? -1 : 1);
  }

  // An arrow or the track held down steps on after a pause, as on the desktop.
  repeat(step) {
    this.set(this.position + step);
    this.stopRepeat();
    const again = delay => { this.timer = setTimeout(() => { this.set(this.position + step); again(50); }, delay); };
    again(500);
  }

  stopRepeat() { clearTimeout(this.timer); this.timer = 0; }

  positionFor(e) {
    const m = this.metrics();
    const span = m.track - m.thumb;
    const moved = span > 0 ? (this.along(e) - this.dragging.from) * this.count / span : 0;
    return Math.max(0, Math.min(this.count, Math.round(this.dragging.position + moved)));
  }

  drag(e) {
    if (this.dragging)
      this.show(this.positionFor(e));
  }

  // A dragged thumb changes the value when it is let go.
  release(e) {
    this.stopRepeat();
    if (!this.dragging)
      return;
    const position = this.positionFor(e);
    this.dragging = null;
    this.set(position);
  }

  key(e) {
    const steps = { ArrowLeft: -1, ArrowUp: -1, ArrowRight: 1, ArrowDown: 1, PageUp: -1, PageDown: 1 };
    if (e.key in steps)
      this.set(this.position + steps[e.key]);
    else if (e.key === 'Home')
      this.set(0);
    else if (e.key === 'End')
      this.set(this.count);
    else
      return;
    e.preventDefault();
  }
}

// ----- making the controls ------------------------------------------------------

// A value's text without the control's name in front, which a reader says anyway.
function unnamed(node, text) {
  const name = node.getAttribute('aria-label') + ' ';
  return text.startsWith(name) ? text.slice(name.length) : text;
}

// A field's caption is its first text, not its name.
function nameOf(row) {
  return layout.names[row.name] || layout.labels[row.name] || (row.kind === 'edit' ? '' : row.caption) || row.tooltip ||
    row.name;
}

function make(row) {
  let node;
  const flags = row.flags;
  switch (row.kind) {
    case 'frame': {
      node = document.createElement('div');
      node.className = 'abs frame';
      node.setAttribute('role', 'group');
      node.setAttribute('aria-label', nameOf(row));
      if (row.caption) {
        const caption = document.createElement('span');
        caption.className = 'caption';
        caption.textContent = row.caption;
        caption.setAttribute('aria-hidden', 'true');
        node.appendChild(caption);
      }
      break;
    }
    case 'label':
    case 'letter':
      node = document.createElement('div');
      node.className = 'abs ' + row.kind + (flags & 8 ? ' wrap' : '');
      node.textContent = row.caption;
      node.setAttribute('aria-hidden', 'true');
      break;
    case 'edit': {
      node = document.createElement('input');
      node.type = 'text';
      node.className = 'abs edit' + (flags & 16 ? ' frameless' : '');
      node.readOnly = !!(flags & 2);
      node.spellcheck = false;
      node.autocomplete = 'off';
      node.setAttribute('aria-label', nameOf(row));
      const i = fieldIndex(row.name);
      node.addEventListener('input', () => { page.typed(i, node.value); afterEvent(); });
      // As on the desktop, a field entered selects nothing and shows its start.
      node.addEventListener('focus', () => { node.setSelectionRange(0, 0); node.scrollLeft = 0; });
      break;
    }
    case 'button':
      node = document.createElement('button');
      node.type = 'button';
      node.className = 'abs button';
      node.textContent = row.caption;
      if (layout.names[row.name])
        node.setAttribute('aria-label', layout.names[row.name]);
      break;
    case 'check': {
      node = document.createElement('label');
      node.className = 'abs check';
      const box = document.createElement('input');
      box.type = 'checkbox';
      box.checked = !!(flags & 32);
      node.appendChild(box);
      if (!(flags & 128) && row.caption) {
        const text = document.createElement('span');
        text.textContent = row.caption;
        node.appendChild(text);
      } else {
        box.setAttribute('aria-label', nameOf(row));
      }
      box.addEventListener('change', () => { page.tick(OPTIONS[row.name], box.checked); checked(row.name, box); });
      node.box = box;
      break;
    }
    case 'vbar':
    case 'hbar':
      node = document.createElement('div');
      node.className = 'abs';
      node.setAttribute('aria-label', nameOf(row));
      node.setAttribute('aria-controls', BAR_FIELDS[row.name]);
      bars[row.name] = new ScrollBar(node, row, value => { page.scrolled(BARS[row.name], value); afterEvent(); });
      break;
    case 'dial':
      node = makeDial(row);
      break;
    case 'chart':
      node = makeChart(row);
      break;
    case 'bearing':
      node = document.createElement('canvas');
      node.className = 'bearing';
      node.style.pointerEvents = 'none';
      node.setAttribute('aria-hidden', 'true');
      break;
    case 'ship':
    case 'island':
      node = makeMarker(row);
      break;
  }
  node.id = row.name;
  if (row.tooltip)
    node.title = row.tooltip;
  if (layout.descriptions[row.name])
    node.setAttribute('aria-description', layout.descriptions[row.name]);
  el[row.name] = node;
  node.row = row;
  return node;
}

function makeDial(row) {
  const box = document.createElement('div');
  box.className = 'abs dialbox';
  const canvas = document.createElement('canvas');
  canvas.className = 'dial';
  canvas.tabIndex = 0;
  canvas.setAttribute('role', 'slider');
  canvas.setAttribute('aria-valuemin', '0');
  canvas.setAttribute('aria-valuemax', '359');
  canvas.setAttribute('aria-label', nameOf(row));
  box.appendChild(canvas);
  box.canvas = canvas;
  const which = DIALS[row.name];
  const at = e => {
    const r = canvas.getBoundingClientRect();
    return [e.clientX - r.left, e.clientY - r.top, r.width, r.height];
  };
  canvas.addEventListener('pointerdown', e => {
    e.preventDefault();
    canvas.focus();
    canvas.setPointerCapture(e.pointerId);
    page.dialPointer(which, 0, ...at(e));
    afterEvent();
  });
  canvas.addEventListener('pointermove', e => { page.dialPointer(which, 1, ...at(e)); afterEvent(); });
  for (const type of ['pointerup', 'pointercancel'])
    canvas.addEventListener(type, e => { page.dialPointer(which, 2, ...at(e)); afterEvent(); });
  canvas.addEventListener('keydown', e => {
    if (!(e.key in DIAL_KEYS))
      return;
    e.preventDefault();
    page.dialKey(which, DIAL_KEYS[e.key]);
    afterEvent();
  });
  return box;
}

function makeChart(row) {
  const box = document.createElement('div');
  box.className = 'abs chart';
  const area = document.createElement('div');
  area.className = 'abs';
  area.style.left = '0px';
  area.style.top = '0px';
  box.appendChild(area);
  box.area = area;
  const picture = document.createElement('canvas');
  picture.className = 'chartpicture';
  picture.setAttribute('aria-hidden', 'true');
  area.appendChild(picture);
  box.picture = picture;
  // The chart's own Tab stop lies over its picture, after its read-outs.
  const sea = document.createElement('div');
  sea.className = 'sea';
  sea.tabIndex = 0;
  sea.setAttribute('role', 'img');
  sea.setAttribute('aria-label', row.tooltip);
  sea.addEventListener('focus', describeChart);
  box.sea = sea;
  const ghost = document.createElement('div');
  ghost.className = 'ghost';
  ghost.hidden = true;
  box.ghost = ghost;
  return box;
}

function makeMarker(row) {
  const node = document.createElement('div');
  node.className = 'marker';
  node.tabIndex = 0;
  // A screen reader in browse mode keeps the arrows for itself on an image;
  // on a slider it hands them to the marker, which moves by them. It is
  // named once ("Schiff", "Insel") and its value is the position, which the
  // reader says after every move.
  node.setAttribute('role', 'slider');
  node.setAttribute('aria-label', nameOf(row));
  node.setAttribute('aria-valuemin', '0');
  node.setAttribute('aria-valuemax', '101');
  if (row.kind === 'ship') {
    node.canvas = document.createElement('canvas');
    node.appendChild(node.canvas);
  } else {
    const img = document.createElement('img');
    img.src = 'island.png';
    img.alt = '';
    node.appendChild(img);
  }
  const which = MARKERS[row.name];
  node.addEventListener('pointerdown', e => {
    if (e.target !== node || drag)
      return;
    e.preventDefault();
    node.focus();
    node.setPointerCapture(e.pointerId);
    drag = { node, which };
  });
  node.addEventListener('pointermove', e => dragMove(e));
  node.addEventListener('pointerup', e => dragEnd(e, true));
  node.addEventListener('pointercancel', e => dragEnd(e, false));
  node.addEventListener('keydown', e => {
    const steps = { ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, 1], ArrowDown: [0, -1] };
    if (!(e.key in steps))
      return;
    e.preventDefault();
    page.keyMove(which, ...steps[e.key], node.offsetWidth, node.offsetHeight);
    afterEvent();
    // The focused slider's new value is spoken; an announcement would repeat it.
    syncNow();
  });
  return node;
}

// ----- placing ship and island ----------------------------------------------

let drag = null;

// The point in the chart's drawing area when the pointer is over the open
// chart, not over a control lying on it.
function overOpenChart(e) {
  const chart = el.picSee;
  const hit = document.elementFromPoint(e.clientX, e.clientY);
  if (hit !== chart.sea)
    return null;
  const r = chart.area.getBoundingClientRect();
  const x = e.clientX - r.left, y = e.clientY - r.top;
  if (x < 0 || y < 0 || x >= r.width || y >= r.height)
    return null;
  return [x, y];
}

function dragMove(e) {
  if (!drag)
    return;
  const ghost = el.picSee.ghost;
  const p = overOpenChart(e);
  if (!p) {
    ghost.hidden = true;
    return;
  }
  Object.assign(ghost.style, { left: p[0] + 'px', top: p[1] + 'px',
    width: drag.node.offsetWidth + 'px', height: drag.node.offsetHeight + 'px' });
  ghost.hidden = false;
  page.dragOver(drag.which, p[0], p[1]);
  afterEvent();
}

function dragEnd(e, drop) {
  if (!drag)
    return;
  const { node, which } = drag;
  drag = null;
  el.picSee.ghost.hidden = true;
  const p = drop ? overOpenChart(e) : null;
  if (p) {
    page.dragDrop(which, p[0], p[1]);
    afterEvent();
    placed(node);
  }
}

function placed(node) {
  syncNow();
  announce(node === el.image1 ? page.shipText() : page.islandText());
}

// ----- the window -------------------------------------------------------------

function build() {
  const client = document.getElementById('client');
  const parents = { client };
  const later = [];
  for (const row of layout.controls) {
    const node = make(row);
    parents[row.name] = node;
    const parent = parents[row.parent];
    if (row.kind === 'label') {
      parent.insertBefore(node, parent.querySelector(':scope > :not(.label):not(.caption)'));
      continue;
    }
    if (row.kind === 'letter') {
      parent.appendChild(node);
      continue;
    }
    if (row.parent === 'picSee') {
      later.push(node);
      continue;
    }
    // The island's check box lies on the island, but beside it in the page:
    // a control inside the marker would hide from a screen reader in its picture.
    if (row.parent === 'image2') {
      node.classList.add('onmarker');
      later.push(node);
      continue;
    }
    parent.appendChild(node);
  }
  // The chart's children in reading order: the bearing line under all, the
  // read-outs and the button, the chart's own stop, the island, the ship.
  const area = el.picSee.area;
  area.appendChild(el.linpeil);
  for (const name of ['txtAbstand', 'Command4', 'txtFdW', 'txtReiseweg'])
    area.appendChild(el[name]);
  area.appendChild(el.picSee.sea);
  area.appendChild(el.image2);
  area.appendChild(el.image1);
  area.appendChild(el.picSee.ghost);
  for (const node of later)
    if (!node.parentNode)
      area.appendChild(node);
  orderPanels();
  wire();
  buildMenu();
}

// Within each panel, Tab follows the design's reading order.
function orderPanels() {
  const client = document.getElementById('client');
  for (const name of ['Frame3', 'Frame4', 'Frame2', 'picSee'])
    client.appendChild(el[name]);
  for (const name of layout.tabOrder) {
    const node = el[name];
    if (!node || !node.parentNode || node.row.parent === 'picSee' || node.row.parent === 'image2')
      continue;
    node.parentNode.appendChild(node);
  }
}

function wire() {
  const click = (name, action) => el[name].addEventListener('click', () => { action(); afterEvent(); });
  click('Command1', () => {
    page.timeStep();
    if (page.runDepth() === 0) {
      syncNow();
      announce(page.stepReport());
    }
  });
  click('cmdFahrt', () => { page.fahrt(); pump(); });
  click('cmdStop', () => page.stop());
  click('Command2', () => { page.clearCounters(); announce(page.countersClearedReport()); });
  click('Command4', () => page.redrawChart());
}

function checked(name, box) {
  afterEvent();
  // Said after the box's own state, which a screen reader speaks first and
  // would otherwise take the announcement for.
  if (name === 'chkPeil' && box.checked && page.bearing())
    setTimeout(() => announce(page.bearingText()), 250);
}

function buildMenu() {
  const bar = document.getElementById('menubar');
  const items = layout.menu.map((entry, i) => {
    const item = document.createElement('button');
    item.type = 'button';
    item.id = entry.name;
    item.setAttribute('role', 'menuitem');
    item.textContent = entry.caption;
    item.tabIndex = i === 0 ? 0 : -1;
    if (entry.name === 'cmdc')
      item.setAttribute('aria-label', layout.creditsItem);
    bar.appendChild(item);
    return item;
  });
  bar.addEventListener('keydown', e => {
    const i = items.indexOf(document.activeElement);
    const next = { ArrowRight: 1, ArrowLeft: -1 }[e.key];
    if (i < 0 || !next)
      return;
    e.preventDefault();
    const j = (i + next + items.length) % items.length;
    items[i].tabIndex = -1;
    items[j].tabIndex = 0;
    items[j].focus();
  });
  const on = (name, action) => document.getElementById(name).addEventListener('click', () => { action(); afterEvent(); });
  on('cmdStart', () => { page.startState(); syncNow(); announce(page.startStateReport()); });
  on('cmdEtap', () => { page.clearCounters(); announce(page.countersClearedReport()); });
  on('cmdend', endVoyage);
  on('cmdc', showCredits);
  document.getElementById('credits-title').textContent = layout.creditsTitle;
  document.getElementById('credits-text').textContent = layout.creditsText;
}

function showCredits() {
  const dialog = document.getElementById('credits');
  if (dialog.open)
    return;
  const back = document.activeElement;
  dialog.addEventListener('close', () => { if (back && back.focus) back.focus(); }, { once: true });
  dialog.showModal();
}

function endVoyage() {
  page.end();
  ended = true;
  clearTimeout(pumpTimer);
  document.getElementById('menubar').hidden = true;
  document.getElementById('client').hidden = true;
  const notice = document.getElementById('ended');
  notice.hidden = false;
  document.title = 'Vendral – beendet';
}

function placeAll() {
  const bar = document.getElementById('menubar');
  const client = document.getElementById('client');
  // As the desktop lays itself out for the screen it covers, the page is laid
  // out for the whole viewport, the menu bar included.
  const w = Math.max(1, window.innerWidth), h = Math.max(1, window.innerHeight - bar.offsetHeight);
  layout = JSON.parse(module.layout(w, Math.max(1, window.innerHeight)));
  client.style.width = w + 'px';
  client.style.height = h + 'px';
  document.body.style.font = font(layout.windowFont, false);
  for (const row of layout.controls) {
    const node = el[row.name];
    node.row = row;
    if (row.kind === 'bearing' || row.kind === 'ship' || row.kind === 'island') {
      if (row.kind !== 'bearing') {
        node.style.width = row.w + 'px';
        node.style.height = row.h + 'px';
        if (row.kind === 'island')
          node.firstChild.style.imageRendering = 'auto';
      }
      continue;
    }
    Object.assign(node.style, { left: row.x + 'px', top: row.y + 'px', width: row.w + 'px', height: row.h + 'px' });
    node.style.font = font(row.font, !!(row.flags & 4));
    if (row.kind === 'edit' || row.kind === 'label' || row.kind === 'letter')
      node.style.textAlign = row.flags & 1 ? 'center' : 'left';
    if (row.back)
      node.style.background = row.text ? readable(row.back, row.text) : row.back;
    if (row.text)
      node.style.color = row.text;
  }
  const [cw, ch] = layout.chartArea;
  const b = layout.border;
  Object.assign(el.picSee.area.style, { left: b + 'px', top: b + 'px', width: cw + 'px', height: ch + 'px' });
  sizeCanvas(el.picSee.picture, cw, ch);
  sizeCanvas(el.linpeil, cw, ch);
  Object.assign(el.picSee.sea.style, { width: cw + 'px', height: ch + 'px' });
  for (const name of Object.keys(DIALS)) {
    const row = layout.controls.find(r => r.name === name);
    Object.assign(el[name].canvas.style, { left: b + 'px', top: b + 'px' });
    sizeCanvas(el[name].canvas, Math.max(1, row.w - 2 * b), Math.max(1, row.h - 2 * b));
  }
  for (const bar of Object.values(bars))
    bar.show();
  if (el.image1.canvas)
    sizeCanvas(el.image1.canvas, el.image1.offsetWidth || 1, el.image1.offsetHeight || 1);
  return [cw, ch];
}

// ----- showing what changed ---------------------------------------------------

function syncFields() {
  for (let i = 0; i < FIELD_NAMES.length; ++i) {
    const input = el[FIELD_NAMES[i]];
    const text = page.text(i);
    if (input.value === text)
      continue;
    // A field being typed in keeps the caret where the user has it.
    input.value = text;
    if (document.activeElement !== input)
      input.setSelectionRange(0, 0);
  }
  for (const [name, i] of Object.entries(OPTIONS))
    el[name].box.checked = page.ticked(i);
}

function paintDial(name) {
  const canvas = el[name].canvas;
  const ctx = canvas.getContext('2d');
  const w = parseFloat(canvas.style.width), h = parseFloat(canvas.style.height);
  replay(ctx, page.dialDrawings(DIALS[name], w, h), '', '', false);
  const d = page.dial(DIALS[name]);
  if (d) {
    canvas.setAttribute('aria-valuenow', d[2]);
    canvas.setAttribute('aria-valuetext', unnamed(canvas, page.dialText(DIALS[name])));
  }
}

function paintShip() {
  const canvas = el.image1.canvas;
  const w = el.image1.offsetWidth, h = el.image1.offsetHeight;
  sizeCanvas(canvas, w, h);
  replay(canvas.getContext('2d'), page.shipDrawings(w, h), '', '', false);
}

function placeMarkers() {
  for (const [name, i] of Object.entries(MARKERS)) {
    const node = el[name];
    node.style.left = page.markerPixel(i, false) + 'px';
    node.style.top = page.markerPixel(i, true) + 'px';
  }
  for (const node of el.picSee.area.querySelectorAll('.onmarker')) {
    node.style.left = page.markerPixel(MARKERS.image2, false) + node.row.x + 'px';
    node.style.top = page.markerPixel(MARKERS.image2, true) + node.row.y + 'px';
  }
  // The value changes with either coordinate (x, then y in thousandths), so
  // that a reader hears a move up or down as well as one to the side.
  const sm = field => Math.min(Math.max(Math.round(parseFloat(page.text(fieldIndex(field))) || 0), 0), 100);
  for (const [node, text, x, y] of [[el.image1, page.shipText(), 'txtSchiffx', 'txtSchiffy'],
    [el.image2, page.islandText(), 'txtInselx', 'txtInsely']]) {
    node.setAttribute('aria-valuetext', unnamed(node, text));
    node.setAttribute('aria-valuenow', String(sm(x) + sm(y) / 1000));
  }
}

function paintBearing() {
  const canvas = el.linpeil;
  const ctx = canvas.getContext('2d');
  ctx.clearRect(0, 0, canvas.width, canvas.height);
  const line = page.bearing();
  if (!line)
    return;
  ctx.strokeStyle = 'rgb(255,140,0)';
  ctx.lineWidth = 1;
  ctx.beginPath();
  ctx.moveTo(line[0], line[1]);
  ctx.lineTo(line[2], line[3]);
  ctx.stroke();
}

// The chart's summary, set before the chart is reached so that it is read once.
function describeChart() {
  const summary = page.chartSummary();
  if (el.picSee.sea.getAttribute('aria-description') !== summary)
    el.picSee.sea.setAttribute('aria-description', summary);
}

function syncNow() {
  const changes = page.takeChanges() | (dirtyAll ? 0xff : 0);
  const all = dirtyAll;
  dirtyAll = false;
  if (changes & CHANGE.chart || all) {
    const picture = el.picSee.picture;
    replay(picture.getContext('2d'), page.chartDrawings(), page.chartTexts(), font(el.picSee.row.font, false), true);
    page.chartReplayed();
  }
  if (changes & CHANGE.fields)
    syncFields();
  if (changes & (CHANGE.fields | CHANGE.markers | CHANGE.course) && page.runDepth() === 0)
    describeChart();
  if (changes & (CHANGE.course | CHANGE.markers)) {
    placeMarkers();
  }
  if (changes & CHANGE.course) {
    paintDial('picFahrt');
    paintShip();
  }
  if (changes & CHANGE.current)
    paintDial('picStrom');
  if (changes & (CHANGE.bearing | CHANGE.markers))
    paintBearing();
  const end = page.takeRunEnd();
  if (end) {
    const nl = end.indexOf('\n');
    announce(end.slice(nl + 1));
  }
}

function frame() {
  frameAsked = false;
  if (!ended)
    syncNow();
}

function afterEvent() {
  if (!frameAsked) {
    frameAsked = true;
    requestAnimationFrame(frame);
  }
}

// Runs go on in slices of a few milliseconds; between them the page handles
// input and paints.
const channel = new MessageChannel();
channel.port1.onmessage = () => slice();

function pump() {
  clearTimeout(pumpTimer);
  pumpTimer = 0;
  channel.port2.postMessage(0);
}

function slice() {
  if (ended)
    return;
  const next = page.advance(8);
  afterEvent();
  if (next < 0)
    return;
  clearTimeout(pumpTimer);
  if (next === 0)
    channel.port2.postMessage(0);
  else
    pumpTimer = setTimeout(pump, next);
}

async function start() {
  module = await window.Vendral();
  FIELD_NAMES.push(...module.fieldNames());
  page = new module.Page();
  layout = JSON.parse(module.layout(window.innerWidth, window.innerHeight));
  build();
  try {
    await document.fonts.load(font(12, false));
    await document.fonts.load(font(12, true));
  } catch (e) { /* the fallback font serves */ }
  const [cw, ch] = placeAll();
  page.startUp(cw, ch, bars.hscstromv.value);
  syncNow();
  window.addEventListener('resize', () => {
    if (ended)
      return;
    const [w, h] = placeAll();
    page.resizeChart(w, h);
    dirtyAll = true;
    afterEvent();
  });
  document.body.dataset.ready = '1';
  // When the first complete picture reaches the screen, for the benchmark.
  requestAnimationFrame(() => { pictureAt = performance.now(); });
}

let pictureAt = 0;
window.vendralPage = {
  get page() { return page; },
  syncNow,
  get pictureAt() { return pictureAt; },
  get memoryBytes() { return module && module.HEAP8 ? module.HEAP8.length : 0; },
};
start();
