// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page in high contrast, in Chromium: the colours the browser computes
// for every caption, line, circle and etched border, held to WCAG's ratios
// (4.5:1 for text, 3:1 for graphics) against what lies behind them, worked
// out here from the definition; and the three ways to switch it.
"use strict";

const { describe, before, after } = require("node:test");
const assert = require("node:assert/strict");
const { launch, open, fileUrl, test } = require("./browser.js");

function ratio(a, b) {
  const lum = (css) => css.match(/[\d.]+/g).slice(0, 3).map((v) => v / 255)
    .map((c) => (c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4))
    .reduce((sum, c, i) => sum + c * [0.2126, 0.7152, 0.0722][i], 0);
  return (Math.max(lum(a), lum(b)) + 0.05) / (Math.min(lum(a), lum(b)) + 0.05);
}

// Each shown caption and mark: its colour, and the first colour behind it.
const look = (page) => page.evaluate(() => {
  const css = (e) => getComputedStyle(e);
  const behind = (e) => (/^rgba\(.*, 0\)$/.test(css(e).backgroundColor) ? behind(e.parentElement) : css(e).backgroundColor);
  const items = [...document.querySelectorAll("svg line[id], svg circle[id], rect.etched")]
    .filter((e) => css(e).visibility !== "hidden")
    .map((e) => ({ name: e.id || "etched", text: false, fg: css(e).stroke, bg: behind(e.closest("fieldset, main")) }));
  document.querySelectorAll("svg g[id] > text").forEach((e) => items.push({ name: e.parentNode.id, text: true,
    fg: css(e).fill, bg: css(e.parentNode.querySelector("rect")).fill }));
  document.querySelectorAll("#stage button, #stage input[type=text], label.option, legend, .lab-button, .contrast-button")
    .forEach((e) => items.push({ name: e.id || e.textContent, text: true, fg: css(e).color, bg: behind(e) }));
  return { items, chart: document.getElementById("Image1").getAttribute("href"),
    pressed: document.getElementById("contrastButton").getAttribute("aria-pressed") };
});

describe("Chromium", { timeout: 3 * 60 * 1000 }, () => {
  let browser;
  before(async () => { browser = await launch("chromium"); });
  after(async () => { if (browser) await browser.close(); });

  // The page at an address, with the system's contrast setting changed
  // after it loaded, through Chromium's protocol: puppeteer's own call
  // knows no prefers-contrast.
  async function lookAt(query, setting, then = look) {
    const page = await open(browser, fileUrl + query);
    try {
      const features = [{ name: "prefers-contrast", value: setting || "" }];
      await (await page.page.createCDPSession()).send("Emulation.setEmulatedMedia", { features });
      await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => setTimeout(done))));
      return await then(page);
    } finally {
      await page.close();
    }
  }

  test("high contrast reaches the ratios, by the address or the system's setting; contrast=normal overrides that", async () => {
    const high = await lookAt("?contrast=high"), designed = await lookAt("");
    assert.ok(high.items.length > 50, `${high.items.length} colours read`);
    for (const i of high.items) {
      assert.ok(ratio(i.fg, i.bg) >= (i.text ? 4.5 : 3), `${i.name}: ${i.fg} on ${i.bg}, ${ratio(i.fg, i.bg).toFixed(2)}:1`);
    }
    assert.ok(designed.items.some((i) => ratio(i.fg, i.bg) < 3), "the designed look is the one that fails");
    assert.deepEqual([high.pressed, designed.pressed], ["true", "false"]);
    assert.notEqual(high.chart, designed.chart);
    assert.deepEqual(await lookAt("", "more"), high);
    assert.deepEqual(await lookAt("?contrast=normal", "more"), designed);
  });

  test("the switch works by keyboard and touch, a 24 px target, and off is the designed look again", async () => {
    const [designed, high] = [await lookAt(""), await lookAt("?contrast=high")];
    await lookAt("", "", async (page) => {
      const size = await page.$eval("#contrastButton", (e) => [e.offsetWidth, e.offsetHeight, e.textContent]);
      assert.ok(size[0] >= 24 && size[1] >= 24 && size[2] === "High contrast", String(size));
      await page.focus("#contrastButton");
      await page.keyboard.press(" ");
      assert.deepEqual(await look(page), high);
      await page.page.tap("#contrastButton");
      assert.deepEqual(await look(page), designed);
    });
  });
});
