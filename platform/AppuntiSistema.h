#pragma once
// The system clipboard, for what leaves the program as a picture or as
// rich text. Each function replaces what the clipboard held and returns
// true only when reading the clipboard back gives what was put there, so a
// caller can tell the pupil that the copy did not happen.
#include <QByteArray>

class QImage;

// The picture alone (false for a null picture).
bool ImmagineNegliAppunti(const QImage& immagine);
// RTF bytes in the rich-text format alone, with no plain text beside them.
bool RtfNegliAppunti(const QByteArray& rtf);
