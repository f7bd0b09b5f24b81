// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lab on the page: its button and panel, what an experiment does to the
// field vector and its path, against the closed forms of a three-phase
// field (one phase's peak is 2000 twips, the stator's centre 4500,4500),
// and the link that opens one. One smoke of it per engine; the phones, the
// pseudo-locale and Arabic in Chromium.
"use strict";

const { describe, before, after } = require("node:test");
const assert = require("node:assert/strict");
const { engines, names, launch, open, fileUrl, typeInBox, test } = require("./browser.js");

const PEAK = 2000, CENTRE = 4500;

function resultant(page) {
  return page.evaluate(() => ["x1", "y1", "x2", "y2"].map((a) => Number(document.getElementById("LineW").getAttribute(a))));
}

function labState(page) {
  return page.evaluate(() => ({
    open: !document.getElementById("lab").hidden,
    expanded: document.getElementById("labButton").getAttribute("aria-expanded"),
    checked: [...document.querySelectorAll("#lab input[type=checkbox]")].filter((e) => e.checked).map((e) => e.id),
    amplitudes: [...document.querySelectorAll("#lab input[type=number]")].map((e) => e.value),
  }));
}

// The path's points in twips, and their distances from the centre.
function pathRadii(page) {
  return page.evaluate((c) => {
    const line = document.querySelector("polyline");
    if (!line || line.getAttribute("visibility") !== "visible") return null;
    const radii = line.getAttribute("points").trim().split(/\s+/)
      .map((p) => p.split(",").map(Number)).map(([x, y]) => Math.hypot(x - c, y - c));
    return { count: radii.length, smallest: Math.min(...radii), largest: Math.max(...radii) };
  }, CENTRE);
}

for (const engine of engines) describe(names[engine], { timeout: 5 * 60 * 1000 }, () => {
  let browser;
  before(async () => { browser = await launch(engine); });
  after(async () => { if (browser) await browser.close(); });

  async function withPage(fn, address = fileUrl) {
    const page = await open(browser, address);
    try {
      return await fn(page);
    } finally {
      await page.close();
    }
  }

  // Phase R's line open and the neutral gone: Y and B are in series across
  // their line, so the field pulses along R's axis, the vertical one, from
  // nothing to 1.5 times a phase's peak and never turns.
  test("R open, three wires: the field pulses along the vertical axis", () => withPage(async (page) => {
    assert.deepEqual(await labState(page), { open: false, expanded: "false", checked: ["labR", "labY", "labB", "labNeutral"],
      amplitudes: ["100", "100", "100"] });
    await page.click("#labButton");
    assert.equal((await labState(page)).expanded, "true");
    await page.click("#labR");
    await page.click("#labNeutral");
    assert.deepEqual((await labState(page)).checked, ["labY", "labB"]);
    const lengths = [];
    for (let degrees = 0; degrees < 180; degrees += 5) {
      await typeInBox(page, String(degrees));
      await page.click("#cmdAngle");
      const [x1, y1, x2, y2] = await resultant(page);
      assert.deepEqual([x1, y1], [CENTRE, CENTRE], `${degrees}: the vector starts at the centre`);
      assert.ok(Math.abs(x2 - CENTRE) <= 1, `${degrees}: ${x2} off the vertical axis`);
      lengths.push(Math.abs(y2 - CENTRE));
    }
    const longest = Math.max(...lengths), shortest = Math.min(...lengths);
    assert.ok(Math.abs(longest - 1.5 * PEAK) <= 0.01 * 1.5 * PEAK, `longest ${longest}`);
    // Samples 5 degrees apart come within 1.5 sin 2.5 degrees of its zero.
    assert.ok(shortest <= 1.5 * PEAK * Math.sin(2.5 * Math.PI / 180) + 1, `shortest ${shortest}`);
    // A step on and a step back come home, along the same axis.
    const before = await resultant(page);
    await page.click("#labStepForward");
    const stepped = await resultant(page);
    assert.notDeepEqual(stepped, before);
    assert.ok(Math.abs(stepped[2] - CENTRE) <= 1);
    await page.click("#labStepBack");
    assert.deepEqual(await resultant(page), before);
    // The read-out speaks of the same sizes, in multiples of the peak.
    const readOut = await page.$eval("#labField", (e) => e.textContent);
    assert.match(readOut, /\(0\.00 to 1\.50 over a cycle\)/);
  }));

  test("a link opens the lab with R open: the path is an ellipse of 0.5 and 1.5 peaks", () => withPage(async (page) => {
    const s = await labState(page);
    assert.equal(s.open, true);
    assert.deepEqual(s.checked, ["labY", "labB", "labNeutral", "labPath"]);
    const radii = await pathRadii(page);
    assert.equal(radii.count, 629, "a point for every tick of the cycle");
    assert.ok(Math.abs(radii.smallest - 0.5 * PEAK) <= 10, `smallest ${radii.smallest}`);
    assert.ok(Math.abs(radii.largest - 1.5 * PEAK) <= 10, `largest ${radii.largest}`);
    // Painted first, under every element of the scene.
    assert.equal(await page.evaluate(() => document.querySelector("polyline") === document.getElementById("scene").firstElementChild), true);
  }, fileUrl + "?open=r&locus"));

  test("values a link cannot mean are left out and never become markup", () => withPage(async (page) => {
    const s = await labState(page);
    assert.equal(s.open, false);
    assert.deepEqual(s.amplitudes, ["100", "100", "100"]);
    assert.equal(await page.evaluate(() => document.querySelectorAll("b").length), 0);
    assert.deepEqual(await resultant(page), [4200, 4680, 4800, 4680], "the designed scene");
  }, fileUrl + "?amplitude=%3Cb%3Ex%3C/b%3E&sequence=evil"));
});

if (engines.includes("chromium")) describe("Chromium: keys, boxes, links, languages and phones", { timeout: 5 * 60 * 1000 }, () => {
  let browser;
  before(async () => { browser = await launch("chromium"); });
  after(async () => { if (browser) await browser.close(); });

  async function withPage(fn, address = fileUrl, width, height) {
    const page = await open(browser, address, width, height);
    try {
      return await fn(page);
    } finally {
      await page.close();
    }
  }
  const chord = async (page, key) => {
    await page.keyboard.down("Control");
    await page.keyboard.press(key);
    await page.keyboard.up("Control");
  };

  test("the keyboard opens the lab after the page's controls, and Ctrl+arrows step only while it is open", () => withPage(async (page) => {
    await typeInBox(page, "30");
    await page.click("#cmdAngle");
    const at30 = await resultant(page);
    await chord(page, "ArrowRight");
    assert.deepEqual(await resultant(page), at30, "closed, the lab's keys do nothing");
    await page.focus("#language");
    await page.keyboard.press("Tab");
    assert.equal(await page.evaluate(() => document.activeElement.id), "labButton");
    await page.keyboard.press("Enter");
    assert.equal((await labState(page)).expanded, "true");
    await page.keyboard.press("Tab");
    assert.equal(await page.evaluate(() => document.activeElement.id), "labSequence", "the panel comes next");
    await chord(page, "ArrowRight");
    const on = await resultant(page);
    assert.notDeepEqual(on, at30);
    await page.focus("#txtAngle");
    await chord(page, "ArrowLeft");
    assert.deepEqual(await resultant(page), on, "in the box, Ctrl+arrows move the caret");
    await page.focus("#labButton");
    await chord(page, "ArrowLeft");
    assert.deepEqual(await resultant(page), at30);
    await page.keyboard.press(" ");
    assert.deepEqual(await labState(page).then((s) => [s.open, s.expanded]), [false, "false"]);
  }));

  test("an amplitude box shows what the program keeps, and the chart follows the experiment", () => withPage(async (page) => {
    await page.click("#labButton");
    const chart = () => page.$eval("#Image1", (e) => e.getAttribute("href"));
    const designed = await chart();
    for (const [typed, kept] of [["52", "50"], ["400", "150"], ["-3", "0"], ["100", "100"]]) {
      await page.$eval("#labAmplitudeY", (e, v) => { e.value = v; e.dispatchEvent(new Event("change", { bubbles: true })); }, typed);
      assert.equal(await page.$eval("#labAmplitudeY", (e) => e.value), kept, typed);
    }
    await page.click("#labSequence");
    assert.notEqual(await chart(), designed, "the swapped leads' chart");
    await page.click("#labDesigned");
    assert.equal(await chart(), designed, "the designed chart again");
    await page.click("#labHideField");
    assert.equal(await page.$eval("#LineW", (e) => e.getAttribute("visibility")), "hidden");
  }));

  test("Copy link puts the experiment in the address, and the address brings it back", () => withPage(async (page) => {
    await page.click("#labButton");
    await page.click("#labR");
    await page.click("#labNeutral");
    await page.click("#labPath");
    await typeInBox(page, "90");
    await page.click("#cmdAngle");
    await page.click("#labCopyLink");
    const search = await page.evaluate(() => location.search);
    assert.equal(new URLSearchParams(search).toString(), "locale=de&angle=90&open=r&neutral=no&locus=");
    await page.reload();
    await page.waitForSelector("body[data-ready]");
    const s = await labState(page);
    assert.deepEqual([s.open, s.checked], [true, ["labY", "labB", "labPath"]]);
    assert.equal(await page.$eval("#txtAngle", (e) => e.value), "90");
  }, fileUrl + "?locale=de&angle=10"));

  test("every lab word is the pseudo-locale's, and Arabic's panel reads right to left", async () => {
    await withPage(async (page) => {
      await page.click("#labButton");
      const words = await page.evaluate(() => [...document.querySelectorAll("#labButton, #lab h2, #lab label, #lab button, #lab p")]
        .map((e) => e.textContent));
      // The button, the title, 7 check boxes, 3 amplitudes, 4 buttons and the read-out.
      assert.equal(words.length, 17);
      assert.deepEqual(words.filter((t) => !/^\[.+\]$/.test(t)), []);
    }, fileUrl + "?locale=en-XA");
    await withPage(async (page) => {
      await page.click("#labButton");
      const got = await page.evaluate(() => [getComputedStyle(document.getElementById("lab")).direction,
        getComputedStyle(document.getElementById("scene")).direction]);
      assert.deepEqual(got, ["rtl", "ltr"]);
    }, fileUrl + "?locale=ar");
  });

  // A phone held upright, with touch: the button a finger's target of
  // readable text, and the panel on the screen's width, below the scene.
  for (const [width, height] of [[360, 640], [390, 844]]) {
    test(`on a ${width}x${height} phone the lab fits and covers no control`, async () => {
      const page = (await browser.newPage()).page;
      try {
        await page.setViewport({ width, height, isMobile: true, hasTouch: true, deviceScaleFactor: 2 });
        await page.goto(fileUrl);
        await page.waitForSelector("body[data-ready]");
        // After the frame that scrolled: the row of Play settles on its scroll event.
        const measure = () => page.evaluate(async () => {
          await new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r)));
          const box = (e) => { const r = e.getBoundingClientRect(); return { x: r.x + scrollX, y: r.y + scrollY, w: r.width, h: r.height }; };
          const button = document.getElementById("labButton");
          return { button: box(button), font: parseFloat(getComputedStyle(button).fontSize), panel: box(document.getElementById("lab")),
            controls: [...document.querySelectorAll("#stage .control")].filter((e) => e.getClientRects().length).map(box),
            scrollWidth: document.documentElement.scrollWidth };
        });
        const overlap = (a, b) => a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
        let m = await measure();
        assert.ok(m.button.h >= 24 && m.button.w >= 24, `button ${m.button.w}x${m.button.h}`);
        assert.ok(m.font >= 11, `caption ${m.font} px`);
        assert.deepEqual(m.controls.filter((c) => overlap(c, m.button)), []);
        await page.tap("#labButton");
        m = await measure();
        assert.ok(m.panel.x >= 0 && m.panel.x + m.panel.w <= width, `panel ${m.panel.x} + ${m.panel.w}`);
        assert.ok(m.scrollWidth <= width, "nothing wider than the screen");
        assert.deepEqual(m.controls.filter((c) => overlap(c, m.panel)), []);
        const targets = await page.evaluate(() => [...document.querySelectorAll("#lab input, #lab button")]
          .map((e) => e.getBoundingClientRect().height).filter((h) => h < 16));
        assert.deepEqual(targets, []);
      } finally {
        await page.close();
      }
    });
  }
});
