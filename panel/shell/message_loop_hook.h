#pragma once

// Work that a program built on the panel's entry runs on the window thread once the main window
// exists, just before the message loop (the demo's control channel). Windows made earlier, by a
// static initialiser, may come up before the process's desktop does. The release program sets none.
void RunBeforeMessageLoop(void (*work)());
