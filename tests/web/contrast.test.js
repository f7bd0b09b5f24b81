// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page in high contrast, in Chromium: the colours the browser computes
// for every caption, line, circle and etched border, held to WCAG's ratios
// (4.5:1 for text, 3:1 for graphics) against what lies behind them, worked
// out here from the definition; and the three ways to switch it.
"use strict";

const { describe, test, before, after } = require("node:test");
const assert = require("node:assert/strict");
const { launch, open, fileUrl } = require("./browser.js");

function luminance(css) {
  const [r, g, b] = css.match(/[\d.]+/g).slice(0, 3).map((v) => {
    const c = Number(v) / 255;
    return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
  });
  return 0.2126 * r + 0.7152 * g + 0.0722 * b;
}
function ratio(a, b) {
  const [dark, light] = [luminance(a), luminance(b)].sort((x, y) => x - y);
  return (light + 0.05) / (dark + 0.05);
}

// Each shown caption and mark with its colour and the colour behind it.
function look(page) {
  return page.evaluate(() => {
    const css = (e) => getComputedStyle(e);
    const clear = (c) => /^rgba\(.*, 0\)$/.test(c);
    // What lies behind an element: the first box under it with a colour.
    const behind = (e) => (clear(css(e).backgroundColor) ? behind(e.parentElement) : css(e).backgroundColor);
    const scene = behind(document.getElementById("scene"));
    const seen = (e) => css(e).visibility !== "hidden" && e.getClientRects().length > 0;
    const items = [];
    document.querySelectorAll("svg line[id], svg circle[id], rect.etched").forEach((e) => {
      if (seen(e)) items.push({ name: e.id || e.closest("fieldset").id, text: false, fg: css(e).stroke, bg: scene });
    });
    document.querySelectorAll("svg g[id] > text").forEach((e) => items.push({ name: e.parentNode.id, text: true,
      fg: css(e).fill, bg: css(e.parentNode.querySelector("rect")).fill }));
    document.querySelectorAll("#stage button, #stage input[type=text], label.option, legend, .lab-button, .contrast-button")
      .forEach((e) => items.push({ name: e.id || e.textContent, text: true, fg: css(e).color, bg: behind(e) }));
    return { items, chart: document.getElementById("Image1").getAttribute("href"),
      pressed: document.getElementById("contrastButton").getAttribute("aria-pressed") };
  });
}

// The system's contrast setting as the page sees it; puppeteer's own call
// knows no prefers-contrast yet, Chromium's protocol does.
async function contrastSetting(page, value) {
  const session = await page.page.createCDPSession();
  await session.send("Emulation.setEmulatedMedia", { features: [{ name: "prefers-contrast", value }] });
}

describe("Chromium", { timeout: 3 * 60 * 1000 }, () => {
  let browser;
  before(async () => { browser = await launch("chromium"); });
  after(async () => { if (browser) await browser.close(); });

  async function lookAt(address, system) {
    const page = await browser.newPage();
    try {
      if (system) await contrastSetting(page, system);
      await page.setViewport(1010, 734);
      await page.goto(address);
      await page.waitForSelector("body[data-ready]");
      return await look(page);
    } finally {
      await page.close();
    }
  }

  test("?contrast=high: every caption at 4.5:1, every line, circle and border at 3:1", async () => {
    const high = await lookAt(fileUrl + "?contrast=high");
    assert.equal(high.pressed, "true");
    assert.ok(high.items.length > 50, `${high.items.length} colours read`);
    for (const i of high.items) {
      const want = i.text ? 4.5 : 3;
      assert.ok(ratio(i.fg, i.bg) >= want, `${i.name}: ${i.fg} on ${i.bg}, ${ratio(i.fg, i.bg).toFixed(2)}:1`);
    }
    const designed = await lookAt(fileUrl);
    assert.equal(designed.pressed, "false");
    assert.ok(designed.items.some((i) => ratio(i.fg, i.bg) < 3), "the designed look is the one that fails");
    assert.notEqual(high.chart, designed.chart);
  });

  test("the system's setting switches it, and contrast=normal overrides that", async () => {
    assert.deepEqual(await lookAt(fileUrl, "more"), await lookAt(fileUrl + "?contrast=high"));
    assert.deepEqual(await lookAt(fileUrl + "?contrast=normal", "more"), await lookAt(fileUrl));
    const page = await open(browser);
    try {
      await contrastSetting(page, "more");
      await page.waitForFunction(() => document.getElementById("contrastButton").getAttribute("aria-pressed") === "true");
    } finally {
      await page.close();
    }
  });

  test("the switch works by keyboard and touch, a 24 px target, and off is the designed look again", async () => {
    const [designed, high] = [await lookAt(fileUrl), await lookAt(fileUrl + "?contrast=high")];
    const page = await open(browser);
    try {
      const size = await page.$eval("#contrastButton", (e) => [e.offsetWidth, e.offsetHeight, e.textContent]);
      assert.ok(size[0] >= 24 && size[1] >= 24 && size[2] === "High contrast", String(size));
      await page.focus("#contrastButton");
      await page.keyboard.press(" ");
      assert.deepEqual(await look(page), high);
      await page.page.tap("#contrastButton");
      assert.deepEqual(await look(page), designed);
    } finally {
      await page.close();
    }
  });
});
