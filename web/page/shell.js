'use strict';

// What the page does for a program's window beyond its controls: message
// boxes with an OK button, titled with the window's caption, one at a time
// in the order shown; one-line notices that need no answer; and the
// clipboard.
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
    let put = false;
    const putText = (event) => {
      event.clipboardData.setData('text/plain', text);
      event.preventDefault();
      put = true;
    };
    document.addEventListener('beforecopy', takeOn);
    document.addEventListener('copy', putText, { once: true });
    const copied = document.execCommand('copy');
    document.removeEventListener('copy', putText);
    document.removeEventListener('beforecopy', takeOn);
    return copied && put;
  }

  // One line at the top of the screen that says what just happened, with
  // a link to offer where one is given ({ href, download, text }). It goes
  // on a tap of its ✕, or by itself after a while when it offers nothing.
  let hiding = 0;
  function notify(text, link) {
    const notice = document.getElementById('notice');
    const words = document.createElement('span');
    words.id = 'notice-text';
    words.textContent = text;
    notice.replaceChildren(words);
    if (link) {
      const offered = document.createElement('a');
      offered.href = link.href;
      offered.download = link.download;
      offered.textContent = link.text;
      notice.append(' ', offered);
    }
    const close = document.createElement('button');
    close.type = 'button';
    close.className = 'notice-close';
    close.textContent = '✕';
    close.setAttribute('aria-label', '关闭提示');
    close.addEventListener('click', () => {
      notice.hidden = true;
    });
    notice.append(close);
    notice.hidden = false;
    clearTimeout(hiding);
    if (!link) {
      hiding = setTimeout(() => {
        notice.hidden = true;
      }, 8000);
    }
  }

  // Puts text on the clipboard, through the Clipboard API or else the copy
  // event; resolves to whether it got there.
  const copyText = (text) => (navigator.clipboard?.writeText
    ? navigator.clipboard.writeText(text).then(() => true, () => copyThroughEvent(text))
    : Promise.resolve(copyThroughEvent(text)));

  // A window's copy: the outcome is told once it is known; the return is
  // whether the text was taken at once or is on its way.
  function putOnClipboard(text) {
    const done = copyText(text);
    done.then((copied) => notify(copied ? '已复制统计结果' : '浏览器不让本页写入剪贴板：请长按统计结果框，全选后复制'));
    return true;
  }

  return { showMessage, notify, copyText, putOnClipboard };
})();
