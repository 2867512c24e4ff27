// The SVG artwork as images the browser draws at any size, and the
// captions some artwork carries in the page's language.

const kCaptionFace = '"DejaVu Sans", "Verdana", sans-serif';

export function cssColour(rgb) {
  return '#' + (rgb & 0xffffff).toString(16).padStart(6, '0');
}

async function decodeSvg(text) {
  const image = new Image();
  image.src = 'data:image/svg+xml;charset=utf-8,' + encodeURIComponent(text);
  await image.decode();
  return image;
}

export class Artwork {
  // table: the core's bitmap table; texts: file -> SVG text; translate(context, text).
  static async load(table, texts, translate) {
    const images = new Map();
    await Promise.all(table.map(async (bitmap) => {
      if (texts[bitmap.file] !== undefined) images.set(bitmap.id, await decodeSvg(texts[bitmap.file]));
    }));
    return new Artwork(table, images, translate);
  }

  constructor(table, images, translate) {
    this.table = new Map(table.map((bitmap) => [bitmap.id, bitmap]));
    this.images = images;
    this.translate = translate;
  }

  has(id) {
    return this.images.has(id);
  }

  natural(id) {
    const bitmap = this.table.get(id);
    return bitmap ? { width: bitmap.width, height: bitmap.height } : null;
  }

  // Draws the artwork of id filling w x h of the context from (0, 0), over
  // whatever is there, with its captions.
  draw(ctx, id, w, h) {
    const bitmap = this.table.get(id);
    const image = this.images.get(id);
    if (!bitmap || !image) return false;
    ctx.save();
    ctx.imageSmoothingEnabled = true;
    ctx.imageSmoothingQuality = 'high';
    ctx.drawImage(image, 0, 0, w, h);
    ctx.scale(w / bitmap.width, h / bitmap.height);
    for (const caption of bitmap.captions) {
      const text = this.translate('Artwork', caption.text);
      ctx.font = `${caption.bold ? 'bold ' : ''}${caption.size}px ${kCaptionFace}`;
      const width = ctx.measureText(text).width;
      const room = caption.right - caption.left;
      const shrink = width > room ? room / width : 1;
      ctx.save();
      ctx.translate(caption.centred ? (caption.left + caption.right - width * shrink) / 2 : caption.left,
        caption.baseline);
      ctx.scale(shrink, shrink);
      ctx.fillStyle = cssColour(caption.rgb);
      ctx.textAlign = 'left';
      ctx.textBaseline = 'alphabetic';
      ctx.fillText(text, 0, 0);
      ctx.restore();
    }
    ctx.restore();
    return true;
  }

  // A data URL of the artwork with its captions at its natural size times
  // scale, for an <img> of the page (a bar's picture).
  url(id, scale) {
    const bitmap = this.table.get(id);
    if (!bitmap) return '';
    const canvas = document.createElement('canvas');
    canvas.width = Math.max(1, Math.round(bitmap.width * scale));
    canvas.height = Math.max(1, Math.round(bitmap.height * scale));
    this.draw(canvas.getContext('2d'), id, canvas.width, canvas.height);
    return canvas.toDataURL('image/png');
  }
}
