#pragma once

class QPrintPreviewDialog;

// Sizes a print preview so that a value can be read as soon as it opens:
// most of the screen's height, the page fitted to the window's width. Only
// the screen decides; nothing is remembered from one preview to the next.
void sizePreviewForReading(QPrintPreviewDialog &preview);
