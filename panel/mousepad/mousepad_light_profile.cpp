#include "mousepad_light_profile.h"

#include <algorithm>
#include <mutex>

#include "profile_store.h"

const wchar_t MOUSEPAD_FACTORY_FILE[] = L"mpdengdefault.led";
const wchar_t MOUSEPAD_LIGHT_EXTENSION[] = L".led";

int LoadMousePadLightProfile(MousePadState& state, const std::wstring& path) {
  MousePadSettingsBlock payload{};
  const int result = ReadProfileFile(path, payload.data(), payload.size(), PROFILE_KIND_MOUSEPAD);
  if (result != 0) return result;
  std::lock_guard<StateLock> hold(state.lock);
  state.blocks[0] = payload;
  state.TakeLiveFrom(payload);
  return 0;
}

int SaveMousePadLightProfile(MousePadState& state, const std::wstring& path) {
  MousePadSettingsBlock block;
  {
    std::lock_guard<StateLock> hold(state.lock);
    state.FoldLiveInto(state.blocks[0]);
    block = state.blocks[0];
  }
  return WriteProfileFile(path, block.data(), block.size(), PROFILE_KIND_MOUSEPAD);
}

int ResetMousePadLightBlock(MousePadState& state, const std::wstring& factoryPath) {
  std::array<uint8_t, MOUSEPAD_BLOCK_READ> factory{};
  const int result = ReadProfileFile(factoryPath, factory.data(), factory.size(), PROFILE_KIND_MOUSEPAD);
  if (result != 0) return result;
  TakeMousePadFactoryStart(state, factory.data());
  return 0;
}

void TakeMousePadFactoryStart(MousePadState& state, const uint8_t* factory) {
  std::lock_guard<StateLock> hold(state.lock);
  std::copy(factory, factory + MOUSEPAD_BLOCK_READ, state.blocks[0].begin());
  state.TakeLiveFrom(state.blocks[0]);
}
