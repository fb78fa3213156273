// Taalspoor's page: the question (the choice of search, the query field, the options),
// asked of the engine in a worker as the user types, and the answer as a list. The
// choices and the options come from the engine's tables; the address holds the search.
import { followAddress, readAddress } from './address.js';
import { choicesOf, fillChoice, OptionControls, optionsOf } from './controls.js';
import { Engine } from './engine-client.js';
import { OwnListEditor, saveFile, storedOwnList } from './own-list.js';
import { ResultList } from './results.js';

// How long typing must pause before a search starts.
const pause = 150;
const defaultChoice = 'zoek:patroon';
const $ = (id) => document.getElementById(id);

const choiceField = $('search-choice');
const queryField = $('query-field');
const errorLine = $('error-line');
const help = $('search-help');
const engine = new Engine(storedOwnList());
const results = new ResultList({
  list: $('results'),
  countLine: $('count-line'),
  heading: $('heading'),
  notes: $('notes'),
  sentinel: $('more-rows'),
  engine,
});

let tables;
let choices;
let timer;
let generation = 0;

const chosen = () => choices.find((choice) => choice.value === choiceField.value);
const needsText = (choice) => (choice.search ? choice.search.textRequired : choice.mode.takesQuery);

function question() {
  const choice = chosen();
  const [kind, name] = choice.value.split(':');
  const pairs = [[kind, name]];
  if (queryField.value !== '' && !queryField.disabled) pairs.push(['q', queryField.value]);
  return [...pairs, ...controls.pairs()];
}

function columnsOf(answer) {
  const search = tables.searches.find((s) => s.name === answer.search);
  return search ? search.columns : { sets: false, leftover: false, explanation: false, count: false };
}

function showError(message) {
  errorLine.textContent = message.replace(/\s+/g, ' ');
  errorLine.hidden = !message;
}

async function searchNow() {
  clearTimeout(timer);
  const asked = question();
  followAddress(asked);
  const mine = ++generation;
  const started = performance.now();
  const choice = chosen();
  if (needsText(choice) && queryField.value.trim() === '') {
    showError('');
    results.clear('Typ wat u zoekt.');
    return;
  }
  try {
    const { answer, rows } = await engine.ask(asked, ResultList.batch);
    if (mine !== generation) return;
    // A refused query keeps the answer before it, as the window does.
    if (answer.error) return showError(answer.error);
    showError('');
    results.show(answer, rows, columnsOf(answer), new URLSearchParams(asked).toString());
    performance.measure('eerste rijen', { start: started, detail: new URLSearchParams(asked).toString() });
    for (const button of [$('copy-button'), $('save-button')]) button.disabled = answer.rows === 0;
  } catch (error) {
    if (mine === generation) showError(`De zoekopdracht liep vast: ${error.message}`);
  }
}

function scheduleSearch() {
  clearTimeout(timer);
  followAddress(question());
  timer = setTimeout(searchNow, pause);
}

const controls = new OptionControls($('options'), scheduleSearch);

function showChoice(given, fromAddress) {
  const choice = chosen();
  controls.show(optionsOf(choice, tables), given, fromAddress);
  help.textContent = choice.search ? choice.search.help : choice.mode.hint.replace(/\s*\n\s*/g, ' ');
  queryField.placeholder = choice.search ? choice.search.placeholder : '';
  queryField.disabled = choice.search ? !choice.search.takesText : !choice.mode.takesQuery;
}

$('question').addEventListener('submit', (event) => {
  event.preventDefault();
  searchNow();
});
queryField.addEventListener('input', scheduleSearch);
choiceField.addEventListener('change', () => {
  // What the user set stays where the next search has an option of the same meaning.
  const given = new Map();
  for (const [name, { value, valueName }] of controls.carried()) {
    const option = optionsOf(chosen(), tables).find((o) => o.name === name);
    if (option && option.valueName === valueName) given.set(name, value);
  }
  showChoice(given, false);
  searchNow();
});
$('copy-button').addEventListener('click', async () => {
  const { text } = await engine.text();
  await navigator.clipboard.writeText(text);
  $('count-line').dataset.copied = 'ja';
});
$('save-button').addEventListener('click', async () => {
  const { text } = await engine.text();
  saveFile('taalspoor.txt', [text], 'text/plain;charset=utf-8');
});

try {
  const ready = await engine.ready;
  // The service worker keeps the site for offline use; registered now, its copying of
  // the files does not slow the first start.
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
  tables = ready.tables;
  choices = choicesOf(tables);
  fillChoice(choiceField, choices);
  const editor = new OwnListEditor({
    engine,
    form: $('own-word-form'),
    field: $('own-word'),
    message: $('own-message'),
    list: $('own-words'),
    importer: $('own-import'),
    exporter: $('own-export'),
    onChange: searchNow,
  });
  editor.showWords(ready.ownWords);

  const address = readAddress();
  const known = choices.some((choice) => choice.value === address.choice);
  choiceField.value = known ? address.choice : defaultChoice;
  // An option given more than once (a list) fills its field with every value.
  const given = new Map();
  for (const [name, value] of address.params) given.set(name, given.has(name) ? `${given.get(name)} ${value}` : value);
  queryField.value = given.get('q') ?? '';
  given.delete('q');
  showChoice(given, known);
  if (known) searchNow();
  else results.clear('Typ wat u zoekt.');
  queryField.focus();
  document.body.dataset.ready = 'ja';
} catch (error) {
  showError(`Taalspoor kon niet starten: ${error.message}`);
}
