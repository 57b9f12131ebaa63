#pragma once
// The mouse's three named profile lists in "msProfile.ini" (device ".config", light ".led", key
// ".pro"; one factory file each in the program's folder), and what their select and reset steps
// load, save and send. The steps change the working state (mouse_state.h), save through
// mouse_profiles.h and hand everything that shows on the page to a MouseProfilePage.
#include <cstdint>
#include <string>
#include <vector>

#include "device_command_channel.h"
#include "mouse_profiles.h"
#include "named_profile_list.h"

const NamedProfileListParams& MouseProfileListParams(MouseProfileKind kind);
// The list's factory file in the program's folder (ending in a backslash).
std::wstring MouseFactoryProfileFile(MouseProfileKind kind, const std::wstring& programFolder);

// What the steps change on the mouse page, in the order they run between the commands.
class MouseProfilePage {
 public:
  virtual ~MouseProfilePage() = default;
  // The pointer speed slider at `sliderValue`; the speed goes to Windows only with `applySpeed`.
  // The wheel lines are shown and go to Windows either way.
  virtual void ShowPointerSettings(int sliderValue, bool applySpeed) = 0;
  virtual void Refresh() = 0;
  virtual void MarkDirty() = 0;
  // The key captions from key table 0.
  virtual void RelabelKeys() = 0;
  // The key function editor, when it is open, is closed.
  virtual void CloseKeyFunctions() = 0;
};

// Select steps: each loads the profile at `index` (a failed load leaves the working state, which
// then goes out as it was).
// Device: pointer speed and wheel lines to Windows, settings bytes 0..32 at 0, key table 0 as bank 0.
void SelectMouseDeviceProfileAt(DeviceCommandChannel& channel, const std::wstring& folder, int index,
                                MouseProfilePage& page);
// Light: the page only; the wheel lines go to Windows, the pointer speed does not, nothing to the mouse.
void SelectMouseLightProfileAt(const std::wstring& folder, int index, MouseProfilePage& page);
// Key: key table 0 as bank 0.
void SelectMouseKeyProfileAt(DeviceCommandChannel& channel, const std::wstring& folder, int index,
                             MouseProfilePage& page);

// The select step of the kind's list.
void SelectMouseProfileAt(MouseProfileKind kind, DeviceCommandChannel& channel, const std::wstring& folder, int index,
                          MouseProfilePage& page);

// Reset steps, with the list's factory payload as read. Each saves into the profile(s) loaded last.
// Device: key table 0, block 0 and the live settings; speed 10, wheel lines 6.
void ResetMouseDeviceProfileTo(DeviceCommandChannel& channel, const std::wstring& folder,
                               const std::vector<uint8_t>& payload, MouseProfilePage& page);
// Light: block bytes 0..55 (the rest stays) and the live settings; speed 10, wheel lines 1.
void ResetMouseLightProfileTo(DeviceCommandChannel& channel, const std::wstring& folder,
                              const std::vector<uint8_t>& payload, MouseProfilePage& page);
// Key: key table 0; settings and pointer values stay.
void ResetMouseKeyProfileTo(DeviceCommandChannel& channel, const std::wstring& folder,
                            const std::vector<uint8_t>& payload, MouseProfilePage& page);
// The reset step of the kind's list.
void ResetMouseProfileTo(MouseProfileKind kind, DeviceCommandChannel& channel, const std::wstring& folder,
                         const std::vector<uint8_t>& payload, MouseProfilePage& page);
