// Save Picture (a PNG download at a side the user chooses) and Copy Picture
// (the square as shown, to the clipboard): the square drawn afresh by the
// core at that side, between two ticks.

const kGrid = 25;
const kMaxSide = 4000;

export async function pngOf(canvas) {
  if (canvas.convertToBlob) return canvas.convertToBlob({ type: 'image/png' });
  return new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
}

// Offers the blob as a download of that name.
export function download(blob, name) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

export class Pictures {
  constructor(app, host) {
    this.app = app;
    this.host = host;
  }

  static sides() {
    return { step: kGrid, max: kMaxSide };
  }

  async png(side) {
    const handle = this.app.picture(side);
    if (!handle) return null;
    try {
      return await pngOf(this.host.canvas(handle));
    } finally {
      this.host.release(handle);
    }
  }

  async save(side, name) {
    const blob = await this.png(side);
    if (!blob) return false;
    download(blob, `${name}.png`);
    return true;
  }

  async copy(side) {
    if (!navigator.clipboard?.write || typeof ClipboardItem !== 'function') return false;
    // The item takes the picture as it is made, so the copy keeps the key press's permission.
    await navigator.clipboard.write([new ClipboardItem({ 'image/png': this.png(side) })]);
    return true;
  }
}
