#include "keyboard_profile_lists.h"

#include <algorithm>
#include <mutex>

#include "diagnostics.h"
#include "keyboard_device_profile.h"
#include "keyboard_profile_payloads.h"
#include "profile_store.h"

namespace {
// A selected device profile sends the start of its block: one report's worth.
constexpr size_t kSettingsSentOnSelect = 56;

KeyboardProfileList DeviceList() {
  KeyboardProfileList list{};
  NamedProfileListParams& p = list.params;
  p.combo = L"kb_device_profile_combo";
  p.nameEdit = L"kb_device_profile_name_edit";
  p.addButton = L"kb_pro_device_add_btn";
  p.deleteButton = L"kb_pro_device_sub_btn";
  p.copyButton = L"kb_pro_device_copy_btn";
  p.importButton = L"kb_pro_device_import_btn";
  p.exportButton = L"kb_pro_device_export_btn";
  p.resetButton = L"kb_pro_device_reset_btn";
  p.renameButton = L"kb_device_profile_edit_save_btn";
  p.linkCheck = L"kb_device_profile_link_check";
  p.linkEdit = L"kb_device_profile_link_edit";
  p.linkRow = L"kb_device_profile_link_name_hor";
  p.linkButton = L"kb_device_profile_link_btn";
  p.cancelLinkButton = L"kb_device_cancle_link_btn";
  p.indexFile = L"kbProfile.ini";
  p.countSection = L"PROFILEDEVICECOUNT";
  p.nameSection = L"PROFILEDEVICENAME";
  p.selectionSection = L"PROFILEDEVICESELECT";
  p.linkFlagSection = L"PROFILELIKEDEVICEEXE";
  p.linkPathSection = L"DEVICEPROCESS";
  p.newNamePrefix = L"Profile ";
  p.extension = L".kconfig";
  p.fileFilter = L"(*.kconfig) | *.kconfig ||";
  p.format = BinaryProfilePayloads(KEYBOARD_DEVICE_PAYLOAD_SIZE, PROFILE_KIND_KEYBOARD);
  list.factoryFiles[KEYBOARD_MODEL_RGB] = L"kbdevicedefault.kconfig";
  list.factoryFiles[KEYBOARD_MODEL_ONECOLOR] = L"kb15devicedefault.kconfig";
  list.factoryFiles[KEYBOARD_MODEL_RGB2] = L"kb16devicedefault.kconfig";
  return list;
}

KeyboardProfileList LightList() {
  KeyboardProfileList list{};
  NamedProfileListParams& p = list.params;
  p.combo = L"kb_deng_profile_combo";
  p.nameEdit = L"kb_deng_profile_name_edit";
  p.addButton = L"kb_pro_deng_add_btn";
  p.deleteButton = L"kb_pro_deng_sub_btn";
  p.copyButton = L"kb_pro_deng_copy_btn";
  p.importButton = L"kb_pro_deng_import_btn";
  p.exportButton = L"kb_pro_deng_export_btn";
  p.resetButton = L"kb_pro_deng_reset_btn";
  p.renameButton = L"kb_deng_profile_edit_save_btn";
  p.linkCheck = L"kb_deng_profile_link_check";
  p.linkEdit = L"kb_deng_profile_link_edit";
  p.linkRow = L"kb_deng_profile_link_name_hor";
  p.linkButton = L"kb_deng_profile_link_btn";
  p.cancelLinkButton = L"kb_deng_cancle_link_btn";
  p.indexFile = L"kbProfile.ini";
  p.countSection = L"PROFILEDENGCOUNT";
  p.nameSection = L"PROFILEDENGNAME";
  p.selectionSection = L"PROFILEDENGSELECT";
  p.linkFlagSection = L"PROFILELIKEDENGEXE";
  p.linkPathSection = L"DENGPROCESS";
  p.newNamePrefix = L"Profile ";
  p.extension = L".led";
  p.fileFilter = L"(*.led) | *.led ||";
  p.format = BinaryProfilePayloads(KEYBOARD_LIGHT_PAYLOAD_SIZE, PROFILE_KIND_KEYBOARD);
  list.factoryFiles[KEYBOARD_MODEL_RGB] = L"kbdengdefault.led";
  list.factoryFiles[KEYBOARD_MODEL_ONECOLOR] = L"kb15dengdefault.led";
  list.factoryFiles[KEYBOARD_MODEL_RGB2] = L"kb16dengdefault.led";
  return list;
}

KeyboardProfileList KeyList() {
  KeyboardProfileList list{};
  NamedProfileListParams& p = list.params;
  p.combo = L"kb_key_profile_combo";
  p.nameEdit = L"kb_key_profile_name_edit";
  p.addButton = L"kb_pro_key_add_btn";
  p.deleteButton = L"kb_pro_key_sub_btn";
  p.copyButton = L"kb_pro_key_copy_btn";
  p.importButton = L"kb_pro_key_import_btn";
  p.exportButton = L"kb_pro_key_export_btn";
  p.resetButton = L"kb_pro_key_reset_btn";
  p.renameButton = L"kb_key_profile_edit_save_btn";
  p.linkCheck = L"kb_key_profile_link_check";
  p.linkEdit = L"kb_key_profile_link_edit";
  p.linkRow = L"kb_key_profile_link_name_hor";
  p.linkButton = L"kb_key_profile_link_btn";
  p.cancelLinkButton = L"kb_key_cancle_link_btn";
  p.indexFile = L"kbProfile.ini";
  p.countSection = L"PROFILECOUNT";
  p.nameSection = L"PROFILENAME";
  p.selectionSection = L"PROFILESELECT";
  p.linkFlagSection = L"PROFILELIKEEXE";
  p.linkPathSection = L"PROCESS";
  p.newNamePrefix = L"Profile ";
  p.extension = L".pro";
  p.fileFilter = L"(*.pro) | *.pro ||";
  p.format = BinaryProfilePayloads(KEYBOARD_KEY_PAYLOAD_SIZE, PROFILE_KIND_KEYBOARD);
  list.factoryFiles[KEYBOARD_MODEL_RGB] = L"kbkeydefault.pro";
  list.factoryFiles[KEYBOARD_MODEL_ONECOLOR] = L"kbkey15default.pro";
  list.factoryFiles[KEYBOARD_MODEL_RGB2] = L"kbkey16default.pro";
  return list;
}

// A copy goes out: the page may change the live table while the chunks are sent.
void SendLiveKeyTable(DeviceCommandChannel& channel, const KeyboardState& state) {
  const KeyboardKeyTable copy = state.LiveKeyTable();
  channel.WriteKeyTable(copy.data(), state.LiveProfileIndex());
}
}  // namespace

const KeyboardProfileList& KeyboardDeviceProfiles() {
  static const KeyboardProfileList list = DeviceList();
  return list;
}

const KeyboardProfileList& KeyboardLightProfiles() {
  static const KeyboardProfileList list = LightList();
  return list;
}

const KeyboardProfileList& KeyboardKeyProfiles() {
  static const KeyboardProfileList list = KeyList();
  return list;
}

int ReadKeyboardListedProfile(const KeyboardProfileList& list, const std::wstring& folder, int index,
                               std::vector<uint8_t>& payload) {
  const int result = ReadListedProfile(list.params, folder, index, payload);
  if (result == 1) DebugLine(L"\u914d\u7f6e\u6587\u4ef6\u4e22\u5931");  // "profile file missing"
  if (result == -1) DebugLine(L"\u914d\u7f6e\u6587\u4ef6\u683c\u5f0f\u9519\u8bef");  // "profile file malformed"
  return result;
}

std::wstring KeyboardFactoryProfileFile(const KeyboardProfileList& list, int model, const std::wstring& programFolder) {
  const bool known = model >= KEYBOARD_MODEL_RGB && model <= KEYBOARD_MODEL_RGB2;
  return programFolder + list.factoryFiles[known ? model : KEYBOARD_MODEL_RGB2];
}

int LoadKeyboardLightProfile(KeyboardState& state, const std::wstring& folder, int index) {
  std::vector<uint8_t> payload;
  const int result = ReadKeyboardListedProfile(KeyboardLightProfiles(), folder, index, payload);
  if (result == 0) ApplyKeyboardLightProfile(state, payload.data());
  return result;
}

int LoadKeyboardKeyProfile(KeyboardState& state, const std::wstring& folder, int index) {
  std::vector<uint8_t> payload;
  const int result = ReadKeyboardListedProfile(KeyboardKeyProfiles(), folder, index, payload);
  if (result == 0) {
    std::lock_guard<StateLock> hold(state.lock);
    std::copy(payload.begin(), payload.end(), state.LiveKeyTable().begin());
  }
  return result;
}

void SelectKeyboardDeviceProfileAt(DeviceCommandChannel& channel, KeyboardState& state, const std::wstring& folder,
                                   int index, const std::function<void()>& showOnPage) {
  LoadKeyboardDeviceProfile(state, folder, index);
  channel.WriteSettings(state.settingsBlocks[0].data(), kSettingsSentOnSelect, 0);
  showOnPage();
  SendLiveKeyTable(channel, state);
}

void SelectKeyboardKeyProfileAt(DeviceCommandChannel& channel, KeyboardState& state, const std::wstring& folder,
                                int index, const std::function<void()>& showOnPage) {
  LoadKeyboardKeyProfile(state, folder, index);
  showOnPage();
  SendLiveKeyTable(channel, state);
}

void ResetKeyboardDeviceProfileTo(DeviceCommandChannel& channel, KeyboardState& state, const std::wstring& folder,
                                  const std::vector<uint8_t>& payload, const std::function<void()>& showOnPage) {
  ApplyKeyboardDeviceProfile(state, payload.data());
  SaveKeyboardDeviceProfile(state, folder);
  showOnPage();
  SendLiveKeyTable(channel, state);
}

void ResetKeyboardLightProfileTo(KeyboardState& state, const std::wstring& folder, const std::vector<uint8_t>& payload) {
  ApplyKeyboardLightProfile(state, payload.data());
  SaveKeyboardDeviceProfile(state, folder);
}

void ResetKeyboardKeyProfileTo(DeviceCommandChannel& channel, KeyboardState& state, const std::wstring& folder,
                               const std::vector<uint8_t>& payload, const std::function<void()>& showOnPage) {
  {
    std::lock_guard<StateLock> hold(state.lock);
    std::copy(payload.begin(), payload.end(), state.LiveKeyTable().begin());
  }
  SaveKeyboardDeviceProfile(state, folder);
  showOnPage();
  SendLiveKeyTable(channel, state);
}
