// The first headset's magic voice: a switch and four effects, kept per family in "hsProfile.ini".
#include "audio_control_library.h"
#include "custom_controls.h"
#include "diagnostics.h"
#include "headset_page.h"
#include "headset_voice.h"
#include "ini_values.h"
#include "main_wnd.h"

namespace {
constexpr DWORD kMagicValueChars = 100;

int ReadMagicValue(CMainWnd& window, const wchar_t* section, const wchar_t* key) {
  return _wtoi(ReadIniText(HeadsetProfileIndexPath(window), section, key, L"0", kMagicValueChars).c_str());
}

void SendMagicLevel(int effect) {
  int level = 0;
  if (HeadsetMagicLevel(effect, level)) AudioControlLibrary().Harkin_SetMagicSound_Level(level);
}

void SetMagicControl(CMainWnd& window, bool open, int effect) {
  if (window.m_magicControl) window.m_magicControl->SetMagicVoiceState(open, effect);
}
}  // namespace

void CMainWnd::OnHeadsetMagicVoiceToggled(CControlUI* sender) {
  auto* option = dynamic_cast<COptionUI*>(sender);
  const std::wstring index = HeadsetProfileIndexPath(*this);
  if (option && option->IsSelected()) {
    DebugLine(std::to_wstring(AudioControlLibrary().Harkin_SetMagicSoundOnOff(1)));
    WriteIniText(index, L"MAGICOPEN", L"open", L"1");
    const int effect = ReadMagicValue(*this, L"MAGICSELECT", L"select");
    SetMagicControl(*this, true, effect);
    SendMagicLevel(effect);
    return;
  }
  AudioControlLibrary().Harkin_SetMagicSoundOnOff(0);
  SetMagicControl(*this, false, 0);
  WriteIniText(index, L"MAGICOPEN", L"open", L"0");
}

void CMainWnd::SelectHeadsetMagicVoice(int effect) {
  int level = 0;
  if (!HeadsetMagicLevel(effect, level)) return;
  AudioControlLibrary().Harkin_SetMagicSound_Level(level);
  WriteIniText(HeadsetProfileIndexPath(*this), L"MAGICSELECT", L"select", std::to_wstring(effect));
}

void CMainWnd::RestoreHeadsetMagicVoice() {
  const bool open = ReadMagicValue(*this, L"MAGICOPEN", L"open") != 0;
  const int effect = ReadMagicValue(*this, L"MAGICSELECT", L"select");
  if (!open) {
    SetMagicControl(*this, false, 0);
    return;
  }
  SetMagicControl(*this, true, effect);
  SendMagicLevel(effect);
}
