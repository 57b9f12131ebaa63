#pragma once
// The Windows HID headers carry no C++ linkage guards of their own.
#include <windows.h>
extern "C" {
#include <hidsdi.h>
#include <hidpi.h>
}
