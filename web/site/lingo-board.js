// The board of a guessing game (Lingo, Woordle) on the page: a row of tiles a guess, each
// tile a button that shows its letter and its sign, in the game's colours and with the
// sign itself for who cannot tell colours apart. A guess is typed in its field: first
// the word, then its signs (+ right place, ? elsewhere, - not in the word), and counts
// once Enter confirms it; a click on a tile, or + ? - on a focused tile, sets its sign.
// The confirmed rows are the question's guesses: poging=WOORD=UITSLAG, as on the
// command line.
//
//     kater, then +--+?, then Enter       poging=kater=+--+?

const meaning = { '+': 'goede plaats', '?': 'elders in het woord', '-': 'niet in het woord', '': 'nog geen uitslag' };
const nextSign = { '': '-', '-': '?', '?': '+', '+': '-' };

// The squares of a word: in Lingo "ij" is one square.
function squaresOf(word, game) {
  const squares = [];
  for (let k = 0; k < word.length; ++k) {
    if (game === 'lingo' && word[k] === 'i' && word[k + 1] === 'j') {
      squares.push('ij');
      ++k;
    } else {
      squares.push(word[k]);
    }
  }
  return squares;
}

export class LingoBoard {
  constructor({ board, grid, field, onChange }) {
    Object.assign(this, { board, grid, field, onChange });
    this.config = { game: 'lingo', squares: 5, first: '' };
    this.rows = [];  // confirmed: {letters: [...], signs: [...]}
    this.typed = '';  // the current row: its word, then its signs
    field.addEventListener('input', () => this.typedChanged());
    field.addEventListener('keydown', (event) => {
      if (event.key !== 'Enter') return;
      event.preventDefault();
      event.stopPropagation();
      this.confirm();
    });
  }

  get tries() { return this.config.game === 'woordle' ? 6 : 5; }

  show(visible) { this.board.hidden = !visible; }

  // The game, its number of squares and first letter; a change starts a new game. The
  // guesses of an address come with the first.
  configure(config, guesses = null) {
    const same = JSON.stringify(config) === JSON.stringify(this.config);
    this.config = config;
    if (guesses) {
      this.rows = guesses.map((guess) => {
        const [word, signs = ''] = guess.split('=');
        return { letters: squaresOf(word.toLowerCase(), config.game), signs: [...signs] };
      });
      this.typed = '';
      this.field.value = '';
    } else if (!same) {
      this.rows = [];
      this.typed = '';
      this.field.value = '';
    }
    this.draw();
  }

  // The confirmed rows as the question's pairs.
  pairs() {
    return this.rows.map(({ letters, signs }) => ['poging', `${letters.join('')}=${signs.join('')}`]);
  }

  // The current row from its field: the word's letters, then the signs after it.
  current() {
    const { game, squares, first } = this.config;
    const text = this.field.value.toLowerCase().replace(/\s+/g, '');
    const lettersPart = text.replace(/[+?\-.].*$/, '');
    const letters = squaresOf(lettersPart, game).slice(0, squares);
    const signs = [...text.slice(lettersPart.length)].map((sign) => (sign === '.' ? '-' : sign)).filter((s) => '+?-'.includes(s));
    if (first && letters.length > 0 && letters[0] === first && signs.length === 0) signs.push('+');
    return { letters, signs: signs.slice(0, squares) };
  }

  typedChanged() {
    this.draw();
  }

  // Enter: a whole word counts, its missing signs as "-" (not in the word).
  confirm() {
    const { letters, signs } = this.current();
    if (letters.length !== this.config.squares || this.rows.length >= this.tries) return;
    while (signs.length < letters.length) signs.push('-');
    this.rows.push({ letters, signs });
    this.field.value = '';
    this.draw();
    this.onChange();
  }

  setSign(row, column, sign) {
    if (row < this.rows.length) {
      this.rows[row].signs[column] = sign;
      this.draw();
      this.onChange();
    }
  }

  tile(letter, sign, row, column, confirmed) {
    const button = document.createElement('button');
    button.type = 'button';
    button.className = `tile sign-${{ '+': 'right', '?': 'elsewhere', '-': 'absent' }[sign] ?? 'none'}`;
    button.dataset.row = row;
    button.dataset.column = column;
    button.textContent = letter.toUpperCase();
    const mark = document.createElement('span');
    mark.className = 'mark';
    mark.textContent = sign;
    mark.setAttribute('aria-hidden', 'true');
    button.append(mark);
    button.setAttribute('aria-label', letter ? `${letter}, ${meaning[sign ?? '']}` : 'leeg');
    button.disabled = !confirmed;
    if (confirmed) {
      button.addEventListener('click', () => this.setSign(row, column, nextSign[sign ?? '']));
      button.addEventListener('keydown', (event) => {
        if (event.key.length !== 1 || !'+?-'.includes(event.key)) return;
        event.preventDefault();
        this.setSign(row, column, event.key);
        this.grid.querySelector(`[data-row="${row}"][data-column="${column + 1}"]`)?.focus();
      });
    }
    return button;
  }

  draw() {
    const { squares, first } = this.config;
    const focused = document.activeElement?.dataset?.row !== undefined
      ? [document.activeElement.dataset.row, document.activeElement.dataset.column] : null;
    const rows = [];
    for (let row = 0; row < this.tries; ++row) {
      const line = document.createElement('div');
      line.className = 'lingo-row';
      line.setAttribute('role', 'group');
      line.setAttribute('aria-label', `poging ${row + 1}`);
      const confirmed = row < this.rows.length;
      const typed = row === this.rows.length ? this.current() : { letters: [], signs: [] };
      const { letters, signs } = confirmed ? this.rows[row] : typed;
      for (let column = 0; column < squares; ++column) {
        const letter = letters[column] ?? (column === 0 && row >= this.rows.length ? first : '') ?? '';
        line.append(this.tile(letter ?? '', signs[column] ?? '', row, column, confirmed));
      }
      rows.push(line);
    }
    this.grid.replaceChildren(...rows);
    if (focused) this.grid.querySelector(`[data-row="${focused[0]}"][data-column="${focused[1]}"]`)?.focus();
    this.field.disabled = this.rows.length >= this.tries;
  }
}
