/* Resource and control numbers shared by main_dialog.rc and the Win32 view.
   Plain defines only: the resource compiler reads this file too. */
#pragma once

#define QV_MAIN_DIALOG 102
#define QV_GO_TO_LINE_DIALOG 110

/* The Go to Line dialog's prompt and line number box. */
#define QV_GO_TO_LINE_PROMPT 1101
#define QV_GO_TO_LINE_NUMBER 1102

/* Made by the window at run time: the caret's place at the status line's end. */
#define QV_CARET_PLACE 20561
/* The button at the tab strip's end that lists every tab. */
#define QV_TAB_LIST 20562

/* The window's one single-shot timer (recovery copies after a pause). */
#define QV_SINGLE_SHOT_TIMER 1
