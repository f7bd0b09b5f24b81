// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The README's picture of the page: opened from the file at the designed
// size, the angle set to 60 degrees as in the desktop's picture. Another
// engine takes the same picture to set beside it. With a size, the page on a
// phone or a tablet of that size instead (in Chromium, with touch and two
// device pixels a CSS pixel), the whole height of the page. A query, such as
// "?locale=ar", opens the page with it.
// Usage: node screenshot.js [OUTPUT.png] [chromium|firefox|webkit|WIDTHxHEIGHT] [?QUERY]
"use strict";

const fs = require("node:fs");
const path = require("node:path");
const { launch, open, fileUrl } = require("./browser.js");

(async () => {
  const output = path.resolve(process.argv[2] || path.join(__dirname, "../../docs/web-screenshot.png"));
  const device = /^(\d+)x(\d+)$/.exec(process.argv[3] || "");
  const browser = await launch(device ? "chromium" : process.argv[3] || "chromium");
  try {
    const page = await open(browser, fileUrl + (process.argv[4] || ""));
    if (device) {
      await page.page.setViewport({ width: Number(device[1]), height: Number(device[2]), isMobile: true, hasTouch: true,
        deviceScaleFactor: 2 });
      await page.reload();
      await page.waitForSelector("body[data-ready]");
    }
    await page.click("#cmdAngle");
    await page.evaluate(() => document.activeElement.blur());
    if (device) await page.page.screenshot({ path: output, fullPage: true });
    else fs.writeFileSync(output, Buffer.from(await page.screenshot(), "base64"));
    await page.close();
    console.log(output);
  } finally {
    await browser.close();
  }
})();
