#pragma once
// The mouse's downloads: the macro image (command 0x15) followed by the live profile's key table,
// and the cursor-script image (command 0x17). Both images are built from the files of the mouse data
// folder (ending in a backslash) at the moment of the download.
#include <string>

#include "device_command_channel.h"
#include "device_macro_image.h"

constexpr size_t MOUSE_SCRIPT_MEMORY_SIZE = 3072;
extern const DeviceImageSource MOUSE_MACRO_IMAGE_SOURCE;
extern const DeviceImageSource MOUSE_CURSOR_IMAGE_SOURCE;
// The cursor scripts travel in the macro image's layout, from their own files.
using CursorScriptImage = DeviceMacroImage;

// What a download did and what the page shows for it.
struct MouseDownloadOutcome {
  int result = 0;                      // 1 ran to the end, 0 stopped at a limit or for want of memory
  const wchar_t* messageId = nullptr;  // a refusal's text id, or null
  int messageNumber = 0;               // "message_text_16": actions too many
};

// The macro image when there are macros (0x01, 0x15, 0x02), then the key table of the live on-board
// profile to its bank (0x01, 0x09, 0x02), then the selected device profile saved. An image larger than
// the macro memory of the last read-back sends nothing and saves nothing.
MouseDownloadOutcome DownloadMouseMacros(DeviceCommandChannel& channel, const std::wstring& folder);
// The cursor-script image (0x01, 0x17, 0x02); nothing to send is success, a too long image is
// skipped without a message.
MouseDownloadOutcome DownloadMouseCursorScripts(DeviceCommandChannel& channel, const std::wstring& folder);
