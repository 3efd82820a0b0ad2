#pragma once
// The order in which the program's windows stand one above the other, and
// what a modal window (box, question, dialog) does to it.

// Installed once for the program; keeps the open modal window where the
// pupil can answer it, and every other window where the pupil left it:
//  - the program follows the order in which its top-level windows were last
//    shown or brought forward (activated): the order the window manager
//    stacks them in;
//  - while a modal window is open, the other top-most windows of the
//    program lose their top-most state, so that a click on one of them
//    cannot raise it over the modal window; they stay over the main window
//    in their order, under the modal one;
//  - when a modal window closes over another one, that one has the keyboard
//    again;
//  - when the last modal window has closed they have it back, every window
//    of the program is raised again in the order it stood in (bottom
//    first), and the window that had the keyboard before the first modal
//    window opened has it again, over the windows it was above; or else
//    the window that the program shows while a modal window is open, or
//    shows as the last one closes, whichever came last (a caller going on
//    after its box), or one it raises then when it showed none meanwhile;
//  - a modal window minimised anyway comes straight back.
// The order is left as it stands while a modal window is open: a window the
// pupil clicks then (which cannot take the keyboard) does not change it.
void SorvegliaModali();
