#pragma once
#include <windows.h>

class CMainWnd;
class HeadsetDetector;

// One pass of each of the first headset's worker threads, as the threads run them.
void RunHeadsetDetectionPass(CMainWnd& window, HeadsetDetector& detector);
void RunHeadsetLightingPass(CMainWnd& window, HANDLE stopEvent);
// One pass of the K27 headset's lighting thread.
void RunHeadsetK27LightingPass(CMainWnd& window, HANDLE stopEvent);
