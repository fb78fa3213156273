// Taalspoor's page: the question (the choice of search, the query field, the options),
// asked of the engine in a worker as the user types, and the answer as a list. The
// choices and the options come from the engine's tables; the address holds the search.
import { followAddress, readAddress } from './address.js';
import { choicesOf, fillChoice, OptionControls, optionsOf } from './controls.js';
import { Engine } from './engine-client.js';
import { LingoBoard } from './lingo-board.js';
import { WordBoard } from './word-board.js';
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
const loading = $('loading');
// The bar fills as the engine and the word list arrive.
const engine = new Engine(storedOwnList(), (loaded, total) => {
  if (total > 0) loading.value = Math.min(1, loaded / total);
});
// The tables come beside the page, so that the choice of search and its options are
// there before the engine has loaded.
const tablesBesideThePage = fetch('tables.json').then((response) => (response.ok ? response.json() : null)).catch(() => null);
const results = new ResultList({
  list: $('results'),
  countLine: $('count-line'),
  heading: $('heading'),
  notes: $('notes'),
  sentinel: $('more-rows'),
  engine,
  // A move chosen in the list is shown on the word board.
  onChoose: (fields) => wordBoard.showMove(fields[1], fields[2], fields[3]),
});

let tables;
let choices;
let timer;
let generation = 0;
let engineReady = false;

const chosen = () => choices.find((choice) => choice.value === choiceField.value);
// A search with a board of its own asks the board, not the query field.
const needsText = (choice) => (choice.search ? choice.search.textRequired && !choice.search.ownPage : choice.mode.takesQuery);

// A search with a board of its own: the guessing games' (their guesses come from it), or
// the word games' (the board itself is the question).
const boardOf = (choice) => (!choice?.search?.ownPage ? null : choice.search.columns.moves ? wordBoard : board);
const hasBoard = (choice) => boardOf(choice) !== null;

function question() {
  const choice = chosen();
  const [kind, name] = choice.value.split(':');
  const pairs = [[kind, name]];
  if (queryField.value !== '' && !queryField.disabled) pairs.push(['q', queryField.value]);
  return [...pairs, ...controls.pairs(), ...(boardOf(choice)?.pairs() ?? [])];
}

function columnsOf(answer) {
  const search = tables.searches.find((s) => s.name === answer.search);
  return search ? search.columns : { sets: false, leftover: false, explanation: false, count: false };
}

// A refusal names an option by the control's label, as the user sees it ("Lengte: verwacht
// een getal"), where the engine names it as the command line does ("--lengte verwacht ...").
function inOwnWords(message) {
  const named = /^--([a-z-]+) (.*)$/s.exec(message);
  if (!named || !chosen()) return message;
  const option = optionsOf(chosen(), tables).find((o) => o.name === named[1]);
  if (!option || !option.label) return message;
  const label = option.kind === 'length' ? 'Lengte' : option.label.replace(/&(.)/g, '$1').replace(/:\s*$/, '');
  return `${label}: ${named[2]}`;
}

function showError(message) {
  errorLine.textContent = inOwnWords(message).replace(/\s+/g, ' ');
  errorLine.hidden = !message;
}

async function searchNow() {
  clearTimeout(timer);
  if (!choices) return;
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
  if (boardOf(choice) === wordBoard && !controls.valueOf('rek')) {
    showError('');
    results.clear('Typ de letters van uw rek.');
    return;
  }
  // What is typed before the engine is ready is asked as soon as it is.
  if (!engineReady) {
    results.busy('Taalspoor wordt geladen…');
    return;
  }
  results.busy('zoeken…');
  try {
    const { answer, rows } = await engine.ask(asked, ResultList.batch);
    if (mine !== generation) return;
    // A refused query keeps the answer before it, as the window does.
    if (answer.error) {
      results.idle();
      return showError(answer.error);
    }
    showError('');
    results.show(answer, rows, columnsOf(answer), new URLSearchParams(asked).toString());
    performance.measure('eerste rijen', { start: started, detail: new URLSearchParams(asked).toString() });
    for (const button of [$('copy-button'), $('save-button')]) button.disabled = answer.rows === 0;
  } catch (error) {
    if (mine === generation) {
      results.idle();
      showError(`De zoekopdracht liep vast: ${error.message}`);
    }
  }
}

function scheduleSearch() {
  clearTimeout(timer);
  if (!choices) return;
  followAddress(question());
  timer = setTimeout(searchNow, pause);
}

const optionsFold = $('options-fold');
const optionsSummary = $('options-summary');

// The folded options say in one line what is set.
function summarise() {
  const set = controls.summary();
  optionsSummary.textContent = set ? `Opties: ${set}` : 'Opties';
}

const board = new LingoBoard({ board: $('lingo-board'), grid: $('lingo-grid'), field: $('lingo-guess'), onChange: () => scheduleSearch() });

// The game as the options set it: a change of game, length or first letter is a new game.
function boardConfig() {
  const game = controls.valueOf('spel') || 'lingo';
  const squares = Number.parseInt(controls.valueOf('lengte'), 10) || 5;
  return { game, squares, first: game === 'lingo' ? (controls.valueOf('begin') || '').trim().toLowerCase() : '' };
}

// The word games' board and rack stay in the browser between visits.
const stored = { board: 'taalspoor.bord', rack: 'taalspoor.rek' };
function keepBoard() {
  localStorage.setItem(stored.board, wordBoard.text());
  localStorage.setItem(stored.rack, controls.valueOf('rek') ?? '');
}

const wordBoard = new WordBoard({
  board: $('word-board'),
  grid: $('word-grid'),
  layButton: $('lay-button'),
  onChange: () => { keepBoard(); scheduleSearch(); },
  // A move laid takes its tiles off the rack: what is left is the rack.
  onLay: (rest) => { controls.setValue('rek', rest); keepBoard(); searchNow(); },
});

// A board file as taalspoor-zoek --bord reads it: 15 lines of 15 signs.
$('board-open').addEventListener('change', async (event) => {
  const [file] = event.target.files;
  if (!file) return;
  const lines = (await file.text()).split(/\r?\n/).map((line) => line.trimEnd());
  while (lines.length > 0 && lines[lines.length - 1] === '') lines.pop();
  wordBoard.read(lines.join('/'));
  showError(wordBoard.text() === lines.join('/') ? '' : 'Dit bestand is geen bord van 15 regels van 15 tekens.');
  keepBoard();
  searchNow();
});
$('board-save').addEventListener('click', () => saveFile('bord.txt', [`${wordBoard.text().replaceAll('/', '\n')}\n`], 'text/plain;charset=utf-8'));

const controls = new OptionControls($('options'), () => {
  summarise();
  if (boardOf(chosen()) === board) board.configure(boardConfig());
  if (boardOf(chosen()) === wordBoard) {
    wordBoard.configure(controls.valueOf('spel') || 'wordfeud');
    keepBoard();
  }
  scheduleSearch();
});

// On a wide screen the options stand open beside the answer; on a phone they fold into
// their one line, so that the answer follows the query field.
const wide = window.matchMedia('(min-width: 56rem)');
optionsFold.open = wide.matches;
wide.addEventListener('change', () => { optionsFold.open = wide.matches; });

const helpMore = $('help-more');
helpMore.addEventListener('click', () => {
  const open = help.classList.toggle('open');
  helpMore.setAttribute('aria-expanded', String(open));
  helpMore.textContent = open ? 'minder' : 'meer';
});

function showChoice(given, fromAddress) {
  const choice = chosen();
  const own = hasBoard(choice);
  // The board takes the guesses; the query field has no part in such a search.
  const forControls = new Map(given);
  if (own) forControls.delete('poging');
  const words = boardOf(choice) === wordBoard;
  if (words) {
    forControls.delete('bord');
    if (!given.has('bord')) forControls.set('rek', given.get('rek') ?? localStorage.getItem(stored.rack) ?? '');
  }
  controls.show(optionsOf(choice, tables).filter((option) => !own || option.name !== 'poging'), forControls, fromAddress);
  queryField.closest('.query').hidden = own;
  board.show(own && !words);
  wordBoard.show(words);
  if (own && !words) board.configure(boardConfig(), given.has('poging') ? given.get('poging').split(' ') : []);
  if (words) {
    wordBoard.layouts = tables.boards;
    wordBoard.read(given.get('bord') ?? localStorage.getItem(stored.board));
    wordBoard.configure(controls.valueOf('spel') || 'wordfeud');
    // The board shown is the one kept, also when a link brought it.
    keepBoard();
  }
  optionsFold.hidden = $('options').hidden;
  summarise();
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
  // Each search starts with its own defaults, as a link to it opens: one search, one answer.
  showChoice(new Map(), false);
  searchNow();
});
const copied = $('copied');
$('copy-button').addEventListener('click', async () => {
  const { text } = await engine.text();
  await navigator.clipboard.writeText(text);
  $('count-line').dataset.copied = 'ja';
  // Said, and read out by a screen reader, then gone.
  copied.textContent = 'Gekopieerd';
  setTimeout(() => { copied.textContent = ''; }, 2500);
});

// Where the browser offers to install the page as an app, a button says so.
let installPrompt = null;
const installButton = $('install-button');
window.addEventListener('beforeinstallprompt', (event) => {
  event.preventDefault();
  installPrompt = event;
  installButton.hidden = false;
});
installButton.addEventListener('click', async () => {
  installButton.hidden = true;
  await installPrompt?.prompt();
  installPrompt = null;
});
$('save-button').addEventListener('click', async () => {
  const { text } = await engine.text();
  saveFile('taalspoor.txt', [text], 'text/plain;charset=utf-8');
});

// The question first, from the tables beside the page (or the engine's, where the page
// has none), then the engine; what is typed meanwhile stays and is asked when it is ready.
function showQuestion(fromTables) {
  tables = fromTables;
  choices = choicesOf(tables);
  fillChoice(choiceField, choices);
  const address = readAddress();
  // An address without a search asks the default search.
  const known = choices.some((choice) => choice.value === address.choice);
  const chosenByAddress = known || (address.choice === null && address.params.some(([name]) => name === 'q'));
  choiceField.value = known ? address.choice : defaultChoice;
  // An option given more than once (a list) fills its field with every value.
  const given = new Map();
  for (const [name, value] of address.params) given.set(name, given.has(name) ? `${given.get(name)} ${value}` : value);
  if (queryField.value === '') queryField.value = given.get('q') ?? '';
  given.delete('q');
  showChoice(given, known);
  return chosenByAddress || queryField.value !== '';
}

try {
  const early = await tablesBesideThePage;
  let asking = early ? showQuestion(early) : false;
  if (early) {
    if (asking) searchNow();
    else results.clear('Typ wat u zoekt.');
    queryField.focus();
  }
  const ready = await engine.ready;
  // The service worker keeps the site for offline use; registered now, its copying of
  // the files does not slow the first start.
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
  if (!early) {
    asking = showQuestion(ready.tables);
    queryField.focus();
  }
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
  engineReady = true;
  loading.hidden = true;
  if (asking || queryField.value !== '') searchNow();
  else results.clear('Typ wat u zoekt.');
  document.body.dataset.ready = 'ja';
} catch (error) {
  loading.hidden = true;
  showError(`Taalspoor kon niet starten: ${error.message}`);
}
