// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The README's picture of the page: opened from the file at the designed
// size, the angle set to 60 degrees as in the desktop's picture.
// Usage: node screenshot.js [OUTPUT.png]
"use strict";

const path = require("node:path");
const { launch, open } = require("./browser.js");

(async () => {
  const output = path.resolve(process.argv[2] || path.join(__dirname, "../../docs/web-screenshot.png"));
  const chromium = await launch();
  try {
    const page = await open(chromium.browser);
    await page.click("#cmdAngle");
    await page.evaluate(() => document.activeElement.blur());
    await page.screenshot({ path: output });
    console.log(output);
  } finally {
    await chromium.close();
  }
})();
