#pragma once
// The active document window of the main window (a sheet or the notes):
// the one whose activation handler ran last. Only a real change of the
// active child window counts; none (the application lost the focus, a
// modal box) or the same window again change nothing.
class QCloseEvent;
class QMdiArea;
class QMdiSubWindow;

// Follows the area's activations (once per area).
void CollegaAttivazione(QMdiArea* area);
// Puts a new document window into the main window's area, hidden, with the
// area's activations followed and the window registered for tiling in the
// given order.
void AggiungiDocumento(QMdiSubWindow* w, int ordine);
// Makes w the active document window: the previous one's deactivation
// handler runs, then w's activation handler. Nothing when w is null or
// already the active one.
void AttivaDocumento(QMdiSubWindow* w);
// The active document window, or null.
QMdiSubWindow* DocumentoAttivo();
// w was hidden: when it was the active one, no window is active now (its
// deactivation handler is the caller's business).
void DimenticaAttivo(QMdiSubWindow* w);

// When no document window is active (the active one was just hidden or
// closed by the pupil), the top visible one becomes active, as in any
// multiple-document window. Not while the program is closing.
void AttivaDocumentoInCima();

// The common end of closing a sheet or the notes (the window is already
// hidden): the open windows are tiled again and the commands follow them.
// The window really unloads only while the program is closing: true when
// it must, otherwise the close is cancelled.
bool ConcludiChiusuraDocumento(QMdiSubWindow* w, QCloseEvent* e);
