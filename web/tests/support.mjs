// SPDX-License-Identifier: GPL-3.0-or-later
// What the browser tests share: the built page served on localhost, Debian's
// chromium driven by puppeteer-core, downloads into a folder of their own,
// and the trainer run on the same files for comparison.
import { execFile } from 'node:child_process';
import { mkdtemp, readdir, readFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { promisify } from 'node:util';
import puppeteer from 'puppeteer-core';
import { serve } from '../tools/serve.mjs';

export const Dist = process.env.VANTORELLE_WEB_DIST;
export const Trainer = process.env.VANTORELLE_TRAIN;
export const Examples = new URL('../../examples/', import.meta.url).pathname;
export const TestData = new URL('../../tests/data/', import.meta.url).pathname;
// Generous: the machine may be busy with other builds.
export const Patience = 120_000;

export async function openBrowser() {
  const server = await serve(Dist);
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-dev-shm-usage'],
  });
  const url = `http://127.0.0.1:${server.address().port}/`;
  return {
    browser,
    url,
    async close() {
      await browser.close();
      server.close();
    },
  };
}

// A fresh page, loaded and ready, whose downloads land in a folder of its own.
export async function openPage(session, viewport = { width: 1280, height: 900 }) {
  const page = await session.browser.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.setViewport(viewport);
  const downloads = await mkdtemp(join(tmpdir(), 'vantorelle-downloads-'));
  const cdp = await page.createCDPSession();
  await cdp.send('Page.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  await page.goto(session.url);
  await page.waitForSelector('body[data-ready=true]', { timeout: Patience });
  return { page, downloads, errors };
}

export async function openSample(page, name) {
  await page.select('#sample', name);
  await page.click('#openSample');
  await page.waitForFunction((n) => document.getElementById('fileInfo').textContent.startsWith(n + ':'),
    { timeout: Patience }, name);
}

export async function openLocalFile(page, path) {
  const input = await page.$('#fileInput');
  await input.uploadFile(path);
}

// Sets boxes and check boxes by id, as a script would (no input events).
export async function fill(page, values) {
  for (const [id, value] of Object.entries(values)) {
    await page.$eval(`#${id}`, (box, v) => {
      if (box.type === 'checkbox') box.checked = v;
      else box.value = v;
    }, value);
  }
}
export async function chooseRule(page, rule) {
  await page.click(`input[name=rule][value=${rule}]`);
}
// Start Training, then wait until the page says the run has ended.
export async function trainToEnd(page) {
  await page.$eval('#runState', (e) => { e.textContent = ''; });
  await page.click('#startTraining');
  await page.waitForFunction(() => document.getElementById('runState').textContent.startsWith('Training ended'),
    { timeout: Patience });
}

export async function statusLines(page) {
  return page.$$eval('#status div', (lines) => lines.map((l) => l.textContent.trim()).filter(Boolean));
}

// Waits for a download named `name` to be complete in `folder`; its bytes.
export async function downloaded(folder, name) {
  const until = Date.now() + Patience;
  for (;;) {
    const files = await readdir(folder);
    if (files.includes(name) && !files.some((f) => f.endsWith('.crdownload'))) return readFile(join(folder, name));
    if (Date.now() > until) throw new Error(`no download ${name} in ${folder}: ${files.join(', ')}`);
    await new Promise((resolve) => setTimeout(resolve, 50));  // a poll interval, not a wait for time
  }
}

// The trainer on `file` (named as the page names it: run in its folder).
export async function train(folder, file, args) {
  const run = promisify(execFile);
  try {
    return await run(Trainer, [file, ...args], { cwd: folder, encoding: 'latin1' });
  } catch (failure) {
    return failure;  // stdout, stderr and code of a refused file
  }
}

// A report without its date and time lines, which differ run to run.
export function withoutMoment(bytes) {
  return Buffer.from(bytes).toString('latin1').split('\n').filter((l) => !/^(Date|Time) Of Analysis: /.test(l)).join('\n');
}

// The trainer's last block of status lines on its output.
export function lastBlock(stdout) {
  const blocks = stdout.trim().split(/\n\s*\n/);
  return blocks[blocks.length - 1].split('\n').map((l) => l.trim()).filter(Boolean);
}
