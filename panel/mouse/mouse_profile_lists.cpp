#include "mouse_profile_lists.h"

#include <algorithm>

#include "mouse_memory.h"
#include "mouse_state.h"
#include "profile_store.h"

namespace {
// A selected or reset device profile sends the live settings' part of its block.
constexpr size_t kSettingsSentOnSelect = MOUSE_LIVE_SETTINGS_SIZE;
constexpr uint8_t kFactoryPointerSpeed = 10;
constexpr uint8_t kDeviceResetWheelLines = 6;
constexpr uint8_t kLightResetWheelLines = 1;
// The slider positions that the resets show for the factory speed, each as its list has it.
constexpr int kDeviceResetSlider = 4;
constexpr int kLightResetSlider = 5;

// What the three lists share: the index file, the names that add gives, a link row hidden after a
// cancelled program dialog, and a duplicate test that leaves the selected profile's own link alone.
NamedProfileListParams SharedParams(const wchar_t* extension, const wchar_t* filter, size_t payloadSize) {
  NamedProfileListParams p{};
  p.indexFile = L"msProfile.ini";
  p.newNamePrefix = L"Profile ";
  p.extension = extension;
  p.fileFilter = filter;
  p.format = BinaryProfilePayloads(payloadSize, PROFILE_KIND_MOUSE);
  p.linkRowShownWhenCancelled = false;
  p.duplicateTestSkipsSelected = true;
  return p;
}

NamedProfileListParams MouseDeviceProfileList() {
  NamedProfileListParams p = SharedParams(L".config", L"(*.config) | *.config ||", MOUSE_DEVICE_PAYLOAD_SIZE);
  p.combo = L"ms_device_profile_combo";
  p.nameEdit = L"ms_device_profile_name_edit";
  p.addButton = L"ms_pro_device_add_btn";
  p.deleteButton = L"ms_pro_device_sub_btn";
  p.copyButton = L"ms_pro_device_copy_btn";
  p.importButton = L"ms_pro_device_import_btn";
  p.exportButton = L"ms_pro_device_export_btn";
  p.resetButton = L"ms_pro_device_reset_btn";
  p.renameButton = L"ms_device_profile_edit_save_btn";
  p.linkCheck = L"ms_device_profile_link_check";
  p.linkEdit = L"ms_device_profile_link_edit";
  p.linkRow = L"ms_device_profile_link_name_hor";
  p.linkButton = L"ms_device_profile_link_btn";
  p.cancelLinkButton = L"ms_device_cancle_link_btn";
  p.countSection = L"PROFILEDEVICECOUNT";
  p.nameSection = L"PROFILEDEVICENAME";
  p.selectionSection = L"PROFILEDEVICESELECT";
  p.linkFlagSection = L"PROFILELIKEDEVICEEXE";
  p.linkPathSection = L"DEVICEPROCESS";
  p.linkRowShownWhenUnlinked = true;
  p.importAddsProfile = true;
  return p;
}

NamedProfileListParams MouseLightProfileList() {
  NamedProfileListParams p = SharedParams(L".led", L"(*.led) | *.led ||", MOUSE_LIGHT_PAYLOAD_SIZE);
  p.combo = L"ms_deng_profile_combo";
  p.nameEdit = L"ms_deng_profile_name_edit";
  p.addButton = L"ms_pro_deng_add_btn";
  p.deleteButton = L"ms_pro_deng_sub_btn";
  p.copyButton = L"ms_pro_deng_copy_btn";
  p.importButton = L"ms_pro_deng_import_btn";
  p.exportButton = L"ms_pro_deng_export_btn";
  p.resetButton = L"ms_pro_deng_reset_btn";
  p.renameButton = L"ms_deng_profile_edit_save_btn";
  p.linkCheck = L"ms_deng_profile_link_check";
  p.linkEdit = L"ms_deng_profile_link_edit";
  p.linkRow = L"ms_deng_profile_link_name_hor";
  p.linkButton = L"ms_deng_profile_link_btn";
  p.cancelLinkButton = nullptr;
  p.countSection = L"PROFILEDENGCOUNT";
  p.nameSection = L"PROFILEDENGNAME";
  p.selectionSection = L"PROFILEDENGSELECT";
  p.linkFlagSection = L"PROFILELIKEDENGEXE";
  p.linkPathSection = L"DENGPROCESS";
  p.linkRowShownWhenUnlinked = false;
  p.importAddsProfile = false;
  return p;
}

NamedProfileListParams MouseKeyProfileList() {
  NamedProfileListParams p = SharedParams(L".pro", L"(*.pro) | *.pro ||", MOUSE_KEY_PAYLOAD_SIZE);
  p.combo = L"ms_key_profile_combo";
  p.nameEdit = L"ms_key_profile_name_edit";
  p.addButton = L"ms_pro_key_add_btn";
  p.deleteButton = L"ms_pro_key_sub_btn";
  p.copyButton = L"ms_pro_key_copy_btn";
  p.importButton = L"ms_pro_key_import_btn";
  p.exportButton = L"ms_pro_key_export_btn";
  p.resetButton = L"ms_pro_key_reset_btn";
  p.renameButton = L"ms_key_profile_edit_save_btn";
  p.linkCheck = L"ms_key_profile_link_check";
  p.linkEdit = L"ms_key_profile_link_edit";
  p.linkRow = L"ms_key_profile_link_name_hor";
  p.linkButton = L"ms_key_profile_link_btn";
  p.cancelLinkButton = nullptr;
  p.countSection = L"PROFILECOUNT";
  p.nameSection = L"PROFILENAME";
  p.selectionSection = L"PROFILESELECT";
  p.linkFlagSection = L"PROFILELIKEEXE";
  p.linkPathSection = L"PROCESS";
  p.linkRowShownWhenUnlinked = false;
  p.importAddsProfile = false;
  return p;
}

void SendKeyTable0(DeviceCommandChannel& channel) { WriteMouseKeyTable(channel, 0); }

void SendLiveSettingsPart(DeviceCommandChannel& channel) {
  const MouseSettingsBlock block = MouseSettingsBlocks[0];
  channel.WriteSettings(block.data(), kSettingsSentOnSelect, 0);
}

void SetFactoryPointerSettings(uint8_t wheelLines, int slider, MouseProfilePage& page) {
  MousePointerSpeed = kFactoryPointerSpeed;
  MouseWheelLines = wheelLines;
  page.ShowPointerSettings(slider, true);
}
}  // namespace

const NamedProfileListParams& MouseProfileListParams(MouseProfileKind kind) {
  static const NamedProfileListParams device = MouseDeviceProfileList(), light = MouseLightProfileList(),
                                      key = MouseKeyProfileList();
  switch (kind) {
    case MouseProfileKind::Device: return device;
    case MouseProfileKind::Light: return light;
    case MouseProfileKind::Key: break;
  }
  return key;
}

std::wstring MouseFactoryProfileFile(MouseProfileKind kind, const std::wstring& programFolder) {
  return programFolder + MouseProfileKeys(kind).factoryFile;
}

void SelectMouseDeviceProfileAt(DeviceCommandChannel& channel, const std::wstring& folder, int index,
                                MouseProfilePage& page) {
  LoadMouseProfile(MouseProfileKind::Device, folder, index);
  page.ShowPointerSettings(MousePointerSpeed / 2 - 1, true);
  page.Refresh();
  SendLiveSettingsPart(channel);
  page.MarkDirty();
  page.RelabelKeys();
  SendKeyTable0(channel);
}

void SelectMouseLightProfileAt(const std::wstring& folder, int index, MouseProfilePage& page) {
  LoadMouseProfile(MouseProfileKind::Light, folder, index);
  page.ShowPointerSettings(MousePointerSpeed / 2, false);
  page.Refresh();
  page.MarkDirty();
}

void SelectMouseKeyProfileAt(DeviceCommandChannel& channel, const std::wstring& folder, int index,
                             MouseProfilePage& page) {
  LoadMouseProfile(MouseProfileKind::Key, folder, index);
  page.CloseKeyFunctions();
  page.RelabelKeys();
  SendKeyTable0(channel);
}

// The save keeps the pointer values from before the reset; the factory ones reach the file with
// the next save.
void ResetMouseDeviceProfileTo(DeviceCommandChannel& channel, const std::wstring& folder,
                               const std::vector<uint8_t>& payload, MouseProfilePage& page) {
  if (payload.size() != MOUSE_DEVICE_PAYLOAD_SIZE) return;
  std::copy(payload.begin(), payload.begin() + MOUSE_KEY_TABLE_SIZE, MouseKeyTables[0].begin());
  std::copy(payload.begin() + MOUSE_KEY_TABLE_SIZE, payload.end(), MouseSettingsBlocks[0].begin());
  TakeMouseLiveSettings(MouseSettingsBlocks[0]);
  SaveMouseProfile(MouseProfileKind::Device, folder);
  page.Refresh();
  SendLiveSettingsPart(channel);
  page.MarkDirty();
  SetFactoryPointerSettings(kDeviceResetWheelLines, kDeviceResetSlider, page);
  SendKeyTable0(channel);
}

void ResetMouseLightProfileTo(DeviceCommandChannel& channel, const std::wstring& folder,
                              const std::vector<uint8_t>& payload, MouseProfilePage& page) {
  if (payload.size() < MOUSE_BLOCK_TRANSFER_SIZE) return;
  MouseSettingsBlock& block = MouseSettingsBlocks[0];
  std::copy(payload.begin(), payload.begin() + MOUSE_BLOCK_TRANSFER_SIZE, block.begin());
  BoundMouseProfileByte(block);
  const MouseSettingsBlock sent = block;
  TakeMouseLiveSettings(block);
  SaveMouseProfile(MouseProfileKind::Light, folder);
  SaveMouseProfile(MouseProfileKind::Device, folder);
  page.Refresh();
  channel.WriteSettings(sent.data(), MOUSE_BLOCK_TRANSFER_SIZE, 0);
  page.MarkDirty();
  SetFactoryPointerSettings(kLightResetWheelLines, kLightResetSlider, page);
}

void ResetMouseKeyProfileTo(DeviceCommandChannel& channel, const std::wstring& folder,
                            const std::vector<uint8_t>& payload, MouseProfilePage& page) {
  if (payload.size() != MOUSE_KEY_PAYLOAD_SIZE) return;
  std::copy(payload.begin(), payload.end(), MouseKeyTables[0].begin());
  SaveMouseProfile(MouseProfileKind::Key, folder);
  page.Refresh();
  SendKeyTable0(channel);
}

void SelectMouseProfileAt(MouseProfileKind kind, DeviceCommandChannel& channel, const std::wstring& folder, int index,
                          MouseProfilePage& page) {
  switch (kind) {
    case MouseProfileKind::Device: SelectMouseDeviceProfileAt(channel, folder, index, page); break;
    case MouseProfileKind::Light: SelectMouseLightProfileAt(folder, index, page); break;
    case MouseProfileKind::Key: SelectMouseKeyProfileAt(channel, folder, index, page); break;
  }
}

void ResetMouseProfileTo(MouseProfileKind kind, DeviceCommandChannel& channel, const std::wstring& folder,
                         const std::vector<uint8_t>& payload, MouseProfilePage& page) {
  switch (kind) {
    case MouseProfileKind::Device: ResetMouseDeviceProfileTo(channel, folder, payload, page); break;
    case MouseProfileKind::Light: ResetMouseLightProfileTo(channel, folder, payload, page); break;
    case MouseProfileKind::Key: ResetMouseKeyProfileTo(channel, folder, payload, page); break;
  }
}
