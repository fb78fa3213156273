// The answer on the page: the count, the notes, and the rows as a list, one item a row,
// the word first; more rows come from the engine as the list scrolls.

const batch = 200;

// How common a word is, as the width of its bar: its count on a scale of tens, so that a
// word counted once has a sliver and "de" (402,195 times) a full bar.
const share = (count) => Math.min(1, Math.log10(1 + count) / 5.6);

// A move of a word game: its score, place, word and the rack's tiles left, each in a
// column; choosing it shows it on the board.
function moveItem(row, onChoose) {
  const li = document.createElement('li');
  li.className = 'move';
  li.dataset.text = row.text;
  const fields = row.text.split('\t');
  const names = ['score', 'place', 'word', 'rest'];
  fields.forEach((field, k) => li.append(Object.assign(document.createElement('span'), { className: names[k], textContent: field })));
  li.tabIndex = 0;
  const choose = () => {
    li.parentElement?.querySelector('.chosen')?.classList.remove('chosen');
    li.classList.add('chosen');
    onChoose?.(fields);
  };
  li.addEventListener('click', choose);
  li.addEventListener('keydown', (event) => {
    if (event.key === 'Enter' || event.key === ' ') {
      event.preventDefault();
      choose();
    }
  });
  return li;
}

function item(row, columns, onChoose) {
  if (columns.moves) return moveItem(row, onChoose);
  const li = document.createElement('li');
  if (row.separator) {
    // A page break of a mode is only a line; the own list's words, where there are any,
    // come under their label.
    li.className = 'separator';
    if (row.ownFollow) li.textContent = 'uit uw extra lijst';
    else li.setAttribute('aria-hidden', 'true');
    li.dataset.text = row.text;
    return li;
  }
  const word = document.createElement('span');
  word.className = 'word';
  word.textContent = row.text.replaceAll('\t', ' · ');
  li.append(word);
  if (columns.leftover) {
    const leftover = document.createElement('span');
    leftover.className = 'leftover';
    leftover.textContent = row.leftover;
    leftover.title = 'de letters die overblijven';
    li.append(leftover);
  }
  if (columns.count) {
    const bar = document.createElement('span');
    bar.className = 'bar';
    bar.title = `${row.count.toLocaleString('nl-NL')} keer geteld`;
    bar.setAttribute('role', 'img');
    bar.setAttribute('aria-label', bar.title);
    const fill = document.createElement('span');
    fill.style.width = `${(share(row.count) * 100).toFixed(1)}%`;
    bar.append(fill);
    li.append(bar);
  }
  if (columns.explanation && row.explanation) {
    const extra = document.createElement('span');
    extra.className = 'extra';
    extra.textContent = row.explanation;
    li.append(extra);
  }
  return li;
}

export class ResultList {
  constructor({ list, countLine, heading, notes, sentinel, engine, onChoose }) {
    Object.assign(this, { list, countLine, heading, notes, sentinel, engine, onChoose });
    this.total = 0;
    this.shown = 0;
    this.loading = false;
    this.generation = 0;
    new IntersectionObserver((entries) => {
      if (entries.some((e) => e.isIntersecting)) this.more();
    }).observe(sentinel);
  }

  static get batch() {
    return batch;
  }

  // A search runs: the rows still shown are the older answer's, dimmed, and the count
  // line says so until the answer comes.
  busy(message) {
    this.list.setAttribute('aria-busy', 'true');
    this.countLine.textContent = message;
  }

  // The search ended without an answer of its own (it was refused): the older rows stand.
  idle() {
    this.list.removeAttribute('aria-busy');
    this.countLine.textContent = this.lastCount ?? '';
  }

  // A new answer with its first rows.
  show(answer, rows, columns, query) {
    this.generation += 1;
    this.columns = columns;
    this.total = answer.rows;
    this.shown = 0;
    this.list.replaceChildren();
    this.list.removeAttribute('aria-busy');
    this.list.dataset.query = query;
    // Rows of words, of sets of words, or of explanations (a word may answer twice).
    const noun = (n) => {
      if (columns.moves) return n === 1 ? 'zet' : 'zetten';
      if (columns.sets) return n === 1 ? 'combinatie' : 'combinaties';
      if (columns.explanation) return n === 1 ? 'rij' : 'rijen';
      return n === 1 ? 'woord' : 'woorden';
    };
    // A search that reached its bound of work found at least this many.
    const count = `${answer.cutShort ? 'minstens ' : ''}${answer.count.toLocaleString('nl-NL')} ${noun(answer.count)}`;
    this.countLine.textContent = count;
    this.lastCount = count;
    this.notes.replaceChildren(...answer.notes.map((note) => Object.assign(document.createElement('li'), { textContent: note })));
    this.heading.replaceChildren(...answer.heading.map((line) => Object.assign(document.createElement('span'), { textContent: line })));
    this.append(rows);
  }

  clear(message) {
    this.generation += 1;
    this.total = 0;
    this.shown = 0;
    this.list.replaceChildren();
    this.list.removeAttribute('aria-busy');
    this.lastCount = message;
    delete this.list.dataset.query;
    this.notes.replaceChildren();
    this.heading.replaceChildren();
    this.countLine.textContent = message;
  }

  append(rows) {
    this.list.append(...rows.map((row) => item(row, this.columns, this.onChoose)));
    this.shown += rows.length;
  }

  async more() {
    if (this.loading || this.shown >= this.total) return;
    this.loading = true;
    const generation = this.generation;
    try {
      const { rows } = await this.engine.rows(this.shown, batch);
      if (generation === this.generation) this.append(rows);
    } finally {
      this.loading = false;
    }
    // The list may still not reach the bottom of the screen.
    const box = this.sentinel.getBoundingClientRect();
    if (box.top < window.innerHeight) this.more();
  }
}
