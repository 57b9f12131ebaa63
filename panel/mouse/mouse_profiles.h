#pragma once
// The mouse's three kinds of profile file in its data folder (ending in a backslash): device
// profiles (".config": key table 0 then block 0), light profiles (".led": block 0) and key
// profiles (".pro": key table 0). "msProfile.ini" lists each kind's names and its selection.
#include <cstdint>
#include <string>
#include <vector>

enum class MouseProfileKind { Device, Light, Key };

constexpr size_t MOUSE_DEVICE_PAYLOAD_SIZE = 576;
constexpr size_t MOUSE_LIGHT_PAYLOAD_SIZE = 64;
constexpr size_t MOUSE_KEY_PAYLOAD_SIZE = 512;

// The sections of "msProfile.ini" and the files of one kind.
struct MouseProfileListKeys {
  const wchar_t* nameSection;
  const wchar_t* selectSection;
  const wchar_t* loadExtension;  // the key loader opens ".PRO", the saver writes ".pro"
  const wchar_t* saveExtension;
  const wchar_t* factoryFile;    // in the program's folder
  size_t payloadSize;
};
const MouseProfileListKeys& MouseProfileKeys(MouseProfileKind kind);

std::wstring MouseProfileIndexFile(const std::wstring& folder);
// The saved selection of the device list of `count` profiles; 0 when it names none of them.
int ReadMouseDeviceSelection(const std::wstring& folder, int count);

// The working state's part that a kind of file holds; device and light payloads first fold the
// live settings and the pointer values into block 0.
std::vector<uint8_t> EncodeMouseProfile(MouseProfileKind kind);
// A payload into the working state; device and light payloads also set the live settings and the
// pointer values (a 0 becomes 1).
void ApplyMouseProfile(MouseProfileKind kind, const std::vector<uint8_t>& payload);

// Loads the profile at that index of its list: 0 loaded, 1 missing, -1 not a profile file. Only a
// load that succeeded makes the index the one that saves of its kind write; on 1 and -1 the state
// and the save target stay as they were, so a file that fails its check is never saved over.
int LoadMouseProfile(MouseProfileKind kind, const std::wstring& folder, int index);
// Writes the working state into the profile of its list that was last loaded (before any load, the
// one that the list's select entry names): 0 written, 1 not (the old file stays). A profile that
// a watcher shows in place of the saved one thus keeps its settings to itself.
int SaveMouseProfile(MouseProfileKind kind, const std::wstring& folder);
// Whether the working state was loaded from a profile of that list since the reset.
bool MouseProfileLoaded(MouseProfileKind kind);
// Back to "nothing loaded yet"; part of the working state's reset.
void ForgetLoadedMouseProfiles();
