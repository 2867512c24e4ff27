// Every module has a canvas host: the page's own if it passed one in.
Module['CanvasHost'] = TarrowinCanvasHost;
if (!Module['canvasHost']) Module['canvasHost'] = new TarrowinCanvasHost(null);
