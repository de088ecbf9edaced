'use strict';

// What the page does for a program's window beyond its controls: message
// boxes with an OK button, titled with the window's caption, one at a time
// in the order shown; and the clipboard.
const Shell = (() => {
  const pending = [];
  const dialog = () => document.getElementById('message');

  function next() {
    const box = dialog();
    if (box.open || pending.length === 0) return;
    const { title, text, isError } = pending.shift();
    box.classList.toggle('error', isError);
    document.getElementById('message-title').textContent = title;
    document.getElementById('message-text').textContent = text.replace(/\r\n?/g, '\n');
    box.showModal();
  }

  let listening = false;
  function showMessage(title, text, isError) {
    if (!listening) {
      dialog().addEventListener('close', next);
      listening = true;
    }
    pending.push({ title, text, isError });
    next();
  }

  // The copy event carries the text exactly, CR LF and all, where the
  // Clipboard API is refused (a page opened from a file, an old browser).
  // WebKit copies nothing while nothing is selected unless the page takes
  // the copy on itself at beforecopy.
  function copyThroughEvent(text) {
    const takeOn = (event) => event.preventDefault();
    const put = (event) => {
      event.clipboardData.setData('text/plain', text);
      event.preventDefault();
    };
    document.addEventListener('beforecopy', takeOn);
    document.addEventListener('copy', put, { once: true });
    const copied = document.execCommand('copy');
    document.removeEventListener('copy', put);
    document.removeEventListener('beforecopy', takeOn);
    return copied;
  }

  function putOnClipboard(text) {
    if (navigator.clipboard?.writeText) {
      navigator.clipboard.writeText(text).catch(() => copyThroughEvent(text));
      return true;
    }
    return copyThroughEvent(text);
  }

  return { showMessage, putOnClipboard };
})();
