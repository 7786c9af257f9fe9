// SPDX-License-Identifier: GPL-3.0-or-later
// The page: a file, the set-up boxes, a run in the engine's worker, the
// pictures, probing, testing on a second file and the downloads. Every check,
// message and number comes from the engine; the page shows them.
import { EngineClient } from './engine-client.js';
import { drawCurve, drawPlane, drawWeights } from './pictures.js';

const $ = (id) => document.getElementById(id);
// The header's four numbers fit in far fewer bytes; a file whose header asks
// for more than the limits is refused before the rest is read.
const HeaderBytes = 64 * 1024;
const PlaneCells = 96;
const SectionNames = ['Input patterns', 'General', 'Responses', 'Errors', 'Weights', 'Output patterns', 'History'];

const state = { running: false, loaded: false, history: [], picture: null, fileName: '', defaults: null };
const engine = new EngineClient(onProgress);

function showMessage(text, title = 'Message') {
  $('messageTitle').textContent = title;
  $('messageText').textContent = text.replace(/\r/g, '\n');
  $('message').hidden = false;
  $('messageOk').focus();
}
$('messageOk').addEventListener('click', () => { $('message').hidden = true; });
document.addEventListener('keydown', (e) => {
  if (e.key === 'Escape') {
    if (!$('message').hidden) $('message').hidden = true;
    else if (state.running) stop();
  }
});

function setButtons() {
  const idle = !state.running;
  $('startTraining').disabled = !(idle && state.loaded);
  $('continueTraining').disabled = !(idle && state.loaded && state.picture && state.picture.trained);
  $('stopTraining').disabled = idle;
  for (const id of ['probe', 'testFile', 'downloadReport', 'downloadNetwork', 'openSample', 'openFile'])
    $(id).disabled = !idle || (!state.loaded && !['openSample', 'openFile'].includes(id));
}

function showStatus(status) {
  const ids = ['statusEpochs', 'statusSSE', 'statusChange', 'statusHits', 'statusMisses'];
  ids.forEach((id, i) => { $(id).textContent = status.lines[i]; $(id).className = ''; });
  if (status.changeColour) $('statusChange').className = status.changeColour;
  if (status.hitsColour) $('statusHits').className = status.hitsColour;
}

function onProgress(progress) {
  if (progress.type === 'problem') {
    showMessage(progress.message, 'Training');
    return;
  }
  showStatus(progress);
  state.history.push(...progress.history);
  drawCurve($('sseCurve'), state.history);
}

function setup() {
  const radio = (name) => document.querySelector(`input[name=${name}]:checked`).value;
  return {
    rule: radio('rule'),
    fileOrder: radio('order') === 'file',
    freezeThresholds: radio('thresholdTraining') === 'hold',
    epochs: $('epochs').value, printEvery: $('printEvery').value,
    rate: $('rate').value, minError: $('minError').value,
    stopAtMaxEpochs: $('stopAtMaxEpochs').checked, stopWhenAllHits: $('stopWhenAllHits').checked,
    weights: { min: $('weightMin').value, max: $('weightMax').value, sign: $('weightSign').value },
    thresholds: { min: $('thresholdMin').value, max: $('thresholdMax').value, sign: $('thresholdSign').value },
    seed: $('seed').value.trim(),
  };
}

function fillSetup(values) {
  for (const key of ['epochs', 'printEvery', 'rate', 'minError']) if (values[key] !== undefined) $(key).value = values[key];
  if (values.rule) document.querySelector(`input[name=rule][value=${values.rule}]`).checked = true;
  if (values.fileOrder !== undefined)
    document.querySelector(`input[name=order][value=${values.fileOrder ? 'file' : 'random'}]`).checked = true;
  if (values.freezeThresholds !== undefined)
    document.querySelector(`input[name=thresholdTraining][value=${values.freezeThresholds ? 'hold' : 'train'}]`).checked = true;
  if (values.stopAtMaxEpochs !== undefined) $('stopAtMaxEpochs').checked = values.stopAtMaxEpochs;
  if (values.stopWhenAllHits !== undefined) $('stopWhenAllHits').checked = values.stopWhenAllHits;
}

// Each rule writes its own rate into the box, as its option button does on the desktop.
for (const radio of document.querySelectorAll('input[name=rule]'))
  radio.addEventListener('change', () => { $('rate').value = state.defaults.rates[radio.value]; });

async function refreshPictures() {
  const picture = await engine.call('picture');
  state.picture = picture;
  state.history = picture.history;
  drawCurve($('sseCurve'), state.history);
  const twoInputs = picture.sizes.inputs === 2;
  $('planeFigure').hidden = !twoInputs;
  $('weightsFigure').hidden = twoInputs;
  if (twoInputs) {
    const unit = Number($('planeUnit').value || 1);
    const xs = picture.patterns.flatMap((p) => [p.x, p.y]);
    const low = Math.min(0, ...xs) - 0.5, high = Math.max(1, ...xs) + 0.5;
    const values = await engine.call('plane', unit, low, high, PlaneCells);
    drawPlane($('plane'), values, PlaneCells, low, high, picture.patterns, unit);
  } else {
    redrawWeights();
  }
  setButtons();
}
$('planeUnit').addEventListener('change', refreshPictures);
function redrawWeights() {
  if (state.picture)
    drawWeights($('weights'), state.picture.weights, state.picture.thresholds, Number($('pictureWidth').value),
      $('ownContrast').checked);
}
$('pictureWidth').addEventListener('input', redrawWeights);
$('ownContrast').addEventListener('change', redrawWeights);

// The picture width that lays a unit's weights out as the file's picture: the
// largest divisor of the inputs not above their square root (5 for 5 x 7 letters).
function pictureWidthFor(inputs) {
  let best = 1;
  for (let w = 1; w * w <= inputs; ++w) if (inputs % w === 0) best = w;
  return best;
}

async function opened(answer) {
  if (!answer.ok) {
    showMessage(answer.message, 'File');
    return;
  }
  state.loaded = true;
  state.fileName = answer.name;
  const { outputs, inputs, patterns } = answer.sizes;
  $('fileInfo').textContent = `${answer.name}: ${outputs} output units, ${inputs} input units, ${patterns} patterns.`;
  $('planeUnit').replaceChildren(...Array.from({ length: outputs }, (_, k) => new Option(String(k + 1))));
  $('pictureWidth').value = pictureWidthFor(inputs);
  $('probePattern').max = patterns;
  if (answer.setup) fillSetup(answer.setup);
  if (answer.status) showStatus(answer.status);
  else showStatus({ lines: ['', '', '', '', ''] });
  $('testResult').textContent = '';
  $('probeResult').textContent = '';
  await refreshPictures();
  if (answer.warnings && answer.warnings.length) showMessage(answer.warnings.join('\n'), 'File');
  else $('startTraining').focus();
}

// A file from the disk or a drop: only its header first, then the whole.
async function openFile(file) {
  if (!file) return;
  if (/\.vnet$/i.test(file.name)) {
    const bytes = new Uint8Array(await file.arrayBuffer());
    await opened(await engine.call('openSavedNetwork', file.name, bytes));
    return;
  }
  const head = new Uint8Array(await file.slice(0, HeaderBytes).arrayBuffer());
  const header = await engine.call('checkHeader', file.name, head);
  if (!header.ok) {
    showMessage(header.message, 'File');
    return;
  }
  const bytes = new Uint8Array(await file.arrayBuffer());
  await opened(await engine.call('openTrainingFile', file.name, bytes));
}

$('openFile').addEventListener('click', () => $('fileInput').click());
$('fileInput').addEventListener('change', async () => { await openFile($('fileInput').files[0]); $('fileInput').value = ''; });
$('openSample').addEventListener('click', async () => {
  const name = $('sample').value;
  const response = await fetch(`examples/${name}`);
  const bytes = new Uint8Array(await response.arrayBuffer());
  await opened(await engine.call('openTrainingFile', name, bytes));
});
const dropBox = $('fileSection');
dropBox.addEventListener('dragover', (e) => { e.preventDefault(); dropBox.classList.add('dragging'); });
dropBox.addEventListener('dragleave', () => dropBox.classList.remove('dragging'));
dropBox.addEventListener('drop', (e) => {
  e.preventDefault();
  dropBox.classList.remove('dragging');
  openFile(e.dataTransfer.files[0]);
});

async function train(op) {
  state.running = true;
  state.history = op === 'start' ? [] : state.history;
  setButtons();
  $('runState').textContent = 'Training…';
  $('stopTraining').focus();
  let answer;
  try {
    answer = await engine.call(op, setup());
  } finally {
    state.running = false;
  }
  if (answer.refused) {
    if (answer.correction) $(answer.field) && ($(answer.field).value = answer.correction);
    if (answer.field === 'stop') { $('stopAtMaxEpochs').checked = true; $('stopWhenAllHits').checked = true; }
    $('runState').textContent = '';
    setButtons();
    showMessage(answer.message, answer.title || 'Settings');
    return;
  }
  showStatus(answer.status);
  // Said once the pictures and buttons show the trained network.
  await refreshPictures();
  $('runState').textContent = `Training ended. ${answer.status.lines.filter(Boolean).join('. ')}`;
  $('startTraining').focus();
}
function stop() { engine.stop(); }
$('startTraining').addEventListener('click', () => train('start'));
$('continueTraining').addEventListener('click', () => train('continueRun'));
$('stopTraining').addEventListener('click', stop);

$('probe').addEventListener('click', async () => {
  const answer = await engine.call('probe', Number($('probePattern').value));
  if (!answer.ok) {
    showMessage(answer.message, 'Probe');
    return;
  }
  const lines = [`Pattern ${answer.pattern}`, `Inputs: ${answer.inputs.join(' ')}`];
  answer.outputs.forEach((o, k) => lines.push(
    `Output ${k + 1}: response ${o.response}, desired ${o.desired}, error ${o.error} (${o.hit ? 'hit' : 'miss'})`));
  $('probeResult').textContent = lines.join('\n') + '\n\n' + $('probeResult').textContent;
});

$('testFile').addEventListener('click', () => $('testInput').click());
$('testInput').addEventListener('change', async () => {
  const file = $('testInput').files[0];
  $('testInput').value = '';
  if (!file) return;
  const answer = await engine.call('testOnFile', file.name, new Uint8Array(await file.arrayBuffer()));
  if (!answer.ok) {
    showMessage(answer.message, 'Test file');
    return;
  }
  state.fileName = answer.name;
  $('fileInfo').textContent = `${answer.name} (test file): ${answer.sizes.patterns} patterns in place of the training patterns.`;
  // As the trainer prints a test: the total SSE, hit and miss lines.
  const [, sse, , hits, misses] = answer.status.lines;
  $('testResult').textContent = [`Test file: ${answer.name}`, sse, hits, misses].join('\n');
  await refreshPictures();
});

function download(bytes, name, type) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}
const baseName = () => state.fileName.replace(/\.[^.]*$/, '') || 'network';

$('downloadReport').addEventListener('click', async () => {
  const sections = Array(SectionNames.length).fill(false);
  for (const box of $('reportSections').querySelectorAll('input')) sections[box.dataset.section] = box.checked;
  const now = new Date();
  const bytes = await engine.call('report', { sections, date: now.toLocaleDateString(), time: now.toLocaleTimeString() });
  download(bytes, `${baseName()}-report.txt`, 'text/plain');
});
$('downloadNetwork').addEventListener('click', async () => {
  download(await engine.call('savedNetwork', setup()), `${baseName()}.vnet`, 'application/json');
});

async function begin() {
  const { setup: defaults, sections } = await engine.call('defaults');
  state.defaults = defaults;
  fillSetup(defaults);
  $('rate').value = defaults.rates[defaults.rule];
  $('weightMin').value = defaults.weights.min; $('weightMax').value = defaults.weights.max;
  $('weightSign').value = defaults.weights.sign;
  $('thresholdMin').value = defaults.thresholds.min; $('thresholdMax').value = defaults.thresholds.max;
  $('thresholdSign').value = defaults.thresholds.sign;
  // Listed in the order the report writes them.
  const order = [1, 2, 3, 4, 0, 5, 6];
  $('reportSections').append(...order.map((i) => {
    const label = document.createElement('label');
    const box = Object.assign(document.createElement('input'), { type: 'checkbox', checked: sections[i] });
    box.dataset.section = i;
    label.append(box, ` ${SectionNames[i]}`);
    return label;
  }));
  const samples = await (await fetch('examples/index.json')).json();
  $('sample').replaceChildren(...samples.map((name) => new Option(name)));
  setButtons();
  document.body.dataset.ready = 'true';
}
begin();
