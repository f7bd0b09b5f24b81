// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The README's picture of the page: opened from the file at the designed
// size, the angle set to 60 degrees as in the desktop's picture. Another
// engine takes the same picture to set beside it.
// Usage: node screenshot.js [OUTPUT.png] [chromium|firefox|webkit]
"use strict";

const fs = require("node:fs");
const path = require("node:path");
const { launch, open } = require("./browser.js");

(async () => {
  const output = path.resolve(process.argv[2] || path.join(__dirname, "../../docs/web-screenshot.png"));
  const browser = await launch(process.argv[3] || "chromium");
  try {
    const page = await open(browser);
    await page.click("#cmdAngle");
    await page.evaluate(() => document.activeElement.blur());
    fs.writeFileSync(output, Buffer.from(await page.screenshot(), "base64"));
    await page.close();
    console.log(output);
  } finally {
    await browser.close();
  }
})();
