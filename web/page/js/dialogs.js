// The About box (from the core's layout of it) and the Save Picture dialog,
// as the page's own dialogs.

function button(text, onClick) {
  const b = document.createElement('button');
  b.type = 'button';
  b.className = 'push';
  b.textContent = text;
  b.addEventListener('click', onClick);
  return b;
}

export function showAbout(dialog, layout, words, artwork, guideUrl) {
  dialog.replaceChildren();
  const title = document.createElement('h2');
  title.textContent = words.tr('DialogBar', layout.caption);
  dialog.append(title);
  const ordered = [...layout.controls].sort((a, b) => a.y - b.y);
  for (const control of ordered) {
    const caption = control.caption ? words.caption('DialogBar', control.caption) : '';
    if (control.kind === 'picture') {
      const image = document.createElement('img');
      const size = artwork.natural(control.bitmap);
      image.src = artwork.url(control.bitmap, window.devicePixelRatio || 1);
      image.width = size.width;
      image.height = size.height;
      image.alt = words.tr('DialogBar', control.name ?? '');
      dialog.append(image);
    } else if (control.kind === 'text') {
      const link = document.createElement('a');
      link.href = guideUrl;
      link.target = '_blank';
      link.rel = 'noopener';
      link.textContent = caption;
      dialog.append(link);
    } else if (control.kind === 'defaultPush') {
      dialog.append(button(caption, () => dialog.close()));
    }
  }
  dialog.showModal();
  dialog.querySelector('button')?.focus();
}

// Asks for the side; resolves with it, or null when cancelled.
export function askSide(dialog, words, side, limits) {
  return new Promise((resolve) => {
    dialog.replaceChildren();
    const title = document.createElement('h2');
    title.textContent = words.tr('SavePicture', 'Save Picture');
    const label = document.createElement('label');
    label.className = 'side';
    const input = document.createElement('input');
    input.type = 'number';
    input.min = String(limits.step);
    input.max = String(limits.max);
    input.step = String(limits.step);
    input.value = String(side);
    const unit = document.createElement('span');
    unit.textContent = words.tr('SavePicture', ' pixels');
    label.append(words.caption('SavePicture', '&Side of the square:'), ' ', input, unit);
    const row = document.createElement('div');
    row.className = 'row';
    let answer = null;
    const ok = button(words.caption('DialogBar', 'OK'), () => {
      const value = Math.round(Number(input.value) / limits.step) * limits.step;
      answer = Math.min(limits.max, Math.max(limits.step, value || side));
      dialog.close();
    });
    row.append(ok, button(words.caption('Compare', 'Cancel'), () => dialog.close()));
    dialog.append(title, label, row);
    dialog.addEventListener('close', () => resolve(answer), { once: true });
    dialog.showModal();
    input.focus();
    input.select();
  });
}
