// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page inside a learning platform that runs SCORM 1.2 packages (Moodle,
// for one): it finds the platform's API object, resumes the moment and the
// experiment that the student left, keeps the platform's record of them up
// to date, and reports the lesson completed once the student has watched
// the field make one whole turn while playing. Without a platform the page
// is the plain page, and this file does nothing more.
//
// What the platform keeps in cmi.core.lesson_location is the query of a link
// to a moment ("angle=90&open=r&locus"), opened the same way as the address
// (address.js). It is loaded before app.js, which registers no service
// worker when vantrelScorm.platform is true.
"use strict";

var vantrelScorm = (function () {
  // ADL's reference search gives up after this many frames up.
  var MOST_FRAMES = 7;
  // What the data model holds in lesson_location (CMIString255): a longer
  // text is none of ours and is not read.
  var LONGEST_LOCATION = 255;
  // One whole turn: the tick adds a hundredth of a radian and goes back to 0
  // after 628, so the field is where it started after 629 ticks.
  var WHOLE_TURN = 629;
  // A moment settles often while a student steps or types; the platform
  // hears of it at most once a second.
  var QUIET_MS = 1000;

  // The API of the nearest frame above that has one; a frame of another
  // origin is one the page may not look into, which means no platform.
  function search(win) {
    try {
      for (var up = 0; win; ++up) {
        if (win.API && typeof win.API.LMSInitialize === "function") return win.API;
        if (up === MOST_FRAMES || !win.parent || win.parent === win) return null;
        win = win.parent;
      }
    } catch (crossOrigin) {
      // Reading another origin's window throws.
    }
    return null;
  }

  function findApi() {
    var api = search(window);
    if (api) return api;
    try {
      return window.opener ? search(window.opener) : null;
    } catch (crossOrigin) {
      return null;
    }
  }

  var api = findApi();
  if (!api) return { platform: false };

  var started = Date.now();
  var connected = String(api.LMSInitialize("")) === "true";
  var ready = false, finished = false;
  var stored = "", lastWrite = 0, waiting = 0, watcher = 0;
  var completed = false;

  function get(element) { return String(api.LMSGetValue(element) || ""); }
  function set(element, value) { return String(api.LMSSetValue(element, value)) === "true"; }

  // Hundredths of a second as the data model's CMITimespan: HHHH:MM:SS.SS.
  function timespan(ms) {
    var cs = Math.floor(ms / 10), pad = function (n, width) { return ("000" + n).slice(-width); };
    var seconds = Math.floor(cs / 100);
    return pad(Math.min(9999, Math.floor(seconds / 3600)), 4) + ":" + pad(Math.floor(seconds / 60) % 60, 2) + ":" +
      pad(seconds % 60, 2) + "." + pad(cs % 100, 2);
  }

  // The moment on screen goes to the platform when it has changed.
  function keep() {
    var location = vantrel.link();
    if (location === stored || location.length > LONGEST_LOCATION) return false;
    if (!set("cmi.core.lesson_location", location)) return false;
    stored = location;
    return true;
  }

  function write() {
    waiting = 0;
    lastWrite = Date.now();
    if (keep()) api.LMSCommit("");
  }

  // The moment settled; written now, or a second after the last write.
  function settled() {
    if (!ready || finished || waiting) return;
    var wait = lastWrite + QUIET_MS - Date.now();
    if (wait <= 0) write();
    else waiting = setTimeout(write, wait);
  }

  function watch() {
    if (completed || finished || vantrel.playedTicks() < WHOLE_TURN) return;
    completed = true;
    clearInterval(watcher);
    if (set("cmi.core.lesson_status", "completed")) api.LMSCommit("");
  }

  function finish() {
    if (finished) return;
    if (ready) {
      clearTimeout(waiting);
      watch();
      keep();
    }
    finished = true;
    clearInterval(watcher);
    // The next launch resumes where this one ended.
    set("cmi.core.exit", "suspend");
    set("cmi.core.session_time", timespan(Date.now() - started));
    api.LMSCommit("");
    api.LMSFinish("");
  }

  if (connected) {
    var status = get("cmi.core.lesson_status");
    completed = status === "completed" || status === "passed";
    if (status === "not attempted" || status === "") {
      set("cmi.core.lesson_status", "incomplete");
      api.LMSCommit("");
    }
    document.addEventListener("vantrel-built", function () {
      stored = get("cmi.core.lesson_location");
      if (stored && stored.length <= LONGEST_LOCATION) vantrelAddress.open(new URLSearchParams(stored));
      ready = true;
      // As restored, with whatever the launch address asks for over it.
      setTimeout(settled, 0);
      if (!completed) watcher = setInterval(watch, QUIET_MS);
    });
    document.addEventListener("vantrel-settled", settled);
    window.addEventListener("pagehide", finish);
  }

  return { platform: true };
})();
