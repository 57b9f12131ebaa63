#pragma once

// The main window's timers (SetTimer on MainWindowHandle, no timer procedure).
enum MainWindowTimer : unsigned {
  TIMER_HIDE_PROGRESS = 1,           // one-shot: hides the download progress
  TIMER_LEAVE_SYNC = 2,              // every 100 ms: changed devices leave synchronised lighting
  TIMER_REPAINT = 7,                 // one-shot: repaint after a device was found
  TIMER_KEYBOARD_STARTUP_READ = 11,  // one-shot, 500 ms after start-up
  TIMER_MOUSEPAD_STARTUP_READ = 12,  // one-shot, 500 ms after start-up
  TIMER_KEYBOARD_LED_FRAME = 13,     // a chain of single shots while the keyboard is connected
};
