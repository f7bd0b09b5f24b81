// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The built page in Chromium, Firefox and WebKitGTK, from a file and from a
// web server. Expected values are the designed ones and the reference
// frames, never the page's own code.
"use strict";

const { describe, before, after } = require("node:test");
const assert = require("node:assert/strict");
const { execFileSync } = require("node:child_process");
const fs = require("node:fs");
const path = require("node:path");
const { engines, names, launch, serve, open, fileUrl, sleep, typeInBox, test } = require("./browser.js");

const root = path.resolve(__dirname, "../..");

const marks = ["Lr1", "Lr2", "Dr", "Lrr1", "Lrr2", "Drr", "Ly1", "Ly2", "Dy", "Lyy1", "Lyy2", "Dyy",
  "Lb1", "Lb2", "Db", "Lbb1", "Lbb2", "Dbb"];

function scene(page) {
  return page.evaluate((marks) => {
    const line = (id) => ["x1", "y1", "x2", "y2"].map((a) => Number(document.getElementById(id).getAttribute(a)));
    const shown = {};
    for (const m of marks) shown[m] = getComputedStyle(document.getElementById(m)).visibility === "visible";
    return {
      play: document.getElementById("cmdPlay").textContent,
      box: document.getElementById("txtAngle").value,
      readOut: document.getElementById("lblAngle").textContent,
      announce: document.getElementById("announce").textContent,
      LineX: line("LineX"), LineR: line("LineR"), LineY: line("LineY"), LineB: line("LineB"), LineW: line("LineW"),
      shown,
    };
  }, marks);
}

// Types into the box as a user would, then clicks Set Angle.
async function setAngle(page, text, byEnter = false) {
  await typeInBox(page, text);
  if (byEnter) await page.keyboard.press("Enter");
  else await page.click("#cmdAngle");
  return scene(page);
}

// The reference frame of one angle, worked out independently of the program.
function reference(angle) {
  const [a, degrees, cursor, , , , mR, mY, mB, ...xy] =
    execFileSync("python3", [path.join(root, "tests/reference/frames.py"), String(angle), String(angle)])
      .toString().trim().split(/\s+/);
  return { angle: Number(a), degrees, cursor: Number(cursor), marks: { R: mR, Y: mY, B: mB },
    ends: { LineR: xy.slice(0, 2), LineY: xy.slice(2, 4), LineB: xy.slice(4, 6), LineW: xy.slice(6, 8) } };
}

// Which marks a phase shows: "cross" is the first conductor's cross with the
// second's dot, "dot" the opposite.
function expectedMarks(phase, kind) {
  const p = phase.toLowerCase();
  const first = ["L" + p + "1", "L" + p + "2"], dot1 = "D" + p;
  const second = ["L" + p + p + "1", "L" + p + p + "2"], dot2 = "D" + p + p;
  const on = kind === "cross" ? [...first, dot2] : kind === "dot" ? [dot1, ...second] : [];
  const all = [...first, dot1, ...second, dot2];
  return Object.fromEntries(all.map((m) => [m, on.includes(m)]));
}

// Each engine runs the whole suite with one browser of its own; an engine
// that stops answering fails its group instead of holding up the run.
for (const engine of engines) describe(names[engine], { timeout: 10 * 60 * 1000 }, () => {
  let browser;
  before(async () => { browser = await launch(engine); });
  after(async () => { if (browser) await browser.close(); });
  const name = names[engine];

  async function withPage(fn, address, width, height) {
    const page = await open(browser, address, width, height);
    try {
      return await fn(page);
    } finally {
      await page.close();
    }
  }

  test("the start scene is the designed one, every control at its place", () => withPage(async (page) => {
    const s = await scene(page);
    assert.equal(s.play, "Play");
    assert.equal(s.box, "60");
    assert.equal(s.readOut, "Angle");
    assert.deepEqual(s.LineX, [9340, 2040, 9340, 6960]);
    assert.deepEqual(s.LineW, [4200, 4680, 4800, 4680]);
    assert.ok(Object.values(s.shown).every(Boolean), "every mark shows at start");
    const checked = await page.evaluate(() => ["optSlow", "optMed", "optFast"].map((id) => document.getElementById(id).checked));
    assert.deepEqual(checked, [false, true, false]);
    assert.equal(await page.evaluate(() => document.activeElement.id), "cmdPlay");
    const font = await page.evaluate(async () => {
      await document.fonts.ready;
      return [...document.fonts].filter((f) => f.family.replace(/"/g, "") === "Vantrel Sans").map((f) => f.status);
    });
    assert.deepEqual(font, ["loaded"], "the captions' font comes with the page");
    // At the designed size one pixel is 15 twips: L, T, W, H of each control.
    const designed = { cmdPlay: [9240, 8280, 1455, 450], txtAngle: [11520, 8280, 855, 450],
      cmdAngle: [12480, 8280, 2055, 450], cmdAbout: [14040, 240, 480, 480], Frame1: [9240, 7200, 5295, 855] };
    for (const [id, twips] of Object.entries(designed)) {
      const box = await page.$eval("#" + id, (e) => { const r = e.getBoundingClientRect(); return [r.x, r.y, r.width, r.height]; });
      box.forEach((v, i) => assert.ok(Math.abs(v - twips[i] / 15) <= 1, `${id}: ${box} against ${twips.map((t) => t / 15)}`));
    }
  }));

  // Pixels of the two pictures as the page shows them, with the colours their
  // design gives: the chart's margin, plot area and middle grid line, and the
  // About picture's transparent corner and green disc.
  const picturePixels = [
    ["#Image1", 432, 295, [[0, 0, [255, 255, 255, 255]], [20, 20, [192, 192, 192, 255]], [300, 148, [164, 164, 164, 255]]]],
    ["#cmdAbout img", 32, 32, [[0, 0, [0, 0, 0, 0]], [4, 16, [0, 128, 0, 255]]]],
  ];

  test("the chart and the About picture come from the program's pixels", () => withPage(async (page) => {
    for (const [selector, width, height, samples] of picturePixels) {
      const got = await page.$eval(selector, async (e, samples) => {
        const img = new Image();
        img.src = e.getAttribute("href") || e.getAttribute("src");
        await img.decode();
        const c = new OffscreenCanvas(img.naturalWidth, img.naturalHeight);
        const ctx = c.getContext("2d");
        ctx.drawImage(img, 0, 0);
        return { size: [img.naturalWidth, img.naturalHeight],
          pixels: samples.map(([x, y]) => [...ctx.getImageData(x, y, 1, 1).data]) };
      }, samples);
      assert.deepEqual(got.size, [width, height], selector);
      assert.deepEqual(got.pixels, samples.map((p) => p[2]), selector);
    }
  }));

  test("the scene fits any window, centred, and the controls scale with it", async () => {
    for (const [w, h] of [[1010, 734], [2020, 1468], [1600, 800], [640, 900]]) {
      await withPage(async (page) => {
        const scale = Math.min(w / 1010, h / 734);
        const r = await page.$eval("main", (e) => { const b = e.getBoundingClientRect(); return [b.x, b.y, b.width, b.height]; });
        const want = [(w - 1010 * scale) / 2, (h - 734 * scale) / 2, 1010 * scale, 734 * scale];
        r.forEach((v, i) => assert.ok(Math.abs(v - want[i]) <= 1, `${w}x${h}: ${r} against ${want}`));
        const play = await page.$eval("#cmdPlay", (e) => { const b = e.getBoundingClientRect(); return [b.x, b.y]; });
        assert.ok(Math.abs(play[0] - (want[0] + 616 * scale)) <= 1 && Math.abs(play[1] - (want[1] + 552 * scale)) <= 1,
          `${w}x${h}: Play at ${play}`);
      }, fileUrl, w, h);
    }
  });

  // Entries, what the box then holds, and the angle that follows, in the
  // order typed on one page: an entry that does not convert keeps the angle.
  const entries = [
    ["60", "60", 105], ["360", "360", 628], ["361", "1", 2], ["720", "360", 628], ["1000", "640", 1117],
    ["-90", "-90", -157], ["abc", "abc", -157], ["", "", -157], ["20000", "19640", -157], ["-20000", "-20000", -157],
  ];

  test("Set Angle follows its rules, by click and by Enter", () => withPage(async (page) => {
    for (const [i, [text, box, angle]] of entries.entries()) {
      const s = await setAngle(page, text, i % 2 === 1);
      assert.equal(s.box, box, `box after "${text}"`);
      assert.equal(s.readOut, Math.floor(angle / 1.744) + " deg.", `read-out after "${text}"`);
      assert.equal(s.LineX[0], angle * 8 + 9340, `cursor after "${text}"`);
      assert.equal(s.play, "Play");
      assert.match(s.announce, /^Phase angle -?\d+ degrees?\./);
    }
  }));

  // Degrees typed, and the angle they give: the thresholds, a zero current,
  // and the ends of what the cursor can show.
  const frames = [["0", 0], ["60", 105], ["90", 157], ["116", 202], ["116.3", 203], ["119.8", 209], ["180", 314],
    ["270", 471], ["359.9", 628], ["-2347.3", -4096], ["2038", 2928]];

  test("frames match the reference at a sample of angles, thresholds included", () => withPage(async (page) => {
    for (const [text, angle] of frames) {
      const s = await setAngle(page, text);
      const ref = reference(angle);
      assert.equal(s.readOut, ref.degrees + " deg.", `angle ${angle}`);
      assert.equal(s.LineX[0], ref.cursor, `angle ${angle}`);
      for (const [line, [x, y]] of Object.entries(ref.ends)) {
        assert.deepEqual([s[line][0], s[line][1]], [4500, 4500], `${line} starts at the centre at ${angle}`);
        assert.equal(Math.fround(s[line][2]), Math.fround(Number(x)), `${line} x2 at ${angle}`);
        assert.equal(Math.fround(s[line][3]), Math.fround(Number(y)), `${line} y2 at ${angle}`);
      }
      for (const [phase, kind] of Object.entries(ref.marks)) {
        // 203 lies on a threshold for Y after 202, whose marks it keeps.
        const want = expectedMarks(phase, kind === "keep" ? reference(angle - 1).marks[phase] : kind);
        for (const [m, on] of Object.entries(want)) assert.equal(s.shown[m], on, `${m} at ${angle}`);
      }
    }
  }));

  test("a current on a threshold in the first frame leaves the designed marks", () => withPage(async (page) => {
    const s = await setAngle(page, "116.3");
    for (const m of ["Ly1", "Ly2", "Dy", "Lyy1", "Lyy2", "Dyy"]) assert.equal(s.shown[m], true, m);
  }));

  // Records every cursor position with its time, as the ticks move it.
  function watchCursor(page) {
    return page.evaluate(() => {
      window.cursorLog = [];
      new MutationObserver(() => window.cursorLog.push([performance.now(), Number(document.getElementById("LineX").getAttribute("x1"))]))
        .observe(document.getElementById("LineX"), { attributes: true, attributeFilter: ["x1"] });
    });
  }
  const cursorLog = (page) => page.evaluate(() => window.cursorLog.splice(0));
  const median = (v) => v.slice().sort((a, b) => a - b)[Math.floor(v.length / 2)];

  // The interval asked of the browser is the designed one; the ticks seen are
  // never faster than it, and at least so frequent that a stalled or doubled
  // timer shows. How much later than asked they come is the machine's load
  // (a loaded WebKit spaced Fast's ticks 31 ms apart), which the bench measures.
  test("Play runs the ticks at the chosen speed, Pause stops them", () => withPage(async (page) => {
    await page.evaluate(() => {
      const real = window.setInterval;
      window.intervalsAsked = [];
      window.setInterval = (f, ms, ...rest) => { window.intervalsAsked.push(ms); return real.call(window, f, ms, ...rest); };
    });
    await watchCursor(page);
    await sleep(400);
    assert.deepEqual(await cursorLog(page), [], "no tick moves the paused scene");
    await page.click("#cmdPlay");
    assert.equal((await scene(page)).play, "Pause");
    for (const [option, ms, wait] of [["optFast", 20, 1200], ["optSlow", 300, 2200], ["optMed", 75, 1200]]) {
      await page.click(`label:has(#${option})`);
      await sleep(ms + 50);
      await cursorLog(page);
      await sleep(wait);
      const log = await cursorLog(page);
      const gaps = log.slice(1).map((e, i) => e[0] - log[i][0]);
      const steps = log.slice(1).map((e, i) => e[1] - log[i][1]);
      assert.ok(log.length >= wait / ms * 0.4 && log.length <= wait / ms * 1.2 + 1, `${option}: ${log.length} ticks in ${wait} ms`);
      assert.deepEqual(await page.evaluate(() => window.intervalsAsked.splice(0)), [ms], `${option}: the interval asked`);
      assert.ok(median(gaps) >= ms - Math.max(10, ms * 0.35), `${option}: ticks ${median(gaps)} ms apart`);
      assert.ok(steps.every((d) => d === 8), `${option}: each tick moves the cursor one step of 8 twips`);
    }
    await page.click("#cmdPlay");
    const paused = await scene(page);
    assert.equal(paused.play, "Play");
    assert.match(paused.announce, new RegExp(`^Phase angle ${paused.readOut.replace(" deg.", "")} degree`));
    await cursorLog(page);
    await sleep(400);
    assert.deepEqual(await cursorLog(page), [], "no tick after Pause");
  }));

  // Any change to the page's text, even unseen, costs Chromium a frame of the
  // whole page; at Fast the read-out changes 25 times a second.
  if (engine === "chromium") test("while the scene turns, the page's text changes at most once a second", () => withPage(async (page) => {
    await page.click("label:has(#optFast)");
    await page.click("#cmdPlay");
    await sleep(300);
    await page.evaluate(() => {
      window.textChanges = 0;
      new MutationObserver((list) => { window.textChanges += list.length; })
        .observe(document.body, { characterData: true, childList: true, subtree: true });
    });
    await sleep(3000);
    const changes = await page.evaluate(() => window.textChanges);
    assert.ok(changes >= 2 && changes <= 4, `${changes} changes of the page's text in 3 s at Fast`);
  }));

  test("the tick draws 628 and then 0", () => withPage(async (page) => {
    await setAngle(page, "359.9");
    await watchCursor(page);
    await page.click("label:has(#optFast)");
    await page.click("#cmdPlay");
    await sleep(300);
    await page.click("#cmdPlay");
    const xs = (await cursorLog(page)).map((e) => e[1]);
    assert.deepEqual(xs.slice(0, 3), [9340, 9348, 9356]);
    assert.ok(xs.every((x) => x <= 14364));
  }));

  for (const [opening, closing] of [["click", "OK"], ["F1", "Escape"], ["click", "Escape"], ["F1", "OK"]]) {
    test(`About opens by ${opening} and closes with ${closing}`, () => withPage(async (page) => {
      if (opening === "click") await page.click("#cmdAbout");
      else await page.keyboard.press("F1");
      const box = await page.$eval("#about", (d) => ({ open: d.open, modal: d.matches(":modal"),
        title: d.querySelector("#aboutTitle").textContent, text: d.querySelector("#aboutText").textContent,
        buttons: [...d.querySelectorAll("button")].map((b) => b.textContent), icon: !!d.querySelector("svg.info") }));
      assert.deepEqual(box, { open: true, modal: true, title: "Vantrel", text: " This demo is developed by Oskendar",
        buttons: ["OK"], icon: true });
      if (closing === "OK") await page.click("#about button");
      else await page.keyboard.press("Escape");
      assert.equal(await page.$eval("#about", (d) => d.open), false);
      assert.equal((await scene(page)).play, "Play");
    }));
  }

  // A push button's pixels as the engine draws them: its face, the middle of
  // each edge and its top left corner.
  async function buttonLook(page, selector) {
    const shot = await page.screenshot();
    return page.evaluate(async (b64, selector) => {
      const r = document.querySelector(selector).getBoundingClientRect();
      const img = new Image();
      img.src = "data:image/png;base64," + b64;
      await img.decode();
      const c = new OffscreenCanvas(img.width, img.height);
      const ctx = c.getContext("2d");
      ctx.drawImage(img, 0, 0);
      const px = (x, y) => [...ctx.getImageData(x, y, 1, 1).data.slice(0, 3)];
      const sum = (p) => p[0] + p[1] + p[2];
      // Of the two pixel rows or columns an edge may fall on, the one that
      // differs more from the face: white above and left, dark below and right.
      const [x0, y0, x1, y1] = [Math.floor(r.left), Math.floor(r.top), Math.ceil(r.right) - 1, Math.ceil(r.bottom) - 1];
      const mx = Math.round((r.left + r.right) / 2), my = Math.round((r.top + r.bottom) / 2);
      const top = sum(px(mx, y0)) >= sum(px(mx, y0 + 1)) ? y0 : y0 + 1;
      const left = sum(px(x0, my)) >= sum(px(x0 + 1, my)) ? x0 : x0 + 1;
      const bottom = sum(px(mx, y1)) <= sum(px(mx, y1 - 1)) ? y1 : y1 - 1;
      const right = sum(px(x1, my)) <= sum(px(x1 - 1, my)) ? x1 : x1 - 1;
      // The face is the commonest colour inside the bevel, the caption aside.
      const counts = new Map();
      for (let y = y0 + 4; y <= y1 - 4; ++y) {
        for (let x = x0 + 4; x <= x1 - 4; ++x) {
          const k = px(x, y).join(",");
          counts.set(k, (counts.get(k) || 0) + 1);
        }
      }
      const face = [...counts].sort((a, b) => b[1] - a[1])[0][0].split(",").map(Number);
      return { face, corner: px(left, top), top: px(mx, top), left: px(left, my), bottom: px(mx, bottom), right: px(right, my) };
    }, shot, selector);
  }

  // The designed look of a push button: a face of the scheme's button
  // colour, #C0C0C0, a white bevel above and left, a dark one below and
  // right, and square corners, which lie on the white bevel.
  test("the About box's OK looks like Play and Set Angle: the classic grey button", () => withPage(async (page) => {
    const looks = {};
    await page.evaluate(() => document.activeElement.blur());
    looks.cmdPlay = await buttonLook(page, "#cmdPlay");
    looks.cmdAngle = await buttonLook(page, "#cmdAngle");
    await page.click("#cmdAbout");
    await page.evaluate(() => document.activeElement.blur());
    looks.OK = await buttonLook(page, "#about button");
    const near = (p, want, by) => p.every((v, i) => Math.abs(v - want[i]) <= by);
    for (const [button, look] of Object.entries(looks)) {
      const seen = `${button}: ${JSON.stringify(look)}`;
      assert.ok(near(look.face, [192, 192, 192], 2), `the face is #C0C0C0; ${seen}`);
      for (const edge of ["top", "left", "corner"]) assert.ok(look[edge].every((v) => v >= 0xF0), `${edge} is white; ${seen}`);
      for (const edge of ["bottom", "right"]) assert.ok(look[edge].every((v) => v <= 0x80), `${edge} is dark; ${seen}`);
    }
    assert.deepEqual(looks.OK, looks.cmdPlay, "OK and Play are drawn alike");
  }));

  test("the keyboard reaches every control in order and works them", () => withPage(async (page) => {
    const focused = () => page.evaluate(() => document.activeElement.id);
    const order = [await focused()];
    for (let i = 0; i < 4; ++i) {
      await page.keyboard.press("Tab");
      order.push(await focused());
    }
    // Tab enters the speed group at its chosen option; the arrows move in it.
    assert.deepEqual(order, ["cmdPlay", "optMed", "txtAngle", "cmdAngle", "cmdAbout"]);
    await page.keyboard.down("Shift");
    for (let i = 0; i < 3; ++i) await page.keyboard.press("Tab");
    await page.keyboard.up("Shift");
    assert.equal(await focused(), "optMed");
    await page.keyboard.press("ArrowRight");
    assert.deepEqual(await page.evaluate(() => ["optSlow", "optMed", "optFast"].map((id) => document.getElementById(id).checked)),
      [false, false, true]);
    const s = await setAngle(page, "90", true);
    assert.equal(s.readOut, "90 deg.");
    // The README's example of what a listener hears.
    assert.equal(s.announce, "Phase angle 90 degrees. Currents: R +1.00, Y -0.50, B -0.50. Field points left.");
    // Full screen comes and goes a little after the key.
    await page.keyboard.press("F11");
    await page.waitForFunction(() => document.fullscreenElement === document.documentElement, { timeout: 3000 });
    await page.keyboard.press("F11");
    await page.waitForFunction(() => document.fullscreenElement === null, { timeout: 3000 });
    await page.focus("#cmdPlay");
    await page.keyboard.press(" ");
    assert.equal((await scene(page)).play, "Pause");
    await page.keyboard.press(" ");
    assert.equal((await scene(page)).play, "Play");
    const names = await page.evaluate(() => ({
      box: document.getElementById("txtAngle").getAttribute("aria-label"),
      about: document.getElementById("cmdAbout").getAttribute("aria-label"),
      scene: document.getElementById("scene").getAttribute("aria-label"),
      live: document.getElementById("announce").getAttribute("aria-live"),
    }));
    assert.deepEqual(names, { box: "Angle in degrees", about: "About", scene: "Rotating magnetic field", live: "polite" });
  }));

  test("axe-core finds no violations, with and without the About box", () => withPage(async (page) => {
    await page.addScript(fs.readFileSync(require.resolve("axe-core/axe.min.js"), "utf8"));
    for (const step of ["start", "angle", "about"]) {
      if (step === "angle") await setAngle(page, "60");
      if (step === "about") await page.click("#cmdAbout");
      const { violations } = await page.evaluate(() => axe.run());
      assert.deepEqual(violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(" ")}`), [], step);
    }
  }));

  // Every request stays within the site, and nothing is kept in the browser
  // but the service worker's copy of the site. Where the engine does not
  // report requests, the page's own record of what it loaded stands in.
  async function ownFilesOnly(t, address, prefix) {
    const page = await browser.newPage();
    const reported = engine === "chromium" || (engine === "firefox" && !address.startsWith("file:"));
    const requests = [];
    if (reported) page.onRequest((u) => requests.push(u));
    try {
      await page.goto(address);
      await page.waitForSelector("body[data-ready]");
      await setAngle(page, "60");
      await page.click("#cmdPlay");
      await sleep(300);
      await page.keyboard.press("F1");
      const kept = await page.evaluate(async () => ({
        cookie: document.cookie, local: localStorage.length, session: sessionStorage.length,
        databases: (await indexedDB.databases()).length }));
      assert.deepEqual(kept, { cookie: "", local: 0, session: 0, databases: 0 });
      if (!reported) {
        // WebKit over http lists its loads in the resource timing; from a
        // file neither it nor Firefox lists any.
        requests.push(...await page.evaluate(() => performance.getEntriesByType("resource").map((e) => e.name)));
        if (!requests.some((u) => u.endsWith("/vantrel.js"))) {
          t.skip(address.startsWith("file:")
            ? `${name}: reports no file:// loads, as requests or in the resource timing; only what the page keeps is checked`
            : `${name}: lists no loads; only what the page keeps is checked`);
          return;
        }
      }
      const foreign = requests.filter((u) => !u.startsWith(prefix) && !u.startsWith("data:"));
      assert.deepEqual(foreign, []);
    } finally {
      await page.close();
    }
  }

  test("from a file, the page asks for nothing beyond its folder and keeps nothing", (t) =>
    ownFilesOnly(t, fileUrl, fileUrl.replace(/index\.html$/, "")));

  test("from a web server, it installs a service worker and then runs offline", async (t) => {
    const server = await serve();
    let page;
    try {
      await ownFilesOnly(t, server.url, server.url);
      page = await browser.newPage();
      await page.goto(server.url);
      await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
      const manifest = await page.evaluate(async () => (await (await fetch(document.querySelector("link[rel=manifest]").href)).json()));
      assert.equal(manifest.name, "Vantrel");
      assert.ok(manifest.icons.some((i) => i.sizes === "512x512"));
    } finally {
      await server.close();
    }
    try {
      await page.reload();
      await page.waitForSelector("body[data-ready]", { timeout: 10000 });
      assert.equal(await page.evaluate(() => !!navigator.serviceWorker.controller), true);
      const s = await setAngle(page, "60");
      assert.equal(s.readOut, "60 deg.");
    } finally {
      await page.close();
    }
  });

  // Nothing in the console while the page loads and is used: no error, no
  // warning. A warning and an uncaught error of the test's own show that
  // the console is heard at all.
  for (const origin of ["a file", "a web server"]) {
    test(`no error or warning in the console, opened from ${origin}`, async (t) => {
      const server = origin === "a web server" ? await serve() : null;
      const address = server ? server.url : fileUrl;
      try {
        // WebDriver gives no console: WebKit's load is heard apart.
        const atLoad = engine === "webkit" ? await browser.loadConsole(address) : [];
        if (engine === "firefox") t.diagnostic("Firefox: its WebDriver log carries console calls and uncaught errors, not network or CSS messages");
        const page = await open(browser, address);
        try {
          await setAngle(page, "60", true);
          await page.click("#cmdPlay");
          await page.click("label:has(#optFast)");
          await sleep(400);
          await page.click("#cmdPlay");
          await page.keyboard.press("F1");
          await page.keyboard.press("Escape");
          if (server) await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
          const heard = async () => [...atLoad, ...await page.consoleMessages()]
            .filter((m) => m.level === "error" || m.level === "warning");
          const said = await heard();
          await page.evaluate(() => {
            console.warn("probe: a warning");
            setTimeout(() => { throw new Error("probe: an error"); });
          });
          await sleep(300);
          // WebKit hides the text of an error thrown in a page opened as a file.
          assert.deepEqual((await heard()).slice(said.length).map((m) => m.level), ["warning", "error"], "the probes heard");
          assert.deepEqual(said, []);
        } finally {
          await page.close();
        }
      } finally {
        if (server) await server.close();
      }
    });
  }

  // At 60 degrees, in pixels of the designed size: where to look for each
  // feature, its colour, and which edge of it to compare.
  const red = [255, 0, 0], yellow = [255, 255, 0], blue = [0, 0, 255], white = [255, 255, 255], black = [0, 0, 0];
  const features = [
    ["LineR's end", red, [150, 290, 280, 310], "x", false],
    ["LineY's end", yellow, [200, 310, 290, 420], "y", true],
    ["LineW's end", white, [100, 310, 280, 420], "x", false],
    ["the cross on R1", red, [288, 66, 312, 86], "x", false],
    ["the dot on Y1", yellow, [488, 398, 500, 426], "y", false],
    ["the label R1, left", red, [280, 20, 320, 45], "x", false],
    ["the label B2, right", blue, [515, 150, 560, 175], "x", true],
    ["the read-out, right", black, [770, 85, 900, 110], "x", true],
  ];

  // The page at the designed size against the desktop window's picture at the
  // same angle: the cursor in the same column, and little else different.
  // Where the white phasor ends on a black spoke, Firefox blends the two so
  // that the last near-white column lies one pixel further in than
  // Chromium's, two from the window's.
  // While playing, the moving lines and the read-out are drawn again only
  // where they were and are, the cursor apart from the phasors: the picture
  // after ticks is the one drawn whole.
  test("lines drawn tick by tick leave the picture a whole drawing makes", () => withPage(async (page) => {
    await page.click("label:has(#optFast)");
    await page.click("#cmdPlay");
    await new Promise((r) => setTimeout(r, 1500));
    await page.click("#cmdPlay");
    await page.evaluate(() => document.activeElement.blur());
    const pixels = (b64) => page.evaluate(async (b64) => {
      const img = new Image();
      img.src = "data:image/png;base64," + b64;
      await img.decode();
      const c = new OffscreenCanvas(img.width, img.height);
      c.getContext("2d").drawImage(img, 0, 0);
      // The stator, and the read-out and chart; not the controls, which
      // WebKit may draw a shade apart after a change of size.
      return [[40, 40, 520, 520], [600, 80, 380, 400]].flatMap(([x, y, w, h]) => Array.from(c.getContext("2d").getImageData(x, y, w, h).data));
    }, b64);
    const ticked = await pixels(await page.screenshot());
    // The page draws everything anew on a change of size.
    await page.evaluate(() => new Promise((r) => {
      window.dispatchEvent(new Event("resize"));
      requestAnimationFrame(() => requestAnimationFrame(r));
    }));
    const whole = await pixels(await page.screenshot());
    let differing = 0;
    for (let i = 0; i < whole.length; i += 4) {
      if (Math.max(Math.abs(whole[i] - ticked[i]), Math.abs(whole[i + 1] - ticked[i + 1]), Math.abs(whole[i + 2] - ticked[i + 2])) > 8) ++differing;
    }
    assert.equal(differing, 0, `${differing} pixels of the scene differ`);
  }));

  // The canvas lies over the SVG and paints what it covers: with the
  // canvas hidden and the SVG showing all, the picture is the same but for
  // the edges of lines and letters, which the two draw a shade apart. A
  // canvas a pixel off the SVG, as on a small screen's regions, where the
  // scene seldom starts on a whole pixel, leaves lines doubled at its edge.
  for (const [width, height] of engine === "webkit" ? [] : [[1010, 734], [844, 390]]) {
    test(`the canvas shows what the SVG under it shows, at ${width} x ${height}`, () => withPage(async (page) => {
      await page.click("label:has(#optFast)");
      await page.click("#cmdPlay");
      await new Promise((r) => setTimeout(r, 500));
      await page.click("#cmdPlay");
      await setAngle(page, "75");
      await page.evaluate(() => document.activeElement.blur());
      const rects = await page.evaluate(() => [...document.querySelectorAll("canvas.mover")]
        .map((c) => { const r = c.getBoundingClientRect(); return [r.x, r.y, r.width, r.height].map(Math.round); }));
      assert.ok(rects.length, "the moving lines are on a canvas");
      const drawn = await page.screenshot();
      await page.evaluate(() => new Promise((r) => {
        document.querySelectorAll("canvas.mover").forEach((c) => { c.style.visibility = "hidden"; });
        document.querySelectorAll("svg .moved, svg .beneath").forEach((e) => e.classList.remove("moved", "beneath"));
        requestAnimationFrame(() => requestAnimationFrame(r));
      }));
      const svgOnly = await page.screenshot();
      const [total, apart, far] = await page.evaluate(async (a, b, rects) => {
        const load = async (shot) => {
          const img = new Image();
          img.src = "data:image/png;base64," + shot;
          await img.decode();
          const c = new OffscreenCanvas(img.width, img.height), ctx = c.getContext("2d");
          ctx.drawImage(img, 0, 0);
          return ctx.getImageData(0, 0, img.width, img.height);
        };
        const A = await load(a), B = await load(b);
        let total = 0, apart = 0, far = 0;
        for (const [x0, y0, w, h] of rects) {
          for (let y = y0; y < y0 + h; ++y) for (let x = x0; x < x0 + w; ++x) {
            const i = (y * A.width + x) * 4;
            const d = Math.max(...[0, 1, 2].map((c) => Math.abs(A.data[i + c] - B.data[i + c])));
            ++total;
            if (d > 64) ++apart;
            if (d > 160) ++far;
          }
        }
        return [total, apart, far];
      }, drawn, svgOnly, rects);
      assert.equal(far, 0, `${far} pixels of the canvas far from the SVG's`);
      assert.ok(apart / total < 0.0075, `${apart} of ${total} pixels of the canvas apart from the SVG's`);
    }, undefined, width, height));
  }

  test("the page looks like the desktop window", (t) => withPage(async (page) => {
    await setAngle(page, "60");
    await page.evaluate(() => document.activeElement.blur());
    const shot = await page.screenshot();
    const desktop = fs.readFileSync(path.join(root, "docs/screenshot.png")).toString("base64");
    const result = await page.evaluate(async (a, b, feats) => {
      const pixels = async (b64) => {
        const img = new Image();
        img.src = "data:image/png;base64," + b64;
        await img.decode();
        const c = new OffscreenCanvas(img.width, img.height);
        const ctx = c.getContext("2d");
        ctx.drawImage(img, 0, 0);
        return ctx.getImageData(0, 0, img.width, img.height);
      };
      const [p, q] = [await pixels(a), await pixels(b)];
      let differing = 0;
      for (let i = 0; i < p.data.length; i += 4) {
        const d = Math.max(Math.abs(p.data[i] - q.data[i]), Math.abs(p.data[i + 1] - q.data[i + 1]), Math.abs(p.data[i + 2] - q.data[i + 2]));
        if (d > 64) ++differing;
      }
      // How far a colour reaches in a region, the way a phasor's end or a
      // label's edge is found by eye: the least or greatest x or y of its pixels.
      const reach = (img, [r, g, b], [x0, y0, x1, y1], axis, most) => {
        let found = null;
        for (let y = y0; y <= y1; ++y) {
          for (let x = x0; x <= x1; ++x) {
            const i = (y * img.width + x) * 4;
            if (Math.abs(img.data[i] - r) + Math.abs(img.data[i + 1] - g) + Math.abs(img.data[i + 2] - b) > 60) continue;
            const v = axis === "x" ? x : y;
            if (found === null || (most ? v > found : v < found)) found = v;
          }
        }
        return found;
      };
      const features = feats.map(([name, colour, region, axis, most]) =>
        [name, reach(p, colour, region, axis, most), reach(q, colour, region, axis, most)]);
      // The darkest column across the chart's middle row is the cursor.
      const cursor = (img) => {
        let best = 0, at = -1;
        for (let x = 615; x < 965; ++x) {
          const i = (300 * img.width + x) * 4;
          const dark = 765 - img.data[i] - img.data[i + 1] - img.data[i + 2];
          if (dark > best) { best = dark; at = x; }
        }
        return at;
      };
      return { size: [p.width, p.height, q.width, q.height], differing: differing / (p.width * p.height),
        cursors: [cursor(p), cursor(q)], features };
    }, shot, desktop, features);
    assert.deepEqual(result.size, [1010, 734, 1010, 734]);
    assert.ok(Math.abs(result.cursors[0] - result.cursors[1]) <= 1, `cursor columns ${result.cursors}`);
    for (const [feature, web, window] of result.features) {
      const slack = (engine === "firefox" && feature === "LineW's end") ? 2 : 1;
      assert.ok(web !== null && window !== null && Math.abs(web - window) <= slack, `${feature}: page ${web}, window ${window}`);
    }
    t.diagnostic(`pixels differing from the desktop: ${(result.differing * 100).toFixed(2)} %; page against window: ` +
      result.features.map(([name, a, b]) => `${name} ${a}/${b}`).join(", "));
    assert.ok(result.differing < 0.02, `${(result.differing * 100).toFixed(2)} % of the pixels differ`);
  }));

  test("Enter on Play or the About picture presses it; only the box's Enter sets the angle", () => withPage(async (page) => {
    await typeInBox(page, "300");
    await page.focus("#cmdAbout");
    await page.keyboard.press("Enter");
    assert.equal(await page.$eval("#about", (d) => d.open), true, "Enter on the About picture opens About");
    await page.keyboard.press("Escape");
    assert.equal((await scene(page)).readOut, "Angle", "no frame drawn by Enter on the About picture");
    await page.focus("#cmdPlay");
    await page.keyboard.press("Enter");
    assert.equal((await scene(page)).play, "Pause");
    await page.keyboard.press("Enter");
    const s = await scene(page);
    assert.equal(s.play, "Play");
    assert.notEqual(s.readOut, "300 deg.", "Enter on Play sets no angle");
    await page.focus("#txtAngle");
    await page.keyboard.press("Enter");
    assert.equal((await scene(page)).readOut, "300 deg.");
  }));

  // The box's text travels with every change of the controls: a text the
  // answer did not escape would come back altered, or stop the page.
  test("a backslash or a quote typed in the box survives the bridge, and Play still works", () => withPage(async (page) => {
    for (const text of ["\\", "\"", "1\\\"2", "\"\\u0041\"", "\\\\n"]) {
      await typeInBox(page, text);
      for (const play of ["Pause", "Play"]) {
        await page.click("#cmdPlay");
        const s = await scene(page);
        assert.equal(s.play, play, `Play after typing ${text}`);
        assert.equal(s.box, text);
      }
    }
  }));
});
