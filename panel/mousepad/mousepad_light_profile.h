#pragma once
// The mouse pad's light profile files: a profile header of kind 3 followed by one 64-byte settings
// block. The working state takes a file only when it reads; a missing or malformed file changes
// nothing.
#include <cstdint>
#include <string>

#include "mousepad_state.h"

// In the program's folder.
extern const wchar_t MOUSEPAD_FACTORY_FILE[];
extern const wchar_t MOUSEPAD_LIGHT_EXTENSION[];

// ReadProfileFile's result: 0 read, 1 missing, -1 malformed. On 0 the payload becomes block 0 and
// its bytes 0..20 the live settings.
int LoadMousePadLightProfile(MousePadState& state, const std::wstring& path);

// The live settings go into block 0, which is written whole. WriteProfileFile's result.
int SaveMousePadLightProfile(MousePadState& state, const std::wstring& path);

// The factory block's first 56 bytes over block 0 (bytes 56..63 kept) and into the live settings.
// ReadProfileFile's result; nothing changes unless it is 0.
int ResetMousePadLightBlock(MousePadState& state, const std::wstring& factoryPath);
// The same with the factory block already read (at least its first 56 bytes).
void TakeMousePadFactoryStart(MousePadState& state, const uint8_t* factory);
