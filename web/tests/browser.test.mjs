// SPDX-License-Identifier: GPL-3.0-or-later
// The built page in headless Chromium, against the trainer on the same files.
import assert from 'node:assert/strict';
import { mkdir, readFile, writeFile } from 'node:fs/promises';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import {
  Examples, Patience, TestData, chooseRule, downloaded, fill, lastBlock, openBrowser, openLocalFile, openPage,
  openSample, statusLines, train, trainToEnd, withoutMoment,
} from './support.mjs';

// How far the smooth rules' numbers may drift from the desktop's: the
// browser's exp comes from another C library. The same bound stands in the README.
const SmoothDriftBound = 1e-10;
const AllSections = ['general', 'responses', 'errors', 'weights', 'inputs', 'outputs', 'history'];

let session;
before(async () => { session = await openBrowser(); });
after(async () => { await session.close(); });

async function checkAllSections(page) {
  await page.$$eval('#reportSections input', (boxes) => boxes.forEach((box) => { box.checked = true; }));
}

// Trains `file` in the page and with the trainer, same rule, rate and seed;
// answers both reports (all sections) and both final status blocks.
async function trainBoth(file, rule, rate, seed) {
  const { page, downloads, errors } = await openPage(session);
  await openSample(page, file);
  await chooseRule(page, rule);
  await fill(page, { rate, seed });
  await trainToEnd(page);
  await checkAllSections(page);
  await page.click('#downloadReport');
  const web = await downloaded(downloads, file.replace(/\.net$/, '-report.txt'));
  const lines = await statusLines(page);
  const desk = await train(Examples, file, ['--quiet', '--rule', rule, '--rate', rate, '--seed', seed, '--sections',
    AllSections.join(','), '-o', join(downloads, 'trainer.txt')]);
  assert.equal(desk.code ?? 0, 0, desk.stderr);
  const deskReport = await downloaded(downloads, 'trainer.txt');
  await page.close();
  assert.deepEqual(errors, []);
  return { web, desk: deskReport, webLines: lines, deskLines: lastBlock(desk.stdout) };
}

describe('the step rule gives the trainer\'s bytes', () => {
  for (const file of ['and.net', 'letters.net']) {
    test(`${file}: trained to all hits, the same status lines and report`, async () => {
      const both = await trainBoth(file, 'Delta', '0.50', '7');
      assert.ok(both.webLines.includes('Misses: 0.00'), both.webLines.join('\n'));
      assert.deepEqual(both.webLines, both.deskLines);
      assert.equal(withoutMoment(both.web), withoutMoment(both.desk));
      assert.match(Buffer.from(both.web).toString('latin1'), /^Date Of Analysis: .+\r\r\n/m);
    });
  }
});

describe('the smooth rules stay within the stated drift', () => {
  // Every number of the two reports, token by token: the texts match apart
  // from numbers, and each number pair within the bound.
  function worstDrift(web, desk) {
    const tokens = (bytes) => withoutMoment(bytes).split(/\s+/).filter(Boolean);
    const a = tokens(web), b = tokens(desk);
    assert.equal(a.length, b.length);
    let worst = 0;
    a.forEach((token, i) => {
      if (token === b[i]) return;
      const x = Number(token), y = Number(b[i]);
      assert.ok(Number.isFinite(x) && Number.isFinite(y), `"${token}" against "${b[i]}"`);
      worst = Math.max(worst, Math.abs(x - y) / Math.max(Math.abs(x), Math.abs(y)));
    });
    return worst;
  }
  for (const [file, rule, rate] of [['xor.net', 'Gradient', '0.50'], ['letters.net', 'Tarvik', '0.10'],
    ['clusters.net', 'Tarvik', '0.10']]) {
    test(`${file} under ${rule}`, async () => {
      const both = await trainBoth(file, rule, rate, '11');
      const worst = worstDrift(both.web, both.desk);
      assert.ok(worst <= SmoothDriftBound, `relative drift ${worst}`);
      console.log(`# ${file} ${rule}: largest relative difference from the trainer's report ${worst}`);
    });
  }
});

test('a saved network from the page opens in the trainer with the same report', async () => {
  const { page, downloads } = await openPage(session);
  await openSample(page, 'or.net');
  await fill(page, { seed: '5' });
  await trainToEnd(page);
  await page.click('#downloadNetwork');
  const saved = await downloaded(downloads, 'or.vnet');
  await page.click('#downloadReport');
  const web = await downloaded(downloads, 'or-report.txt');
  await writeFile(join(downloads, 'saved.vnet'), saved);
  const desk = await train(downloads, '--load', ['saved.vnet', '-o', 'trainer.txt']);
  assert.equal(desk.code ?? 0, 0, desk.stderr);
  assert.equal(withoutMoment(await downloaded(downloads, 'trainer.txt')), withoutMoment(web));
  await page.close();
});

test('a never-ending run leaves the page responsive and ends on Stop', async () => {
  const { page } = await openPage(session);
  await openSample(page, 'xor.net');
  await fill(page, { stopAtMaxEpochs: false, printEvery: '1' });
  await page.click('#startTraining');
  const epochs = () => page.$eval('#statusEpochs', (e) => Number(e.textContent.replace(/\D/g, '') || 0));
  await page.waitForFunction(() => Number(document.getElementById('statusEpochs').textContent.replace(/\D/g, '')) > 0,
    { timeout: Patience });
  const early = await epochs();
  // The page answers while the worker trains: typing reaches a box.
  await page.click('#probePattern', { clickCount: 3 });
  await page.keyboard.type('3');
  assert.equal(await page.$eval('#probePattern', (e) => e.value), '3');
  await page.waitForFunction((n) => Number(document.getElementById('statusEpochs').textContent.replace(/\D/g, '')) > n,
    { timeout: Patience }, early);
  assert.equal(await page.$eval('#startTraining', (b) => b.disabled), true);
  await page.keyboard.press('Escape');  // Stop, from the keyboard
  await page.waitForFunction(() => document.getElementById('runState').textContent.startsWith('Training ended'),
    { timeout: Patience });
  const stopped = await epochs();
  assert.ok(stopped > early);
  assert.equal(await page.$eval('#continueTraining', (b) => b.disabled), false);
  // Nothing trains after the stop: the probe answers, the count stays.
  await page.click('#probe');
  await page.waitForFunction(() => document.getElementById('probeResult').textContent.startsWith('Pattern 3'),
    { timeout: Patience });
  assert.equal(await epochs(), stopped);
  await page.close();
});

describe('bad files get the trainer\'s messages', () => {
  for (const name of ['word_in_patterns.net', 'ends_inside_patterns.net', 'inputs_beyond_limit.net',
    'needs_too_much_memory.net']) {
    test(name, async () => {
      const desk = await train(TestData, name, []);
      assert.notEqual(desk.code, 0);
      const expected = desk.stderr.trim().replace(/^vantorelle-train: /, '');
      const { page } = await openPage(session);
      await openLocalFile(page, join(TestData, name));
      await page.waitForSelector('#message:not([hidden])', { timeout: Patience });
      assert.equal(await page.$eval('#messageText', (e) => e.textContent), expected);
      assert.equal(await page.$eval('#startTraining', (b) => b.disabled), true);
      await page.close();
    });
  }
});

describe('a person at a phone or a desk', () => {
  test('every control has a name and the keyboard reaches Start Training', async () => {
    const { page } = await openPage(session, { width: 390, height: 844, isMobile: true, hasTouch: true });
    await openSample(page, 'and.net');
    const tree = await page.accessibility.snapshot({ interestingOnly: true });
    const unnamed = [];
    const walk = (node) => {
      if (['button', 'textbox', 'combobox', 'checkbox', 'radio', 'spinbutton', 'img'].includes(node.role) && !node.name)
        unnamed.push(node.role);
      (node.children || []).forEach(walk);
    };
    walk(tree);
    assert.deepEqual(unnamed, []);
    // No sideways scrolling on a phone.
    assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth));
    await page.focus('#sample');
    let reached = false;
    for (let i = 0; i < 60 && !reached; ++i) {
      await page.keyboard.press('Tab');
      reached = await page.evaluate(() => document.activeElement.id === 'startTraining');
    }
    assert.ok(reached);
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.getElementById('runState').textContent.startsWith('Training ended'),
      { timeout: Patience });
    await page.close();
  });

  test('screenshots of a trained network at phone and desktop sizes', async () => {
    const folder = process.env.VANTORELLE_SCREENSHOTS;
    if (folder) await mkdir(folder, { recursive: true });
    for (const [size, viewport, file, rule] of [
      ['phone', { width: 390, height: 844, isMobile: true }, 'letters.net', 'Delta'],
      ['desktop', { width: 1280, height: 900 }, 'xor.net', 'Tarvik']]) {
      const { page } = await openPage(session, viewport);
      await openSample(page, file);
      await chooseRule(page, rule);
      await fill(page, { seed: '3', printEvery: '5' });
      await trainToEnd(page);
      if (file === 'letters.net') {
        await page.click('#ownContrast');
        assert.match(await page.$eval('#weights', (c) => c.getAttribute('aria-label')), /own contrast/);
      }
      const shot = await page.screenshot({ fullPage: true, path: folder ? join(folder, `web-${size}.png`) : undefined });
      assert.ok(shot.length > 10_000);
      await page.close();
    }
  });
});

describe('files from the trainer and second files', () => {
  test('a network the trainer saved opens in the page with its status lines and report', async () => {
    const { page, downloads } = await openPage(session);
    const desk = await train(Examples, 'xor.net', ['--quiet', '--rule', 'Gradient', '--seed', '21', '--save',
      join(downloads, 'xor.vnet'), '-o', join(downloads, 'trainer.txt')]);
    assert.equal(desk.code ?? 0, 0, desk.stderr);
    await openLocalFile(page, join(downloads, 'xor.vnet'));
    await page.waitForFunction(() => document.getElementById('fileInfo').textContent.startsWith('xor.net:'),
      { timeout: Patience });
    assert.deepEqual(await statusLines(page), lastBlock(desk.stdout));
    assert.equal(await page.$eval('input[name=rule]:checked', (r) => r.value), 'Gradient');
    await page.click('#downloadReport');
    const web = await downloaded(downloads, 'xor-report.txt');
    assert.equal(withoutMoment(web), withoutMoment(await downloaded(downloads, 'trainer.txt')));
    await page.close();
  });

  test('testing on a second file gives the trainer\'s totals', async () => {
    const { page } = await openPage(session);
    await openSample(page, 'and.net');
    await fill(page, { seed: '7' });
    await trainToEnd(page);
    const input = await page.$('#testInput');
    await input.uploadFile(join(Examples, 'or.net'));
    await page.waitForFunction(() => document.getElementById('testResult').textContent.startsWith('Test file: or.net'),
      { timeout: Patience });
    const desk = await train(Examples, 'and.net', ['--quiet', '--seed', '7', '--test', 'or.net']);
    assert.equal(desk.code ?? 0, 0, desk.stderr);
    const deskLines = desk.stdout.split('\n');
    const from = deskLines.indexOf('Test file: or.net');
    assert.ok(from >= 0, desk.stdout);
    const webLines = (await page.$eval('#testResult', (e) => e.textContent)).split('\n').map((l) => l.trim());
    assert.deepEqual(webLines, deskLines.slice(from, from + 4).map((l) => l.trim()));
    await page.close();
  });
});

test('a refused setting shows the engine\'s message and the box takes its correction', async () => {
  const { page } = await openPage(session);
  await openSample(page, 'and.net');
  await fill(page, { rate: '-2' });
  await page.click('#startTraining');
  await page.waitForSelector('#message:not([hidden])', { timeout: Patience });
  assert.notEqual(await page.$eval('#messageText', (e) => e.textContent), '');
  assert.equal(await page.$eval('#rate', (e) => e.value), '0.10');
  assert.equal(await page.$eval('#statusEpochs', (e) => e.textContent), '');
  await page.click('#messageOk');
  assert.equal(await page.$eval('#message', (e) => e.hidden), true);
  await page.close();
});

test('Continue Training goes on as the trainer\'s --continue does', async () => {
  const { page, downloads } = await openPage(session);
  await openSample(page, 'xor.net');
  await chooseRule(page, 'Gradient');
  await fill(page, { seed: '13', epochs: '40', printEvery: '10', stopWhenAllHits: false });
  await trainToEnd(page);
  await fill(page, { epochs: '25' });
  await page.$eval('#runState', (e) => { e.textContent = ''; });
  await page.click('#continueTraining');
  await page.waitForFunction(() => document.getElementById('runState').textContent.startsWith('Training ended'),
    { timeout: Patience });
  assert.equal(await page.$eval('#statusEpochs', (e) => e.textContent.trim()), 'Epochs: 65');
  await checkAllSections(page);
  await page.click('#downloadReport');
  const web = await downloaded(downloads, 'xor-report.txt');
  const desk = await train(Examples, 'xor.net', ['--quiet', '--rule', 'Gradient', '--seed', '13', '--epochs', '40',
    '--print-every', '10', '--no-hit-stop', '--continue', '25', '--sections', AllSections.join(','),
    '-o', join(downloads, 'trainer.txt')]);
  assert.equal(desk.code ?? 0, 0, desk.stderr);
  assert.deepEqual(await statusLines(page), lastBlock(desk.stdout));
  assert.equal(withoutMoment(web), withoutMoment(await downloaded(downloads, 'trainer.txt')));
  await page.close();
});

describe('bad set-ups and saved networks get their messages', () => {
  test('a saved network that is no JSON gets the trainer\'s message', async () => {
    const { page, downloads } = await openPage(session);
    await writeFile(join(downloads, 'cut.vnet'), '{"format": "vantorelle-network", "version": 1, "net');
    const desk = await train(downloads, '--load', ['cut.vnet']);
    assert.notEqual(desk.code, 0);
    await openLocalFile(page, join(downloads, 'cut.vnet'));
    await page.waitForSelector('#message:not([hidden])', { timeout: Patience });
    assert.equal(await page.$eval('#messageText', (e) => e.textContent),
      desk.stderr.trim().replace(/^vantorelle-train: --load: /, ''));
    await page.close();
  });

  test('a rate that is no number is refused and nothing trains', async () => {
    const { page } = await openPage(session);
    await openSample(page, 'and.net');
    await fill(page, { rate: 'fast' });
    await page.click('#startTraining');
    await page.waitForSelector('#message:not([hidden])', { timeout: Patience });
    assert.match(await page.$eval('#messageText', (e) => e.textContent), /fast/);
    assert.equal(await page.$eval('#statusEpochs', (e) => e.textContent), '');
    assert.equal(await page.$eval('#startTraining', (b) => b.disabled), false);
    await page.close();
  });
});

test('a file dropped on the file box opens as one chosen with the button', async () => {
  const { page } = await openPage(session);
  const text = await readFile(join(Examples, 'or.net'), 'latin1');
  await page.evaluate((contents) => {
    const carried = new DataTransfer();
    carried.items.add(new File([contents], 'or.net'));
    document.getElementById('fileSection').dispatchEvent(
      new DragEvent('drop', { dataTransfer: carried, bubbles: true, cancelable: true }));
  }, text);
  await page.waitForFunction(() => document.getElementById('fileInfo').textContent.startsWith('or.net:'),
    { timeout: Patience });
  assert.equal(await page.$eval('#fileInfo', (e) => e.textContent),
    'or.net: 1 output units, 2 input units, 4 patterns.');
  assert.equal(await page.$eval('#startTraining', (b) => b.disabled), false);
  await page.close();
});
