#include "mousepad_light_profile_list.h"

#include "mousepad_light_profile.h"
#include "mousepad_state.h"
#include "profile_store.h"

namespace {
NamedProfileListParams LightList() {
  NamedProfileListParams p{};
  p.combo = L"mp_deng_profile_combo";
  p.nameEdit = L"mp_deng_profile_name_edit";
  p.addButton = L"mp_pro_deng_add_btn";
  p.deleteButton = L"mp_pro_deng_sub_btn";
  p.copyButton = L"mp_pro_deng_copy_btn";
  p.importButton = L"mp_pro_deng_import_btn";
  p.exportButton = L"mp_pro_deng_export_btn";
  p.resetButton = L"mp_pro_deng_reset_btn";
  p.renameButton = L"mp_deng_profile_edit_save_btn";
  p.linkCheck = L"mp_deng_profile_link_check";
  p.linkEdit = L"mp_deng_profile_link_edit";
  p.linkRow = L"mp_deng_profile_link_name_hor";
  p.linkButton = L"mp_deng_profile_link_btn";
  p.cancelLinkButton = L"mp_deng_cancle_link_btn";
  p.indexFile = L"mpProfile.ini";
  p.countSection = L"PROFILEDENGCOUNT";
  p.nameSection = L"PROFILEDENGNAME";
  p.selectionSection = L"PROFILEDENGSELECT";
  p.linkFlagSection = L"PROFILELIKEDENGEXE";
  p.linkPathSection = L"DENGPROCESS";
  p.newNamePrefix = L"Profile ";
  p.extension = MOUSEPAD_LIGHT_EXTENSION;
  p.fileFilter = L"(*.led) | *.led ||";
  p.format = BinaryProfilePayloads(MOUSEPAD_BLOCK_SIZE, PROFILE_KIND_MOUSEPAD);
  p.linkRowShownWhenUnlinked = false;
  p.linkRowShownWhenCancelled = false;
  return p;
}
}  // namespace

const NamedProfileListParams& MousePadLightProfileList() {
  static const NamedProfileListParams list = LightList();
  return list;
}
