#include "page_layouts.h"

#include "ui/ui_string.h"

namespace {
struct PageLayout {
  const wchar_t* tag;
  const wchar_t* file;
};

const PageLayout kPageLayouts[] = {
    {L"kb_Key_UI", L"keyboard_key.xml"},
    {L"kb_Deng_UI", L"keyboard_deng.xml"},
    {L"kb_Macro_UI", L"keyboard_macro.xml"},
    {L"MS_Deng_UI", L"Mouse_deng.xml"},
    {L"MS_Macro_UI", L"Mouse_macro.xml"},
    {L"MS_Key_UI", L"Mouse_key.xml"},
    {L"MP_deng_UI", L"MousePad_deng.xml"},
    {L"MS_DPI_UI", L"Mouse_DPI.xml"},
    {L"MS_CURSOR_UI", L"Mouse_cursor.xml"},
    {L"kb_CURSOR_UI", L"Mouse_cursor.xml"},
    {L"hs_Deng_UI", L"Headset_deng.xml"},
    {L"hs_Voice_UI", L"Headset_voice.xml"},
    {L"hs_Magic_UI", L"Headset_magic.xml"},
    {L"hsK27_Voice_UI", L"HeadsetK27_voice.xml"},
    {L"hsK27_deng_UI", L"HeadsetK27_deng.xml"},
    {L"hsK27_Magic_UI", L"VoiceMagic.xml"},
};
}  // namespace

const wchar_t* PageLayoutFileForTag(const wchar_t* tag) {
  if (!tag) return nullptr;
  for (const PageLayout& layout : kPageLayouts)
    if (EqualsNoCase(tag, layout.tag)) return layout.file;
  return nullptr;
}
