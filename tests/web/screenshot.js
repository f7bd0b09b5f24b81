// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The README's picture of the page: opened from the file at the designed
// size, the angle set to 60 degrees as in the desktop's picture. With a
// size, the page on a phone or a tablet of that size instead, with touch and
// two device pixels a CSS pixel, the whole height of the page.
// Usage: node screenshot.js [OUTPUT.png [WIDTHxHEIGHT]]
"use strict";

const path = require("node:path");
const { launch, open } = require("./browser.js");

(async () => {
  const output = path.resolve(process.argv[2] || path.join(__dirname, "../../docs/web-screenshot.png"));
  const chromium = await launch();
  try {
    const device = /^(\d+)x(\d+)$/.exec(process.argv[3] || "");
    const page = await open(chromium.browser);
    if (device) {
      await page.setViewport({ width: Number(device[1]), height: Number(device[2]), isMobile: true, hasTouch: true,
        deviceScaleFactor: 2 });
      await page.reload();
      await page.waitForSelector("body[data-ready]");
    }
    await page.click("#cmdAngle");
    await page.evaluate(() => document.activeElement.blur());
    await page.screenshot({ path: output, fullPage: !!device });
    console.log(output);
  } finally {
    await chromium.close();
  }
})();
