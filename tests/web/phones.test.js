// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page on phones and tablets, in Chromium's device emulation with touch;
// a link to a moment; the page's Content-Security-Policy. The sizes to reach
// and the thresholds (captions of 11 CSS px, targets of 24) are the design's
// figures, never the layout code's.
"use strict";

const { before, after } = require("node:test");
const assert = require("node:assert/strict");
const fs = require("node:fs");
const { launch, serve, fileUrl, test } = require("./browser.js");

let chromium;
before(async () => { chromium = await launch(); });
after(async () => { await chromium.close(); });

// Phones with touch are emulated by Chromium alone: puppeteer drives Firefox
// through WebDriver BiDi, which has no touch emulation, and WebKitGTK's
// WebDriver sizes a desktop window, with a mouse for its pointer.
test.skip("Firefox: phones and tablets with touch need device emulation, which its driver lacks");
test.skip("WebKit: phones and tablets with touch need device emulation, which its WebDriver lacks");

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// A phone or a tablet: touch, a coarse pointer, two device pixels a CSS pixel.
const device = (width, height) => ({ width, height, isMobile: true, hasTouch: true, deviceScaleFactor: 2 });

async function openOn(size, address = fileUrl) {
  const page = (await chromium.newPage()).page;
  await page.setViewport(device(...size));
  await page.goto(address);
  await page.waitForSelector("body[data-ready]");
  return page;
}

async function withDevice(size, fn, address) {
  const page = await openOn(size, address);
  try {
    return await fn(page);
  } finally {
    await page.close();
  }
}

// Where things are, in CSS pixels of the page (scrolled or not).
function measure(page) {
  return page.evaluate(() => {
    const box = (e) => {
      const r = e.getBoundingClientRect();
      return { x: r.x + scrollX, y: r.y + scrollY, w: r.width, h: r.height };
    };
    const byId = (id) => box(document.getElementById(id));
    const shown = [...document.querySelectorAll("#stage .control, #stage text, #stage circle, #stage line, #stage image")]
      .filter((e) => e.getAttribute("visibility") !== "hidden" && !(e.tagName === "line" && e.getAttribute("x1") === e.getAttribute("x2") && e.getAttribute("y1") === e.getAttribute("y2")))
      .map((e) => ({ id: e.id || e.textContent, ...box(e) }));
    return {
      ring: byId("Shape1"), chart: byId("Image1"), legend: byId("Frame2"), speeds: byId("Frame1"),
      R1: byId("Label1(0)"), R2: byId("Label1(1)"), Y2: byId("Label1(3)"), B2: byId("Label1(5)"),
      play: byId("cmdPlay"), readOut: byId("lblAngle"),
      scroll: [document.documentElement.scrollWidth, document.documentElement.scrollHeight],
      view: [innerWidth, innerHeight], shown,
    };
  });
}

// Every caption's height in CSS pixels: a painted label's font size through
// its drawing's scale, a control's from its style.
function captionSizes(page) {
  return page.evaluate(() => {
    const sizes = [];
    for (const t of document.querySelectorAll("#stage text")) {
      if (!t.textContent.trim()) continue;
      sizes.push([t.textContent, Number(t.getAttribute("font-size")) * t.getScreenCTM().d]);
    }
    for (const e of document.querySelectorAll("#stage legend, #stage label.option, #stage button, #stage input[type=text]")) {
      const text = e.textContent.trim() || e.value || e.getAttribute("aria-label");
      if (e.id === "cmdAbout") continue;
      sizes.push([text, parseFloat(getComputedStyle(e).fontSize)]);
    }
    return sizes;
  });
}

// What answers a touch, found by probing: from the middle of each drawn
// control, how far up, down, left and right a touch still reaches it.
function targets(page) {
  return page.evaluate(async () => {
    const controls = ["cmdPlay", "optSlow", "optMed", "optFast", "txtAngle", "cmdAngle", "cmdAbout"];
    const out = {};
    for (const id of controls) {
      const input = document.getElementById(id);
      const target = input.type === "radio" ? input.closest("label") : input;
      target.scrollIntoView({ block: "center", inline: "center" });
      await new Promise((r) => requestAnimationFrame(r));
      const r = target.getBoundingClientRect();
      const cx = r.x + r.width / 2, cy = r.y + r.height / 2;
      const hits = (x, y) => { const e = document.elementFromPoint(x, y); return !!e && (e === target || target.contains(e)); };
      const reach = (dx, dy) => { let n = 0; while (n < 200 && hits(cx + dx * (n + 1), cy + dy * (n + 1))) ++n; return n; };
      const up = reach(0, -1), down = reach(0, 1), left = reach(-1, 0), right = reach(1, 0);
      out[id] = { x: cx - left + scrollX, y: cy - up + scrollY, w: left + right + 1, h: up + down + 1, hit: hits(cx, cy) };
    }
    scrollTo(0, 0);
    return out;
  });
}

const inside = (a, view) => a.x >= -0.5 && a.y >= -0.5 && a.x + a.w <= view[0] + 0.5 && a.y + a.h <= view[1] + 0.5;
const overlap = (a, b) => a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;

// The sizes students hold, and what each must reach: the outer ring's and
// the chart's widths, and whether all of it fits on one screen.
const sizes = [
  { name: "a phone held upright", size: [390, 844], ring: 300, chart: 300, oneScreen: true },
  { name: "a small phone held upright", size: [360, 640], ring: 280, chart: 280, oneScreen: false },
  { name: "a tablet held upright", size: [768, 1024], ring: 400, chart: 320, oneScreen: true },
  { name: "a phone held sideways", size: [844, 390], ring: 240, chart: 200, oneScreen: true },
  { name: "a tablet held sideways", size: [1024, 768], ring: 0, chart: 0, oneScreen: true },
];

for (const s of sizes) {
  test(`${s.name} (${s.size.join(" x ")}): sizes, captions, targets`, () => withDevice(s.size, async (page) => {
    const m = await measure(page);
    const at = `${s.size.join("x")}`;
    assert.ok(m.ring.w >= s.ring, `${at}: the outer ring is ${m.ring.w} px wide`);
    assert.ok(m.chart.w >= s.chart, `${at}: the chart is ${m.chart.w} px wide`);
    // A circle stays a circle, and the stator is never turned or mirrored.
    assert.ok(Math.abs(m.ring.w - m.ring.h) <= 1, `${at}: the ring is ${m.ring.w} by ${m.ring.h}`);
    assert.ok(m.R1.y < m.R2.y && m.Y2.x < m.B2.x, `${at}: R1 over R2, Y2 left of B2`);
    // Only up and down, if at all.
    assert.ok(m.scroll[0] <= m.view[0], `${at}: ${m.scroll[0]} px wide in ${m.view[0]}`);
    for (const e of m.shown) {
      assert.ok(e.x >= -0.5 && e.x + e.w <= m.view[0] + 0.5, `${at}: ${e.id} reaches past the sides`);
    }
    if (s.oneScreen) {
      assert.ok(m.scroll[1] <= m.view[1], `${at}: ${m.scroll[1]} px tall in ${m.view[1]}`);
      const out = m.shown.filter((e) => !inside(e, m.view)).map((e) => e.id);
      assert.deepEqual(out, [], `${at}: off the screen`);
    }
    for (const [text, px] of await captionSizes(page)) assert.ok(px >= 11 - 0.01, `${at}: "${text}" is ${px} px tall`);
    await page.evaluate(fs.readFileSync(require.resolve("axe-core/axe.min.js"), "utf8"));
    const { violations } = await page.evaluate(() => axe.run());
    assert.deepEqual(violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(" ")}`), [], `${at}: axe-core`);
    const t = await targets(page);
    const names = Object.keys(t);
    for (const id of names) {
      assert.ok(t[id].hit && t[id].w >= 24 && t[id].h >= 24, `${at}: ${id}'s target is ${t[id].w} x ${t[id].h}`);
      for (const other of names) {
        if (other > id) assert.ok(!overlap(t[id], t[other]), `${at}: ${id} and ${other} overlap`);
      }
    }
  }));
}

// Types into the box with the on-screen keyboard's Go (Enter), or taps Set Angle.
async function tapAngle(page, text, byGo) {
  await page.tap("#txtAngle");
  await page.$eval("#txtAngle", (e) => e.select());
  await page.keyboard.type(text);
  if (byGo) await page.keyboard.press("Enter");
  else await page.tap("#cmdAngle");
  return page.$eval("#lblAngle", (e) => e.textContent);
}

const state = (page) => page.evaluate(() => ({
  play: document.getElementById("cmdPlay").textContent,
  box: document.getElementById("txtAngle").value,
  readOut: document.getElementById("lblAngle").textContent,
  speed: ["optSlow", "optMed", "optFast"].filter((id) => document.getElementById(id).checked),
  cursor: Number(document.getElementById("LineX").getAttribute("x1")),
}));

for (const size of [[390, 844], [844, 390], [768, 1024]]) {
  test(`every control works by touch at ${size.join(" x ")}`, () => withDevice(size, async (page) => {
    assert.equal(await page.$eval("#txtAngle", (e) => e.enterKeyHint), "go");
    assert.equal(await page.evaluate(() => getComputedStyle(document.documentElement).touchAction), "manipulation");
    assert.match(await page.$eval("meta[name=viewport]", (e) => e.content), /width=device-width/);
    await page.tap("#cmdPlay");
    assert.equal((await state(page)).play, "Pause");
    await page.tap("#cmdPlay");
    assert.equal((await state(page)).play, "Play");
    // A tap on the option's caption, and one just above its drawn circle
    // and caption, within the 24 px a target has. (Chromium also moves a
    // tap that misses onto the nearest control; the probing above does not.)
    await page.tap("label:has(#optFast)");
    assert.deepEqual((await state(page)).speed, ["optFast"]);
    const slow = await page.$eval("label:has(#optSlow)", (e) => { e.scrollIntoView({ block: "center" }); const r = e.getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2 - 11]; });
    await page.touchscreen.tap(...slow);
    assert.deepEqual((await state(page)).speed, ["optSlow"]);
    assert.equal(await tapAngle(page, "90", true), "90 deg.");
    assert.equal(await tapAngle(page, "270", false), "270 deg.");
    await page.tap("#cmdAbout");
    assert.equal(await page.$eval("#about", (d) => d.open), true);
    await page.tap("#about button");
    assert.equal(await page.$eval("#about", (d) => d.open), false);
  }));
}

test("turning the device lays the page out again, and the animation goes on", () => withDevice([390, 844], async (page) => {
  await page.evaluate(() => { window.notReloaded = true; });
  await page.tap("label:has(#optFast)");
  await page.tap("#cmdPlay");
  const steps = [
    { size: [390, 844], stator: "above" }, { size: [844, 390], stator: "left" }, { size: [390, 844], stator: "above" },
    // The browser's bars come and go.
    { size: [390, 760], stator: "above" },
    { size: [1024, 768], stator: "designed" }, { size: [768, 1024], stator: "above" },
  ];
  for (const { size, stator } of steps) {
    // Someone is typing: the box keeps the focus, and a phone its keyboard.
    await page.focus("#txtAngle");
    await page.setViewport(device(...size));
    await sleep(100);
    const m = await measure(page);
    const at = size.join("x");
    assert.equal(await page.evaluate(() => document.activeElement.id), "txtAngle", `${at}: the box keeps the focus`);
    if (stator === "above") assert.ok(m.ring.y + m.ring.h <= m.chart.y, `${at}: the stator above the chart`);
    if (stator === "left") assert.ok(m.ring.x + m.ring.w <= m.chart.x && m.ring.h > m.view[1] / 2, `${at}: the stator on the left`);
    if (stator === "designed") {
      // The designed window, scaled: Play at 616, 552 of 1010 x 734 pixels.
      const scale = Math.min(size[0] / 1010, size[1] / 734);
      const left = (size[0] - 1010 * scale) / 2, top = (size[1] - 734 * scale) / 2;
      assert.ok(Math.abs(m.play.x - (left + 616 * scale)) <= 1 && Math.abs(m.play.y - (top + 552 * scale)) <= 1,
        `${at}: Play at ${m.play.x}, ${m.play.y}`);
    }
    assert.ok(Math.abs(m.ring.w - m.ring.h) <= 1, `${at}: the ring stays round`);
    const before = (await state(page)).cursor;
    await sleep(200);
    const after = await state(page);
    assert.equal(after.play, "Pause", `${at}: still playing`);
    assert.notEqual(after.cursor, before, `${at}: the cursor moves`);
  }
  assert.equal(await page.evaluate(() => window.notReloaded), true);
}));

// Links, and what the page shows when it opens with them: the box, the
// read-out, the speed chosen, and whether it plays.
const links = [
  ["?angle=90", { box: "90", readOut: "90 deg.", speed: ["optMed"], play: "Play" }],
  ["?angle=1000", { box: "640", readOut: "640 deg.", speed: ["optMed"], play: "Play" }],
  ["?angle=90&speed=fast&play", { box: "90", speed: ["optFast"], play: "Pause" }],
  ["?speed=slow", { box: "60", readOut: "Angle", speed: ["optSlow"], play: "Play" }],
  ["?locale=de&angle=270&speed=medium", { box: "270", readOut: "270°", speed: ["optMed"], play: "Start" }],
  // Of a repeated key, the first counts.
  ["?angle=270&angle=90&speed=slow&speed=fast", { box: "270", readOut: "270 deg.", speed: ["optSlow"], play: "Play" }],
  // Nonsense is ignored, or goes through Set Angle's rules as typed text
  // would: it does not convert, so the angle stays at the start's 0.
  ["?speed=warp&Angle=10&foo=bar&angle=12abc", { box: "12abc", readOut: "0 deg.", speed: ["optMed"], play: "Play" }],
  ["?angle=%3Cimg%20src%3Dx%20onerror%3Dalert(1)%3E",
    { box: "<img src=x onerror=alert(1)>", readOut: "0 deg.", speed: ["optMed"], play: "Play" }],
  ["?angle=<b>7</b>&play=no", { box: "<b>7</b>", speed: ["optMed"], play: "Pause" }],
  ["?%00=%FF&angle=%E2%80%AE90&=&&speed", { box: "\u202e90", speed: ["optMed"], play: "Play" }],
];

async function checkLinks(base) {
  for (const [query, want] of links) {
    const page = (await chromium.newPage()).page;
    const dialogs = [];
    page.on("dialog", (d) => { dialogs.push(d.message()); d.dismiss(); });
    try {
      await page.goto(base + query);
      await page.waitForSelector("body[data-ready]");
      const s = await state(page);
      for (const [key, value] of Object.entries(want)) assert.deepEqual(s[key], value, `${query}: ${key}`);
      const markup = await page.evaluate(() => document.querySelectorAll("img:not(#cmdAbout img), b, script:not([src])").length);
      assert.equal(markup, 0, `${query}: markup from the address`);
      assert.deepEqual(dialogs, [], `${query}: a dialog`);
    } finally {
      await page.close();
    }
  }
}

test("a link opens at a moment, from a file", () => checkLinks(fileUrl));

test("a link opens at a moment, over http, and offline after the first visit", async () => {
  const server = await serve();
  let page;
  try {
    await checkLinks(server.url);
    page = (await chromium.newPage()).page;
    await page.goto(server.url);
    await page.evaluate(() => navigator.serviceWorker.ready);
  } finally {
    await server.close();
  }
  try {
    await page.goto(server.url + "index.html?angle=90&speed=slow");
    await page.waitForSelector("body[data-ready]", { timeout: 10000 });
    const s = await state(page);
    assert.deepEqual([s.box, s.readOut, s.speed], ["90", "90 deg.", ["optSlow"]]);
    assert.ok(await page.evaluate(() => document.documentElement.hasAttribute("data-arrangement")), "the layout ran");
  } finally {
    await page.close();
  }
});

test("a long address is not trusted for the box's size", () => withDevice([390, 844], async (page) => {
  assert.ok((await state(page)).box.length < 1000);
}, fileUrl + "?angle=" + "9".repeat(100000)));

// The policy's reports, and a script and a picture from elsewhere that it
// must refuse, from a file and over http.
async function checkPolicy(address) {
  const page = (await chromium.newPage()).page;
  const messages = [];
  page.on("console", (m) => { if (/Content Security Policy/i.test(m.text())) messages.push(m.text()); });
  await page.evaluateOnNewDocument(() => {
    window.violations = [];
    document.addEventListener("securitypolicyviolation", (e) => window.violations.push(e.violatedDirective + " " + e.blockedURI));
  });
  try {
    await page.goto(address);
    await page.waitForSelector("body[data-ready]");
    await page.click("#cmdAngle");
    await page.click("#cmdPlay");
    await sleep(200);
    await page.click("#cmdAbout");
    await page.click("#about button");
    assert.deepEqual(await page.evaluate(() => window.violations), [], address);
    assert.deepEqual(messages, [], address);
    const refused = await page.evaluate(async () => {
      const script = document.createElement("script");
      script.textContent = "window.ranInline = true";
      document.head.append(script);
      const img = new Image();
      const loaded = new Promise((r) => { img.onload = () => r("loaded"); img.onerror = () => r("refused"); });
      img.src = "http://127.0.0.2:9/elsewhere.png";
      return { inline: window.ranInline === true, img: await loaded, reports: window.violations.length };
    });
    assert.deepEqual(refused, { inline: false, img: "refused", reports: 2 }, address);
  } finally {
    await page.close();
  }
}

test("the page's policy refuses anything beyond its own files and reports nothing of its own", async () => {
  await checkPolicy(fileUrl);
  const server = await serve();
  try {
    await checkPolicy(server.url);
  } finally {
    await server.close();
  }
});

test("embedded in a course page, the page fits its frame", async () => {
  const server = await serve();
  const page = (await chromium.newPage()).page;
  try {
    await page.setViewport({ width: 1000, height: 800 });
    // A page of the same site stands for the course page.
    await page.goto(server.url);
    await page.waitForSelector("body[data-ready]");
    const fit = await page.evaluate(async (src) => {
      document.body.innerHTML = "";
      const frame = document.createElement("iframe");
      frame.style.cssText = "width: 600px; height: 400px; border: 0";
      frame.src = src;
      document.body.append(frame);
      await new Promise((r) => { frame.onload = r; });
      const doc = frame.contentDocument;
      while (!doc.body.hasAttribute("data-ready")) await new Promise((r) => setTimeout(r, 20));
      const r = doc.querySelector("main").getBoundingClientRect();
      return { main: [r.x, r.y, r.width, r.height], box: doc.getElementById("txtAngle").value,
        scroll: [doc.documentElement.scrollWidth, doc.documentElement.scrollHeight] };
    }, server.url + "index.html?angle=90");
    // 400 px tall holds the designed 1010 x 734 at 400 / 734, centred across.
    const w = 1010 * 400 / 734;
    [(600 - w) / 2, 0, w, 400].forEach((v, i) => assert.ok(Math.abs(fit.main[i] - v) <= 1, `main at ${fit.main}`));
    assert.deepEqual(fit.scroll, [600, 400]);
    assert.equal(fit.box, "90");
  } finally {
    await page.close();
    await server.close();
  }
});

// Upright phones whose page scrolls: Play, the box, Set Angle and About stay
// on the screen wherever it is scrolled to, at their size, over no other
// control.
test("on an upright phone the row of Play stays in reach and covers no control", () => withDevice([360, 640], async (page) => {
  const row = ["cmdPlay", "txtAngle", "cmdAngle", "cmdAbout"];
  const height = await page.evaluate(() => document.documentElement.scrollHeight);
  assert.ok(height > 640, "the page scrolls");
  for (const y of [0, (height - 640) / 3, height - 640]) {
    const m = await page.evaluate(async (y, row) => {
      window.scrollTo(0, y);
      await new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r)));
      const rect = (e) => e.getBoundingClientRect();
      const inRow = row.map((id) => document.getElementById(id));
      const others = [...document.querySelectorAll("#stage .control, #stage input, button, select")]
        .filter((e) => !inRow.includes(e) && !inRow.some((r) => r.contains(e)) && e.getClientRects().length);
      const overlap = (a, b) => a.left < b.right - 0.5 && b.left < a.right - 0.5 && a.top < b.bottom - 0.5 && b.top < a.bottom - 0.5;
      return {
        row: inRow.map((e) => ({ id: e.id, top: rect(e).top, bottom: rect(e).bottom, w: rect(e).width, h: rect(e).height,
          font: parseFloat(getComputedStyle(e).fontSize) })),
        covered: others.filter((o) => inRow.some((e) => overlap(rect(e), rect(o)))).map((o) => o.id || o.tagName),
      };
    }, y, row);
    for (const c of m.row) {
      assert.ok(c.top >= 0 && c.bottom <= 640, `${c.id} on screen at scroll ${y}: ${c.top}..${c.bottom}`);
      assert.ok(c.w >= 24 && c.h >= 24, `${c.id} ${c.w} x ${c.h}`);
      if (c.id !== "cmdAbout") assert.ok(c.font >= 11, `${c.id} caption ${c.font} px`);
    }
    assert.deepEqual(m.covered, [], `at scroll ${y}`);
  }
}));

test("where less motion is asked for, a link's play waits for the student's Play", async () => {
  const page = (await chromium.newPage()).page;
  try {
    await page.emulateMediaFeatures([{ name: "prefers-reduced-motion", value: "reduce" }]);
    await page.goto(fileUrl + "?angle=90&play");
    await page.waitForSelector("body[data-ready]");
    await sleep(300);
    const state = () => page.evaluate(() => [document.getElementById("cmdPlay").textContent,
      document.querySelector("#lblAngle text").textContent]);
    assert.deepEqual(await state(), ["Play", "90 deg."]);
    await page.click("#cmdPlay");
    await sleep(300);
    const [caption, readOut] = await state();
    assert.equal(caption, "Pause");
    assert.notEqual(readOut, "90 deg.", "the student's Play starts it");
  } finally {
    await page.close();
  }
});
