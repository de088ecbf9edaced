'use strict';

// What a thumb needs on each tab beyond the window's own buttons: 粘贴 puts
// the clipboard's text at the end of the input box; 复制 puts the report on
// the clipboard (program B's window has its own, program A's tab gets the
// same); 分享 hands the report and its picture to another app; and after a
// statistics press the report and its picture come into view.
const Thumb = (() => {
  const boxes = {
    kova: { input: 'Memo1', report: 'Memo2', copy: true },
    chgu: { input: 'Text1', report: 'Text2', copy: false },
  };
  // The characters of a text as a reader counts them: line breaks not.
  const characters = (text) => [...text.replace(/[\r\n]/g, '')].length;

  // Text put at the end of a tab's input box as the helpers put theirs, on
  // a line of its own when the box holds a line already; kept at once.
  function appendToInput(name, tab, text) {
    const input = boxes[name].input;
    const before = tab.view.host.text(input);
    const joined = before === '' || /[\r\n]$/.test(before) ? text : `\r\n${text}`;
    tab.view.host.replaceText(input, before.length, 0, joined);
    tab.save();
  }

  async function paste(name, tab) {
    let text = null;
    try {
      text = await navigator.clipboard.readText();
    } catch {
      // Refused, or no Clipboard API at all: told below.
    }
    if (text === null) {
      Shell.notify('浏览器不让本页读取剪贴板：请长按资料框，选“粘贴”（电脑上按 Ctrl+V）');
    } else if (text === '') {
      Shell.notify('剪贴板里没有文字');
    } else {
      appendToInput(name, tab, text);
      Shell.notify(`已把剪贴板里的 ${characters(text)} 个字加在资料框末尾`);
    }
  }

  // The picture beside the report as a PNG, drawn from what it shows (each
  // cell and bar carries its label and count, each cell its colours), or
  // null when none is shown.
  function picturePng(panel, title) {
    const picture = panel.querySelector('.picture:not([hidden])');
    if (!picture) return Promise.resolve(null);
    const items = [...picture.querySelectorAll('[data-label]')].map((item) => ({
      label: item.dataset.label,
      count: Number(item.dataset.count),
      shade: getComputedStyle(item).backgroundColor,
      ink: getComputedStyle(item).color,
    }));
    const numbers = picture.querySelector('.number-grid') !== null;
    const highest = Math.max(0, ...items.map((item) => item.count));
    const level = (count) => (highest > 0 ? count / highest : 0);
    const [width, margin, head, cell, gap, row] = [360, 12, 30, 45, 3, 30];
    const height = head + margin + (numbers ? 7 * (cell + gap) : items.length * row) + margin;
    const canvas = document.createElement('canvas');
    canvas.width = width * 2;
    canvas.height = height * 2;
    const pen = canvas.getContext('2d');
    pen.scale(2, 2);
    pen.fillStyle = '#ffffff';
    pen.fillRect(0, 0, width, height);
    const font = getComputedStyle(document.documentElement).fontFamily;
    pen.fillStyle = '#1b1d22';
    pen.font = `bold 15px ${font}`;
    pen.textBaseline = 'middle';
    pen.fillText(title, margin, margin + 10);
    items.forEach((item, i) => {
      const share = level(item.count);
      if (numbers) {
        const x = margin + (i % 7) * (cell + gap);
        const y = head + margin + Math.floor(i / 7) * (cell + gap);
        pen.fillStyle = item.shade;
        pen.fillRect(x, y, cell, cell);
        pen.strokeStyle = '#e2dfd8';
        pen.strokeRect(x + 0.5, y + 0.5, cell - 1, cell - 1);
        pen.fillStyle = item.ink;
        pen.textAlign = 'center';
        pen.font = `bold 15px ${font}`;
        pen.fillText(item.label, x + cell / 2, y + cell / 2 - 8);
        pen.font = `12px ${font}`;
        pen.fillText(String(item.count), x + cell / 2, y + cell / 2 + 10);
      } else {
        const y = head + margin + i * row;
        const barLeft = margin + 70;
        const barWidth = width - barLeft - margin - 50;
        pen.textAlign = 'left';
        pen.font = `15px ${font}`;
        pen.fillStyle = '#1b1d22';
        pen.fillText(item.label, margin, y + row / 2);
        pen.fillStyle = '#ecebe6';
        pen.fillRect(barLeft, y + 7, barWidth, row - 14);
        pen.fillStyle = 'rgb(196 36 48)';
        pen.fillRect(barLeft, y + 7, barWidth * share, row - 14);
        pen.fillStyle = '#1b1d22';
        pen.textAlign = 'right';
        pen.fillText(String(item.count), width - margin, y + row / 2);
      }
    });
    return new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
  }

  // The PNG offered as a download in the notice, after `words`.
  let offered = null;
  function offer(words, png) {
    if (offered) URL.revokeObjectURL(offered);
    offered = png ? URL.createObjectURL(png) : null;
    Shell.notify(words, png && { href: offered, download: 'tipstat.png', text: '下载图片' });
  }

  // The report text (exactly, CR LF and all) and its picture: both where
  // the browser shares files, the text where it shares only text, and
  // where it cannot share at all (or refuses) the text on the clipboard;
  // the picture not shared is offered as a download.
  async function share(name, tab, panel) {
    const text = tab.view.host.text(boxes[name].report);
    if (text === '') {
      Shell.notify('还没有统计结果：先按一个统计按钮');
      return;
    }
    // With no Web Share the text is copied at once: WebKit writes the
    // clipboard only straight from the tap, not after the picture is drawn.
    const copying = typeof navigator.share === 'function' ? null : Shell.copyText(text);
    const png = await picturePng(panel, tab.program.caption());
    const file = png && new File([png], 'tipstat.png', { type: 'image/png' });
    if (!copying) {
      try {
        if (file && navigator.canShare?.({ files: [file] })) {
          await navigator.share({ text, files: [file] });
          Shell.notify('已分享统计结果和图片');
          return;
        }
        await navigator.share({ text });
        offer(png ? '已分享统计结果；图片这个浏览器分享不了：' : '已分享统计结果', png);
        return;
      } catch (error) {
        if (error.name === 'AbortError') {
          Shell.notify('没有分享');
          return;
        }
      }
    }
    const copied = await (copying ?? Shell.copyText(text));
    offer(copied ? '这里分享不了：统计结果已复制，可以粘贴到别的应用' : '这里分享不了，也不让本页写入剪贴板：请长按统计结果框复制', png);
  }

  // After a statistics press: the report and its picture, as much of them
  // as the screen holds from the report's top, unless already in view.
  // The notice at the top of the screen, while shown, is not room.
  function bringIntoView(column) {
    const notice = document.getElementById('notice');
    const top = notice.hidden ? 0 : notice.getBoundingClientRect().bottom;
    const box = column.getBoundingClientRect();
    const height = window.innerHeight - top;
    if (box.top >= top && box.bottom <= window.innerHeight) return;
    window.scrollBy(0, box.top < top || box.height > height ? box.top - top : box.bottom - window.innerHeight);
  }

  const button = (caption, action) => {
    const made = document.createElement('button');
    made.type = 'button';
    made.className = 'control';
    made.textContent = caption;
    made.dataset.thumb = caption;
    made.addEventListener('click', action);
    return made;
  };

  // A strip of buttons right after the section that holds `box`.
  function stripAfter(box, buttons) {
    const strip = document.createElement('div');
    strip.className = 'section box-actions';
    strip.append(...buttons);
    (box.closest('.section') ?? box).after(strip);
  }

  // Adds the buttons to a tab just mounted in `panel` (again after each
  // start of the programs).
  const watching = {};
  function attach(name, tab, panel) {
    const { input, report, copy } = boxes[name];
    stripAfter(tab.view.get(input).element, [button('粘贴', () => paste(name, tab))]);
    const reportButtons = [button('分享', () => share(name, tab, panel))];
    if (copy) reportButtons.unshift(button('复制', () => Shell.putOnClipboard(tab.view.host.text(report))));
    stripAfter(tab.view.get(report).element, reportButtons);
    const column = tab.view.get(report).element.closest('.column') ?? panel;
    panel.removeEventListener('report', watching[name]);
    watching[name] = () => bringIntoView(column);
    panel.addEventListener('report', watching[name]);
  }

  return { attach, appendToInput, characters };
})();
