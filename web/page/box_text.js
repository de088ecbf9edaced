'use strict';

// The text of a multi-line box as the Windows programs hold it. A textarea
// turns every CR LF and lone CR into LF, but the programs measure lines in
// characters with CR LF and keep a pasted lone CR or LF as it is; so the
// box's true text is kept here and the textarea only shows it. What the
// user types joins the text with CR LF for every Enter, as in a Windows
// edit box; what the user pastes joins it exactly as it was copied.
class BoxText {
  constructor(textarea) {
    this.textarea = textarea;
    this.text = '';
    this.shown = '';
    this.pasted = null;
    textarea.addEventListener('beforeinput', (event) => {
      const pasting = event.inputType === 'insertFromPaste' || event.inputType === 'insertFromDrop';
      this.pasted = pasting && event.dataTransfer ? event.dataTransfer.getData('text/plain') : null;
    });
    textarea.addEventListener('input', () => this.takeInput());
  }

  static shownForm(text) {
    return text.replace(/\r\n?/g, '\n');
  }

  get() {
    return this.text;
  }

  set(text) {
    this.text = text;
    this.shown = BoxText.shownForm(text);
    this.textarea.value = this.shown;
  }

  // Replaces `length` characters of the true text from `start`, and only
  // the same stretch of the textarea, so that its view stays where it is.
  replace(start, length, text) {
    const shownStart = this.shownIndex(start);
    const shownEnd = this.shownIndex(Math.min(start + length, this.text.length));
    this.text = this.text.slice(0, start) + text + this.text.slice(start + length);
    const shownText = BoxText.shownForm(text);
    this.textarea.setRangeText(shownText, shownStart, shownEnd, 'end');
    this.shown = this.textarea.value;
  }

  // Where character `index` of the true text stands in the textarea.
  shownIndex(index) {
    let pairs = 0;
    for (let at = this.text.indexOf('\r\n'); at !== -1 && at < index; at = this.text.indexOf('\r\n', at + 2)) {
      ++pairs;
    }
    return index - pairs;
  }

  // Where character `shown` of the textarea starts in the true text.
  trueIndex(shown) {
    let index = 0;
    for (let seen = 0; seen < shown && index < this.text.length; ++seen) {
      index += this.text.startsWith('\r\n', index) ? 2 : 1;
    }
    return index;
  }

  // The user's edit: the stretch of the textarea that changed, found by
  // what stayed the same at both ends, goes into the true text.
  takeInput() {
    const before = this.shown;
    const after = this.textarea.value;
    let head = 0;
    const shortest = Math.min(before.length, after.length);
    while (head < shortest && before[head] === after[head]) ++head;
    let tail = 0;
    while (tail < shortest - head && before[before.length - 1 - tail] === after[after.length - 1 - tail]) ++tail;
    const inserted = after.slice(head, after.length - tail);
    const exact = this.pasted !== null && BoxText.shownForm(this.pasted) === inserted ? this.pasted : null;
    const start = this.trueIndex(head);
    const end = this.trueIndex(before.length - tail);
    this.text = this.text.slice(0, start) + (exact ?? inserted.replace(/\n/g, '\r\n')) + this.text.slice(end);
    this.shown = after;
    this.pasted = null;
  }
}
