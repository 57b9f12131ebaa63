#pragma once
#include <string>

#include "device_command_channel.h"
#include "keyboard_state.h"

// What the download did and what the page shows for it.
struct KeyboardDownloadOutcome {
  int result = 0;                      // 1 the key table was sent (also without macros); 0 nothing sent
  const wchar_t* messageId = nullptr;  // a refusal's text id, or null
  int messageNumber = 0;               // for a text with a number: "message_text_16", actions too many
};

// Writes the stored macros of the folder's "kbMacro.ini" as one image into the keyboard (0x01, 0x15,
// 0x02), then the live profile's key table to its bank (0x01, [0x03 when rereadInfo], 0x09, 0x02),
// and saves the selected device profile. An image larger than the macro memory of the last
// read-back, or one for which no memory can be had, sends nothing and saves nothing.
KeyboardDownloadOutcome DownloadKeyboardMacros(DeviceCommandChannel& channel, KeyboardState& state,
                                               const std::wstring& folder, bool rereadInfo);
